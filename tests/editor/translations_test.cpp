#include "editor/canvas/tool_table.h"
#include "editor/commands/command_table.h"
#include "editor/ui_language.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

const QDir SourceDir(QStringLiteral(KORVO_SOURCE_DIR));
const char* const Languages[] = { "de", "fr", "es" };

// One text of a .ts file as lupdate writes it.
struct TTsMessage {
    QString Context;
    QString Source;
    QString Translation;
    bool Unfinished = false;
};

// An element's text; lupdate writes characters XML cannot hold, such as a carriage return, as
// <byte value="xd"/>.
QString ReadTsText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

std::vector<TTsMessage> ReadCatalogue(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(fileName);
    std::vector<TTsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.push_back({ context, {}, {}, false });
        else if (xml.name() == QLatin1String("source"))
            messages.back().Source = ReadTsText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            messages.back().Unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.back().Translation = ReadTsText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(fileName) << ": " << qPrintable(xml.errorString());
    return messages;
}

QString CatalogueFile(const char* language)
{
    return SourceDir.filePath(QStringLiteral("translations/korvo_%1.ts").arg(QLatin1String(language)));
}

// A finding per line, so a failure lists every text to mark or translate.
std::string Listed(const std::set<QString>& texts)
{
    QString list;
    for (const QString& text : texts)
        list += QStringLiteral("\n  \"%1\"").arg(text);
    return list.toStdString();
}

TEST(Translations, LupdateFindsEveryTextOfTheCommandAndToolTables)
{
    const QString lupdate = QStringLiteral(KORVO_LUPDATE);
    if (!QFileInfo(lupdate).isExecutable())
        GTEST_SKIP() << "lupdate is not installed at " << KORVO_LUPDATE;
    const QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("found.ts"));
    QProcess run;
    run.start(lupdate,
        { QStringLiteral("-locations"), QStringLiteral("none"), SourceDir.filePath(QStringLiteral("src")),
            QStringLiteral("-ts"), catalogue });
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    std::set<QString> found;
    for (const TTsMessage& message : ReadCatalogue(catalogue))
        found.insert(message.Source);

    std::set<QString> unmarked;
    const auto check = [&](std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            if (text && *text && !found.count(QString::fromUtf8(text)))
                unmarked.insert(QString::fromUtf8(text));
        }
    };
    for (const TCommandInfo& command : CommandTable())
        check({ command.Text.Caption, command.Text.Hint });
    for (const TToolInfo& tool : ToolTable())
        check({ tool.Text.Caption, tool.Text.Hint, tool.Status });
    EXPECT_TRUE(unmarked.empty()) << "not marked for translation:" << Listed(unmarked);
}

TEST(Translations, CataloguesHoldNoUnfinishedOrEmptyTranslation)
{
    for (const char* language : Languages) {
        const std::vector<TTsMessage> messages = ReadCatalogue(CatalogueFile(language));
        EXPECT_FALSE(messages.empty()) << language;
        std::set<QString> untranslated;
        for (const TTsMessage& message : messages) {
            if (message.Unfinished || message.Translation.isEmpty())
                untranslated.insert(message.Context + QStringLiteral(": ") + message.Source);
        }
        EXPECT_TRUE(untranslated.empty())
            << language << ": " << untranslated.size() << " untranslated" << Listed(untranslated);
    }
}

// A text as it shows: without its mnemonic and without the dots of an item that opens a dialog.
QString Shown(QString text)
{
    // "&&" shows as "&".
    text.replace(QLatin1String("&&"), QChar(1)).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    static const QRegularExpression dots(QStringLiteral("(\\.\\.\\.?|\u2026)$"));
    return text.remove(dots).trimmed();
}

// Every translation of the language's catalogue, the ones with arguments as patterns.
class TTranslatedTexts {
public:
    explicit TTranslatedTexts(const char* language)
    {
        static const QRegularExpression argument(QStringLiteral("%\\d"));
        for (const TTsMessage& message : ReadCatalogue(CatalogueFile(language))) {
            if (message.Unfinished || message.Translation.isEmpty())
                continue;
            const QString shown = Shown(message.Translation);
            if (!shown.contains(argument)) {
                FTexts.insert(shown);
                continue;
            }
            QStringList pieces = shown.split(argument);
            for (QString& piece : pieces)
                piece = QRegularExpression::escape(piece);
            FPatterns.emplace_back(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))));
        }
    }

    bool Contains(const QString& text) const
    {
        return FTexts.count(text)
            || std::any_of(FPatterns.begin(), FPatterns.end(),
                [&](const QRegularExpression& pattern) { return pattern.match(text).hasMatch(); });
    }

private:
    std::set<QString> FTexts;
    std::vector<QRegularExpression> FPatterns;
};

// What the window shows in its menus and tool bars, and what the status bar tells of their items.
std::set<QString> WindowTexts(const TMainDrawFrm& window)
{
    std::set<QString> texts;
    const auto add = [&texts](const QString& text) {
        // Numbers, sizes and signs are the same in every language.
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            texts.insert(Shown(text));
    };
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        // The recent files are the user's own names.
        if (menu->objectName() == QLatin1String("ReopenMenu"))
            continue;
        add(menu->title());
        for (const QAction* item : menu->actions()) {
            add(item->text());
            add(item->statusTip());
        }
    }
    for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
        add(bar->windowTitle());
        for (const QAction* item : bar->actions()) {
            add(item->text());
            add(item->toolTip());
            add(item->statusTip());
        }
        for (const QLabel* label : bar->findChildren<QLabel*>())
            add(label->text());
        for (const QWidget* control : bar->findChildren<QWidget*>()) {
            add(control->toolTip());
            add(control->statusTip());
            if (qobject_cast<const QToolButton*>(control))
                add(control->accessibleName());
        }
    }
    return texts;
}

class WindowLanguage : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
        PlaceDefaultLibrary(FDir.path());
    }

    TFakePrompts prompts;
};

TEST_F(WindowLanguage, MenusAndToolBarsShowNoTextLeftInEnglish)
{
    for (const char* language : Languages) {
        const QDir built(QStringLiteral(KORVO_BUILD_DIR));
        ASSERT_TRUE(built.exists(QStringLiteral("translations/korvo_%1.qm").arg(QLatin1String(language))))
            << "no translation built for " << language;
        // A translation without a single translated text is not loaded: the window stays English.
        const QList<QTranslator*> translators = InstallTranslators(QLocale(QLatin1String(language)), built.path());
        // Qt's standard dialogs and buttons speak the same language.
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QLatin1String("Cancel")) << language;
        const TTranslatedTexts translated(language);
        std::set<QString> english;
        {
            const auto window = StartWindow(FDir.path(), prompts);
            for (const QString& text : WindowTexts(*window)) {
                if (!translated.Contains(text))
                    english.insert(text);
            }
        }
        for (QTranslator* translator : translators) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        EXPECT_TRUE(english.empty()) << language << ": " << english.size() << " texts not translated"
                                     << Listed(english);
    }
}

} // namespace
