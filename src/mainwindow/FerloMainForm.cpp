#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "dialogs/WaitCursor.h"
#include "layout/CardGeometry.h"
#include "layout/FitSize.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/SymbolPictures.h"
#include "pictures/PictureCache.h"
#include "pictures/Workers.h"
#include "printing/CardPage.h"
#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SpeechOption.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QtMath>

#include <vector>

namespace ferlo {
namespace {

// A picture decoded and fitted for its cell.
struct PreparedPicture {
    QSize ownSize;
    FittedSize fitted;
    QImage shown;
    bool partial = false; // a damaged file that decoded only in part
};

// The screen's device pixels for logical ones: twice as many each way on a screen of ratio 2.
int devicePixels(int logical, qreal pixelRatio) {
    return qMax(1, qCeil(logical * pixelRatio));
}

// The size in device pixels a picture is wanted at in the card's picture area; the size it is
// fitted at there, in logical pixels, goes into `fitted`.
WantedSize fittedInArea(const TCard& card, qreal pixelRatio, FittedSize& fitted) {
    return [&card, pixelRatio, &fitted](QSize own) {
        fitted = FitPictureToArea(own.width(), own.height(), card.PictureWidth, card.PictureHeight,
                                  card.PictureAspect);
        return QSize(devicePixels(fitted.Width, pixelRatio),
                     devicePixels(fitted.Height, pixelRatio));
    };
}

// Loads a picture or a symbol's drawing for the card: the own size from the file, the fitted
// size in the picture area, and the pixels scaled to exactly that size in the screen's device
// pixels, so the picture is drawn crisp. Safe on worker threads.
PreparedPicture preparePicture(const PictureSource& source, const TCard& card, qreal pixelRatio) {
    PreparedPicture prepared;
    const DecodedPicture decoded =
        loadShownPicture(source, fittedInArea(card, pixelRatio, prepared.fitted));
    prepared.ownSize = decoded.ownSize;
    prepared.partial = decoded.partial;
    prepared.shown = decoded.image.scaled(devicePixels(prepared.fitted.Width, pixelRatio),
                                          devicePixels(prepared.fitted.Height, pixelRatio),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    prepared.shown.setDevicePixelRatio(pixelRatio);
    return prepared;
}

// The file's own preview fitted like the picture, for a first look while a long decode runs
// (see loadPreview); a null `shown` when there is none. Never throws: the full decode reports
// what is wrong with the file.
PreparedPicture preparePreview(const QString& path, const TCard& card, qreal pixelRatio) {
    PreparedPicture prepared;
    try {
        const DecodedPicture decoded =
            loadPreview(path, fittedInArea(card, pixelRatio, prepared.fitted));
        prepared.ownSize = decoded.ownSize;
        prepared.shown = decoded.image;
        prepared.shown.setDevicePixelRatio(pixelRatio);
    } catch (...) {
        prepared.shown = QImage();
    }
    return prepared;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Start-up and the commands that change the shape of the card

void TFerloMainForm::FormCreate() {
    move(0, 0);
    m_card = CardModel();

    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    QSize designed(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height());
    if (screenWidth > 800) {
        m_card.setScreenScale(1024 / 800.0);
        designed = QSize(1024, 768);
    }
    // The card base takes its size now, so that the card is centred in it. (A window that is
    // not used, on a narrow screen, keeps the designed size.)
    openAt(designed, screenWidth >= 800);
    if (screenWidth < 800) {
        showError(this, tr("This application requires a screen resolution of 800x600 or higher."));
        m_terminateRequested = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    createCells();

    showSelectCaption();
    SetOrientation();
    ToggleCutLines();
    m_openingBase = PACardBase->size();
    m_openingScale = card().ScreenScale;
}

void TFerloMainForm::showSelectCaption() {
    const int count = m_card.count();
    LABSelect->setText(count == 1 ? tr("Select A Picture")
                                  : tr("Select up to %1 Pictures").arg(count));
    LABSelect->adjustSize();
}

void TFerloMainForm::TBNumPerPageClick(const QAction* Sender) {
    // A new count empties the card.
    if (!Sender || !m_card.setCount(Sender->data().toInt()))
        return;
    showSelectCaption();
    clearShownCell(-1);
    ClearFileSelections();
    showLayoutState();
    ToggleCutLines();
}

void TFerloMainForm::SetOrientation() {
    // Once the window is open, the card takes the largest size that its base holds with the
    // opening's margins (the opening size at the opening base). A base that does not hold it
    // (the card strip took part of it) shows it smaller, whole.
    if (!m_openingBase.isEmpty()) {
        const double scale =
            ScreenScaleForBase(m_card.portrait(), m_openingScale, m_openingBase.width(),
                               m_openingBase.height(), PACardBase->width(), PACardBase->height());
        m_card.setScreenScale(
            ScreenScaleInBase(m_card.portrait(), scale, PACardBase->width(), PACardBase->height()));
    }
    PACard->resize(card().CardWidth, card().CardHeight);
    const int top = (PACardBase->height() - PACard->height()) / 2;
    const int left = (PACardBase->width() - PACard->width()) / 2;
    PACard->move(left, top);
    refreshLayoutPanel();
}

void TFerloMainForm::TBOrientationClick(bool portrait) {
    if (!m_card.setOrientation(portrait))
        return;
    SetOrientation();
    ToggleCutLines();
    Display_All_Labels();
    Display_All_Pictures();
}

void TFerloMainForm::fitCardToBase() {
    if (m_openingBase.isEmpty())
        return;
    if (m_picturePasses > 0) {
        whenPicturesPlaced([this] { fitCardToBase(); });
        return;
    }
    const QSize before = PACard->size();
    SetOrientation();
    if (PACard->size() == before)
        return; // centred anew, nothing else moves
    ToggleCutLines();
    Display_All_Labels();
    fitAllPictures(false, false);
}

bool TFerloMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ClientArea && event->type() == QEvent::Resize) {
        layoutClientArea(ClientArea->size());
        fitCardToBase();
    } else if (watched == PACardBase) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls())
                paths << (url.isLocalFile() ? url.toLocalFile() : url.toDisplayString());
            drop->acceptProposedAction();
            // The drop returns to the file manager at once; the pictures are placed after it.
            QMetaObject::invokeMethod(
                this,
                [this, paths] {
                    whenPicturesPlaced([this, paths] {
                        runGuarded(this, [&] { openFiles(paths); });
                        noteCardChanged();
                    });
                },
                Qt::QueuedConnection);
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Pictures and labels in the cells

class TFerloMainForm::PicturePass {
public:
    explicit PicturePass(TFerloMainForm& form)
        : m_form(form) {
        ++m_form.m_picturePasses;
    }
    PicturePass(const PicturePass&) = delete;
    PicturePass& operator=(const PicturePass&) = delete;
    ~PicturePass() {
        if (--m_form.m_picturePasses > 0 || m_form.m_afterPictures.empty())
            return;
        // Run once the handler that made the pass has returned, an error of its own included.
        TFerloMainForm* form = &m_form;
        QMetaObject::invokeMethod(
            form,
            [form, actions = std::exchange(form->m_afterPictures, {})] {
                for (const auto& action : actions)
                    form->whenPicturesPlaced(action);
            },
            Qt::QueuedConnection);
    }

private:
    TFerloMainForm& m_form;
};

void TFerloMainForm::whenPicturesPlaced(std::function<void()> action) {
    if (m_picturePasses > 0)
        m_afterPictures.push_back(std::move(action));
    else
        action();
}

void TFerloMainForm::display_picture(int index) {
    if (showsLayout())
        return showLayoutPicture(index);
    PicturePass pass(*this);
    const PictureSource source = cellPictureSource(cells()[size_t(index)]);
    const QString path = source.path;
    WorkerSlots<PreparedPicture> work(1);
    work.start(0, [source, area = card(), ratio = devicePixelRatioF()] {
        return preparePicture(source, area, ratio);
    });
    if (!work.finished(0))
        showPreview(index);
    PreparedPicture prepared;
    try {
        prepared = work.takeServingEvents(0);
    } catch (...) {
        showUnreadable(index);
        // A picture that cannot be shown has no label, as before the label was shown early.
        CellLabels[size_t(index)]->clear();
        CellLabels[size_t(index)]->hide();
        throw;
    }
    applyPicture(index, prepared.ownSize, prepared.fitted.Width, prepared.fitted.Height,
                 prepared.shown);
    if (prepared.partial)
        notePartialPictures({path});
}

bool TFerloMainForm::showPreview(int index) {
    const PreparedPicture preview =
        preparePreview(pathFromModel(cells()[size_t(index)].FileName), card(), devicePixelRatioF());
    if (preview.shown.isNull())
        return false;
    applyPicture(index, preview.ownSize, preview.fitted.Width, preview.fitted.Height,
                 preview.shown);
    return true;
}

void TFerloMainForm::notePartialPictures(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    showStatus(paths.size() == 1 ? tr("%1: the picture is damaged and shows only in part")
                                       .arg(displayName(paths.first()))
                                 : tr("These pictures are damaged and show only in part: %1")
                                       .arg(displayName(paths.join(QStringLiteral(", ")))));
}

void TFerloMainForm::showUnreadable(int index) {
    // The cell keeps its file, so the control marks the picture area for the user to take it
    // off: a dotted outline, the file's name as its hint, a press like a picture's.
    const TCell& cell = cells()[size_t(index)];
    PictureControl* image = CellImages[size_t(index)];
    image->hide();
    const CardPoint at =
        PicturePosition(card(), cell.Left, cell.Top, {card().PictureWidth, card().PictureHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, card().PictureWidth), qMax(0, card().PictureHeight));
    image->setUnreadable(cellPictureName(cell, false));
    image->setAccessibleName(tr("Picture %1 that cannot be shown: %2")
                                 .arg(QString::number(index + 1), cellPictureName(cell, true)));
    image->show();
}

void TFerloMainForm::applyPicture(int index, QSize ownSize, int fittedWidth, int fittedHeight,
                                  const QImage& shown) {
    m_card.setShownSize(index, fittedWidth, fittedHeight,
                        double(ownSize.height()) / double(ownSize.width()));
    const TCell& cell = cells()[size_t(index)];
    PictureControl* image = CellImages[size_t(index)];
    image->hide();
    const CardPoint at = PicturePosition(card(), cell.Left, cell.Top, {fittedWidth, fittedHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, fittedWidth), qMax(0, fittedHeight));
    image->setPicture(shown);
    image->setToolTip(cellPictureName(cell, false));
    image->setAccessibleName(
        tr("Picture %1: %2").arg(QString::number(index + 1), cellPictureName(cell, true)));
    image->show();
}

void TFerloMainForm::Display_All_Pictures() {
    fitAllPictures(true, true);
}

QStringList TFerloMainForm::fitAllPictures(bool throwErrors, bool serveEvents) {
    if (showsLayout()) {
        refreshLayoutPanel();
        return {};
    }
    WaitCursor hourglass;
    PicturePass pass(*this);
    // The pictures are decoded side by side on worker threads and placed in cell order; an
    // error ends the pass at its cell, and the pass waits for every worker before it returns.
    // The cache gives back a picture already decoded with enough pixels for the new size.
    const TCard area = card();
    const qreal ratio = devicePixelRatioF();
    const size_t count = cells().size();
    WorkerSlots<PreparedPicture> work(count);
    QStringList partial;
    for (size_t i = 0; i < count; ++i) {
        if (!cells()[i].filled())
            continue;
        const PictureSource source = cellPictureSource(cells()[i]);
        work.start(i, [=] { return preparePicture(source, area, ratio); });
    }
    // While the sharp pictures decode, those that take long show their file's preview.
    std::vector<bool> previewed(count, false);
    for (size_t i = 0; i < count && serveEvents; ++i)
        if (work.started(i) && !work.finished(i))
            previewed[i] = showPreview(int(i));
    for (size_t i = 0; i < count; ++i) {
        if (!work.started(i))
            continue;
        PreparedPicture prepared;
        try {
            prepared = serveEvents ? work.takeServingEvents(i) : work.take(i);
        } catch (...) {
            if (throwErrors) {
                // The pass ends here, but no cell after it is left with its preview: each gets
                // its sharp picture, or the outline of one that cannot be shown.
                for (size_t j = i + 1; j < count; ++j) {
                    if (!previewed[j])
                        continue;
                    try {
                        const PreparedPicture later = work.take(j);
                        applyPicture(int(j), later.ownSize, later.fitted.Width, later.fitted.Height,
                                     later.shown);
                    } catch (...) {
                        showUnreadable(int(j));
                    }
                }
                throw;
            }
            // Following the window's size is no command of the user's: a picture that can no
            // longer be read leaves its cell empty-looking, as a failed pick does, silently.
            showUnreadable(int(i));
            continue;
        }
        applyPicture(int(i), prepared.ownSize, prepared.fitted.Width, prepared.fitted.Height,
                     prepared.shown);
        if (prepared.partial)
            partial << pathFromModel(cells()[i].FileName);
    }
    return partial;
}

// ---------------------------------------------------------------------------------------------
// Cut lines

void TFerloMainForm::ToggleCutLines() {
    for (TLine* line : CutLines)
        line->hide();
    refreshLayoutPanel();
    if (!m_card.cutLinesOn()) {
        TBCutLines->setToolTip(tr("Turn Cutlines On"));
        return;
    }
    TBCutLines->setToolTip(tr("Turn Cutlines Off"));
    const auto segments =
        ScreenCutLines(m_card.count(), m_card.portrait(), PACard->width(), PACard->height());
    for (size_t k = 0; k < segments.size() && k < CutLines.size(); ++k) {
        CutLines[k]->SetPoints(QPoint(segments[k].First.X, segments[k].First.Y),
                               QPoint(segments[k].Second.X, segments[k].Second.Y));
        CutLines[k]->raise();
        CutLines[k]->show();
    }
}

// ---------------------------------------------------------------------------------------------
// Picture selection

void TFerloMainForm::FileListBox1MouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton)
        return;

