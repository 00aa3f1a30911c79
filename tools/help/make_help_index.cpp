// Builds the full-text search index of the compiled help beside its collection, so that an installed
// Korvo searches its help without writing anywhere: make_help_index COLLECTION
// It fails when a search for the program's name then finds nothing.

#include <QGuiApplication>
#include <QHelpEngineCore>
#include <QHelpSearchEngine>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The indexer reads the pages as rich text, which needs fonts, though no window is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_help_index COLLECTION\n");
        return 2;
    }
    QHelpEngineCore engine(QString::fromLocal8Bit(argv[1]));
    if (!engine.setupData()) {
        std::fprintf(stderr, "cannot open the help collection %s: %s\n", argv[1], qPrintable(engine.error()));
        return 1;
    }
    QHelpSearchEngine search(&engine);
    QObject::connect(
        &search, &QHelpSearchEngine::indexingFinished, &search, [&search] { search.search(QStringLiteral("Korvo")); });
    QObject::connect(&search, &QHelpSearchEngine::searchingFinished, &app, [](int hits) {
        if (hits == 0)
            std::fprintf(stderr, "the help's search index finds nothing\n");
        QGuiApplication::exit(hits > 0 ? 0 : 1);
    });
    search.reindexDocumentation();
    return QGuiApplication::exec();
}
