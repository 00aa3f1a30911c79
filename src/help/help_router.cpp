#include "help/help_router.h"

#include "help/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>

namespace korvo {

namespace {

    // Where the search engine keeps its index: a folder named after the collection, beside it.
    QString SearchIndexFolder(const QString& collectionFile)
    {
        const QFileInfo collection(collectionFile);
        return collection.dir().filePath(QLatin1Char('.') + collection.completeBaseName());
    }

} // namespace

THelpRouter::THelpRouter(const QString& collectionFile)
{
    if (!QFileInfo::exists(collectionFile))
        return;
    FEngine = std::make_unique<QHelpEngine>(collectionFile);
    // The help may be installed where the user cannot write; it is only ever read, and its search
    // index is built with it.
    FEngine->setReadOnly(true);
    FAvailable = FEngine->setupData() && !FEngine->registeredDocumentations().isEmpty();
    if (FAvailable && !QFileInfo::exists(SearchIndexFolder(collectionFile)))
        FEngine->searchEngine()->reindexDocumentation();
}

THelpRouter::~THelpRouter() = default;

THelpWindow& THelpRouter::ShownWindow()
{
    if (!FWindow)
        FWindow = std::make_unique<THelpWindow>(*FEngine);
    FWindow->showNormal();
    FWindow->raise();
    FWindow->activateWindow();
    return *FWindow;
}

void THelpRouter::ShowContents() { ShownWindow().ShowContents(); }

void THelpRouter::Search(const QString& keyword) { ShownWindow().ShowIndexAt(keyword); }

void THelpRouter::KeywordLookup(const QString& keyword)
{
    const QList<QHelpLink> topics = FEngine->documentsForIdentifier(keyword);
    if (topics.isEmpty())
        Search(keyword);
    else
        ShownWindow().ShowPage(topics.first().url);
}

void THelpRouter::ContextLookup(int context) { KeywordLookup(QStringLiteral("context-%1").arg(context)); }

} // namespace korvo
