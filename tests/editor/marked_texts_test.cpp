#include "document/drawing.h"
#include "editor/line_style_menus.h"
#include "editor/palette_panel.h"
#include "editor/recovery_dialog.h"
#include "help/help_window.h"
#include "printing/print_preview.h"

#include "support/bracket_translator.h"
#include "support/fake_prompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QHelpEngine>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace korvo;
using namespace korvo::test;

namespace {

void AddText(QStringList& texts, const QString& text)
{
    if (!text.isEmpty())
        texts.append(text);
}

void AddActionTexts(QStringList& texts, const QAction& action)
{
    AddText(texts, action.text());
    AddText(texts, action.toolTip());
    AddText(texts, action.statusTip());
}

// Every text the window and what it holds show or tell a screen reader.
QStringList ShownTexts(const QWidget& window)
{
    QStringList texts;
    AddText(texts, window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* widget : widgets) {
        AddText(texts, widget->toolTip());
        AddText(texts, widget->statusTip());
        AddText(texts, widget->accessibleName());
        AddText(texts, widget->accessibleDescription());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            AddText(texts, button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            AddText(texts, label->text());
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            AddText(texts, menu->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                AddText(texts, tabs->tabText(tab));
        }
        for (const QAction* action : widget->actions())
            AddActionTexts(texts, *action);
    }
    for (const QAction* action : window.findChildren<QAction*>())
        AddActionTexts(texts, *action);
    return texts;
}

class TNoPictures : public TOfferPictures {
public:
    QImage Picture(int) override { return {}; }
};

class MarkedTexts : public ::testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&translator); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    TBracketTranslator translator;
    TDrawing drawing;
    TFakePrompts prompts;
    TNoPictures pictures;
};

} // namespace

// The windows besides the main window's menus and tool bars: each of their texts goes through
// translation, so none is left in English in another language.
TEST_F(MarkedTexts, WindowsShowOnlyTranslatedTexts)
{
    const std::vector<TRecoveryOffer> offers(TRecoveryFrm::ManyOffers, { QString(), QDateTime() });
    QHelpEngine engine(QString(), nullptr);
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        { "recovery", [&] { return std::make_unique<TRecoveryFrm>(offers, pictures); } },
        { "print preview",
            [&] { return std::make_unique<TPrintPreviewFrm>(nullptr, false, drawing, nullptr, prompts); } },
        { "help", [&] { return std::make_unique<THelpWindow>(engine); } },
        { "palette", [&] { return std::make_unique<TPalettePanel>(drawing, prompts, nullptr); } },
        { "line styles", [&] { return std::unique_ptr<QWidget>(NewLineStyleMenu(nullptr, drawing)); } },
        { "line endings", [&] { return std::unique_ptr<QWidget>(NewLineEndMenu(nullptr, drawing)); } },
    };
    for (const auto& [name, open] : windows) {
        const std::unique_ptr<QWidget> window = open();
        const QStringList texts = ShownTexts(*window);
        EXPECT_FALSE(texts.isEmpty()) << name;
        for (const QString& text : texts)
            EXPECT_TRUE(text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
                << name << ": " << text.toStdString();
    }
}
