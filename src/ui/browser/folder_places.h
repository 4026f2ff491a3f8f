#pragma once
// The list of places that takes the role of a drive list: the root folder,
// the home folder and each mounted volume, and the folder-tree model that
// goes with it. Shared by the path dialog and the text file browser.

#include <functional>
#include <optional>

#include <QString>

class QComboBox;
class QFileSystemModel;
class QTreeView;
class QWidget;

namespace castovin {

struct Messenger;

// Fills `places` with the root folder, the home folder and every other
// mounted volume (its name and folder); each item's data is its folder.
void FillPlaces(QComboBox* places);

// The index of the place whose folder is the longest start of `folder`.
int PlaceOf(const QComboBox* places, const QString& folder);

// The cleaned absolute path of `folder` when it is a folder the user may
// list; empty otherwise.
QString ReadableFolder(const QString& folder);

// A folder tree over the whole file system, folders only, one column.
QTreeView* MakeFolderTree(QWidget* parent, const QString& objectName, QFileSystemModel*& model);

// The tree fills in the background: shows the current folder (`current()`)
// again once one of its parents has been read, not when the user opens others.
void KeepCurrentFolderInView(QTreeView* tree, QFileSystemModel* model, std::function<QString()> current);

// The message for a place that cannot be read.
inline constexpr const char* UnreadablePlaceMessage =
    "Unable to read selected volume. Make sure it is mounted, that you may read it, and that it is free of errors";

// The folder of the place chosen at `index`; nothing for a place that cannot
// be read, after the message, with the list put back at `previous`.
std::optional<QString> ChosenPlace(QComboBox* places, int index, int previous, Messenger& messenger);

}  // namespace castovin
