#pragma once
// The program's help: the manual's help collection in a window of its own
// (contents and index beside the page), opened at a help context number by
// F1 or at the contents or the index by the Help menu. One help window at a
// time, found by its objectName; it never keeps the program running.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QApplication;
class QHelpEngine;
class QTabWidget;

namespace castovin {

struct Environment;

// The browser pane: pages come out of the help collection.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& m_engine;
};

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the collection read-only (it may lie in a folder the user
    // cannot write); IsReady() tells whether that worked.
    explicit HelpWindow(const QString& collectionFile);
    ~HelpWindow() override;

    bool IsReady() const { return m_ready; }
    // The page of a help context number (keyword "context-NNNN"); empty
    // when the manual has none.
    QUrl ContextPage(int number) const;
    // Shows the window on the contents pane, the index pane, or the page
    // of a context number (false, and nothing shown, when it has none).
    void ShowContents();
    void ShowIndex();
    bool ShowContext(int number);
    QUrl CurrentPage() const;

private:
    void ShowPage(const QUrl& page);
    void BringToFront();

    QHelpEngine* m_engine = nullptr;
    bool m_ready = false;
    QTabWidget* m_panes = nullptr;
    HelpBrowser* m_browser = nullptr;
};

// The help collection the program ships: castovin.qhc in its data folder.
QString HelpCollectionPath(const Environment& env);

// The help window, opened on first use; nullptr when the collection is
// missing or broken (the program then shows nothing, as for a missing
// help file).
HelpWindow* ProgramHelpWindow(const Environment& env);

// The help menu's contents and index, and F1's context page. A number
// without a page shows the contents.
void ShowHelpContents(const Environment& env);
void ShowHelpIndex(const Environment& env);
void ShowHelpContext(const Environment& env, int number);

// Closes the help window (the program's end).
void CloseHelpWindow();

// The help context number of an object: its own "helpContext" property or
// that of the nearest parent with one; 0 when none has one.
int HelpContextOf(const QObject* object);

// F1 anywhere in the program opens the help at the context number of the
// focused control (or of the highlighted menu item). The filter belongs to
// the application; deleting it switches F1 help off.
QObject* InstallContextHelp(QApplication& app, const Environment& env);

}  // namespace castovin
