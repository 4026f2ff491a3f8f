#include "ui/browser/text_browser_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "core/tools/text_browse.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/browser/folder_places.h"
#include "ui/browser/path_label.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/report_printer.h"

namespace castovin {

namespace {

// The pause after the last key before a typed pattern is applied.
constexpr int kPatternPauseMs = 700;

QLabel* Caption(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

}  // namespace

QWidget* TextBrowserDialog::BuildListsColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_places = new QComboBox(column);
    m_places->setObjectName(names::BrowserPlaces);
    m_folders = MakeFolderTree(column, names::BrowserFolders, m_model);
    m_pattern = new QLineEdit(column);
    m_pattern->setObjectName(names::BrowserPattern);
    m_files = new QListWidget(column);
    m_files->setObjectName(names::BrowserFiles);
    m_useViewer = new QCheckBox("Use external viewer", column);
    m_useViewer->setObjectName(names::BrowserUseViewer);
    m_setFont = MakeButton(column, names::BrowserSetFont, "Set &Font");
    layout->addWidget(Caption(column, "Select Drive:"));
    layout->addWidget(m_places);
    layout->addWidget(Caption(column, "Select Folder:"));
    layout->addWidget(m_folders, 2);
    layout->addWidget(Caption(column, "Pattern:"));
    layout->addWidget(m_pattern);
    layout->addWidget(Caption(column, "Select File:"));
    layout->addWidget(m_files, 1);
    layout->addWidget(m_useViewer);
    layout->addWidget(m_setFont);
    return column;
}

QWidget* TextBrowserDialog::BuildPaneColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* currentRow = new QHBoxLayout;
    currentRow->addWidget(Caption(column, "Current file:"));
    m_current = new PathLabel(column);
    m_current->setObjectName(names::BrowserCurrentFile);
    m_current->setTextInteractionFlags(Qt::TextSelectableByMouse);
    currentRow->addWidget(m_current, 1);
    m_pane = new QPlainTextEdit(column);
    m_pane->setObjectName(names::BrowserPane);
    m_pane->setReadOnly(true);
    m_pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pane->setMinimumSize(480, 360);
    m_ok = MakeButton(column, names::BrowserOk, "OK");
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    layout->addLayout(currentRow);
    layout->addWidget(Caption(column, "View of Selected File"));
    layout->addWidget(m_pane, 1);
    layout->addLayout(buttons);
    return column;
}

TextBrowserDialog::TextBrowserDialog(Environment& environment, Messenger& messenger, const WindowContext& context)
    : m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::BrowserWindow);
    setWindowTitle("View Source Files");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildListsColumn());
    layout->addWidget(BuildPaneColumn(), 1);

    FillPlaces(m_places);
    const QString pattern = Q(InitialBrowsePattern(m_environment));
    m_patterns = SplitPatterns(S(pattern)).value_or(std::vector<std::string>{AllFilesPattern});
    if (!ShowFolder(Q(InitialBrowseFolder(m_environment))))
        ShowFolder(QDir::homePath());
    m_pattern->setText(pattern);
    ApplyPaneFont();
    m_useViewer->setChecked(m_environment.Settings.BrowseUseNotepad == 1);
    m_setFont->setEnabled(!m_useViewer->isChecked());

    connect(m_places, &QComboBox::activated, this, &TextBrowserDialog::ChoosePlace);
    KeepCurrentFolderInView(m_folders, m_model, [this] { return m_folder; });
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        if (index.isValid() && m_model->filePath(index) != m_folder)
            ShowFolder(m_model->filePath(index));
    });
    // The pattern is checked once it is typed (Enter, the focus leaving, or a
    // pause), not at every key, so that a pattern can be typed through
    // forms the list cannot use ("[" before its "]", an empty box).
    m_patternPause = new QTimer(this);
    m_patternPause->setSingleShot(true);
    m_patternPause->setInterval(kPatternPauseMs);
    connect(m_pattern, &QLineEdit::textEdited, m_patternPause, qOverload<>(&QTimer::start));
    connect(m_patternPause, &QTimer::timeout, this, [this] { PatternEdited(m_pattern->text()); });
    connect(m_pattern, &QLineEdit::editingFinished, this, [this] { PatternEdited(m_pattern->text()); });
    m_pattern->installEventFilter(this);
    connect(m_files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ChooseFile(item->text()); });
    // Enter chooses too; not itemActivated, which a double-click also sends
    // after its clicks and which would start the viewer twice.
    m_files->installEventFilter(this);
    connect(m_useViewer, &QCheckBox::toggled, this, [this](bool on) { m_setFont->setEnabled(!on); });
    connect(m_setFont, &QPushButton::clicked, this, &TextBrowserDialog::ChooseFont);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    ClosingRules::Install(this, [this] { FormUnload(); });
    adjustSize();
    CenterOnScreen(this);
    m_ok->setFocus();
}

