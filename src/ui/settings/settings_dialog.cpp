#include "ui/settings/settings_dialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/editing/validation.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/numeric_field.h"
#include "ui/platform/platform_services.h"
#include "ui/settings/path_dialog.h"

namespace castovin {

namespace {

constexpr int kHelpContext = 4100;

QGroupBox* Frame(QWidget* parent, const QString& title, QVBoxLayout* column)
{
    auto* frame = new QGroupBox(title, parent);
    column->addWidget(frame);
    return frame;
}

}  // namespace

QCheckBox* SettingsDialog::Check(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setProperty("helpContext", kHelpContext);
    return box;
}

QLineEdit* SettingsDialog::Box(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setProperty("helpContext", kHelpContext);
    SelectAllOn(box, SelectOn::Focus);
    return box;
}

void SettingsDialog::BuildUnitsFrame(QWidget* parent, QVBoxLayout* column)
{
    QGroupBox* frame = Frame(parent, "Default units", column);
    auto* layout = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        m_units[static_cast<std::size_t>(i)] = new QRadioButton(frame);
        m_units[static_cast<std::size_t>(i)]->setObjectName(names::Indexed(names::SettingsUnits, i));
        layout->addWidget(m_units[static_cast<std::size_t>(i)]);
    }
}

void SettingsDialog::BuildDataFrame(QWidget* parent, QVBoxLayout* column)
{
    QGroupBox* frame = Frame(parent, "Data file options", column);
    auto* grid = new QGridLayout(frame);
    m_dataPath = Box(frame, names::SettingsDataPath);
    QPushButton* setPath = MakeButton(frame, names::SettingsSetPath, "Set / Change Path");
    m_extension = Box(frame, names::SettingsExtension);
    m_extension->setMaxLength(3);
    grid->addWidget(new QLabel("Path:", frame), 0, 0);
    grid->addWidget(m_dataPath, 0, 1, 1, 2);
    grid->addWidget(setPath, 1, 2);
    grid->addWidget(new QLabel("Default extension for data files:", frame), 2, 0, 1, 2);
    grid->addWidget(m_extension, 2, 2);
    grid->setColumnStretch(1, 1);
    connect(setPath, &QPushButton::clicked, this, &SettingsDialog::OpenPathDialog);
}

