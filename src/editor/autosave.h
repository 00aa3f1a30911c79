#pragma once

#include "document/drawing_change.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace korvo {

class TDrawing;
class TRecoveryStore;
class TUserPrompts;

// Keeps the drawing's unsaved changes in the recovery store: they are written a set time after the
// first change not yet kept there, and the recovery file goes once the drawing is saved, replaced by
// New or Open, or given up on purpose. It follows the drawing's change notices itself.
class TAutosave : public QObject {
    Q_OBJECT

public:
    // Milliseconds since any fixed moment; tests give a clock of their own.
    using TClock = std::function<qint64()>;

    struct TSetup {
        // 0 writes nothing.
        int IntervalSeconds = 0;
        // The system's steady clock when not given.
        TClock Clock;
    };

    TAutosave(TDrawing& drawing, TRecoveryStore& store, TUserPrompts& prompts, TSetup setup);

    // The drawing's own file, kept with its changes; empty while it is untitled.
    void SetFileName(const QString& fileName) { FFileName = fileName; }
    // Writes when the time has come. The timer calls it; tests call it after moving their clock on.
    void Tick();
    // Writes the drawing at once; a failure is reported the first time in a row it happens.
    bool WriteNow();
    // The drawing is given up: its recovery file goes.
    void Drop();

private:
    void DrawingChanged(TDrawingChanges changes);
    void Schedule();

    TDrawing& FDrawing;
    TRecoveryStore& FStore;
    TUserPrompts& FPrompts;
    TSetup FSetup;
    QString FFileName;
    QTimer FTimer;
    // When the changes not yet kept are due to be written; nothing while all are kept.
    std::optional<qint64> FDue;
    bool FFailing = false;
};

} // namespace korvo
