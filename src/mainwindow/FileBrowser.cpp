#include "mainwindow/FileBrowser.h"

#include "platform/NativePath.h"
#include "platform/Paths.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <QStorageInfo>

namespace ferlo {

namespace {

bool isPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo = {
        "proc",      "sysfs",       "devtmpfs",       "devpts",   "tmpfs",   "cgroup",
        "cgroup2",   "securityfs",  "pstore",         "bpf",      "tracefs", "debugfs",
        "mqueue",    "hugetlbfs",   "fusectl",        "configfs", "autofs",  "binfmt_misc",
        "nsfs",      "efivarfs",    "rpc_pipefs",     "overlay",  "ramfs",   "squashfs",
        "selinuxfs", "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(type);
}

} // namespace

QStringList browsableRoots() {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()))
            continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QStringList pictureFilesIn(const QString& directory) {
    // Matched without regard to letter case: photo.JPG is a JPEG all the same.
    static const QStringList extensions{QStringLiteral(".jpg"),  QStringLiteral(".jpeg"),
                                        QStringLiteral(".bmp"),  QStringLiteral(".png"),
                                        QStringLiteral(".gif"),  QStringLiteral(".webp"),
                                        QStringLiteral(".tif"),  QStringLiteral(".tiff"),
                                        QStringLiteral(".heic"), QStringLiteral(".heif")};
    QStringList pictures;
    for (const QString& name : listDirectory(directory, EntryKind::PlainFile)) {
        for (const QString& extension : extensions) {
            if (name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive)) {
                pictures.append(name);
                break;
            }
        }
    }
    return pictures;
}

DriveComboBox::DriveComboBox(QWidget* parent)
    : QComboBox(parent) {
    refreshRoots();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemText(index)); });
}

void DriveComboBox::refreshRoots() {
    const QSignalBlocker blocker(this);
    clear();
    addItems(browsableRoots());
}

void DriveComboBox::showRootOf(const QString& directory) {
    const QString root = QStorageInfo(directory).rootPath();
    const int index = findText(root.isEmpty() ? QStringLiteral("/") : root);
    const QSignalBlocker blocker(this);
    setCurrentIndex(index >= 0 ? index : 0);
}

DirectoryListBox::DirectoryListBox(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, &DirectoryListBox::choose);
    connect(this, &QListWidget::itemActivated, this, &DirectoryListBox::choose);
}

void DirectoryListBox::choose(QListWidgetItem* item) {
    const QString target = item->data(Qt::UserRole).toString();
    if (target == m_directory)
        return;
    if (!setDirectory(target))
        emit directoryFailed(target, m_lastError);
}

bool DirectoryListBox::setDirectory(const QString& requested) {
    const QString directory = QDir::cleanPath(QDir(requested).absolutePath());
    const QString shown = displayName(directory);
    switch (pathKind(directory)) {
    case PathKind::Missing:
        m_lastError = tr("The folder %1 does not exist.").arg(shown);
        return false;
    case PathKind::Directory:
        break;
    default:
        m_lastError = tr("%1 is not a folder.").arg(shown);
        return false;
    }
    if (!pathReadable(directory)) {
        m_lastError = tr("The folder %1 cannot be opened: permission denied.").arg(shown);
        return false;
    }

    m_directory = directory;
    clear();
    // The path from the root down, then the subdirectories one step further in.
    QStringList ancestors;
    for (QString path = directory;; path = directoryPart(path)) {
        ancestors.prepend(path);
        if (path == QLatin1String("/") || directoryPart(path).isEmpty())
            break;
    }
    int depth = 0;
    for (const QString& path : ancestors) {
        const QString name = path == QLatin1String("/") ? path : fileNamePart(path);
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + displayName(name), this);
        item->setData(Qt::UserRole, path);
        item->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString& child : listDirectory(directory, EntryKind::Directory)) {
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + displayName(child), this);
        item->setData(Qt::UserRole, joinPath(directory, child));
        item->setIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
    }
    emit directoryChanged(m_directory);
    return true;
}

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
    setUniformItemSizes(true);
}

void FileListBox::setDirectory(const QString& directory) {
    m_directory = directory;
    clear();
    for (const QString& name : pictureFilesIn(directory)) {
        auto* item = new QListWidgetItem(displayName(name), this);
        item->setData(Qt::UserRole, name);
    }
    clearSelection();
    setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    m_lastNotifiedRow = currentRow();
    emit change();
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    if (!item || !item->isSelected())
        return QString();
    return joinPath(m_directory, item->data(Qt::UserRole).toString());
}

QString FileListBox::itemName(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

int FileListBox::selectedCount() const {
    return int(selectedItems().size());
}

void FileListBox::press(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        emit mouseDown(event->button());
        return;
    }
    QListWidgetItem* item = itemAt(event->position().toPoint());
    if (!item)
        return; // a press beside the items concerns no file
    setFocus(Qt::MouseFocusReason);
    item->setSelected(!item->isSelected());
    setCurrentItem(item, QItemSelectionModel::NoUpdate);
    m_notifyingClick = true;
    notifyIfCurrentMoved();
    m_notifyingClick = false;
    emit mouseDown(Qt::LeftButton);
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

void FileListBox::mouseMoveEvent(QMouseEvent* event) {
    // Dragging over the list selects nothing: only clicks toggle items.
    event->accept();
}

void FileListBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    notifyIfCurrentMoved();
}

void FileListBox::notifyIfCurrentMoved() {
    if (currentRow() == m_lastNotifiedRow)
        return;
    m_lastNotifiedRow = currentRow();
    emit change();
}

} // namespace ferlo
