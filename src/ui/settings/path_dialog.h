#pragma once
// frmPath, "Select Path": picks the data folder for the settings dialog. The
// options jump to the data, program, edited and temporary folders; the list
// of places (the root folder, the home folder and each mounted volume the
// user can read) and the folder tree choose any other; "OK" writes the
// folder, with a final separator, into EditedPath.

#include <array>
#include <functional>

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QRadioButton;
class QTreeView;

namespace castovin {

struct Environment;
struct Messenger;

class PathDialog : public QDialog {
    Q_OBJECT

public:
    PathDialog(Environment& environment, Messenger& messenger);

    // The folder the folder tree is at.
    QString CurrentFolder() const { return m_current; }
    // Moves the place list and the folder tree to `folder`; false (and
    // nothing moves) when it is not a readable folder.
    bool ShowFolder(const QString& folder);
    bool ChooseOption(int option);
    void ChoosePlace(int index);
    void Ok();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Environment& m_environment;
    Messenger& m_messenger;
    std::array<QRadioButton*, 4> m_options{};
    QComboBox* m_places = nullptr;
    QTreeView* m_folders = nullptr;
    QFileSystemModel* m_model = nullptr;
    QString m_current;
    int m_place = -1;
};

// Opens the path dialog modal over `owner`; `closed` runs when it has gone
// (after "OK", "Cancel" or the close box).
void OpenPathDialogOver(Environment& environment, Messenger& messenger, QWidget* owner, std::function<void()> closed);

}  // namespace castovin
