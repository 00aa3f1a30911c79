#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace korvo {

class TDrawing;
class TUserPrompts;

// The colour strip at the right of the drawing: the palette box, which scrolls a row at a time when
// the window is too short for it, and the colour button at its foot. A left click on a colour fills
// the selected shapes with it and any other button colours their outlines; the crossed-out square
// takes the fill or the outline away. The colour button fills them with a colour of the user's
// choosing.
class TPalettePanel : public QWidget {
    Q_OBJECT

public:
    TPalettePanel(TDrawing& drawing, TUserPrompts& prompts, QWidget* parent);

    // Mouse on the palette box, in its own pixels.
    void PalPicMouseDown(Qt::MouseButton button, QPoint at);
    void PalPicMouseMove(QPoint at);
    void ColorBtnClick();

private:
    QWidget* BuildPageScroller();
    QWidget* BuildColorBtn();
    void PalPicPaint(QPainter& painter, const QRect& area) const;

    TDrawing& FDrawing;
    TUserPrompts& FPrompts;
    QWidget* PalPic = nullptr;
    // Painted once: the colours never change.
    QImage FPicture;
    // The colour dialog opens on the colour last chosen in it.
    QColor FDialogColour = Qt::white;
};

} // namespace korvo
