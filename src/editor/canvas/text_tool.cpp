#include "editor/canvas/tools.h"

namespace korvo {

namespace {

    // The text tool: a press asks for the text in the text dialog and places it at the press point.
    class TTextTool : public TClickTool {
    public:
        using TClickTool::TClickTool;

        void Press(const TPointerEvent& event) override
        {
            const std::optional<TShapeText> text = FCanvas.AskForText();
            if (!text)
                return;
            // Texts are placed where clicked, never snapped; the next click selects again.
            FCanvas.Drawing().AddTypedText(*text, event.Pos.x(), event.Pos.y());
            FCanvas.ReturnToSelectionTool();
        }
    };

} // namespace

const TToolMaker MakeTextTool = &MakeTool<TTextTool>;

} // namespace korvo
