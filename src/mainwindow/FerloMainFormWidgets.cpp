#include "mainwindow/FerloMainForm.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FmxUtils.h"
#include "dialogs/Messages.h"
#include "dialogs/Options.h"
#include "dialogs/ScreenFit.h"
#include "layout/CardGeometry.h"
#include "mainwindow/ActivityCommands.h"
#include "mainwindow/ArrangeCommands.h"
#include "mainwindow/BrowserCommands.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LayoutCommands.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"
#include "mainwindow/ShapeCommands.h"
#include "mainwindow/SoundCommands.h"
#include "mainwindow/SymbolCommands.h"
#include "printing/job/DuplexDialog.h"
#include "printing/job/PrintJob.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

// Building the window's controls and their geometry, a press on a cell and taking pictures off;
// the other handlers are in FerloMainForm.cpp and the window's parts.

namespace ferlo {

namespace {

constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 18;
constexpr int kBrowserWidth = 169;

QFrame* panel(QWidget* parent, const QString& name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

} // namespace

void TFerloMainForm::runCommand(const std::function<void()>& handler) {
    {
        // One command, one step of the history, whatever it changed on the way.
        const DeckHistory::Hold held(deckCommands().history());
        runGuarded(this, handler);
    }
    render();
}

TFerloMainForm::TFerloMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("FerloMainForm"));
    //: The program's name, the window's title before a deck is shown.
    setWindowTitle(tr("Ferlo"));
    setFont(sansFont(QStringLiteral("MS Sans Serif"), 11, false));

    // Every change of the deck, its card on screen or its file passes here.
    m_deck.setListener([this](const DeckSession& deck) { emit deckChanged(deck.modified()); });
    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(ClientArea);
    createMenus();
    // The measuring label lies behind the card base, created first so that the base covers it.
    labelCommands().createTestLabel(ClientArea);
    createToolBar();
    createBrowser();
    createCard();
    soundCommands().createRecording(PACard);

    openAt(QSize(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height()),
           false);
    ClientArea->installEventFilter(this);
    // Picture files dropped from a file manager onto the card are placed as if picked.
    PACardBase->setAcceptDrops(true);
    PACardBase->installEventFilter(this);

    browseTo(QDir::currentPath());
    runGuarded(this, [this] { FormCreate(); });
    deckCommands().createUndoCommands();
    arrangeCommands().createArrangeCommands(PACardBase, ToolBar1, ClientArea);
    symbolCommands().createSymbolCommands({Panel1,
                                           browser().driveBox(),
                                           browser().fileList(),
                                           {Panel3, Bevel1, Panel4, Bevel2, Panel5},
                                           PACardBase});
    createRecovery();
    deckCommands().updateDeckControls();
}

TFerloMainForm::~TFerloMainForm() = default;

void TFerloMainForm::setDialogs(TAboutBox* aboutBox, TdlgOptions* options) {
    m_aboutBox = aboutBox;
    m_options = options;
    if (options) {
        connect(options, &TdlgOptions::speechRequested, this,
                [this, options] { soundCommands().showSpeechOptions(options); });
        connect(options, &TdlgOptions::symbolsRequested, this,
                [this, options] { symbolCommands().editSymbolFolders(options); });
    }
}

void TFerloMainForm::createBrowser() {
    Panel1 = panel(ClientArea, QStringLiteral("Panel1"));
    Panel2 = panel(Panel1, QStringLiteral("Panel2"));
    Panel3 = panel(Panel1, QStringLiteral("Panel3"));
    Panel4 = panel(Panel1, QStringLiteral("Panel4"));
    Panel5 = panel(Panel1, QStringLiteral("Panel5"));
    Bevel1 = panel(Panel1, QStringLiteral("Bevel1"));
    Bevel2 = panel(Panel1, QStringLiteral("Bevel2"));
    for (QFrame* bevel : {Bevel1, Bevel2}) {
        bevel->setFrameShape(QFrame::Panel);
        bevel->setFrameShadow(QFrame::Raised);
        bevel->setLineWidth(1);
    }

    LABSelect = new QLabel(Panel2);
    LABSelect->setObjectName(QStringLiteral("LABSelect"));
    LABSelect->setTextFormat(Qt::PlainText);
    LABSelect->setFont(sansFont(QStringLiteral("MS Sans Serif"), 13, true));
    LABSelect->move(6, 8);
    LABSelect->setMinimumWidth(kBrowserWidth - 12);

    browser().createBrowser(Panel3, Panel4, Panel5);
}

