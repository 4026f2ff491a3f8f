#include "help/help_window.h"

#include <QAction>
#include <QApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window_helpers.h"
#include "config/environment.h"
#include "config/folders.h"
#include "text/atomic_file.h"
#include "app/names.h"

namespace castovin {

namespace {

const QString kStartPage = QStringLiteral("qthelp://org.castovin.manual/doc/index.html");

HelpWindow* ExistingHelpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == names::HelpWindow)
            return static_cast<HelpWindow*>(w);
    return nullptr;
}

// Answers F1 before any shortcut sees it: the key's ShortcutOverride is
// taken, so the Help menu's own F1 does not fire as well.
class ContextHelpFilter : public QObject {
public:
    ContextHelpFilter(QApplication& app, const Environment& env) : QObject(&app), m_env(env) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        ShowHelpContext(m_env, ContextOfTarget(watched));
        return true;
    }

private:
    static int ContextOfTarget(QObject* target)
    {
        // In an open menu the highlighted item is what F1 asks about.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            if (QAction* action = menu->activeAction())
                if (const int number = action->property("helpContext").toInt(); number != 0)
                    return number;
        // The key goes to the focused control; when it comes to a window
        // first, the control is that window's focus widget.
        if (qobject_cast<QWidget*>(target) != nullptr)
            return HelpContextOf(target);
        return HelpContextOf(QApplication::focusWidget());
    }

    const Environment& m_env;
};

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

HelpWindow::HelpWindow(const QString& collectionFile)
{
    setObjectName(names::HelpWindow);
    setWindowTitle("Castovin Help");
    // Help stays open beside the program but never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_engine = new QHelpEngine(collectionFile, this);
    m_engine->setReadOnly(true);
    // The collection is opened by the database driver, which would wait on
    // a FIFO in its place: only a regular file is handed to it.
    m_ready = IsRegularFile(S(collectionFile)) && m_engine->setupData() &&
              !m_engine->registeredDocumentations().isEmpty();

    m_browser = new HelpBrowser(*m_engine, this);
    m_panes = new QTabWidget(this);
    m_panes->setObjectName(names::HelpPanes);
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(names::HelpContents);
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(names::HelpIndex);
    m_panes->addTab(contents, "Contents");
    m_panes->addTab(index, "Index");
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& links, const QString&) {
        if (!links.isEmpty())
            ShowPage(links.first().url);
    });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_panes);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 640);
    if (m_ready)
        ShowPage(QUrl(kStartPage));
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
    if (!isVisible())
        CenterOnScreen(this);
    show();
    raise();
    activateWindow();
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

HelpWindow* ProgramHelpWindow(const Environment& env)
{
    if (HelpWindow* open = ExistingHelpWindow())
        return open;
    const QString collection = HelpCollectionPath(env);
    if (collection.isEmpty())
        return nullptr;
    auto* window = new HelpWindow(collection);
    if (!window->IsReady()) {
        delete window;
        return nullptr;
    }
    return window;
}

void ShowHelpContents(const Environment& env)
{
    if (HelpWindow* help = ProgramHelpWindow(env))
        help->ShowContents();
}

void ShowHelpIndex(const Environment& env)
{
    if (HelpWindow* help = ProgramHelpWindow(env))
        help->ShowIndex();
}

void ShowHelpContext(const Environment& env, int number)
{
    HelpWindow* help = ProgramHelpWindow(env);
    if (help == nullptr)
        return;
    if (number == 0 || !help->ShowContext(number))
        help->ShowContents();
}

void CloseHelpWindow()
{
    delete ExistingHelpWindow();
}

int HelpContextOf(const QObject* object)
{
    for (const QObject* o = object; o != nullptr; o = o->parent())
        if (const int number = o->property("helpContext").toInt(); number != 0)
            return number;
    return 0;
}

QObject* InstallContextHelp(QApplication& app, const Environment& env)
{
    auto* filter = new ContextHelpFilter(app, env);
    app.installEventFilter(filter);
    return filter;
}

}  // namespace castovin
