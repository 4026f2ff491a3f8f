#include "ui/help/help_window.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/config/folders.h"
#include "core/text/atomic_file.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

const QString kStartPage = QStringLiteral("qthelp://org.castovin.manual/doc/index.html");
constexpr int kMaxSearchResults = 200;

HelpWindow* ExistingHelpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == names::HelpWindow)
            return static_cast<HelpWindow*>(w);
    return nullptr;
}

}  // namespace

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(names::HelpBrowser);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const QString& collectionFile, const QString& searchFolder, PlatformServices& platform)
    : m_platform(platform)
{
    setObjectName(names::HelpWindow);
    setWindowTitle("Castovin Help");
    // Help stays open beside the program but never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_engine = new QHelpEngine(collectionFile, this);
    m_engine->setReadOnly(true);
    // The collection is opened by the database driver, which would wait on
    // a FIFO in its place: only a regular file is handed to it.
    m_ready =
        IsRegularFile(S(collectionFile)) && m_engine->setupData() && !m_engine->registeredDocumentations().isEmpty();

    m_browser = new HelpBrowser(*m_engine, this);
    m_panes = new QTabWidget(this);
    m_panes->setObjectName(names::HelpPanes);
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(names::HelpContents);
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(names::HelpIndex);
    m_panes->addTab(contents, "Contents");
    m_panes->addTab(index, "Index");
    m_panes->addTab(BuildSearchPane(), "Search");
    // The chapters show their sections as soon as the contents are read.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& links, const QString&) {
        if (!links.isEmpty())
            ShowPage(links.first().url);
    });

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_searchField);
    sideLayout->addWidget(m_panes, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});
    auto* bar = new QToolBar(this);
    BuildToolbar(bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter);
    resize(900, 640);
    if (!m_ready)
        return;
    SetUpSearch(searchFolder);
    ShowPage(QUrl(kStartPage));
}

void HelpWindow::BuildToolbar(QToolBar* toolbar)
{
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* back = toolbar->addAction("Back", m_browser, &QTextBrowser::backward);
    back->setObjectName(names::HelpBack);
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward = toolbar->addAction("Forward", m_browser, &QTextBrowser::forward);
    forward->setObjectName(names::HelpForward);
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    QAction* print = toolbar->addAction("Print", this, &HelpWindow::PrintPage);
    print->setObjectName(names::HelpPrint);
    print->setShortcut(QKeySequence::Print);
    // The keys work wherever the focus is in the window, the page included.
    for (QAction* action : {back, forward, print}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

QWidget* HelpWindow::BuildSearchPane()
{
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(names::HelpSearchField);
    m_searchField->setPlaceholderText("Search the index; Enter searches the text");
    m_searchField->setClearButtonEnabled(true);
    connect(m_searchField, &QLineEdit::textChanged, m_engine->indexWidget(), [this](const QString& text) {
        m_engine->indexWidget()->filterIndices(text);
        if (!text.isEmpty())
            m_panes->setCurrentIndex(1);
    });
    connect(m_searchField, &QLineEdit::returnPressed, this, &HelpWindow::SearchFullText);
    m_results = new QListWidget(this);
    m_results->setObjectName(names::HelpSearchResults);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
    return m_results;
}

void HelpWindow::SetUpSearch(const QString& searchFolder)
{
    // The full-text index lies beside the collection it was made from: the
    // search uses a collection of its own in a folder the user can write,
    // with the same manual registered in it.
    if (searchFolder.isEmpty() || !QDir().mkpath(searchFolder))
        return;
    // The program's own file; anything else in its place is left alone.
    const QString searchFile = QDir(searchFolder).filePath("castovin-search.qhc");
    if (QFileInfo(searchFile).isSymLink() || (QFileInfo::exists(searchFile) && !IsRegularFile(S(searchFile))))
        return;
    m_searchCollection = new QHelpEngineCore(searchFile, this);
    m_searchCollection->setReadOnly(false);
    if (!m_searchCollection->setupData())
        return;
    for (const QString& ns : m_engine->registeredDocumentations()) {
        const QString manual = m_engine->documentationFileName(ns);
        if (m_searchCollection->documentationFileName(ns) != manual) {
            m_searchCollection->unregisterDocumentation(ns);
            m_searchCollection->registerDocumentation(manual);
        }
    }
    m_search = new QHelpSearchEngine(m_searchCollection, this);
    connect(m_search, &QHelpSearchEngine::indexingStarted, this, [this] { m_indexing = true; });
    connect(m_search, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_indexing = false;
        if (std::exchange(m_searchPending, false))
            SearchFullText();
    });
    connect(m_search, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::ListSearchResults);
    m_indexing = true;  // until the index is known to be there
    m_search->scheduleIndexDocumentation();
}

void HelpWindow::SearchFullText()
{
    m_panes->setCurrentIndex(2);
    m_results->clear();
    const QString words = m_searchField->text().trimmed();
    if (m_search == nullptr || words.isEmpty())
        return;
    if (m_indexing) {
        m_searchPending = true;
        return;
    }
    m_search->search(words);
}

void HelpWindow::ListSearchResults()
{
    m_results->clear();
    for (const QHelpSearchResult& found : m_search->searchResults(0, kMaxSearchResults)) {
        auto* item = new QListWidgetItem(found.title(), m_results);
        item->setData(Qt::UserRole, found.url());
        item->setToolTip(found.snippet());
    }
}

void HelpWindow::PrintPage()
{
    QPrinter& printer = m_platform.Printer();
    if (m_platform.PrintDialog(this, printer, false))
        m_browser->document()->print(&printer);
}

void HelpWindow::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        m_placement = saveGeometry();
    QWidget::hideEvent(event);
}

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::ContextPage(int number) const
{
    if (!m_ready)
        return {};
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString("context-%1").arg(number));
    return links.isEmpty() ? QUrl() : links.first().url;
}

