#pragma once
// The program's help: the manual's help collection in a window of its own
// (contents, index and full-text search beside the page, Back, Forward and
// Print above it), opened at a help context number by F1 or at the contents
// or the index by the Help menu. One help window at a time, found by its
// objectName; it never keeps the program running, and no dialog of the
// program blocks it.

#include <QByteArray>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include "ui/late/late_windows.h"

class QHelpEngine;
class QHelpEngineCore;
class QHelpSearchEngine;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;

namespace castovin {

struct Environment;
class PlatformServices;

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
    // cannot write); IsReady() tells whether that worked. The full-text
    // index is kept in `searchFolder`, which the user can write.
    HelpWindow(const QString& collectionFile, const QString& searchFolder, PlatformServices& platform);
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
    // The search field's Enter: the index is filtered as the user types;
    // this runs the full-text search and lists the pages found.
    void SearchFullText();
    // Print: the page shown, through the print dialog.
    void PrintPage();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void BuildToolbar(QToolBar* toolbar);
    QWidget* BuildSearchPane();
    void SetUpSearch(const QString& searchFolder);
    void ListSearchResults();
    void ShowPage(const QUrl& page);
    void BringToFront();
    // Moves the window wholly into its screen's free area where it fits.
    void KeepOnScreen();

    PlatformServices& m_platform;
    QHelpEngine* m_engine = nullptr;
    QHelpEngineCore* m_searchCollection = nullptr;
    QHelpSearchEngine* m_search = nullptr;
    bool m_ready = false;
    bool m_indexing = false;       // the full-text index is being built
    bool m_searchPending = false;  // Enter came while the index was being built
    QByteArray m_placement;        // where the user left the window when it was closed
    QTabWidget* m_panes = nullptr;
    QLineEdit* m_searchField = nullptr;
    QListWidget* m_results = nullptr;
    HelpBrowser* m_browser = nullptr;
};

// The help collection the program ships: castovin.qhc in its data folder.
QString HelpCollectionPath(const Environment& env);

// The help window, opened on first use; nullptr when the collection is
// missing or broken (the program then shows nothing, as for a missing
// help file).
HelpWindow* ProgramHelpWindow(const Environment& env, PlatformServices& platform);

// The help window at a topic: the contents, the index or the page of a
// context number (the contents for a number without a page). This is what
// the help module runs; the rest of the program asks through context_help.h.
void ShowHelpTopic(const Environment& env, PlatformServices& platform, HelpTopic topic, int number);

}  // namespace castovin
