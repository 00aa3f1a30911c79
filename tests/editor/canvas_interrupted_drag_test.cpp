#include "canvas_fixture.h"

#include <QFocusEvent>

#include <functional>

using namespace korvo;
using namespace korvo::test;

namespace {

// Counts the times the surface is painted.
class PaintCounter : public QObject {
public:
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

class InterruptedDrag : public CanvasTest {
protected:
    void LoseFocus(Qt::FocusReason reason)
    {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(pic, &out);
    }

    std::vector<TMMRect> Bounds()
    {
        std::vector<TMMRect> all;
        for (const TShapePtr& shape : Drawing().Shapes())
            all.push_back(shape->FBounds);
        return all;
    }
};

TEST_F(InterruptedDrag, EndsWithOneStepOrNoneAndNoPreviewLeft)
{
    // A drag under way, its button still held, and what must come of it when its release is seen
    // outside the window, and when the drag is cut short: its release went to another window that took
    // the mouse, or the surface lost the keyboard focus.
    struct Interaction {
        const char* name;
        TTool tool;
        bool withShape;
        Qt::MouseButton button;
        std::function<void()> start;
        int shapesWhenReleased;
        const char* undoWhenReleased;
        int shapesWhenCut;
        const char* undoWhenCut;
    };
    const auto drag = [this](QPoint from, QPoint to) {
        return [=] {
            Press(from);
            Move(to);
        };
    };
    const Interaction interactions[] = {
        { "rectangle", TTool::Rectangle, false, Qt::LeftButton, drag({ 300, 300 }, { 400, 380 }), 1,
            "Undo create rectangle", 0, nullptr },
        { "line", TTool::Line, false, Qt::LeftButton, drag({ 300, 300 }, { 400, 380 }), 1, "Undo create line", 0,
            nullptr },
        // The steps already made stay: the move is kept as far as it went.
        { "move", TTool::Selection, true, Qt::LeftButton, drag({ 150, 130 }, { 180, 150 }), 1, "Undo move selection", 1,
            "Undo move selection" },
        { "resize", TTool::Selection, true, Qt::LeftButton, drag({ 204, 164 }, { 240, 200 }), 1,
            "Undo resize selection", 1, nullptr },
        { "selection rectangle", TTool::Selection, true, Qt::LeftButton, drag({ 300, 300 }, { 150, 130 }), 1, nullptr,
            1, nullptr },
        { "node", TTool::Node, true, Qt::LeftButton, drag({ 200, 160 }, { 240, 200 }), 1, "Undo edit node", 1,
            nullptr },
        { "polygon's last point", TTool::Polygon, false, Qt::RightButton,
            [this] {
                Click({ 300, 300 });
                Move({ 400, 380 }, Qt::NoButton);
                Press({ 400, 380 }, Qt::RightButton);
            },
            // The release after the last point is as good as given: the polygon is made.
            1, "Undo create polygon", 1, "Undo create polygon" },
    };
    enum class How { ReleasedOutside, GrabLost, FocusLost };
    const QPoint outside(-60, 700);
    PaintCounter paints;
    pic->installEventFilter(&paints);
    for (const Interaction& i : interactions) {
        for (const How how : { How::ReleasedOutside, How::GrabLost, How::FocusLost }) {
            SCOPED_TRACE(std::string(i.name)
                + (how == How::ReleasedOutside ? ", released outside"
                        : how == How::GrabLost ? ", grab lost"
                                               : ", focus lost"));
            Drawing().Clear();
            if (i.withShape) {
                Drawing().AddBoxShape({ 100, 100, 200, 160 }, TTool::Rectangle, {}, {});
                Drawing().ToggleSelected(0);
                Drawing().ClearUndo();
            }
            UseTool(i.tool);
            i.start();
            // A popup takes the mouse; the release goes to it.
            if (how == How::GrabLost)
                LoseFocus(Qt::PopupFocusReason);
            QApplication::processEvents();
            paints.Count = 0;
            switch (how) {
            case How::ReleasedOutside:
                Move(outside, i.button);
                Release(outside, i.button);
                break;
            case How::GrabLost:
                Move({ 420, 400 }, Qt::NoButton);
                break;
            case How::FocusLost:
                LoseFocus(Qt::ActiveWindowFocusReason);
                Release({ 420, 400 }, i.button);
                break;
            }
            QApplication::processEvents();
            EXPECT_GT(paints.Count, 0) << "the surface is painted again without the preview";
            const std::vector<TMMRect> settled = Bounds();
            Move({ 500, 420 }, Qt::NoButton);
            EXPECT_EQ(Bounds(), settled) << "nothing follows the pointer any more";
            EXPECT_TRUE(NoPreviewShown());
            const bool released = how == How::ReleasedOutside;
            EXPECT_EQ(Drawing().ShapeCount(), released ? i.shapesWhenReleased : i.shapesWhenCut);
            const char* undo = released ? i.undoWhenReleased : i.undoWhenCut;
            if (undo) {
                EXPECT_TRUE(OneUndoStep(undo));
            } else {
                EXPECT_FALSE(Drawing().CanUndo());
            }
        }
    }
    pic->removeEventFilter(&paints);
}

} // namespace
