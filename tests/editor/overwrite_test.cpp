// The commands that force an extension on the name typed in the save dialog never replace a file unasked.

#include "canvas_fixture.h"

#include <QFile>

using namespace korvo;
using namespace korvo::test;

namespace {

using Overwrite = CanvasTest;

TEST_F(Overwrite, AForcedExtensionAsksBeforeReplacingAFile)
{
    const QByteArray before = "the file as it was";
    const struct {
        TCommand command;
        const char* extension;
    } commands[]
        = { { TCommand::SaveAs, "kv" }, { TCommand::ExportSelection, "emf" }, { TCommand::SaveLibraryAs, "kvl" } };
    // "%1" stands for the command's own extension.
    const struct {
        const char* situation;
        const char* typed;
        bool exists;
        bool asked;
        bool yes;
        bool replaced;
    } cases[] = {
        { "a new name", "new", false, false, false, true },
        { "an existing name without extension, No", "plan", true, true, false, false },
        { "an existing name without extension, Yes", "plan", true, true, true, true },
        { "an existing name with another extension, No", "plan.txt", true, true, false, false },
        // The dialog has asked about the name as typed already. Another name than above, as "Save library
        // as" goes on with the library it wrote, and a change to that file is another window's change.
        { "an existing name in full", "other.%1", true, false, false, true },
    };
    Drawing().AddBoxShape({ 100, 100, 180, 160 }, TTool::Rectangle, {}, {});
    Drawing().ToggleSelected(0);
    // The program folder holds no library, which the start reports.
    prompts.Errors.clear();
    for (const auto& command : commands) {
        for (const auto& c : cases) {
            const QString extension = QLatin1String(command.extension);
            SCOPED_TRACE(std::string(command.extension) + ": " + c.situation);
            const QString typedName = QString::fromLatin1(c.typed).replace(QLatin1String("%1"), extension);
            const QString typed = Path(typedName);
            const QString written = Path(typedName.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') + extension);
            QFile::remove(written);
            if (c.exists) {
                ASSERT_TRUE(WriteAll(written, before));
            }
            prompts.FileNames = { typed };
            prompts.YesNo = { c.yes };
            prompts.Questions.clear();
            prompts.StartNames.clear();
            Action(command.command)->trigger();

            const QStringList question { QFileInfo(written).fileName() + QLatin1String(" already exists.") };
            EXPECT_EQ(prompts.Questions, c.asked ? question : QStringList());
            EXPECT_EQ(ReadAll(written) != before, c.replaced);
            // No goes back to the dialog with the name kept; here the user then cancels it.
            const QStringList dialogs
                = c.asked && !c.yes ? QStringList { QString(), typed } : QStringList { QString() };
            EXPECT_EQ(prompts.StartNames, dialogs);
            EXPECT_TRUE(prompts.Errors.isEmpty());
        }
    }
}

} // namespace
