// Builds the drawings of the help's pictures and of the splash picture through the model, for the
// program itself to render: make_help_drawings OUTPUT_FOLDER
// The tutorials' steps go to OUTPUT_FOLDER/tutorials, the splash to OUTPUT_FOLDER/Splash.kv.

#include "shapes/file_io.h"
#include "tools/help/tutorials.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <stdexcept>

using namespace korvo;
using namespace korvo::tools;

int main(int argc, char* argv[])
{
    // Texts are fitted to their letters, which needs fonts, though no window is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_help_drawings OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString tutorials = folder.filePath(QStringLiteral("tutorials"));
    if (!QDir().mkpath(tutorials)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(tutorials));
        return 1;
    }
    try {
        for (const auto make : { SimpleShapesTutorial, CircuitsTutorial, GlasswareTutorial, BiologyTutorial,
                 BeakerTutorial, TubesTutorial, GraphTutorial })
            make(tutorials);
        SaveSplashDrawing(folder.filePath(QStringLiteral("Splash.kv")));
    } catch (const EFileError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "no picture named \"%s\" in the library\n", e.what());
        return 1;
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