void HelpWindow::ShowPage(const QUrl& page)
{
    m_browser->setSource(page);
}

QUrl HelpWindow::CurrentPage() const
{
    return m_browser->source();
}

void HelpWindow::BringToFront()
{
    // Reopened where the user left it, as much as fits on the screen (the
    // window system may report a closed window's place in another frame).
    if (!isVisible()) {
        if (!restoreGeometry(m_placement))
            CenterOnScreen(this);
        KeepOnScreen();
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::KeepOnScreen()
{
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr)
        return;
    const QRect area = shown->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    move(pos() + QPoint(left - frame.left(), top - frame.top()));
}

void HelpWindow::ShowContents()
{
    m_panes->setCurrentIndex(0);
    BringToFront();
}

void HelpWindow::ShowIndex()
{
    m_panes->setCurrentIndex(1);
    BringToFront();
    m_engine->indexWidget()->setFocus();
}

bool HelpWindow::ShowContext(int number)
{
    const QUrl page = ContextPage(number);
    if (page.isEmpty())
        return false;
    ShowPage(page);
    BringToFront();
    return true;
}

QString HelpCollectionPath(const Environment& env)
{
    const std::string folder = FindDataFolder(env.AppFolder);
    if (folder.empty())
        return {};
    return Q(folder) + "castovin.qhc";
}

HelpWindow* ProgramHelpWindow(const Environment& env, PlatformServices& platform)
{
    if (HelpWindow* open = ExistingHelpWindow())
        return open;
    const QString collection = HelpCollectionPath(env);
    if (collection.isEmpty())
        return nullptr;
    const QString search = env.TempFolder.empty() ? QString() : Q(env.TempFolder) + "help";
    auto* window = new HelpWindow(collection, search, platform);
    if (!window->IsReady()) {
        delete window;
        return nullptr;
    }
    return window;
}

void ShowHelpTopic(const Environment& env, PlatformServices& platform, HelpTopic topic, int number)
{
    HelpWindow* help = ProgramHelpWindow(env, platform);
    if (help == nullptr)
        return;
    if (topic == HelpTopic::Index)
        help->ShowIndex();
    else if (topic == HelpTopic::Contents || number == 0 || !help->ShowContext(number))
        help->ShowContents();
}

}  // namespace castovin
