#include "mainwindow/BrowserCommands.h"

#include "dialogs/Messages.h"
#include "dialogs/WaitCursor.h"
#include "layout/DeckSession.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QDir>
#include <QScopeGuard>

#include <vector>

// The browser: picking files in the file list, pictures from outside, and the list's selection
// that follows the card.

namespace ferlo {

BrowserCommands::BrowserCommands(const WindowPart& part, Hooks hooks)
    : m_window(part.window)
    , m_deck(*part.deck)
    , m_hooks(std::move(hooks)) {}

const CardModel& BrowserCommands::model() const {
    return m_deck.card();
}

const TCellArray& BrowserCommands::cells() const {
    return model().cells();
}

void BrowserCommands::createBrowser(QWidget* drives, QWidget* folders, QWidget* files) {
    DriveComboBox1 = new DriveComboBox(drives);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 7, 153, 20);
    DriveComboBox1->setAccessibleName(tr("Drives"));

    DirectoryListBox1 = new DirectoryListBox(folders);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new FileListBox(files);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Picture files"));

    QObject::connect(
        DriveComboBox1, &DriveComboBox::driveChosen, m_window,
        [this](const QString& root) { runGuarded(m_window, [&] { browseTo(root); }); });
    QObject::connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, m_window,
                     [this](const QString& directory) {
                         DriveComboBox1->showRootOf(directory);
                         FileListBox1->setDirectory(directory);
                     });
    QObject::connect(
        DirectoryListBox1, &DirectoryListBox::directoryFailed, m_window,
        [this](const QString&, const QString& reason) { showError(m_window, reason); });
    QObject::connect(FileListBox1, &FileListBox::change, m_window,
                     [this] { runGuarded(m_window, [this] { FileListBox1Change(); }); });
    QObject::connect(FileListBox1, &FileListBox::mouseDown, m_window,
                     [this](Qt::MouseButton button) {
                         runPlacing([this, button] { FileListBox1MouseDown(button); });
                         render();
                     });
}

void BrowserCommands::placeLists(const QRect& folders, const QRect& files) {
    DirectoryListBox1->setGeometry(folders);
    FileListBox1->placeIn(files);
}

QWidget* BrowserCommands::driveBox() const {
    return DriveComboBox1;
}

QWidget* BrowserCommands::fileList() const {
    return FileListBox1;
}

bool BrowserCommands::browseTo(const QString& directory) {
    if (DirectoryListBox1->setDirectory(directory))
        return true;
    showError(m_window, DirectoryListBox1->lastError());
    return false;
}

QString BrowserCommands::shownDirectory() const {
    return DirectoryListBox1->directory();
}

void BrowserCommands::FileListBox1MouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton)
        return;

    // A click on a file of the card takes its picture off; on a full card a click on a further
    // file does nothing; otherwise the file goes into the free cell of lowest index. The file
    // list's selection follows the card in the render after the command.
    const int current = FileListBox1->currentRow();
    if (current < 0)
        return;
    const std::string path = modelPath(joinPath(shownDirectory(), FileListBox1->itemName(current)));
    if (const int index = model().indexOf(path); index >= 0)
        m_hooks.clearCell(index);
    else if (!model().full())
        placeInFreeCell(path);
}

void BrowserCommands::placeInFreeCell(const std::string& fileName) {
    if (model().indexOf(fileName) >= 0)
        return;
    WaitCursor hourglass;
    const int index = m_deck.edit([&](CardModel& card) { return card.place(fileName); });
    if (index < 0)
        return;
    // The label shows at once; the picture follows when decoded (a first look before it).
    view().showLabel(index);
    view().showPicture(index);
}

namespace {

// Files from outside sorted by what they are: a file is a picture when the file list would list
// it in its folder; a deck file is one whose name ends in .ferlo.
struct GivenFiles {
    QStringList pictures;
    QStringList decks;
    QStringList missing;
    QStringList others;

