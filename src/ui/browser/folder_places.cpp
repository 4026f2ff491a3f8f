#include "ui/browser/folder_places.h"

#include <memory>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include "core/text/messages.h"

namespace castovin {

void FillPlaces(QComboBox* places)
{
    QStringList roots = {"/", QDir::homePath()};
    QStringList names = {"/", "Home (" + QDir::homePath() + ")"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || roots.contains(root) || !QFileInfo(root).isDir())
            continue;
        roots << root;
        const QString name = volume.displayName();
        names << (name == root ? root : name + " (" + root + ")");
    }
    for (int i = 0; i < roots.size(); ++i)
        places->addItem(names[i], roots[i]);
}

int PlaceOf(const QComboBox* places, const QString& folder)
{
    int best = 0;
    qsizetype bestLength = 0;
    for (int i = 0; i < places->count(); ++i) {
        QString root = places->itemData(i).toString();
        if (!root.endsWith('/'))
            root += '/';
        if ((folder + '/').startsWith(root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

QString ReadableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable())
        return {};
    return QDir::cleanPath(info.absoluteFilePath());
}

QTreeView* MakeFolderTree(QWidget* parent, const QString& objectName, QFileSystemModel*& model)
{
    model = new QFileSystemModel(parent);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model->setRootPath("/");
    auto* tree = new QTreeView(parent);
    tree->setObjectName(objectName);
    tree->setModel(model);
    for (int column = 1; column < model->columnCount(); ++column)
        tree->hideColumn(column);
    tree->header()->hide();
    return tree;
}

void KeepCurrentFolderInView(QTreeView* tree, QFileSystemModel* model, std::function<QString()> current)
{
    // The tree loads folders in the background, so the chosen folder gets
    // its row only after the loads of the folders above it. It is brought
    // into view while those arrive and once more when its own row is there,
    // and then left alone until another folder is chosen: re-centring on
    // every load moved the tree under the user's next click.
    auto placed = std::make_shared<QString>();
    QObject::connect(model, &QFileSystemModel::directoryLoaded, tree, [tree, current, placed](const QString& loaded) {
        const QString folder = QDir::cleanPath(current());
        const QString dir = QDir::cleanPath(loaded);
        if (folder == *placed || !(folder + '/').startsWith(dir == "/" ? dir : dir + '/'))
            return;
        if (dir == folder || dir == QFileInfo(folder).path())
            *placed = folder;
        QTimer::singleShot(0, tree, [tree] {
            const QRect row = tree->visualRect(tree->currentIndex());
            if (!tree->viewport()->rect().contains(row))
                tree->scrollTo(tree->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
    });
}

std::optional<QString> ChosenPlace(QComboBox* places, int index, int previous, Messenger& messenger)
{
    const QString root = places->itemData(index).toString();
    if (!ReadableFolder(root).isEmpty())
        return root;
    ShowMessage(messenger, UnreadablePlaceMessage, MsgButtons::OK, messenger.MsgCategory.Error);
    places->setCurrentIndex(previous);
    return std::nullopt;
}

}  // namespace castovin
