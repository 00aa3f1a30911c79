#include "editor/autosave.h"

#include "document/drawing.h"
#include "document/recovery_store.h"
#include "document/shared_settings.h"
#include "editor/user_prompts.h"
#include "shapes/file_io.h"

#include <QElapsedTimer>

namespace korvo {

namespace {

    bool HasUnsavedChanges() { return DocState == dsUntitledChanged || DocState == dsChanged; }

    qint64 SteadyClock()
    {
        static const QElapsedTimer started = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        return started.elapsed();
    }

} // namespace

TAutosave::TAutosave(TDrawing& drawing, TRecoveryStore& store, TUserPrompts& prompts, TSetup setup)
    : FDrawing(drawing)
    , FStore(store)
    , FPrompts(prompts)
    , FSetup(std::move(setup))
{
    if (!FSetup.Clock)
        FSetup.Clock = SteadyClock;
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TAutosave::Tick);
    connect(&FDrawing, &TDrawing::Changed, this, &TAutosave::DrawingChanged);
}

void TAutosave::DrawingChanged(TDrawingChanges changes)
{
    if (!HasUnsavedChanges()) {
        Drop();
        return;
    }
    if (changes & (TDrawingChange::Shapes | TDrawingChange::DocState) && !FDue)
        Schedule();
}

void TAutosave::Schedule()
{
    if (FSetup.IntervalSeconds <= 0)
        return;
    const qint64 interval = qint64(FSetup.IntervalSeconds) * 1000;
    FDue = FSetup.Clock() + interval;
    FTimer.start(static_cast<int>(interval));
}

void TAutosave::Tick()
{
    if (!FDue)
        return;
    const qint64 left = *FDue - FSetup.Clock();
    if (left > 0) {
        FTimer.start(static_cast<int>(left));
        return;
    }
    FDue.reset();
    // A write that failed is tried again after another interval, changes or not.
    if (!WriteNow())
        Schedule();
}

bool TAutosave::WriteNow()
{
    const TRecoveryInfo info { FFileName, QDateTime::currentDateTime(), PageWidthMM, PageHeightMM };
    try {
        FStore.Write(FDrawing.Shapes(), info);
    } catch (const EFileError& e) {
        if (!FFailing)
            FPrompts.ShowError(tr("The drawing could not be kept for recovery after a crash. %1").arg(e.Message()));
        FFailing = true;
        return false;
    }
    FFailing = false;
    // What was due is written: the same drawing is not written again.
    FDue.reset();
    FTimer.stop();
    return true;
}

void TAutosave::Drop()
{
    FDue.reset();
    FTimer.stop();
    FStore.Remove();
}

} // namespace korvo
