#pragma once

#include "layout/Card.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

namespace ferlo {

class CardModel;
class CardView;
class DeckHistory;
class DeckSession;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;

// The browser, a part of the main window: the drive box, the directory list and the file list
// on the left, a click on a file that places its picture in the free cell of lowest index or
// takes it off, pictures from outside (the command line, a drop) placed as if picked, and the
// file list's selection that follows the card.
class BrowserCommands {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window: the card's panel, a cell's picture taken
    // off, the render pass, and of the deck, its history, a new card, a card put on screen and
    // a deck file opened (false when the user kept the deck that has unsaved changes).
    struct Hooks {
        std::function<CardView&()> view;
        std::function<void(int)> clearCell;
        std::function<void()> render;
        std::function<DeckHistory&()> history;
        std::function<void()> newCard;
        std::function<void(int)> showCard;
        std::function<bool(const QString&)> openDeck;
    };
    BrowserCommands(const WindowPart& part, Hooks hooks);
    BrowserCommands(const BrowserCommands&) = delete;
    BrowserCommands& operator=(const BrowserCommands&) = delete;

    // The drive box on `drives`, the directory list on `folders`, the file list on `files`.
    void createBrowser(QWidget* drives, QWidget* folders, QWidget* files);
    // The lists fill their panels' rectangles.
    void placeLists(const QRect& folders, const QRect& files);
    QWidget* driveBox() const;
    QWidget* fileList() const;

    // The directory the file list shows.
    QString shownDirectory() const;
    // Shows a directory in the browser (directory list and file list).
    bool browseTo(const QString& directory);
    // Places pictures from outside the browser (TFerloMainForm::openFiles says how).
    void openFiles(const QStringList& paths);
    // The file list selects the pictures of the card on screen in the shown folder.
    void renderSelection();

private:
    void FileListBox1MouseDown(Qt::MouseButton Button);
    void FileListBox1Change();
    // Places pictures from outside, as openFiles says, in the browser's folder or beside it.
    void placePictures(const QStringList& pictures);
    // Puts a file into the free cell of lowest index, with its label.
    void placeInFreeCell(const std::string& fileName);
    // Runs a handler that places a picture inside the error guard; while openFiles places its
    // pictures, the errors go to its list (m_placingErrors) for its one message instead.
    void runPlacing(const std::function<void()>& handler);

    const CardModel& model() const;
    const TCellArray& cells() const;
    CardView& view() { return m_hooks.view(); }
    void render() { m_hooks.render(); }

    QWidget* m_window;
    DeckSession& m_deck;
    Hooks m_hooks;
    DriveComboBox* DriveComboBox1 = nullptr;
    DirectoryListBox* DirectoryListBox1 = nullptr;
    FileListBox* FileListBox1 = nullptr;
    QStringList* m_placingErrors = nullptr;
};

} // namespace ferlo
