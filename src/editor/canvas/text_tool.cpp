#include "editor/canvas/text_tool.h"

namespace korvo {

void TTextTool::Press(const TPointerEvent& event)
{
    const std::optional<TShapeText> text = FCanvas.AskForText();
    if (!text)
        return;
    // Texts are placed where clicked, never snapped; the next click selects again.
    FCanvas.Drawing().AddText(text->Text, text->Font, event.Pos.x(), event.Pos.y());
    FCanvas.ReturnToSelectionTool();
}

} // namespace korvo
