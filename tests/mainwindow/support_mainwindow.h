#pragma once

#include "mainwindow/FerloMainForm.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class QLabel;

namespace ferlo::test {

// A folder of real pictures for the main window's tests.
class PictureFolder {
public:
    PictureFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // A JPEG of the given size with a colour of its own.
    QString addJpeg(const QString& name, int width = 640, int height = 480,
                    QRgb colour = 0xff3366cc);
    QString addBmp(const QString& name, int width = 64, int height = 48, QRgb colour = 0xff22aa22);
    QString addSubfolder(const QString& name);

private:
    QTemporaryDir m_dir;
};

// Clicks an item of the file list with a mouse button, as a user would.
void clickFile(TFerloMainForm& form, const QString& name, Qt::MouseButton button = Qt::LeftButton);
// The names of the selected items of the file list, in list order.
QStringList selectedFiles(const TFerloMainForm& form);
// Runs the event loop until the program asks to quit; false when it had not within the time.
bool eventLoopQuitsWithin(int milliseconds);
// The file names of the cells (full paths, "" for a free cell).
QStringList cellFiles(const TFerloMainForm& form);
// The text a reader sees in a label: its text, or what its markup renders when it takes it as
// rich text.
QString shownText(const QLabel* label);
// The bounding box of the dark pixels of an image.
QRect inkBox(const QImage& image);

} // namespace ferlo::test