bool TextBrowserDialog::ShowFolder(const QString& folder)
{
    const QString readable = ReadableFolder(folder);
    if (readable.isEmpty())
        return false;
    m_folder = readable;
    m_place = PlaceOf(m_places, readable);
    m_places->setCurrentIndex(m_place);
    const QModelIndex index = m_model->index(readable);
    if (index.isValid() && m_folders->currentIndex() != index) {
        m_folders->setCurrentIndex(index);
        m_folders->scrollTo(index);
    }
    FillFiles();
    return true;
}

void TextBrowserDialog::ChoosePlace(int index)
{
    if (const std::optional<QString> root = ChosenPlace(m_places, index, m_place, m_messenger))
        ShowFolder(*root);
}

void TextBrowserDialog::PatternEdited(const QString& text)
{
    m_patternPause->stop();
    if (const auto patterns = SplitPatterns(S(text))) {
        m_patterns = *patterns;
        FillFiles();
        return;
    }
    // A pattern the list cannot use: both go back to all files.
    RestoreNormalCursor();
    m_pattern->setText(AllFilesPattern);
    m_patterns = {AllFilesPattern};
    FillFiles();
}

void TextBrowserDialog::FillFiles()
{
    m_files->clear();
    const QStringList names = QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    // QDir::Files keeps links to FIFOs and devices, which the pane cannot
    // show: only what is a regular file once its links are followed is listed.
    for (const QString& name : names)
        if (MatchesAnyPattern(S(name), m_patterns) && IsRegularFile(PathInFolder(S(m_folder), S(name))))
            m_files->addItem(name);
}

bool TextBrowserDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the pattern box ends the pattern; it does not press OK.
    if (watched == m_pattern && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PatternEdited(m_pattern->text());
            return true;
        }
    }
    if (watched == m_files && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_files->currentItem() != nullptr) {
            ChooseFile(m_files->currentItem()->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextBrowserDialog::ChooseFile(const QString& name)
{
    const std::string path = PathInFolder(S(m_folder), S(name));
    m_current->SetPath(Q(path));
    if (m_useViewer->isChecked())
        ShowInViewer(path);
    else
        ShowInPane(path);
}

void TextBrowserDialog::ShowInViewer(const std::string& path)
{
    const std::string copy = m_environment.TempFolder + BrowseCopyName;
    // A viewer started on a stale or missing copy would show the wrong file.
    if (!CopyTextFile(m_messenger, path, copy))
        return;
    const ViewerCommand command = ViewerCommandFor(m_environment.Settings.ExternalEditor, copy);
    QStringList arguments;
    for (const std::string& argument : command.arguments)
        arguments << Q(argument);
    if (!m_context.platform.StartProgram(Q(command.program), arguments))
        ShowMessage(m_messenger,
                    "Shell operation failed. Check status of External Viewer: " + m_environment.Settings.ExternalEditor,
                    MsgButtons::OK, m_messenger.MsgCategory.Error);
}

void TextBrowserDialog::ShowInPane(const std::string& path)
{
    // A listed file may have been replaced or removed since.
    if (!CheckBrowsable(m_messenger, path))
        return;
    PaneText pane;
    if (m_context.host.Trapped([&] { pane = ReadPaneText(path); }))
        m_pane->setPlainText(Q(pane.text));
}

void TextBrowserDialog::ApplyPaneFont()
{
    const SettingsRecord& s = m_environment.Settings;
    const QString family = Q(s.BrowseFontName);
    if (!FontFamilyAvailable(family)) {
        ShowMessage(m_messenger, "Invalid font selection", MsgButtons::OK, m_messenger.MsgCategory.Error);
        return;
    }
    m_pane->setFont(ToQFont(BrowseFont(s)));
}

void TextBrowserDialog::ChooseFont()
{
    SettingsRecord& s = m_environment.Settings;
    if (const std::optional<QFont> font = m_context.platform.FontDialog(this, ToQFont(BrowseFont(s))))
        SetBrowseFont(s, FromQFont(*font, BrowseFont(s)));
    ApplyPaneFont();
}

void TextBrowserDialog::FormUnload()
{
    m_environment.Settings.BrowseDefaultFilter = S(m_pattern->text());
    m_environment.LastBrowsedFolder = S(m_folder);
    m_environment.Settings.BrowseUseNotepad = m_useViewer->isChecked() ? 1 : 0;
    SaveSettings(m_environment, m_messenger, SettingsGroup::TextBrowse);
}

void OpenTextBrowser(Environment& environment, Messenger& messenger, const WindowContext& context)
{
    ShowOwnedWindow(new TextBrowserDialog(environment, messenger, context), context.host.HostWindow(), true);
}

void TextBrowserDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Scrolling before the window has its size leaves the tree at its top.
    QTimer::singleShot(0, this,
                       [this] { m_folders->scrollTo(m_folders->currentIndex(), QAbstractItemView::PositionAtCenter); });
}

}  // namespace castovin
