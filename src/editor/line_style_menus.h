#pragma once

class QMenu;
class QWidget;

namespace korvo {

class TDrawing;

// The main tool bar's line style and line ending menus. Each item shows a sample of its style and
// restyles the selected shapes; its tag says which style.
QMenu* NewLineStyleMenu(QWidget* parent, TDrawing& drawing);
QMenu* NewLineEndMenu(QWidget* parent, TDrawing& drawing);

// A line style item's tag as a pen: 0 no outline, 1 dotted, 2..6 solid 1 to 5 pixels wide.
void ApplyLineStyle(TDrawing& drawing, int tag);

} // namespace korvo
