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

    constexpr std::array<TThemeLook, Themes.size()> Looks = { {
        { "Office 2007 Blue", 0xDCE7F5, 0xE4EDF8, 0x15283D, 0xFFFFFF, 0x3D7BC6, 0xA9C3E4 },
        { "Leopard", 0x3A3A3C, 0x4A4A4E, 0xF0F0F0, 0x2A2A2C, 0x8A8F99, 0x1E1E20 },
        { "Dream", 0xE8E8EC, 0xF1F1F4, 0x202024, 0xFFFFFF, 0x7D8597, 0xB8BBC4 },
    } };

    QColor MixedColour(QRgb a, QRgb b)
    {
        return QColor((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
    }

    const TThemeLook& LookOf(TTheme theme) { return Looks[static_cast<std::size_t>(theme)]; }

} // namespace

QString ThemeName(TTheme theme) { return QString::fromLatin1(LookOf(theme).Name); }

std::optional<TTheme> FindTheme(const QString& name)
{
    for (const TTheme theme : Themes) {
        if (name.compare(ThemeName(theme), Qt::CaseInsensitive) == 0)
            return theme;
    }
    return std::nullopt;
}

TTheme ThemeTag(const QString& name)
{
    for (const TTheme theme : { TTheme::Black, TTheme::Silver }) {
        if (name == ThemeName(theme))
            return theme;
    }
    return TTheme::Blue;
}

void ApplyTheme(TTheme theme)
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

QColor SplitterColour(TTheme theme) { return QColor(LookOf(theme).Splitter); }

} // namespace korvo
