#include "editor/themes.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include <array>

namespace korvo {

namespace {

    struct TThemeLook {
        const char* Name;
        QRgb Window;
        QRgb Button;
        QRgb Text;
        QRgb Base;
        QRgb Highlight;
        QRgb Splitter;
    };

    constexpr std::array<TThemeLook, ThemeCount> Looks = { {
        { "Office 2007 Blue", 0xDCE7F5, 0xE4EDF8, 0x15283D, 0xFFFFFF, 0x3D7BC6, 0xA9C3E4 },
        { "Leopard", 0x3A3A3C, 0x4A4A4E, 0xF0F0F0, 0x2A2A2C, 0x8A8F99, 0x1E1E20 },
        { "Dream", 0xE8E8EC, 0xF1F1F4, 0x202024, 0xFFFFFF, 0x7D8597, 0xB8BBC4 },
    } };

    QColor MixedColour(QRgb a, QRgb b)
    {
        return QColor((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
    }

    const TThemeLook& LookOf(int theme)
    {
        return Looks[static_cast<std::size_t>(theme < 0 || theme >= ThemeCount ? 0 : theme)];
    }

} // namespace

QString ThemeName(int theme) { return QString::fromLatin1(LookOf(theme).Name); }

std::optional<int> FindTheme(const QString& name)
{
    for (int i = 0; i < ThemeCount; ++i) {
        if (name.compare(ThemeName(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

int ThemeTag(const QString& name)
{
    if (name == ThemeName(1))
        return 1;
    if (name == ThemeName(2))
        return 2;
    return 0;
}

void ApplyTheme(int theme)
{
    const TThemeLook& look = LookOf(theme);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(look.Window));
    palette.setColor(QPalette::Button, QColor(look.Button));
    palette.setColor(QPalette::WindowText, QColor(look.Text));
    palette.setColor(QPalette::ButtonText, QColor(look.Text));
    palette.setColor(QPalette::Text, QColor(look.Text));
    palette.setColor(QPalette::Base, QColor(look.Base));
    palette.setColor(QPalette::AlternateBase, QColor(look.Button));
    palette.setColor(QPalette::Highlight, QColor(look.Highlight));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(look.Base));
    palette.setColor(QPalette::ToolTipText, QColor(look.Text));
    // Every group takes the colours set above, disabled items too: they are greyed again, half way
    // from the text to the window, or a disabled menu item would look like one that can be chosen.
    const QColor greyed = MixedColour(look.Text, look.Window);
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        palette.setColor(QPalette::Disabled, role, greyed);
    QApplication::setPalette(palette);
}

QColor SplitterColour(int theme) { return QColor(LookOf(theme).Splitter); }

} // namespace korvo
