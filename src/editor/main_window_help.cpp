#include "editor/main_window.h"

#include "dialogs/about_dialog.h"
#include "editor/app_settings.h"
#include "help/help_router.h"
#include "library/ui/lib_list_box.h"
#include "library/ui/lib_panel.h"

#include <QMenu>
#include <QShortcut>

namespace korvo {

using C = TCommand;

namespace {

    // Each tutorial asks the help for the keyword of its own topic.
    constexpr std::pair<TCommand, const char*> TutorialKeywords[] = {
        { C::Tutorial1, "SimpleShape" },
        { C::Tutorial2, "Circuits" },
        { C::Tutorial3, "Glassware" },
        { C::Tutorial4, "Biology" },
        { C::Tutorial5, "Beaker" },
        { C::Tutorial6, "Tubes" },
        { C::Tutorial7, "Graph" },
    };

    // The topic about the drawing window, which the tool bar's help button opens.
    const QString DrawingWindowKeyword = QStringLiteral("drawscreen");

} // namespace

void TMainDrawFrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!FHelp)
        SetupHelp();
}

void TMainDrawFrm::SetupHelp()
{
    FHelp = std::make_unique<THelpRouter>(HelpCollectionFile(FProgramDir));
    // Help that is missing now stays missing for the run, even if its files come back.
    if (!FHelp->Available())
        return;
    THelpRouter& help = *FHelp;
    FCommands.Bind(C::HelpContents, [&help] { help.ShowContents(); });
    FCommands.Bind(C::HelpSearch, [&help] { help.Search(QString()); });
    for (const auto& [id, keyword] : TutorialKeywords)
        FCommands.Bind(id, [&help, keyword = QLatin1String(keyword)] { help.KeywordLookup(keyword); });
    FCommands.Bind(C::Help, [&help] { help.KeywordLookup(DrawingWindowKeyword); });
    // F1 on every desktop, as the help says; the platform's own help key may differ or be missing.
    auto* contextHelp = new QShortcut(Qt::Key_F1, FLibraryPanel->List(), nullptr, nullptr, Qt::WidgetShortcut);
    connect(contextHelp, &QShortcut::activated, this, [&help] { help.ContextLookup(LibListHelpContext); });
    Tutorials->setEnabled(true);
    RefreshCommandStates();
}

void TMainDrawFrm::ShowAbout()
{
    TAboutFrm about(ProgramDataFile(FProgramDir, QStringLiteral("media/Splash.png")), this);
    about.exec();
}

} // namespace korvo
