#pragma once
// frmSet, "Settings": the default unit system, the history pane and its
// font, the recent-file list, the start-up switches, the data path, the
// project-file extension and the external text viewer.

#include <array>

#include <QDialog>

#include "core/editing/settings_editor.h"
#include "ui/app/window_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace castovin {

struct Environment;
struct Messenger;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(Environment& environment, Messenger& messenger, const WindowContext& context);

    SettingsFields Fields() const;
    // "OK": the checks in order; closes when they pass.
    void Ok();
    void SelectViewer();
    void ChooseHistoryFont();
    void OpenPathDialog();

private:
    void BuildUnitsFrame(QWidget* parent, QVBoxLayout* column);
    void BuildDataFrame(QWidget* parent, QVBoxLayout* column);
    void BuildViewerFrame(QWidget* parent, QVBoxLayout* column);
    void BuildMiscFrame(QWidget* parent, QVBoxLayout* column);
    QCheckBox* Check(QWidget* parent, const char* name, const QString& text);
    QLineEdit* Box(QWidget* parent, const char* name);
    void FormLoad();
    void ConnectReactions();

    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    bool m_loading = false;
    bool m_accepted = false;
    bool m_pathDialogOpen = false;
    SettingsFields m_acceptedFields;

    std::array<QRadioButton*, 2> m_units{};
    QLineEdit* m_dataPath = nullptr;
    QLineEdit* m_extension = nullptr;
    QLineEdit* m_viewer = nullptr;
    QLineEdit* m_historySize = nullptr;
    QPushButton* m_historyFont = nullptr;
    QCheckBox* m_displayHistory = nullptr;
    QCheckBox* m_keepRecent = nullptr;
    QCheckBox* m_shortNames = nullptr;
    QCheckBox* m_showDisclaimer = nullptr;
    QCheckBox* m_maxMenu = nullptr;
    QCheckBox* m_enableToolbar = nullptr;
    QCheckBox* m_loadLast = nullptr;
    QCheckBox* m_update = nullptr;
    QCheckBox* m_copyExamples = nullptr;
};

// Utilities > "Settings...": the dialog, modal over the main window.
void OpenSettingsDialog(Environment& environment, Messenger& messenger, const WindowContext& context);

}  // namespace castovin