void SettingsDialog::BuildViewerFrame(QWidget* parent, QVBoxLayout* column)
{
    QGroupBox* frame = Frame(parent, "External text (ASCII) viewer", column);
    auto* grid = new QGridLayout(frame);
    m_viewer = Box(frame, names::SettingsViewer);
    QPushButton* select = MakeButton(frame, names::SettingsSelectViewer, "&Select");
    QPushButton* setDefault = MakeButton(frame, names::SettingsDefaultViewer, "Set Default");
    grid->addWidget(new QLabel("Viewer program:", frame), 0, 0);
    grid->addWidget(m_viewer, 0, 1, 1, 2);
    grid->addWidget(select, 1, 1);
    grid->addWidget(setDefault, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(select, &QPushButton::clicked, this, &SettingsDialog::SelectViewer);
    connect(setDefault, &QPushButton::clicked, this, [this] { m_viewer->setText(castovin::DefaultViewer); });
}

void SettingsDialog::BuildMiscFrame(QWidget* parent, QVBoxLayout* column)
{
    QGroupBox* frame = Frame(parent, "Miscellaneous options", column);
    auto* grid = new QGridLayout(frame);
    m_displayHistory = Check(frame, names::SettingsDisplayHistory, "Display command history window");
    m_historySize = Box(frame, names::SettingsHistorySize);
    m_historyFont = MakeButton(frame, names::SettingsHistoryFont, "&History Font");
    m_keepRecent = Check(frame, names::SettingsKeepRecent, "Keep recent filelist");
    m_shortNames = Check(frame, names::SettingsShortNames, "Short names in  file list");
    m_showDisclaimer = Check(frame, names::SettingsShowDisclaimer, "Show disclaimer at start-up");
    m_maxMenu = Check(frame, names::SettingsMaxMenu, "Maximize main menu at start-up");
    m_enableToolbar = Check(frame, names::SettingsEnableToolbar, "Enable toolbar");
    m_loadLast = Check(frame, names::SettingsLoadLast, "Load last input file");
    m_update = Check(frame, names::SettingsUpdate, "Reminder of annual updates");
    m_copyExamples = Check(frame, names::SettingsCopyExamples, "Copy example files");
    grid->addWidget(m_displayHistory, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Size of command history window (chars)", frame), 1, 0);
    grid->addWidget(m_historySize, 1, 1);
    grid->addWidget(m_historyFont, 2, 1);
    int row = 3;
    for (QCheckBox* box : {m_keepRecent, m_shortNames, m_showDisclaimer, m_maxMenu, m_enableToolbar, m_loadLast,
                           m_update, m_copyExamples})
        grid->addWidget(box, row++, 0, 1, 2);
    connect(m_historyFont, &QPushButton::clicked, this, &SettingsDialog::ChooseHistoryFont);
}

SettingsDialog::SettingsDialog(Environment& environment, Messenger& messenger, const WindowContext& context)
    : m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::SettingsDialog);
    setProperty("helpContext", kHelpContext);  // every control but the Help button
    setWindowTitle("Settings");
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    BuildUnitsFrame(this, left);
    BuildDataFrame(this, left);
    BuildViewerFrame(this, left);
    left->addStretch(1);
    BuildMiscFrame(this, right);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right);

    const DialogButtons row =
        MakeOkCancelHelpRow(this, names::SettingsOk, names::SettingsCancel, names::SettingsHelp, m_messenger);
    QPushButton* ok = row.ok;
    QPushButton* cancel = row.cancel;
    QHBoxLayout* buttons = row.row;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    FormLoad();
    ConnectReactions();
    ClosingRules::Install(this, [this] {
        CloseSettings(m_environment, m_messenger, m_acceptedFields, m_accepted,
                      [this] { m_context.host.ApplyDisplaySettings(); });
    });
    adjustSize();
    CenterOnScreen(this);
}

void SettingsDialog::FormLoad()
{
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Settings);
    AppendHistory(m_messenger, "Editing Settings");
    for (int i = 0; i < 2; ++i)
        m_units[static_cast<std::size_t>(i)]->setText(Q(std::string(UnitSystemText(UnitSystemOf(i)))));
    m_loading = true;
    m_accepted = false;
    m_pathDialogOpen = false;
    const SettingsFields f = SettingsFieldsFromState(m_environment);
    OptionGroup units{0, {false, false}};
    SetArrayIndex(m_messenger, units, f.defaultUnits);
    for (std::size_t i = 0; i < 2; ++i)
        m_units[i]->setChecked(units.value[i]);
    m_displayHistory->setChecked(f.displayHistory);
    m_historySize->setEnabled(f.displayHistory);
    m_historySize->setText(Q(f.historySize));
    m_keepRecent->setChecked(f.keepFileNames);
    m_shortNames->setChecked(f.shortRecentFiles);
    m_showDisclaimer->setChecked(f.showDisclaim);
    m_maxMenu->setChecked(f.maxMainMenu);
    m_enableToolbar->setChecked(f.enableToolbar);
    m_loadLast->setChecked(f.loadLastInputFile);
    m_update->setChecked(f.remindUpdates);
    m_copyExamples->setChecked(f.copyExamples);
    m_shortNames->setEnabled(f.keepFileNames);
    m_dataPath->setText(Q(f.dataPath));
    m_extension->setText(Q(f.fileExtension));
    m_viewer->setText(Q(f.externalEditor));
    m_loading = false;
}

