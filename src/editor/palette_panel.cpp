#include "editor/palette_panel.h"

#include "dialogs/paint_panel.h"
#include "document/drawing.h"
#include "editor/canvas/tool_table.h"
#include "editor/command_icons.h"
#include "editor/palette_colours.h"
#include "editor/tool_cursors.h"
#include "editor/user_prompts.h"
#include "shapes/colour_map.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    constexpr int PanelWidth = 38;
    constexpr int BoxWidth = 34;

    // The palette box: painted and clicked through the panel that holds it.
    class TPaletteBox : public TPaintPanel {
    public:
        explicit TPaletteBox(TPalettePanel& owner)
            : TPaintPanel(QStringLiteral("PalPic"))
            , FOwner(owner)
        {
            setMouseTracking(true);
        }

    protected:
        void mousePressEvent(QMouseEvent* event) override
        {
            FOwner.PalPicMouseDown(event->button(), event->position().toPoint());
        }
        void mouseMoveEvent(QMouseEvent* event) override { FOwner.PalPicMouseMove(event->position().toPoint()); }

    private:
        TPalettePanel& FOwner;
    };

    void Describe(QWidget* control, const QString& name, const QString& hint)
    {
        control->setAccessibleName(name);
        control->setAccessibleDescription(hint);
        control->setToolTip(hint);
        control->setStatusTip(hint);
    }

    QToolButton* ScrollButton(Qt::ArrowType arrow, QScrollBar* bar, QAbstractSlider::SliderAction step)
    {
        auto* button = new QToolButton;
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(BoxWidth, 12);
        const QString hint = arrow == Qt::UpArrow ? TPalettePanel::tr("Scroll the palette up")
                                                  : TPalettePanel::tr("Scroll the palette down");
        Describe(button, hint, hint);
        QObject::connect(button, &QToolButton::clicked, bar, [bar, step] { bar->triggerAction(step); });
        // Each arrow is live while there is more of the palette its way.
        const auto follow = [button, bar, arrow] {
            button->setEnabled(arrow == Qt::UpArrow ? bar->value() > bar->minimum() : bar->value() < bar->maximum());
        };
        QObject::connect(bar, &QScrollBar::rangeChanged, button, follow);
        QObject::connect(bar, &QScrollBar::valueChanged, button, follow);
        follow();
        return button;
    }

} // namespace

TPalettePanel::TPalettePanel(TDrawing& drawing, TUserPrompts& prompts, QWidget* parent)
    : QWidget(parent)
    , FDrawing(drawing)
    , FPrompts(prompts)
    , FPicture(PalettePictureSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("PalettePanel"));
    setFixedWidth(PanelWidth);
    QPainter painter(&FPicture);
    PaintPaletteColours(painter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(BuildPageScroller(), 1);
    layout->addWidget(BuildColorBtn());
}

QWidget* TPalettePanel::BuildPageScroller()
{
    auto* box = new TPaletteBox(*this);
    box->setFixedSize(BoxWidth, PalettePictureSize.height());
    Describe(box, tr("Colour palette"),
        tr("Click a colour to fill the selected shapes, right click to colour their outlines"));
    box->SetOnPaint([this](QPainter& painter, const QRect& area) { PalPicPaint(painter, area); });
    PalPic = box;
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("PageScroller1"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(box);
    // A step is one row of colours.
    QScrollBar* bar = scroller->verticalScrollBar();
    bar->setSingleStep(16);
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ScrollButton(Qt::UpArrow, bar, QAbstractSlider::SliderSingleStepSub));
    layout->addWidget(scroller, 1);
    layout->addWidget(ScrollButton(Qt::DownArrow, bar, QAbstractSlider::SliderSingleStepAdd));
    return holder;
}

QWidget* TPalettePanel::BuildColorBtn()
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("ColorBtn"));
    button->setIcon(CommandIcon(QStringLiteral("colour")));
    button->setFixedSize(BoxWidth, 25);
    const QString hint = tr("Fill with a colour of your choice");
    Describe(button, hint, hint);
    connect(button, &QToolButton::clicked, this, [this] { ColorBtnClick(); });
    return button;
}

void TPalettePanel::PalPicPaint(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, palette().window());
    painter.drawImage(PalettePictureLeft, 0, FPicture);
}

void TPalettePanel::PalPicMouseDown(Qt::MouseButton button, QPoint at)
{
    const int index = PaletteIndexAt(at);
    if (index < 0)
        return;
    const TColour colour = PaletteColour(index);
    if (button == Qt::LeftButton)
        FDrawing.SetFillColour(colour);
    else if (colour == NoFillColour)
        FDrawing.SetPenStyle(psClear);
    else
        FDrawing.SetLineColour(colour);
}

void TPalettePanel::PalPicMouseMove(QPoint at)
{
    // The dropper only where a click picks a colour.
    if (PaletteIndexAt(at) >= 0)
        PalPic->setCursor(ToolCursor(ToolInfo(TTool::Dropper).Cursor));
    else
        PalPic->setCursor(Qt::ArrowCursor);
}

void TPalettePanel::ColorBtnClick()
{
    const QColor chosen = FPrompts.ChooseColour(FDialogColour);
    if (!chosen.isValid())
        return;
    FDialogColour = chosen;
    FDrawing.SetFillColour(ColourFromRgb(chosen.rgb()));
}

} // namespace korvo