void TFerloMainForm::createCard() {
    PACardBase = new QFrame(ClientArea);
    PACardBase->setObjectName(QStringLiteral("PACardBase"));
    PACardBase->setAutoFillBackground(true);
    QPalette basePalette = PACardBase->palette();
    basePalette.setColor(QPalette::Window, QColor(140, 140, 140));
    PACardBase->setPalette(basePalette);

    PACard = new QFrame(PACardBase);
    PACard->setObjectName(QStringLiteral("PACard"));
    PACard->setFrameShape(QFrame::NoFrame);
    // The card stands for the printed page, whose cells are cut apart and whose word backs
    // depend on their order: it is never mirrored, whatever the language.
    PACard->setLayoutDirection(Qt::LeftToRight);
    PACard->setAutoFillBackground(true);
    QPalette cardPalette = PACard->palette();
    cardPalette.setColor(QPalette::Window, Qt::white);
    PACard->setPalette(cardPalette);
    PACard->setGeometry(15, 50, 594, 420);
    PACardBase->setAccessibleName(tr("Card area"));
    PACard->setAccessibleName(tr("Card"));

    StatusBar1 = new QStatusBar(ClientArea);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
}

void TFerloMainForm::layoutClientArea(QSize client) {
    const int width = client.width();
    const int height = client.height();
    const int middle = height - kToolBarHeight - kStatusBarHeight;
    // Placed as a layout places them: mirrored in a right-to-left language, the browser then on
    // the right.
    const auto visual = [&](const QRect& rect) {
        return QStyle::visualRect(ClientArea->layoutDirection(), QRect(QPoint(), client), rect);
    };
    ToolBar1->setGeometry(0, 0, width, kToolBarHeight);
    StatusBar1->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
    Panel1->setGeometry(visual(QRect(0, kToolBarHeight, kBrowserWidth, middle)));
    const int strip = arrangeCommands().stripHeight(); // the card strip under the card base
    PACardBase->setGeometry(
        visual(QRect(kBrowserWidth, kToolBarHeight, width - kBrowserWidth, middle - strip)));
    arrangeCommands().placeStrip(visual(
        QRect(kBrowserWidth, kToolBarHeight + middle - strip, width - kBrowserWidth, strip)));

    // The browser from top to bottom: caption, drive box, bevel, directories, bevel, files.
    int top = 0;
    const auto stack = [&](QWidget* widget, int h) {
        widget->setGeometry(0, top, kBrowserWidth, h);
        top += h;
    };
    stack(Panel2, 32);
    // The Files and Symbols tabs take their room from the folders, so the files keep theirs.
    const int tabs = symbolCommands().placeSymbolTab(top, middle);
    top += tabs;
    stack(Panel3, 32);
    stack(Bevel1, 4);
    stack(Panel4, 123 - tabs);
    stack(Bevel2, 4);
    stack(Panel5, qMax(0, middle - top));
    browser().placeLists(Panel4->rect(), Panel5->rect());
}

bool TFerloMainForm::browseTo(const QString& directory) {
    return browser().browseTo(directory);
}

QString TFerloMainForm::shownDirectory() const {
    return m_browser->shownDirectory();
}

void TFerloMainForm::openFiles(const QStringList& paths) {
    browser().openFiles(paths);
}

void TFerloMainForm::pressCell(int index, Qt::MouseButton button) {
    runGuarded(this, [&] {
        if (!soundCommands().takeRecordPress(index, button == Qt::LeftButton))
            ImageMouseDown(index, button);
    });
    render();
}

