#include "editor/line_style_menus.h"

#include "dialogs/line_sample.h"
#include "document/drawing.h"

#include <QCoreApplication>
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
        { "TBXItem26", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "none"), 0, 0,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "No outline") },
        { "TBXItem25", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "dotted"), 1, 6,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Dotted line") },
        { "TBXItem24", "1", 2, 1, QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Solid line 1 pixel wide") },
        { "TBXItem23", "2", 3, 2, QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Solid line 2 pixels wide") },
        { "TBXItem22", "3", 4, 3, QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Solid line 3 pixels wide") },
        { "TBXItem21", "4", 5, 4, QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Solid line 4 pixels wide") },
        { "TBXItem27", "5", 6, 5, QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Solid line 5 pixels wide") },
    } };

    constexpr std::array<TStyleItem, 5> LineEndItems = { {
        { "TBXItem32", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "none"), leNone, 1,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "No line ending") },
        { "TBXItem31", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "arrow"), leArrow, 7,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Full-size arrowhead") },
        { "TBXItem30", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "arrow"), leArrowMedium, 8,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Three-quarter size arrowhead") },
        { "TBXItem29", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "arrow"), leArrowSmall, 9,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Half-size arrowhead") },
        { "TBXItem28", QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "circle"), leCircle, 10,
            QT_TRANSLATE_NOOP("korvo::TLineStyleMenus", "Filled dot") },
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

    QString Tr(const char* text) { return QCoreApplication::translate("korvo::TLineStyleMenus", text); }

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
            QAction* action = menu->addAction(LineStyleImage(item.Image), Tr(item.Caption));
            action->setObjectName(QLatin1String(item.Name));
            action->setData(item.Tag);
            action->setToolTip(Tr(item.Hint));
            action->setStatusTip(Tr(item.Hint));
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
    return NewStyleMenu(parent, QStringLiteral("LineStyleMenu"),
        QCoreApplication::translate("korvo::TLineStyleMenus", "Line styles"), LineStyleItems,
        [&drawing](int tag) { ApplyLineStyle(drawing, tag); });
}

QMenu* NewLineEndMenu(QWidget* parent, TDrawing& drawing)
{
    return NewStyleMenu(parent, QStringLiteral("LineEndMenu"),
        QCoreApplication::translate("korvo::TLineStyleMenus", "Line ending styles"), LineEndItems,
        [&drawing](int tag) { drawing.SetLineEnding(static_cast<std::uint8_t>(tag)); });
}

} // namespace korvo
