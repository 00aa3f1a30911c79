#include "editor/canvas/tools.h"

#include "shapes/colour_map.h"

namespace korvo {

namespace {

    // The dropper: a press takes the colour of the view as painted under the pointer, grid, background
    // picture and selection marks included, as the fill of the selected shapes (left button) or as
    // their outline (any other). The tool stays and the selection with it.
    class TDropperTool : public TClickTool {
    public:
        using TClickTool::TClickTool;

        void Press(const TPointerEvent& event) override
        {
            TDrawing& drawing = FCanvas.Drawing();
            const QImage& view = drawing.ViewImage();
            if (!view.valid(event.Pos))
                return;
            const TColour colour = ColourFromRgb(view.pixel(event.Pos));
            if (event.Button == Qt::LeftButton)
                drawing.SetFillColour(colour);
            else
                drawing.SetLineColour(colour);
        }
    };

} // namespace

const TToolMaker MakeDropperTool = &MakeTool<TDropperTool>;

} // namespace korvo
