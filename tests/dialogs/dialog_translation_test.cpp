#include "dialogs/about_dialog.h"
#include "dialogs/grid_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/text_dialog.h"

#include "support/bracket_translator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace korvo;
using namespace korvo::test;

namespace {

// The texts of the widget that a user reads, as the widget shows them.
QStringList ReadTexts(const QWidget& widget)
{
    QStringList texts { widget.windowTitle(), widget.accessibleName(), widget.toolTip() };
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        texts << button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        texts << box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        texts << edit->placeholderText();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&widget))
        texts << edit->placeholderText();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    return texts;
}

// Words are what a translation has to change; a size, a symbol such as "x₂" or "y =" reads the same in
// every language.
bool HasWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    return word.match(text).hasMatch();
}

TPlotDefinition TableWithBestFit()
{
    TPlotCurve curve;
    curve.IsFunction = false;
    curve.Table = QStringLiteral("x;y\n1;2\n3;4\nx\n50;50");
    curve.Line = TPlotLine::BestFit;
    return { TPlotAxes {}, { curve, TPlotCurve {} } };
}

TEST(DialogTranslation, EveryTextWithWordsGoesThroughTranslation)
{
    TBracketTranslator brackets;
    QCoreApplication::installTranslator(&brackets);
    const struct {
        const char* Name;
        std::function<std::unique_ptr<QWidget>()> Make;
    } dialogs[] = {
        { "text", [] { return std::make_unique<TTextFrm>(); } },
        { "graph paper", [] { return std::make_unique<TGridFrm>(); } },
        { "about", [] { return std::make_unique<TAboutFrm>(QStringLiteral("missing.png")); } },
        { "plot with major lines",
            [] {
                auto plot = std::make_unique<TPlotFrm>(5, std::vector<TColour> { clBlack });
                plot->SetDefinition(TableWithBestFit());
                return plot;
            } },
    };
    for (const auto& dialog : dialogs) {
        const std::unique_ptr<QWidget> shown = dialog.Make();
        QList<QWidget*> widgets = shown->findChildren<QWidget*>();
        widgets.prepend(shown.get());
        for (const QWidget* widget : widgets) {
            for (const QString& text : ReadTexts(*widget)) {
                EXPECT_TRUE(!HasWords(text) || text.contains(QLatin1Char('[')))
                    << dialog.Name << ": " << qPrintable(widget->objectName()) << " shows " << qPrintable(text);
            }
        }
    }
    QCoreApplication::removeTranslator(&brackets);
}

} // namespace