    // A click that has just unselected a file takes its picture off the card.
    const int current = FileListBox1->currentRow();
    if (current >= 0 && !FileListBox1->item(current)->isSelected()) {
        ClearCell(
            m_card.indexOf(modelPath(joinPath(shownDirectory(), FileListBox1->itemName(current)))));
    }

    // On a full card a click that has just selected a further file is undone.
    if (m_card.full() && current >= 0)
        FileListBox1->item(current)->setSelected(false);

    placeInFreeCell(modelPath(FileListBox1->fileName()));
}

void TFerloMainForm::placeInFreeCell(const std::string& fileName) {
    if (m_card.indexOf(fileName) >= 0)
        return;
    WaitCursor hourglass;
    const int index = m_card.place(fileName);
    if (index < 0)
        return;
    // The label shows at once; the picture follows when decoded (a first look before it).
    Display_Label(index);
    display_picture(index);
}

void TFerloMainForm::openFiles(const QStringList& paths) {
    // A file is a picture when the file list would list it in its folder; a deck file is one
    // whose name ends in .ferlo.
    // The pictures placed, on however many cards, are one step of the history.
    const auto recordAfter = qScopeGuard([this] { noteCardChanged(); });
    const DeckHistory::Hold held(*m_history);
    QStringList pictures;
    QStringList decks;
    QStringList missing;
    QStringList others;
    for (const QString& given : paths) {
        // The name as the file system's bytes (a name that is not UTF-8 opens too): the kind
        // is asked through NativePath, never through QFileInfo.
        const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
        const QString folder = directoryPart(path);
        const bool address = given.contains(QLatin1String("://"));
        const PathKind kind = pathKind(path);
        if (kind == PathKind::PlainFile && isDeckFileName(path))
            decks << path;
        else if (kind == PathKind::PlainFile && pictureFilesIn(folder).contains(fileNamePart(path)))
            pictures << path;
        else if (!address && kind == PathKind::Missing)
            missing << path;
        else
            others << (QDir::isAbsolutePath(given) || address ? given : path);
    }
    // What could not be placed is told in one message once the rest is placed: files not found,
    // files that are not pictures, and pictures that failed to load, each with its cause.
    QStringList problems;
    const auto named = [&](const QStringList& files, const QString& one, const QString& several) {
        if (!files.isEmpty())
            problems << (files.size() == 1 ? one : several)
                            .arg(displayName(files.join(QStringLiteral(", "))));
    };
    named(missing, tr("This file was not found: %1"), tr("These files were not found: %1"));
    named(others, tr("This file is not a picture: %1"), tr("These files are not pictures: %1"));
    const auto tell = qScopeGuard([&] {
        if (!problems.isEmpty())
            showError(this, problems.join(QLatin1Char('\n')));
    });
    if (decks.size() > 1) {
        showError(this, tr("One deck opens at a time; not opened: %1")
                            .arg(displayName(decks.mid(1).join(QStringLiteral(", ")))));
    }
    // A deck that cannot be read is named in its message; the pictures still go on the card.
    bool kept = false;
    if (!decks.isEmpty())
        runGuarded(this, [&] { kept = !openDeck(decks.first()); });
    if (kept)
        return;
    if (pictures.isEmpty())
        return;
    if (!browseTo(directoryPart(pictures.first())))
        return;
    const QString shown = shownDirectory();
    QStringList* const outerErrors = std::exchange(m_placingErrors, &problems);
    const auto restore = qScopeGuard([&] { m_placingErrors = outerErrors; });
    // The window shows the card that took the first picture, not the last one filled.
    int firstCard = -1;
    for (const QString& path : pictures) {
        // A picture that finds the card full starts a new card of its layout, unless it is on
        // the card already.
        if (m_card.indexOf(modelPath(path)) < 0 && m_card.full())
            newCard();
        if (firstCard < 0)
            firstCard = m_deck.current();
        if (directoryPart(path) != shown) {
            // No list item shows it: it goes on the card as if picked in its own folder; the list
            // selects it when the user browses there.
            if (!m_card.full())
                runPlacing([&] { placeInFreeCell(modelPath(path)); });
            continue;
        }
        // A picture already on the card stays; a pick would take it off.
        const int row = FileListBox1->rowOf(fileNamePart(path));
        if (row >= 0 && !FileListBox1->item(row)->isSelected())
            FileListBox1->pick(row);
    }
    showCard(firstCard);
}

void TFerloMainForm::runPlacing(const std::function<void()>& handler) {
    if (!m_placingErrors) {
        runGuarded(this, handler);
        return;
    }
    try {
        handler();
    } catch (...) {
        m_placingErrors->append(errorMessage(std::current_exception()));
    }
}

void TFerloMainForm::FileListBox1Change() {
    if (FileListBox1->selectedCount() > 0)
        return;
    // A click that has just unselected the last selected item is not undone here: the
    // mouse-down handler that follows takes its picture off the card.
    selectCardFiles(FileListBox1->notifyingClick() ? FileListBox1->currentRow() : -1);
}

void TFerloMainForm::selectCardFiles(int justUnselected) {
    const QString shown = shownDirectory();
    for (const TCell& cell : cells()) {
        const QString path = pathFromModel(cell.FileName);
        if (directoryPart(path) != shown)
            continue;
        const int row = FileListBox1->rowOf(fileNamePart(path));
        if (row >= 0 && row != justUnselected)
            FileListBox1->item(row)->setSelected(true);
    }
}

void TFerloMainForm::ClearCell(int index) {
    if (index < 0 || index >= int(cells().size()))
        return;
    m_card.takeOff(index);
    clearShownCell(index);
}

void TFerloMainForm::ClearCells() {
    m_card.clear();
    clearShownCell(-1);
}

void TFerloMainForm::clearShownCell(int index) {
    for (int i = 0; i < int(CellImages.size()); ++i) {
        if (index >= 0 && i != index)
            continue;
        CellLabels[size_t(i)]->setText(QString());
        CellLabels[size_t(i)]->hide();
        CellImages[size_t(i)]->clearPicture();
    }
    refreshLayoutPanel();
}

void TFerloMainForm::ClearFileSelections() {
    FileListBox1->clearSelection();
}

// ---------------------------------------------------------------------------------------------
// Picture click

void TFerloMainForm::ImageMouseDown(int index, Qt::MouseButton Button) {
    // A control beyond the cells of the current layout has no cell: the press does nothing.
    if (index < 0 || index >= int(cells().size()))
        return;
    const QString fileName = pathFromModel(cells()[size_t(index)].FileName);

    if (Button == Qt::LeftButton) {
        if (cells()[size_t(index)].Symbol)
            return speakSymbolWord(index);
        if (fileName.isEmpty())
            return;
        const TCell& cell = cells()[size_t(index)];
        const QString sound = findCellSound(
            fileName, cell.EditedLabel ? QString::fromStdString(*cell.EditedLabel) : QString(),
            cell.Sound ? pathFromModel(*cell.Sound) : QString());
        if (sound.isEmpty())
            speakCellWord(index);
        else
            MediaPlayer1->playFile(sound);
    } else if (Button == Qt::RightButton) {
        const int row = FileListBox1->rowOf(fileNamePart(fileName));
        if (row >= 0 && directoryPart(fileName) == shownDirectory())
            FileListBox1->item(row)->setSelected(false);
        ClearCell(index);
    }
}

// A word without a recording is spoken in the deck's language, or the one the window is shown
// in, or English; a word in a script that voice does not read, in a voice that reads it. With
// speech off, or no engine or voice, the click stays silent, without a
// message.
void TFerloMainForm::speakCellWord(int index) {
    const SpeechOptions options = readSpeechOptions();
    const QString word = QString::fromStdString(m_card.labelWord(index)).trimmed();
    if (!options.on || word.isEmpty())
        return;
    const auto& language = m_deck.deck().language;
    const QString voice =
        voiceForWord(word, options.voice, language ? QString::fromStdString(*language) : QString());
    if (voice.isEmpty())
        return;
    MediaPlayer1->playSource(
        [word, voice, rate = options.rate] { return speakWord(word, voice, rate); }, word,
        SoundPlayer::Quiet);
}

// ---------------------------------------------------------------------------------------------
// Printing: every card's page is made from its model by makeCardPage, the card on screen's too.
// A picture that is there but cannot be read is passed over, as the screen shows it, wherever
// its card stands; one that is not there stops the printing with its name, as on the command
// line.

namespace {
bool printable(const QString& path) {
    if (pathKind(path) == PathKind::Missing)
        return true; // the print job names it
    try {
        PictureCache::shared().load(path, [](QSize) { return QSize(1, 1); });
        return true;
    } catch (...) {
        return false;
    }
}
} // namespace

QList<CardPage> TFerloMainForm::deckPages() const {
    QList<CardPage> pages;
    for (int i = 0; i < m_deck.count(); ++i)
        pages << (i == m_deck.current()
                      ? currentPage()
                      : makeCardPage(CardModel(m_deck.deck().cards[size_t(i)]), printable));
    return pages;
}

CardPage TFerloMainForm::currentPage() const {
    return makeCardPage(m_card, printable);
}

} // namespace ferlo
