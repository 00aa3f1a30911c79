#include "editor/main_window.h"

#include "dialogs/dialog_test_support.h"
#include "document/shared_settings.h"
#include "editor/app_settings.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/themes.h"
#include "library/ui/lib_panel.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <set>
#include <string>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString DefaultLibrary = QStringLiteral(KORVO_DEFAULT_LIBRARY);
const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

// A program folder of its own for each test: the library beside the program and, when asked, kv.ini.
class MainWindow : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
        QApplication::setOrganizationName(QStringLiteral("KorvoTest"));
        QApplication::setApplicationName(QStringLiteral("KorvoTest"));
        PlaceDefaultLibrary(FDir.path());
        DocState = dsUntitled;
    }

    std::unique_ptr<TMainDrawFrm> Start(const QString& fileName = {})
    {
        return StartWindow(FDir.path(), prompts, fileName);
    }

    void Ini(const QByteArray& text) { Fixture(QStringLiteral("kv.ini"), text); }

    TFakePrompts prompts;
};

TEST_F(MainWindow, HasItsPartsUnderTheirNames)
{
    const auto window = Start();
    for (const char* name : { "DrawMainMenu", "TopToolbar", "TBXToolbar1", "ScaleToolbar", "RotateToolbar",
             "AlignToolbar", "PolygonToolbar", "Pic", "XRulePic", "YRulePic", "XHsb", "YHsb", "ZoomCombo", "LibPanel",
             "LibCombo", "LibListBox", "LibTBPanel", "LibraryToolbar", "StatusBar", "XYLabel", "HintLabel", "PalPic",
             "ColorBtn", "Panel1" })
        EXPECT_NE(window->findChild<QObject*>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Pic"))->accessibleName(), QStringLiteral("Drawing surface"));
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("ZoomCombo"))->currentText(), QStringLiteral("x1"));
    EXPECT_TRUE(window->ToolAction(TTool::Selection)->isChecked());
    for (const char* hidden : { "ScaleToolbar", "RotateToolbar", "AlignToolbar", "PolygonToolbar" })
        EXPECT_FALSE(window->findChild<QToolBar*>(QLatin1String(hidden))->isVisibleTo(window.get())) << hidden;
}

TEST_F(MainWindow, EveryButtonIsNamedForScreenReaders)
{
    const auto window = Start();
    for (const QToolButton* button : window->findChildren<QToolButton*>()) {
        if (button->defaultAction()) {
            EXPECT_FALSE(button->accessibleName().isEmpty()) << qPrintable(button->defaultAction()->objectName());
        }
    }
    const QAction* rotate = window->Action(TCommand::RotateClockwise);
    EXPECT_EQ(rotate->text(), QStringLiteral("Rotate selected shapes clockwise")) << "no caption: known by its hint";
    for (const char* name : { "PalPic", "ColorBtn", "LineStyleMenu", "LineEndMenu" }) {
        const auto* control = window->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
        EXPECT_FALSE(control->accessibleDescription().isEmpty()) << name;
    }
    EXPECT_EQ(
        window->findChild<QWidget*>(QStringLiteral("PalPic"))->accessibleName(), QStringLiteral("Colour palette"));
}

// Wraps every text of the window's own contexts in angle brackets: a text shows wrapped only when it
// went through translation under the context its table or class marks it with.
class TMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const std::set<std::string> Contexts
            = { "korvo::TControlText", "korvo::TMainDrawFrm", "korvo::TToolInfo" };
        return Contexts.count(context) ? QStringLiteral("<%1>").arg(QString::fromUtf8(source)) : QString();
    }
};

TEST_F(MainWindow, CommandsToolsAndMenusShowInTheUsersLanguage)
{
    TMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const auto window = Start();
    // The status bar asks for a tool's hint whenever the pointer comes over the drawing.
    const QString toolHint = ToolHint(TTool::Rectangle);
    QCoreApplication::removeTranslator(&translator);
    const auto button = [&window](const char* name) {
        return window->findChild<QToolButton*>(QLatin1String(name))->accessibleName();
    };
    const std::pair<QString, const char*> shown[] = {
        { window->findChild<QMenu*>(QStringLiteral("File1"))->title(), "<&File>" },
        { window->Action(TCommand::New)->text(), "<&New>" },
        { window->Action(TCommand::New)->statusTip(), "<Create a new blank drawing>" },
        { button("NewBtn"), "<New>" },
        { window->Action(TCommand::RotateClockwise)->text(), "<Rotate selected shapes clockwise>" },
        { button("SqBtn"), "<square>" },
        { window->ToolAction(TTool::Rectangle)->toolTip(), "<Rectangle>" },
        { toolHint, "<Click and drag to draw a rectangle.>" },
        { button("RotateToolbarClose"), "<Close <Rotation toolbar>>" },
    };
    for (const auto& [text, expected] : shown)
        EXPECT_EQ(text, QLatin1String(expected));
}