    explicit GivenFiles(const QStringList& paths) {
        for (const QString& given : paths) {
            // The name as the file system's bytes (a name that is not UTF-8 opens too): the kind
            // is asked through NativePath, never through QFileInfo.
            const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
            const QString folder = directoryPart(path);
            const bool address = given.contains(QLatin1String("://"));
            const PathKind kind = pathKind(path);
            if (kind == PathKind::PlainFile && isDeckFileName(path))
                decks << path;
            else if (kind == PathKind::PlainFile &&
                     pictureFilesIn(folder).contains(fileNamePart(path)))
                pictures << path;
            else if (!address && kind == PathKind::Missing)
                missing << path;
            else
                others << (QDir::isAbsolutePath(given) || address ? given : path);
        }
    }
};

} // namespace

void BrowserCommands::openFiles(const QStringList& paths) {
    // The pictures placed, on however many cards, are one step of the history.
    const auto recordAfter = qScopeGuard([this] { render(); });
    const DeckHistory::Hold held(m_hooks.history());
    const GivenFiles files(paths);
    // What could not be placed is told in one message once the rest is placed: files not found,
    // files that are not pictures, and pictures that failed to load, each with its cause.
    QStringList problems;
    const auto named = [&](const QStringList& list, const QString& one, const QString& several) {
        if (!list.isEmpty())
            problems << (list.size() == 1 ? one : several)
                            .arg(displayName(list.join(QStringLiteral(", "))));
    };
    named(files.missing, tr("This file was not found: %1"), tr("These files were not found: %1"));
    named(files.others, tr("This file is not a picture: %1"),
          tr("These files are not pictures: %1"));
    const auto tell = qScopeGuard([&] {
        if (!problems.isEmpty())
            showError(m_window, problems.join(QLatin1Char('\n')));
    });
    if (files.decks.size() > 1) {
        showError(m_window, tr("One deck opens at a time; not opened: %1")
                                .arg(displayName(files.decks.mid(1).join(QStringLiteral(", ")))));
    }
    // A deck that cannot be read is named in its message; the pictures still go on the card.
    bool kept = false;
    if (!files.decks.isEmpty())
        runGuarded(m_window, [&] { kept = !m_hooks.openDeck(files.decks.first()); });
    if (kept || files.pictures.isEmpty() || !browseTo(directoryPart(files.pictures.first())))
        return;
    QStringList* const outerErrors = std::exchange(m_placingErrors, &problems);
    const auto restore = qScopeGuard([&] { m_placingErrors = outerErrors; });
    placePictures(files.pictures);
}

void BrowserCommands::placePictures(const QStringList& pictures) {
    const QString shown = shownDirectory();
    // The window shows the card that took the first picture, not the last one filled.
    int firstCard = -1;
    for (const QString& path : pictures) {
        // A picture that finds the card full starts a new card of its layout, unless it is on
        // the card already.
        if (model().indexOf(modelPath(path)) < 0 && model().full())
            m_hooks.newCard();
        if (firstCard < 0)
            firstCard = m_deck.current();
        if (directoryPart(path) != shown) {
            // No list item shows it: it goes on the card as if picked in its own folder; the list
            // selects it when the user browses there.
            if (!model().full())
                runPlacing([&] { placeInFreeCell(modelPath(path)); });
            continue;
        }
        // A picture already on the card stays; a pick would take it off.
        const int row = FileListBox1->rowOf(fileNamePart(path));
        if (row >= 0 && model().indexOf(modelPath(path)) < 0)
            FileListBox1->pick(row);
    }
    m_hooks.showCard(firstCard);
}

void BrowserCommands::runPlacing(const std::function<void()>& handler) {
    if (!m_placingErrors) {
        runGuarded(m_window, handler);
        return;
    }
    try {
        handler();
    } catch (...) {
        m_placingErrors->append(errorMessage(std::current_exception()));
    }
}

void BrowserCommands::FileListBox1Change() {
    // A click's own notification changes nothing: the command that follows renders the list.
    if (!FileListBox1->notifyingClick())
        renderSelection();
}

void BrowserCommands::renderSelection() {
    const QString shown = shownDirectory();
    QList<int> rows;
    for (const TCell& cell : cells()) {
        const QString path = pathFromModel(cell.FileName);
        if (cell.FileName.empty() || directoryPart(path) != shown)
            continue;
        if (const int row = FileListBox1->rowOf(fileNamePart(path)); row >= 0)
            rows << row;
    }
    FileListBox1->selectRows(rows);
}

} // namespace ferlo
