#include "editor/line_style_menus.h"

#include "dialogs/line_sample.h"
#include "document/drawing.h"

#include <QMenu>

#include <array>
#include <functional>

namespace korvo {

namespace {

    struct TStyleItem {
        const char* Name;
        const char* Caption;
        // What the item applies: a line style tag, or a line ending.
        int Tag;
        // Its picture in LineStyleImages.
        int Image;
        const char* Hint;
    };

    constexpr std::array<TStyleItem, 7> LineStyleItems = { {
        { "TBXItem26", "none", 0, 0, "No outline" },
        { "TBXItem25", "dotted", 1, 6, "Dotted line" },
        { "TBXItem24", "1", 2, 1, "Solid line 1 pixel wide" },
        { "TBXItem23", "2", 3, 2, "Solid line 2 pixels wide" },
        { "TBXItem22", "3", 4, 3, "Solid line 3 pixels wide" },
        { "TBXItem21", "4", 5, 4, "Solid line 4 pixels wide" },
        { "TBXItem27", "5", 6, 5, "Solid line 5 pixels wide" },
    } };

    constexpr std::array<TStyleItem, 5> LineEndItems = { {
        { "TBXItem32", "none", leNone, 1, "No line ending" },
        { "TBXItem31", "arrow", leArrow, 7, "Full-size arrowhead" },
        { "TBXItem30", "arrow", leArrowMedium, 8, "Three-quarter size arrowhead" },
        { "TBXItem29", "arrow", leArrowSmall, 9, "Half-size arrowhead" },
        { "TBXItem28", "circle", leCircle, 10, "Filled dot" },
    } };

    // The pen of each line style tag.
    constexpr std::array<TPen, 7> LineStylePens = { {
        { clBlack, psClear, 1 },
        { clBlack, psDot, 1 },
        { clBlack, psSolid, 1 },
        { clBlack, psSolid, 2 },
        { clBlack, psSolid, 3 },
        { clBlack, psSolid, 4 },
        { clBlack, psSolid, 5 },
    } };

    struct TSample {
        TPen Pen;
        std::uint8_t Ending;
    };

    // LineStyleImages: every style and ending as a line across the picture.
    constexpr std::array<TSample, 11> Samples = { {
        { LineStylePens[0], leNone },
        { LineStylePens[2], leNone },
        { LineStylePens[3], leNone },
        { LineStylePens[4], leNone },
        { LineStylePens[5], leNone },
        { LineStylePens[6], leNone },
        { LineStylePens[1], leNone },
        { LineStylePens[2], leArrow },
        { LineStylePens[2], leArrowMedium },
        { LineStylePens[2], leArrowSmall },
        { LineStylePens[2], leCircle },
    } };

    QIcon LineStyleImage(int image)
    {
        const TSample& sample = Samples[static_cast<std::size_t>(image)];
        return LineSampleIcon(sample.Pen, sample.Ending);
    }

    template <std::size_t N>
    QMenu* NewStyleMenu(QWidget* parent, const QString& name, const QString& title,
        const std::array<TStyleItem, N>& items, std::function<void(int)> apply)
    {
        auto* menu = new QMenu(title, parent);
        menu->setObjectName(name);
        menu->setAccessibleName(title);
        menu->setAccessibleDescription(title);
        for (const TStyleItem& item : items) {
            QAction* action = menu->addAction(LineStyleImage(item.Image), QLatin1String(item.Caption));
            action->setObjectName(QLatin1String(item.Name));
            action->setData(item.Tag);
            action->setToolTip(QLatin1String(item.Hint));
            action->setStatusTip(QLatin1String(item.Hint));
        }
        QObject::connect(
            menu, &QMenu::triggered, menu, [apply = std::move(apply)](QAction* item) { apply(item->data().toInt()); });
        return menu;
    }

} // namespace

void ApplyLineStyle(TDrawing& drawing, int tag)
{
    if (tag < 0 || tag >= static_cast<int>(LineStylePens.size()))
        return;
    const TPen& pen = LineStylePens[static_cast<std::size_t>(tag)];
    drawing.SetLineStyle(pen.Style, pen.Width);
}

QMenu* NewLineStyleMenu(QWidget* parent, TDrawing& drawing)
{
    return NewStyleMenu(parent, QStringLiteral("LineStyleMenu"), QStringLiteral("Line styles"), LineStyleItems,
        [&drawing](int tag) { ApplyLineStyle(drawing, tag); });
}

QMenu* NewLineEndMenu(QWidget* parent, TDrawing& drawing)
{
    return NewStyleMenu(parent, QStringLiteral("LineEndMenu"), QStringLiteral("Line ending styles"), LineEndItems,
        [&drawing](int tag) { drawing.SetLineEnding(static_cast<std::uint8_t>(tag)); });
}

} // namespace korvo