TEST_F(MainWindow, StartsWithTheDrawingNamedOnTheCommandLine)
{
    const auto window = Start(SamplesDir + QStringLiteral("/all-kinds.kv"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvo - all-kinds.kv"));
    EXPECT_EQ(window->Drawing().ShapeCount(), 20);
    EXPECT_EQ(window->RecentFiles().Names().first(), SamplesDir + QStringLiteral("/all-kinds.kv"));

    const auto untitled = Start(Path(QStringLiteral("no such file.kv")));
    EXPECT_EQ(untitled->windowTitle(), QStringLiteral("Korvo"));
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST_F(MainWindow, SettingsFileChoosesTheLibraryAndLocksMaintenance)
{
    struct Case {
        const char* name;
        QByteArray ini;
        QString library;
        bool editing;
    };
    const QString beside = Path(QStringLiteral("library/PicLib.kvl"));
    const QString other = Path(QStringLiteral("other.kvl"));
    QFile::copy(DefaultLibrary, other);
    const Case cases[] = {
        { "no kv.ini", {}, beside, true },
        { "only a user folder", "[UserDir]\ndir=/tmp\n", beside, true },
        { "an empty library name", "[picture library]\nfilename=\n", beside, true },
        { "another library, locked", "[picture library]\nfilename=" + other.toUtf8() + "\n[user version]\nversion=1\n",
            other, false },
    };
    for (const Case& c : cases) {
        QFile::remove(Path(QStringLiteral("kv.ini")));
        if (!c.ini.isEmpty())
            Ini(c.ini);
        const auto window = Start();
        EXPECT_EQ(QDir::cleanPath(window->LibraryFile()), QDir::cleanPath(c.library)) << c.name;
        EXPECT_EQ(window->LibraryEditing(), c.editing) << c.name;
        EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("LibTBPanel"))->isVisibleTo(window.get()), c.editing)
            << c.name;
        EXPECT_EQ(window->Action(TCommand::SaveLibraryAs)->isVisible(), c.editing) << c.name;
        EXPECT_GT(window->Library().Entries().size(), 0u) << c.name;
        EXPECT_EQ(window->LibraryPanel().CurrentRow(), 0) << c.name;
    }
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST_F(MainWindow, MissingLibraryIsReportedAndTheWindowStillStarts)
{
    Ini("[picture library]\nfilename=" + Path(QStringLiteral("nowhere.kvl")).toUtf8() + "\n");
    const auto window = Start();
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_EQ(prompts.Errors.first(),
        QStringLiteral("library file ") + Path(QStringLiteral("nowhere.kvl")) + QStringLiteral(" not found"));
    EXPECT_TRUE(window->Library().Entries().empty());
}

// A damaged library may still be mended by hand: it is never written over, the first change asks where to go.
TEST_F(MainWindow, DamagedLibraryIsReportedAndNeverWrittenOver)
{
    const QString damaged = Fixture(QStringLiteral("library/PicLib.kvl"), "not a library");
    const auto window = Start();
    EXPECT_EQ(prompts.Errors, QStringList { QStringLiteral("Invalid library file") });
    EXPECT_TRUE(window->LibraryFile().isEmpty());

    prompts.FileNames.push_back(Path(QStringLiteral("mended")));
    WhenShown([](QWidget& dialog) {
        Part<QLineEdit>(dialog, "NameEdit")->setText(QStringLiteral("Optics"));
        QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    window->Action(TCommand::LibraryNewPage)->trigger();
    EXPECT_EQ(prompts.FileTitles, QStringList { QStringLiteral("Save library as") });
    EXPECT_EQ(window->LibraryFile(), Path(QStringLiteral("mended.kvl")));
    EXPECT_EQ(window->Library().Pages(), QList<QByteArray> { "Optics" });
    EXPECT_EQ(ReadAll(damaged), QByteArray("not a library"));
}

TEST_F(MainWindow, PositionThemeAndRecentFilesSurviveARestart)
{
    {
        const auto window = Start(SamplesDir + QStringLiteral("/texts.kv"));
        window->setGeometry(QRect(40, 30, 900, 700));
        window->Action(TCommand::ThemeBlack)->trigger();
        EXPECT_EQ(window->CurrentTheme(), QStringLiteral("Leopard"));
        prompts.YesNo = { true };
        EXPECT_TRUE(window->close());
    }
    const auto bounds = DecodeWindowBounds(OpenUserStore()->value(QStringLiteral("position")).toByteArray());
    ASSERT_TRUE(bounds.has_value());
    EXPECT_EQ(*bounds, QRect(40, 30, 900, 700));
    const auto again = Start();
    EXPECT_EQ(again->geometry(), QRect(40, 30, 900, 700));
    EXPECT_EQ(again->CurrentTheme(), QStringLiteral("Leopard"));
    EXPECT_EQ(again->RecentFiles().Names(), QStringList { SamplesDir + QStringLiteral("/texts.kv") });
}

TEST_F(MainWindow, ThemeNamesAreMatchedWithoutRegardToCase)
{
    OpenUserStore()->setValue(QStringLiteral("Skin"), QStringLiteral("dREAM"));
    EXPECT_EQ(Start()->CurrentTheme(), QStringLiteral("Dream"));
    OpenUserStore()->setValue(QStringLiteral("Skin"), QStringLiteral("no such look"));
    EXPECT_EQ(Start()->CurrentTheme(), QStringLiteral("Office 2007 Blue"));
}

TEST_F(MainWindow, EveryThemeGreysWhatIsDisabled)
{
    const auto window = Start();
    for (const TTheme theme : Themes) {
        window->SelectTheme(theme);
        const QPalette palette = QApplication::palette();
        for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
            EXPECT_NE(palette.color(QPalette::Disabled, role), palette.color(QPalette::Active, role))
                << window->CurrentTheme().toStdString() << " role " << role;
    }
}

TEST_F(MainWindow, ClosingAnUnchangedDrawingAsksToExit)
{
    const auto window = Start();
    prompts.YesNo = { false };
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.Questions, QStringList { "Exit program" });
}

TEST_F(MainWindow, ClipboardCommandsCopyCutPasteAndApplyToCopy)
{
    const auto window = Start();
    TDrawing& drawing = window->Drawing();
    drawing.AddBoxShape({ 10, 10, 50, 50 }, TTool::Rectangle, {}, {});
    drawing.ToggleSelected(0);
    window->Action(TCommand::Copy)->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/x-emf")));
    window->Action(TCommand::Paste)->trigger();
    EXPECT_EQ(drawing.ShapeCount(), 2);

    QGuiApplication::clipboard()->clear();
    window->Action(TCommand::Cut)->trigger();
    EXPECT_EQ(drawing.ShapeCount(), 1);
    const QMimeData* afterCut = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!afterCut || !afterCut->hasFormat(QStringLiteral("image/x-emf")))
        << "cut leaves the system clipboard alone";

    drawing.SelectAll();
    window->Action(TCommand::ApplyScaleToCopy)->trigger();
    ASSERT_EQ(drawing.ShapeCount(), 2);
    EXPECT_EQ(drawing.Selection().front(), drawing.Shapes().back().get()) << "the scaled copy is selected";
    EXPECT_EQ(drawing.Shapes().front()->FBounds, drawing.Shapes().back()->FBounds) << "scale 100% keeps its size";
}

// Another program's SVG on the clipboard pastes as a picture at true size, 10 mm inside the view;
// shapes copied in Korvo afterwards paste as before, and a picture that cannot be read changes nothing.
TEST_F(MainWindow, PasteTakesInAPictureAnotherProgramCopied)
{
    const auto window = Start();
    TDrawing& drawing = window->Drawing();
    QAction* paste = window->Action(TCommand::Paste);
    const auto putOnClipboard = [](const QByteArray& bytes) {
        auto* data = new QMimeData;
        data->setData(QStringLiteral("image/svg+xml"), bytes);
        QGuiApplication::clipboard()->setMimeData(data);
    };
    EXPECT_FALSE(paste->isEnabled());
    putOnClipboard(R"(<svg xmlns="http://www.w3.org/2000/svg" width="50mm" height="20mm" viewBox="0 0 50 20">)"
                   R"(<rect width="50" height="20" fill="red"/></svg>)");
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    ASSERT_EQ(drawing.ShapeCount(), 1);
    const TMMRect box = drawing.Shapes().front()->FBounds;
    const TMMPoint corner = drawing.DeviceToMM(0, 0);
    EXPECT_NEAR(box.Left, corner.X + 10, 0.01);
    EXPECT_NEAR(box.Top, corner.Y + 10, 0.01);
    EXPECT_NEAR(box.Right - box.Left, 50, 0.01);
    EXPECT_NEAR(box.Bottom - box.Top, 20, 0.01);
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo import picture"));

    window->Action(TCommand::Copy)->trigger();
    paste->trigger();
    ASSERT_EQ(drawing.ShapeCount(), 2);
    EXPECT_NEAR(drawing.Shapes().back()->FBounds.Left, box.Left + 2, 0.01) << "Korvo's own copy is newer";

    putOnClipboard("<html>not a picture</html>");
    const QByteArray before = EncodeDrawing(drawing.Shapes());
    paste->trigger();
    EXPECT_EQ(EncodeDrawing(drawing.Shapes()), before);
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(prompts.Errors.front().startsWith(QStringLiteral("The picture on the clipboard cannot be imported.")))
        << qPrintable(prompts.Errors.front());
}

TEST_F(MainWindow, PageSetupSwitchesBetweenA4AndA3)
{
    const auto window = Start();
    auto* vertical = window->findChild<QScrollBar*>(QStringLiteral("YHsb"));
    ASSERT_NE(vertical, nullptr);
    window->Action(TCommand::PageA3)->trigger();
    EXPECT_EQ(PageWidthMM, 420);
    EXPECT_EQ(PageHeightMM, 560);
    EXPECT_TRUE(window->Action(TCommand::PageA3)->isChecked());
    const int a3Range = vertical->maximum();

    window->Action(TCommand::PageA4)->trigger();
    EXPECT_EQ(PageWidthMM, 210);
    EXPECT_EQ(PageHeightMM, 280);
    EXPECT_FALSE(window->Action(TCommand::PageA3)->isChecked());
    EXPECT_GT(a3Range, vertical->maximum()) << "an A3 page scrolls further";
}

} // namespace