void TFerloMainForm::ImageMouseDown(int index, Qt::MouseButton Button) {
    // A control beyond the cells of the current layout has no cell: the press does nothing.
    if (index < 0 || index >= int(cells().size()))
        return;
    if (Button == Qt::LeftButton)
        soundCommands().playCell(index);
    else if (Button == Qt::RightButton)
        ClearCell(index);
}

void TFerloMainForm::ClearCell(int index) {
    if (index < 0 || index >= int(cells().size()))
        return;
    m_deck.edit([&](CardModel& card) { return card.takeOff(index); });
    clearShownCell(index);
}

void TFerloMainForm::ClearCells() {
    m_deck.edit([](CardModel& card) { card.clear(); });
    clearShownCell(-1);
}

void TFerloMainForm::clearShownCell(int index) {
    for (int i = 0; i < int(CellImages.size()); ++i) {
        if (index >= 0 && i != index)
            continue;
        labelCommands().clearLabel(i);
        CellImages[size_t(i)]->clearPicture();
    }
    refreshLayoutPanel();
}

void TFerloMainForm::showPictureMenu(int index) {
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PictureMenu"));
    const auto item = [&](const QString& name, const QString& text, auto handler) {
        QAction* action = menu.addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, handler] {
            runGuarded(this, handler);
            render();
        });
    };
    item(QStringLiteral("mnPlay"), tr("&Play"),
         [this, index] { ImageMouseDown(index, Qt::LeftButton); });
    item(QStringLiteral("mnRecordWord"), tr("&Record word"),
         [this, index] { soundCommands().recordCellWord(index); });
    item(QStringLiteral("mnEditWord"), tr("&Edit word"), [this, index] { editLabel(index); });
    item(QStringLiteral("mnTakeOff"), tr("&Take off"),
         [this, index] { ImageMouseDown(index, Qt::RightButton); });
    menu.exec(view().menuPoint(index));
}

void TFerloMainForm::createCells() {
    for (int i = 0; i < 8; ++i) {
        auto* image = new PictureControl(PACard);
        image->setObjectName(QStringLiteral("Cell%1").arg(i));
        connect(image, &PictureControl::mouseDown, this,
                [this, i](Qt::MouseButton button) { pressCell(i, button); });
        connect(image, &PictureControl::menuRequested, this, [this, i] { showPictureMenu(i); });
        connect(image, &PictureControl::dragRequested, this,
                [this, i] { runGuarded(this, [&] { arrangeCommands().dragPicture(i); }); });
        CellImages[i] = image;
        labelCommands().createCellLabel(i, PACard);
    }
    labelCommands().createEditor(PACard);
    for (size_t k = 0; k < CutLines.size(); ++k) {
        CutLines[k] = new TLine(PACard);
        CutLines[k]->setObjectName(QStringLiteral("CutLine%1").arg(k));
        CutLines[k]->hide();
    }
}

void TFerloMainForm::openAt(QSize designed, bool inRoom) {
    // The window opens at its designed size, which is also the smallest it can be made; the
    // user may make it larger or maximize it, and the card grows with it. Where the screen's
    // room (a small screen, or a large scale) does not hold the designed size, the window opens
    // as large as the room, which it is never made smaller than, and the card takes the
    // designed margins of its base and the largest size left between them.
    const QSize fitted = inRoom ? sizeInRoom(designed, availableRoom(this)) : designed;
    setMinimumSize(fitted);
    resize(fitted);
    const QSize menu(0, menuBar()->sizeHint().height());
    layoutClientArea(designed - menu);
    if (fitted == designed)
        return;
    const QSize designedBase = PACardBase->size();
    layoutClientArea(fitted - menu);
    const double scale = card().ScreenScale;
    const CardSize cardSize = CardSizeFor(false, scale);
    m_deck.setScreenScale(std::min(
        scale,
        ScreenScaleForRoom(false, PACardBase->width() - (designedBase.width() - cardSize.Width),
                           PACardBase->height() - (designedBase.height() - cardSize.Height))));
}

} // namespace ferlo
