#include "ui/settings/path_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/editing/settings_editor.h"
#include "core/editing/validation.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/browser/folder_places.h"

namespace castovin {

PathDialog::PathDialog(Environment& environment, Messenger& messenger)
    : m_environment(environment), m_messenger(messenger)
{
    setObjectName(names::PathDialog);
    setProperty("helpContext", 4100);  // every control
    setWindowTitle("Select Path");
    auto* frame = new QGroupBox("Set Path", this);
    auto* options = new QHBoxLayout(frame);
    const char* captions[4] = {"User home", "Application ", "Current", "User temporary"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(names::Indexed(names::PathOptions, i));
        m_options[static_cast<std::size_t>(i)] = option;
        options->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { ChooseOption(i); });
    }
    m_places = new QComboBox(this);
    m_places->setObjectName(names::PathPlaces);
    m_folders = MakeFolderTree(this, names::PathFolders, m_model);
    m_folders->setMinimumSize(320, 260);

    const DialogButtons row = MakeOkCancelHelpRow(this, names::PathOk, names::PathCancel, names::PathHelp, m_messenger);
    QPushButton* ok = row.ok;
    QPushButton* cancel = row.cancel;
    QHBoxLayout* buttons = row.row;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(m_places);
    layout->addWidget(m_folders, 1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &PathDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    FillPlaces(m_places);
    connect(m_places, &QComboBox::activated, this, &PathDialog::ChoosePlace);
    KeepCurrentFolderInView(m_folders, m_model, [this] { return m_current; });
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        if (index.isValid())
            m_current = m_model->filePath(index);
    });

    // Form_Load: option "Current" moves the lists to the edited path.
    OptionGroup group{0, std::vector<bool>(4, false)};
    SetArrayIndex(m_messenger, group, 2);
    m_options[2]->setChecked(true);
    // An edited path that cannot be shown: the lists show the data folder
    // (or the home folder), and OK returns that folder, the one in view.
    if (!ChooseOption(2) && !ShowFolder(Q(m_environment.DataFolder)))
        ShowFolder(QDir::homePath());
    adjustSize();
    CenterOnScreen(this);
}

bool PathDialog::ShowFolder(const QString& folder)
{
    const QString readable = ReadableFolder(folder);
    if (readable.isEmpty())
        return false;
    m_place = PlaceOf(m_places, readable);
    m_places->setCurrentIndex(m_place);
    const QModelIndex index = m_model->index(readable);
    if (!index.isValid())
        return false;
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index);
    m_current = readable;
    return true;
}

bool PathDialog::ChooseOption(int option)
{
    const Environment& env = m_environment;
    const std::string* folders[4] = {&env.DataFolder, &env.AppFolder, &env.EditedPath, &env.TempFolder};
    if (option < 0 || option > 3)
        return false;
    // A folder that cannot be shown leaves the lists where they are.
    return ShowFolder(Q(*folders[option]));
}

void PathDialog::ChoosePlace(int index)
{
    if (const std::optional<QString> root = ChosenPlace(m_places, index, m_place, m_messenger))
        ShowFolder(*root);
}

void PathDialog::Ok()
{
    // The folder the tree shows as chosen; m_current follows it.
    const QModelIndex shown = m_folders->currentIndex();
    const QString folder = shown.isValid() ? m_model->filePath(shown) : m_current;
    if (!folder.isEmpty())
        m_environment.EditedPath = CompletedFolderPath(S(folder));
    accept();
}

void OpenPathDialogOver(Environment& environment, Messenger& messenger, QWidget* owner, std::function<void()> closed)
{
    auto* dialog = new PathDialog(environment, messenger);
    ClosingRules::Install(dialog, std::move(closed));
    ShowOwnedWindow(dialog, owner, true);
}

void PathDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Scrolling before the window has its size leaves the tree at its top.
    QTimer::singleShot(0, this,
                       [this] { m_folders->scrollTo(m_folders->currentIndex(), QAbstractItemView::PositionAtCenter); });
}

}  // namespace castovin
