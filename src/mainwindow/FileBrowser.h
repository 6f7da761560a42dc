#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

namespace ferlo {

// The file-system roots a user would browse: "/" and the mounted volumes that hold files
// (pseudo file systems left out), by root path.
QStringList browsableRoots();

// The picture files of a directory: plain, not hidden, named with an extension of the picture
// formats (pictures/PictureFormats.def) in any letter case, in the order of
// sortFileNames.
QStringList pictureFilesIn(const QString& directory);

// Sorts names as the desktop's file manager does: letter case ignored, by the rules of the
// user's language (the C locale takes Unicode's default order), numbers by value.
void sortFileNames(QStringList& names);

class RowHeightDelegate;

// The drive box: lists the roots; choosing one changes the directory list to it.
class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);
    void refreshRoots();
    // Shows the root that holds the directory, without telling anybody.
    void showRootOf(const QString& directory);

signals:
    void driveChosen(const QString& root);
};

// The directory list: the path from the root down to the shown directory, then its
// subdirectories; choosing an entry (click or Enter) makes it the shown directory.
// Its rows are kItemHeight high, or as high as the fonts that show its names need.
class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 16;

    explicit DirectoryListBox(QWidget* parent = nullptr);

    // The shown directory, without a final separator except at the root.
    QString directory() const { return m_directory; }
    // Shows the directory; returns false (and changes nothing) when it can't be listed.
    bool setDirectory(const QString& directory);
    // The reason the last setDirectory failed.
    QString lastError() const { return m_lastError; }

signals:
    void directoryChanged(const QString& directory);
    void directoryFailed(const QString& directory, const QString& reason);

private:
    void choose(QListWidgetItem* item);

    QString m_directory;
    QString m_lastError;
    RowHeightDelegate* m_rows = nullptr;
};

// The file list: picture files of one directory, several selected at once, a plain left click
// toggling one item. A left click first flips the item and makes it current, then sends the
// change notification when the current item is another one than at the last notification, and
// only then reports the press. Other buttons select nothing. A new reading of the directory
// leaves nothing selected and sends the change notification. Its rows are kItemHeight high, or
// as high as the fonts that show the folder's names need (other scripts' fallback fonts).
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 13;

    explicit FileListBox(QWidget* parent = nullptr);

    // Takes the top of the area, as high as a whole number of lines allows (again when the
    // rows' height changes with the names shown).
    void placeIn(const QRect& area);
    int rowHeight() const;

    // Reads the directory anew.
    void setDirectory(const QString& directory);
    QString directory() const { return m_directory; }

    // The file name an item stands for (its text shows it, with U+FFFD for bytes that are not
    // UTF-8).
    QString itemName(int row) const;
    // The row of the item of a file name, or -1 when the list shows no such file.
    int rowOf(const QString& name) const;
    int selectedCount() const;
    // Selects exactly these rows (items changed only where they differ).
    void selectRows(const QList<int>& rows);
    // True while the change notification of a left click is being sent.
    bool notifyingClick() const { return m_notifyingClick; }
    // Does what a left click on the item does: flips it, makes it current, notifies a move of
    // the current item, then reports the press.
    void pick(int row);

signals:
    void change();
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(QMouseEvent* event);
    void notifyIfCurrentMoved();

    QString m_directory;
    QRect m_area;
    RowHeightDelegate* m_rows = nullptr;
    int m_lastNotifiedRow = -1;
    bool m_notifyingClick = false;
};

} // namespace ferlo
