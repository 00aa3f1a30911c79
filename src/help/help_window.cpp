#include "help/help_window.h"

#include "help/help_browser.h"
#include "help/help_index.h"

#include <QAction>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace korvo {

namespace {

    // The help names its first page with this identifier.
    const QString FirstPageId = QStringLiteral("Contents");

    QWidget* Column(std::initializer_list<QWidget*> widgets)
    {
        auto* column = new QWidget;
        auto* layout = new QVBoxLayout(column);
        layout->setContentsMargins(4, 4, 4, 4);
        for (QWidget* widget : widgets)
            layout->addWidget(widget);
        return column;
    }

} // namespace

THelpWindow::THelpWindow(QHelpEngine& engine)
    : FEngine(engine)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Korvo Help"));
    resize(1000, 700);
    FBrowser = new THelpBrowser(engine, this);
    FTabs = new QTabWidget;
    FTabs->setObjectName(QStringLiteral("HelpTabs"));
    FTabs->addTab(engine.contentWidget(), tr("Contents"));
    FTabs->addTab(BuildIndexTab(), tr("Index"));
    FTabs->addTab(BuildSearchTab(), tr("Search"));
    auto* splitter = new QSplitter;
    splitter->addWidget(FTabs);
    splitter->addWidget(FBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 280, 720 });
    setCentralWidget(splitter);
    BuildToolbar();

    QHelpContentWidget* contents = engine.contentWidget();
    connect(contents, &QHelpContentWidget::linkActivated, this, &THelpWindow::ShowPage);
    // The contents arrive from the help file a moment after the engine opens it.
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandAll();
        MarkInContents(CurrentPage());
    });
    connect(FBrowser, &QTextBrowser::sourceChanged, this, &THelpWindow::MarkInContents);
}

QWidget* THelpWindow::BuildIndexTab()
{
    FIndexEdit = new QLineEdit;
    FIndexEdit->setObjectName(QStringLiteral("IndexEdit"));
    QHelpIndexWidget* index = FEngine.indexWidget();
    connect(FIndexEdit, &QLineEdit::textChanged, this, &THelpWindow::PositionIndex);
    connect(FIndexEdit, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(FEngine.indexModel(), &QHelpIndexModel::indexCreated, this, &THelpWindow::PositionIndex);
    connect(index, &QHelpIndexWidget::documentActivated, this,
        [this](const QHelpLink& document) { ShowPage(document.url); });
    // A keyword of several topics opens the first; each of ours names one topic.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
        [this](const QList<QHelpLink>& documents) { ShowPage(documents.first().url); });
    FIndexTab = Column({ new QLabel(tr("Type in the keyword to find:")), FIndexEdit, index });
    return FIndexTab;
}

QWidget* THelpWindow::BuildSearchTab()
{
    QHelpSearchEngine* search = FEngine.searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    connect(query, &QHelpSearchQueryWidget::search, this, [this, query] { FindText(query->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &THelpWindow::ShowPage);
    return Column({ query, search->resultWidget() });
}

void THelpWindow::BuildToolbar()
{
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("HelpToolbar"));
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"));
    // The keys the help names, the same on every desktop.
    back->setShortcut(Qt::ALT | Qt::Key_Left);
    forward->setShortcut(Qt::ALT | Qt::Key_Right);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, FBrowser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, FBrowser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &THelpWindow::ShowContents);
    connect(FBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

QUrl THelpWindow::CurrentPage() const { return FBrowser->source(); }

QString THelpWindow::CurrentIndexEntry() const { return FEngine.indexWidget()->currentIndex().data().toString(); }

bool THelpWindow::ShowsIndex() const { return FTabs->currentWidget() == FIndexTab; }

QHelpSearchEngine& THelpWindow::SearchEngine() const { return *FEngine.searchEngine(); }

void THelpWindow::ShowPage(const QUrl& page) { FBrowser->setSource(page); }

void THelpWindow::ShowContents()
{
    FTabs->setCurrentWidget(FEngine.contentWidget());
    ShowPage(FirstPage());
}

void THelpWindow::ShowIndexAt(const QString& keyword)
{
    FTabs->setCurrentWidget(FIndexTab);
    FIndexEdit->setText(keyword);
    PositionIndex();
    FIndexEdit->setFocus();
    ShowFirstPageIfEmpty();
}

void THelpWindow::FindText(const QString& words)
{
    FTabs->setCurrentIndex(FTabs->count() - 1);
    FEngine.searchEngine()->queryWidget()->setSearchInput(words);
    FEngine.searchEngine()->search(words);
}

void THelpWindow::PositionIndex()
{
    QHelpIndexModel* model = FEngine.indexModel();
    const int row = NearestIndexEntry(model->stringList(), FIndexEdit->text());
    if (row < 0)
        return;
    QHelpIndexWidget* index = FEngine.indexWidget();
    index->setCurrentIndex(model->index(row));
    index->scrollTo(model->index(row), QAbstractItemView::PositionAtTop);
}

void THelpWindow::MarkInContents(const QUrl& page)
{
    QHelpContentWidget* contents = FEngine.contentWidget();
    const QModelIndex item = contents->indexOf(page);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

void THelpWindow::ShowFirstPageIfEmpty()
{
    if (CurrentPage().isEmpty())
        ShowPage(FirstPage());
}

QUrl THelpWindow::FirstPage() const
{
    const QList<QHelpLink> links = FEngine.documentsForIdentifier(FirstPageId);
    return links.isEmpty() ? QUrl() : links.first().url;
}

} // namespace korvo
