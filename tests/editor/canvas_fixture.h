#pragma once

// The main window shown offscreen with a drawing surface of a known size, and the mouse and keys on
// that surface in its own pixels, as the user would drive them.

#include "document/shared_settings.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/drawing_surface_widget.h"
#include "editor/main_window.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace korvo {

inline void PrintTo(const TMMPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ") mm"; }
inline void PrintTo(const TMMRect& r, std::ostream* os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ") mm";
}

} // namespace korvo

namespace korvo::test {

// The size of the surface in the examples the canvas is checked against.
constexpr QSize SurfaceSize(629, 471);

// Page pixels of zoom x1 to millimetres; whole pixels give exact millimetres.
inline TMMPoint Mm(QPoint px) { return { px.x() / 4.0f, px.y() / 4.0f }; }
inline TMMRect Mm(const TRect& px) { return { px.Left / 4.0f, px.Top / 4.0f, px.Right / 4.0f, px.Bottom / 4.0f }; }

// Millimetre points match within this much: what the shapes compute from the box goes through a
// few single-precision products.
constexpr float MmTolerance = 1e-4f;

inline ::testing::AssertionResult Near(TMMPoint actual, TMMPoint expected)
{
    if (std::fabs(actual.X - expected.X) <= MmTolerance && std::fabs(actual.Y - expected.Y) <= MmTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.X << ", " << actual.Y << ") instead of (" << expected.X
                                         << ", " << expected.Y << ")";
}

class CanvasTest : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
        DocState = dsUntitled;
        PageWidthMM = 210;
        PageHeightMM = 280;
        window = StartWindow(FDir.path(), prompts);
        pic = window->findChild<TSurfaceWidget*>(QStringLiteral("Pic"));
        ASSERT_NE(pic, nullptr);
        pic->setFixedSize(SurfaceSize);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_EQ(pic->size(), SurfaceSize);
        ASSERT_EQ(Drawing().Scale(), 4.0f);
    }

    void TearDown() override
    {
        window.reset();
        PageWidthMM = 210;
        PageHeightMM = 280;
    }

    QAction* Action(TCommand id) const { return window->Action(id); }
    template <class T> T* Widget(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    TDrawing& Drawing() { return window->Drawing(); }
    const TPolygon& Shape(int index) { return *Drawing().Shapes().at(static_cast<std::size_t>(index)); }

    void UseTool(TTool tool) { window->ToolAction(tool)->trigger(); }
    // Through the View menu, which keeps the tool bar button in step.
    void SetSnap(bool on)
    {
        if (Action(TCommand::SnapToGrid)->isChecked() != on)
            Action(TCommand::SnapToGrid)->trigger();
        ASSERT_EQ(window->Canvas().SnapToGrid(), on);
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(pic, button, modifiers, at);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseRelease(pic, button, modifiers, at);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(pic, button, modifiers, at);
    }
    // QTest moves the real cursor for a move without buttons and takes no modifiers; the canvas needs both.
    void Move(QPoint to, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent move(QEvent::MouseMove, to, pic->mapToGlobal(to), Qt::NoButton, held, modifiers);
        QApplication::sendEvent(pic, &move);
    }
    // What a short real drag delivers: the press, a step half way, the end, the release there.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        Press(from, Qt::LeftButton, modifiers);
        Move((from + to) / 2, Qt::LeftButton, modifiers);
        Move(to, Qt::LeftButton, modifiers);
        Release(to, Qt::LeftButton, modifiers);
    }
    void Wheel(QPoint at, int delta)
    {
        QWheelEvent wheel(at, pic->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pic, &wheel);
    }

    // The surface as it would be painted now is the drawing's view alone: no outline of a drag is left.
    ::testing::AssertionResult NoPreviewShown()
    {
        const QImage shown = pic->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage view = Drawing().ViewImage().convertToFormat(QImage::Format_RGB32);
        if (shown == view)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the surface shows more than the drawing";
    }

    // Exactly one undo step was recorded since the history was last cleared, with this caption. It is
    // undone to count it, so this comes last in a test.
    ::testing::AssertionResult OneUndoStep(const char* caption)
    {
        const QString recorded = Drawing().GetUndoCaption();
        if (!Drawing().CanUndo() || recorded != QLatin1String(caption))
            return ::testing::AssertionFailure() << "the last step is \"" << qPrintable(recorded) << "\"";
        Drawing().Undo();
        if (Drawing().CanUndo())
            return ::testing::AssertionFailure()
                << "more than one step, the one before is \"" << qPrintable(Drawing().GetUndoCaption()) << "\"";
        return ::testing::AssertionSuccess();
    }

    TFakePrompts prompts;
    std::unique_ptr<TMainDrawFrm> window;
    TSurfaceWidget* pic = nullptr;
};

} // namespace korvo::test
