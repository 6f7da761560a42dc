#pragma once

#include "mainwindow/FerloMainForm.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace ferlo {
class DirectoryListBox;
class FileListBox;
class PictureControl;
class TLine;
class SoundPlayer;
} // namespace ferlo

namespace ferlo::test {

// The main window's card model and controls as a user meets them, the controls found by their
// object names. A name that is missing ends the test.
struct FormView {
    explicit FormView(const TFerloMainForm& form);

    // The pictures on the card.
    int pictureCount() const { return Form.pictureCount(); }

    const TFerloMainForm& Form;
    const TCard& Card;
    const TCellArray& Cells;
    std::array<PictureControl*, 8> CellImages{};
    std::array<QLabel*, 8> CellLabels{};
    std::array<TLine*, 4> CutLines{};

    QLabel* LABSelect;
    DirectoryListBox* DirectoryListBox1;
    FileListBox* FileListBox1;
    QFrame* Panel5;
    QFrame* PACardBase;
    QFrame* PACard;
    QLabel* TestLabel;
    SoundPlayer* MediaPlayer1;

    QAction* TB1PerPage;
    QAction* TB2PerPage;
    QAction* TB4PerPage;
    QAction* TB6PerPage;
    QAction* TB8PerPage;
    QAction* TBPortrait;
    QAction* TBLandScape;
    QAction* TBCutLines;
    QPushButton* PBToggleLabels;
    QAction* TBUpperLabels;
    QAction* TBLowerLabels;
    QPushButton* PBClear;
    QAction* TBPrint;

    QMenu* File1;
    QAction* Printsetup1;
    QAction* mnExit;
    QAction* mnOptions;
    QMenu* mnHelp;
    QAction* mnReadMe;
    QAction* mnAbout;
};

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

// One main window for one test function: the messages recorded from the start, a picture folder
// to fill before the window opens, then the window shown on it. Held in a std::optional that
// init() fills and cleanup() resets; ends in the reverse order.
struct MainWindowFixture {
    // Builds the window, shows it, waits until it is exposed and browses to `folder`; false when
    // one of them fails.
    bool open(const QString& folder);

    MessageRecorder messages;
    PictureFolder pictures;
    std::unique_ptr<TFerloMainForm> form;
    std::optional<FormView> view;
};

// The base of the test classes that open one main window per test function. init() fills
// m_window, adds pictures to folder() and calls m_window->open(); cleanup() resets m_window.
class MainWindowTest : public QObject {
protected:
    std::optional<MainWindowFixture> m_window;

    TFerloMainForm& form() const { return *m_window->form; }
    const FormView& view() const { return *m_window->view; }
    PictureFolder& folder() { return m_window->pictures; }
    MessageRecorder& messages() { return m_window->messages; }
};

// Clicks an item of the file list with a mouse button, as a user would.
void clickFile(TFerloMainForm& form, const QString& name, Qt::MouseButton button = Qt::LeftButton);
// The window's action of that object name; a name that is missing ends the test.
QAction* action(const QObject& owner, const QString& name);

// The names of the selected items of the file list, in list order.
QStringList selectedFiles(const TFerloMainForm& form);
// Runs the event loop until the program asks to quit; false when it had not within the time.
bool eventLoopQuitsWithin(int milliseconds);
// The file names of the cells (full paths, "" for a free cell).
QStringList cellFiles(const TFerloMainForm& form);
// Drops the picture of a cell of the card on screen onto a widget, as a drag from the card does.
void dropCell(QWidget* target, QPoint at, int cell);
// The text a reader sees in a label: its text, or what its markup renders when it takes it as
// rich text.
QString shownText(const QLabel* label);
// The bounding box of the dark pixels of an image.
QRect inkBox(const QImage& image);

} // namespace ferlo::test