void SettingsDialog::ConnectReactions()
{
    connect(m_displayHistory, &QCheckBox::toggled, this, [this](bool on) {
        m_historySize->setEnabled(on);
        m_historyFont->setEnabled(on);
    });
    connect(m_keepRecent, &QCheckBox::toggled, m_shortNames, &QWidget::setEnabled);
    // Clicks only: the program's own ticking while loading tells nothing.
    connect(m_shortNames, &QCheckBox::clicked, this, [this] {
        if (!m_loading)
            ShowMessage(m_messenger, "Option will take effect upon restarting this program", MsgButtons::OK, "Message");
    });
    connect(m_copyExamples, &QCheckBox::clicked, this, [this](bool on) {
        if (on && !m_loading)
            ShowMessage(m_messenger, CopyExamplesMessage(m_environment.DataFolder), MsgButtons::OK);
    });
    connect(m_extension, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = m_extension->cursorPosition();
            m_extension->setText(upper);
            m_extension->setCursorPosition(cursor);
        }
    });
}

SettingsFields SettingsDialog::Fields() const
{
    SettingsFields f;
    f.defaultUnits = m_units[1]->isChecked() ? 1 : 0;
    f.displayHistory = m_displayHistory->isChecked();
    f.historySize = S(m_historySize->text());
    f.keepFileNames = m_keepRecent->isChecked();
    f.shortRecentFiles = m_shortNames->isChecked();
    f.showDisclaim = m_showDisclaimer->isChecked();
    f.maxMainMenu = m_maxMenu->isChecked();
    f.enableToolbar = m_enableToolbar->isChecked();
    f.loadLastInputFile = m_loadLast->isChecked();
    f.remindUpdates = m_update->isChecked();
    f.copyExamples = m_copyExamples->isChecked();
    f.dataPath = S(m_dataPath->text());
    f.fileExtension = S(m_extension->text());
    f.externalEditor = S(m_viewer->text());
    return f;
}

void SettingsDialog::Ok()
{
    SettingsFields fields = Fields();
    const SettingsValidation result = CheckSettings(m_messenger, fields);
    m_dataPath->setText(Q(fields.dataPath));
    if (!result.valid) {
        if (auto* box = findChild<QLineEdit*>(names::Of(result.focus)))
            box->setFocus();
        return;
    }
    m_acceptedFields = fields;
    m_accepted = true;
    accept();
}

void SettingsDialog::SelectViewer()
{
    FileDialogRequest request;
    request.title = "Select External Editor";
    request.folder = Q(ViewerDialogFolder(S(m_viewer->text())));
    // Programs on this system are files with the execute permission, not
    // files with a given extension.
    request.filters = {"All Files (*)", "Programs (*)"};
    request.selectedFilter = request.filters[1];
    request.executablesFilter = request.filters[1];
    const std::optional<QString> chosen = m_context.platform.FileDialog(this, request);
    if (chosen && QFileInfo(*chosen).isFile())
        m_viewer->setText(*chosen);
}

void SettingsDialog::ChooseHistoryFont()
{
    SettingsRecord& s = m_environment.Settings;
    const QFont preset = ToQFont(DisplayFont(s));
    // A cancelled dialog gives the preset back, which changes nothing.
    const QFont font = m_context.platform.FontDialog(this, preset).value_or(preset);
    SetDisplayFont(s, FromQFont(font, DisplayFont(s)));
    m_context.host.ApplyHistoryFont();
}

void SettingsDialog::OpenPathDialog()
{
    m_environment.EditedPath = S(m_dataPath->text());
    m_pathDialogOpen = true;
    // The path comes back when the path dialog has gone, as when this
    // dialog becomes active again.
    OpenPathDialogOver(m_environment, m_messenger, this, [this] {
        if (!m_pathDialogOpen)
            return;
        m_pathDialogOpen = false;
        m_dataPath->setText(Q(m_environment.EditedPath));
    });
}

void OpenSettingsDialog(Environment& environment, Messenger& messenger, const WindowContext& context)
{
    ShowOwnedWindow(new SettingsDialog(environment, messenger, context), context.host.HostWindow(), true);
}

}  // namespace castovin
