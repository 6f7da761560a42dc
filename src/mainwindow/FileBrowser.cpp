#include "mainwindow/FileBrowser.h"

#include "pictures/PictureFormats.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QCollator>
#include <QDir>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <QStorageInfo>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QtMath>

#include <utility>

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

// The scripts of a text's letters, as a key: names of the same scripts are shown in the same
// fonts.
QString scriptsOf(const QString& text) {
    QString key;
    for (const uint c : text.toUcs4()) {
        const QChar script(ushort(QChar::script(c)));
        if (!key.contains(script))
            key += script;
    }
    return key;
}

} // namespace

// Rows of one height for every item: the list's own height, and more where the fonts that show
// its names (the fallback fonts of other scripts among them) make their lines higher than the
// list's font does, so that no name reaches into the next row.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    RowHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_least(height)
        , m_height(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }
    int height() const { return m_height; }
    // Takes the height the names need in this font; true when it changed.
    bool fitTo(const QStringList& names, const QFont& font) {
        if (font != m_font) {
            m_font = font;
            m_heights.clear();
            m_ownLine = lineHeight(QStringLiteral("Xg"), font);
        }
        int higher = 0; // than a line of the font's own letters
        for (const QString& name : names) {
            const QString scripts = scriptsOf(name);
            auto found = m_heights.constFind(scripts);
            if (found == m_heights.constEnd())
                found = m_heights.insert(scripts, lineHeight(name, font) - m_ownLine);
            higher = std::max(higher, *found);
        }
        return std::exchange(m_height, m_least + higher) != m_height;
    }

    // The height of the line a text is laid out in: the highest ascent and descent of the fonts
    // its letters are drawn in.
    static int lineHeight(const QString& text, const QFont& font) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        return line.isValid() ? qCeil(line.height()) : 0;
    }

private:
    int m_least;
    int m_height;
    QFont m_font;
    int m_ownLine = 0;
    QHash<QString, int> m_heights; // by the scripts of a name: how much higher its line is
};

namespace {

// The file manager's order: letter case ignored, by the rules of the user's language, numbers
// by value (dog2 before dog10). The C locale has no rules of a language and would sort by code
// point (zebra before Ärger, dog10 before dog2), so it borrows the rules of American English,
// which are Unicode's default order.
QCollator fileNameCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace

void sortFileNames(QStringList& names) {
    const QCollator collator = fileNameCollator();
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        // Names the collator takes for equal (a.jpg, A.jpg) keep one fixed order.
        return order != 0 ? order < 0 : a < b;
    });
}

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
    QStringList pictures;
    for (const QString& name : listDirectory(directory, EntryKind::PlainFile)) {
        if (isPictureFileName(name))
            pictures.append(name);
    }
    sortFileNames(pictures);
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
    m_rows = new RowHeightDelegate(kItemHeight, this);
    setItemDelegate(m_rows);
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
    QStringList names; // as shown, for the height of the rows
    int depth = 0;
    for (const QString& path : ancestors) {
        const QString name = path == QLatin1String("/") ? path : fileNamePart(path);
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + displayName(name), this);
        item->setData(Qt::UserRole, path);
        item->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        names << item->text();
        ++depth;
    }
    setCurrentRow(count() - 1);
    QStringList children = listDirectory(directory, EntryKind::Directory);
    sortFileNames(children);
    for (const QString& child : children) {
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + displayName(child), this);
        item->setData(Qt::UserRole, joinPath(directory, child));
        item->setIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
        names << item->text();
    }
    if (m_rows->fitTo(names, font()))
        doItemsLayout();
    emit directoryChanged(m_directory);
    return true;
}

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
    setUniformItemSizes(true);
    m_rows = new RowHeightDelegate(kItemHeight, this);
    setItemDelegate(m_rows);
    // No horizontal scroll bar: it would cover the last line. A long name ends in "...".
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int FileListBox::rowHeight() const {
    return m_rows->height();
}

void FileListBox::placeIn(const QRect& area) {
    // Whole lines only: the list is as high as the most lines that fit the area.
    m_area = area;
    const int frames = 2 * frameWidth();
    const int lines = qMax(1, (area.height() - frames) / rowHeight());
    setGeometry(area.x(), area.y(), area.width(), lines * rowHeight() + frames);
}

void FileListBox::setDirectory(const QString& directory) {
    m_directory = directory;
    clear();
    QStringList shown;
    for (const QString& name : pictureFilesIn(directory)) {
        auto* item = new QListWidgetItem(displayName(name), this);
        item->setData(Qt::UserRole, name);
        shown << item->text();
    }
    if (m_rows->fitTo(shown, font())) {
        doItemsLayout();
        if (!m_area.isNull())
            placeIn(m_area);
    }
    clearSelection();
    setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    m_lastNotifiedRow = currentRow();
    emit change();
}

QString FileListBox::itemName(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

int FileListBox::rowOf(const QString& name) const {
    for (int row = 0; row < count(); ++row) {
        if (itemName(row) == name)
            return row;
    }
    return -1;
}

int FileListBox::selectedCount() const {
    return int(selectedItems().size());
}

void FileListBox::selectRows(const QList<int>& rows) {
    for (QListWidgetItem* selected : selectedItems()) {
        if (!rows.contains(row(selected)))
            selected->setSelected(false);
    }
    for (const int wanted : rows) {
        if (QListWidgetItem* entry = item(wanted))
            entry->setSelected(true);
    }
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
    pick(row(item));
}

void FileListBox::pick(int row) {
    QListWidgetItem* entry = item(row);
    if (!entry)
        return;
    entry->setSelected(!entry->isSelected());
    setCurrentItem(entry, QItemSelectionModel::NoUpdate);
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
