#pragma once
// frmTextBrow, "View Source Files": a list of places, a folder tree, a file
// list filtered by a pattern, and a read-only pane that shows the chosen
// file, or an external viewer that shows a temporary copy of it.

#include <vector>

#include <QDialog>

#include "ui/app/window_context.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace castovin {

struct Environment;
struct Messenger;

class PathLabel;

class TextBrowserDialog : public QDialog {
    Q_OBJECT

public:
    TextBrowserDialog(Environment& environment, Messenger& messenger, const WindowContext& context);

    // The folder the file list shows.
    QString Folder() const { return m_folder; }
    // Moves the place list, the folder tree and the file list to `folder`;
    // false when it is not a folder that can be listed.
    bool ShowFolder(const QString& folder);
    // A file chosen in the file list (a click, or Enter on it).
    void ChooseFile(const QString& name);
    void ChooseFont();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildListsColumn();
    QWidget* BuildPaneColumn();
    void PatternEdited(const QString& text);
    void FillFiles();
    void ChoosePlace(int index);
    void ApplyPaneFont();
    void ShowInViewer(const std::string& path);
    void ShowInPane(const std::string& path);
    void FormUnload();

    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    QString m_folder;
    std::vector<std::string> m_patterns;
    int m_place = -1;

    QComboBox* m_places = nullptr;
    QTreeView* m_folders = nullptr;
    QFileSystemModel* m_model = nullptr;
    QLineEdit* m_pattern = nullptr;
    QListWidget* m_files = nullptr;
    PathLabel* m_current = nullptr;
    QTimer* m_patternPause = nullptr;
    QPlainTextEdit* m_pane = nullptr;
    QCheckBox* m_useViewer = nullptr;
    QPushButton* m_setFont = nullptr;
    QPushButton* m_ok = nullptr;
};

// File > "View Source Files...": the browser, modal over the main window.
void OpenTextBrowser(Environment& environment, Messenger& messenger, const WindowContext& context);

}  // namespace castovin
