#include "mainwindow/FerloMainForm.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FmxUtils.h"
#include "dialogs/Options.h"
#include "layout/CardGeometry.h"
#include "layout/FitSize.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "platform/DeckFile.h"
#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/NativePath.h"
#include "platform/Paths.h"
#include "platform/PictureCache.h"
#include "platform/SaveDialog.h"
#include "platform/ScreenFit.h"
#include "platform/SoundFile.h"
#include "platform/WaitCursor.h"
#include "platform/WavePlayer.h"
#include "platform/Workers.h"
#include "printing/CardPage.h"
#include "printing/PrintJob.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QtMath>

#include <algorithm>
#include <exception>
#include <vector>

namespace ferlo {

namespace {

constexpr int kDesignedClientWidth = 792;
constexpr int kDesignedClientHeight = 554;
constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 18;
constexpr int kBrowserWidth = 169;

// The card model keeps paths as the file system's own bytes.
std::string pathToModel(const QString& path) {
    return encodePath(path).toStdString();
}
QString pathFromModel(const std::string& path) {
    return decodePath(QByteArray::fromStdString(path));
}

// The label word of a cell in no particular case: the word typed over the file name's, else the
// file name's; "" for a free cell.
QString labelWord(const TCell& cell) {
    if (cell.FileName.empty())
        return QString();
    return cell.EditedLabel ? QString::fromStdString(*cell.EditedLabel)
                            : MakeLabelText(pathFromModel(cell.FileName));
}

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont boldFont(const QString& family, int pixelHeight) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

QString selectCaption(int count) {
    if (count == 1)
        return QStringLiteral("Select A Picture");
    return QStringLiteral("Select up to %1 Pictures").arg(count);
}

// The desktop's Save As keys; a desktop without them (the Windows-like default scheme) gets
// Ctrl+Shift+S, as most desktops have it.
QList<QKeySequence> saveAsKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (keys.isEmpty())
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    return keys;
}

QFrame* panel(QWidget* parent, const QString& name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

// A picture decoded and fitted for its cell.
struct PreparedPicture {
    QSize ownSize;
    FittedSize fitted;
    QImage shown;
    bool partial = false; // a damaged file that decoded only in part
};

// Loads a picture for the card: the own size from the file, the fitted size in the picture
// area, and the pixels scaled to exactly that size in the screen's device pixels (twice as many
// each way on a screen of ratio 2), so the picture is drawn crisp. Safe on worker threads.
PreparedPicture preparePicture(const QString& path, int areaWidth, int areaHeight,
                               double areaAspect, qreal pixelRatio) {
    PreparedPicture prepared;
    const auto devicePixels = [pixelRatio](int logical) {
        return qMax(1, qCeil(logical * pixelRatio));
    };
    const DecodedPicture decoded = PictureCache::shared().load(path, [&](QSize own) {
        prepared.fitted =
            FitPictureToArea(own.width(), own.height(), areaWidth, areaHeight, areaAspect);
        return QSize(devicePixels(prepared.fitted.Width), devicePixels(prepared.fitted.Height));
    });
    prepared.ownSize = decoded.ownSize;
    prepared.partial = decoded.partial;
    prepared.shown = decoded.image.scaled(devicePixels(prepared.fitted.Width),
                                          devicePixels(prepared.fitted.Height),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    prepared.shown.setDevicePixelRatio(pixelRatio);
    return prepared;
}

} // namespace

template <typename Sender, typename Signal, typename Handler>
void TFerloMainForm::bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] {
        runGuarded(this, handler);
        noteCardChanged();
    });
}

TFerloMainForm::TFerloMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("FerloMainForm"));
    setWindowTitle(QStringLiteral("Ferlo"));
    setFont(windowFont());

    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(ClientArea);
    createMenus();
    // The measuring label lies behind the card base, created first so that the base covers it.
    TestLabel = new QLabel(ClientArea);
    TestLabel->setObjectName(QStringLiteral("TestLabel"));
    TestLabel->setTextFormat(Qt::PlainText);
    TestLabel->move(187, 40);
    TestLabel->hide();
    createToolBar();
    createBrowser();
    createCard();
    MediaPlayer1 = new WavePlayer(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));

    openAt(QSize(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height()),
           false);
    ClientArea->installEventFilter(this);
    // Picture files dropped from a file manager onto the card are placed as if picked.
    PACardBase->setAcceptDrops(true);
    PACardBase->installEventFilter(this);

    browseTo(QDir::currentPath());
    runGuarded(this, [this] { FormCreate(); });
    updateDeckControls();
}

TFerloMainForm::~TFerloMainForm() = default;

void TFerloMainForm::setDialogs(TAboutBox* aboutBox, TdlgOptions* options) {
    m_aboutBox = aboutBox;
    m_options = options;
}

void TFerloMainForm::createMenus() {
    const auto command = [this](QWidget* menu, const QString& name, const QString& text,
                                auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        bind(action, &QAction::triggered, handler);
        return action;
    };
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    command(file, QStringLiteral("mnNewDeck"), QStringLiteral("&New deck"), [this] {
        newDeck();
    })->setShortcut(QKeySequence::New);
    command(file, QStringLiteral("mnOpenDeck"), QStringLiteral("&Open deck ..."), [this] {
        openDeckDialog();
    })->setShortcut(QKeySequence::Open);
    command(file, QStringLiteral("mnSaveDeck"), QStringLiteral("&Save"), [this] {
        saveDeck();
    })->setShortcut(QKeySequence::Save);
    command(file, QStringLiteral("mnSaveDeckAs"), QStringLiteral("Save &as ..."), [this] {
        saveDeckAs();
    })->setShortcuts(saveAsKeys());
    file->addSeparator();
    command(file, QStringLiteral("Printsetup1"), QStringLiteral("Print se&tup ..."), [this] {
        printerSetup(this);
    })->setVisible(false);
    command(file, QStringLiteral("Print1"), QStringLiteral("&Print ..."), [this] {
        printCard(this, deckPages());
    })->setShortcut(QKeySequence::Print);
    command(file, QStringLiteral("PrintPreview1"), QStringLiteral("Print Pre&view ..."),
            [this] { previewCard(this, deckPages()); });
    command(file, QStringLiteral("ExportPdf1"), QStringLiteral("&Export PDF ..."), [this] {
        exportCardPdf(this, deckPages());
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addAction(makeWordBacksAction(this));
    file->addSeparator();
    // Exit closes the window, which asks about unsaved changes first.
    command(file, QStringLiteral("mnExit"), QStringLiteral("e&xit"), [this] {
        if (close())
            QCoreApplication::quit();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The card commands; the toolbar shows the same actions.
    QMenu* cards = bar->addMenu(QStringLiteral("&Card"));
    cards->setObjectName(QStringLiteral("mnCard"));
    const auto cardCommand = [&](const QString& name, const QString& text, const QString& hint,
                                 Glyph glyph, auto handler) {
        QAction* action = command(cards, name, text, handler);
        action->setIcon(glyphIcon(glyph));
        action->setToolTip(hint);
        return action;
    };
    TBPreviousCard = cardCommand(QStringLiteral("TBPreviousCard"), QStringLiteral("&Previous card"),
                                 QStringLiteral("Previous card"), Glyph::PreviousCard,
                                 [this] { showCard(m_deck.current() - 1); });
    TBPreviousCard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    TBNextCard = cardCommand(QStringLiteral("TBNextCard"), QStringLiteral("&Next card"),
                             QStringLiteral("Next card"), Glyph::NextCard,
                             [this] { showCard(m_deck.current() + 1); });
    TBNextCard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    cards->addSeparator();
    TBNewCard = cardCommand(QStringLiteral("TBNewCard"), QStringLiteral("N&ew card"),
                            QStringLiteral("New card after this one"), Glyph::NewCard,
                            [this] { newCard(); });
    TBNewCard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    TBRemoveCard = cardCommand(QStringLiteral("TBRemoveCard"), QStringLiteral("&Remove card"),
                               QStringLiteral("Remove this card from the deck"), Glyph::RemoveCard,
                               [this] { removeCard(); });

    command(bar, QStringLiteral("mnOptions"), QStringLiteral("&Options ..."), [this] {
        if (m_options)
            m_options->exec();
    });
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnHelp"));
    command(help, QStringLiteral("mnReadMe"), QStringLiteral("&Help ..."), [this] {
        openHelpFile(this);
    })->setShortcut(QKeySequence(Qt::Key_F1));
    command(help, QStringLiteral("mnAbout"), QStringLiteral("&About ..."), [this] {
        if (m_aboutBox)
            m_aboutBox->exec();
    });
    // The standard keys of a desktop program (above); Ctrl+Delete clears the card like the
    // button.
    command(this, QStringLiteral("ClearShortcut"), QStringLiteral("Clear all pictures"), [this] {
        ClearCells();
        ClearFileSelections();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    // F2 edits the label of the picture that has the focus, as it renames in a file manager.
    command(this, QStringLiteral("EditLabelShortcut"), QStringLiteral("Edit label"), [this] {
        for (size_t i = 0; i < CellImages.size(); ++i) {
            if (CellImages[i] && CellImages[i]->hasFocus())
                editLabel(int(i));
        }
    })->setShortcut(QKeySequence(Qt::Key_F2));
}

void TFerloMainForm::createToolBar() {
    ToolBar1 = new QToolBar(ClientArea);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setAutoFillBackground(true);
    ToolBar1->setBackgroundRole(QPalette::Button);

    const auto separator = [this] {
        auto* space = new QWidget(ToolBar1);
        space->setFixedWidth(8);
        ToolBar1->addWidget(space);
    };
    const auto button = [this](const QString& name, Glyph glyph, const QString& hint,
                               bool checkable) {
        auto* action = new QAction(glyphIcon(glyph), hint, this);
        action->setObjectName(name);
        action->setToolTip(hint);
        action->setCheckable(checkable);
        ToolBar1->addAction(action);
        if (QWidget* widget = ToolBar1->widgetForAction(action)) {
            widget->setObjectName(name + QStringLiteral("Button"));
            widget->setFixedSize(25, 22);
            // Reachable with Tab and pressed with Space, like any button.
            widget->setFocusPolicy(Qt::TabFocus);
            widget->setAccessibleName(hint);
        }
        return action;
    };
    const auto pushButton = [this](const QString& name, const QString& caption, int width) {
        auto* push = new QPushButton(caption, ToolBar1);
        push->setObjectName(name);
        push->setFixedSize(width, 22);
        push->setFont(boldFont(QStringLiteral("Arial"), 13));
        // Tab reaches it between its neighbours, as it does the tool buttons.
        push->setFocusPolicy(Qt::TabFocus);
        ToolBar1->addWidget(push);
        return push;
    };

    // A count button carries its count.
    CountGroup = new QActionGroup(this);
    const std::pair<int, Glyph> counts[] = {{1, Glyph::Digit1},
                                            {2, Glyph::Digit2},
                                            {4, Glyph::Digit4},
                                            {6, Glyph::Digit6},
                                            {8, Glyph::Digit8}};
    for (const auto& [count, glyph] : counts) {
        QAction* action = button(QStringLiteral("TB%1PerPage").arg(count), glyph,
                                 count == 1 ? QStringLiteral("1 Image Per Page")
                                            : QStringLiteral("%1 Images Per Page").arg(count),
                                 true);
        action->setData(count);
        action->setChecked(count == 4);
        CountGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] { TBNumPerPageClick(action); });
    }
    separator();

    auto* orientationGroup = new QActionGroup(this);
    TBPortrait = button(QStringLiteral("TBPortrait"), Glyph::Portrait,
                        QStringLiteral("Portrait Orientation"), true);
    TBLandScape = button(QStringLiteral("TBLandScape"), Glyph::Landscape,
                         QStringLiteral("Landscape Orientation"), true);
    for (QAction* action : {TBPortrait, TBLandScape}) {
        orientationGroup->addAction(action);
        bind(action, &QAction::triggered, [this] { TBOrientationClick(); });
    }
    TBLandScape->setChecked(true);
    separator();

    TBCutLines = button(QStringLiteral("TBCutLines"), Glyph::CutLines, QString(), true);
    ToolBar1->widgetForAction(TBCutLines)->setAccessibleName(QStringLiteral("Cut Lines"));
    TBCutLines->setChecked(true);
    bind(TBCutLines, &QAction::triggered, [this] { ToggleCutLines(); });
    separator();

    PBToggleLabels =
        pushButton(QStringLiteral("PBToggleLabels"), QStringLiteral("&Labels Off"), 81);
    bind(PBToggleLabels, &QPushButton::clicked, [this] { PBToggleLabelsClick(); });
    separator();

    auto* caseGroup = new QActionGroup(this);
    TBUpperLabels = button(QStringLiteral("TBUpperLabels"), Glyph::UpperA,
                           QStringLiteral("Uppercase Labels"), true);
    TBLowerLabels = button(QStringLiteral("TBLowerLabels"), Glyph::LowerA,
                           QStringLiteral("Lowercase Labels"), true);
    for (QAction* action : {TBUpperLabels, TBLowerLabels}) {
        caseGroup->addAction(action);
        bind(action, &QAction::triggered, [this] { SetAllLabelsCase(); });
    }
    TBUpperLabels->setChecked(true);
    separator();

    QPushButton* clear = pushButton(QStringLiteral("PBClear"), QStringLiteral("Clear"), 53);
    clear->setToolTip(QStringLiteral("Clear all pictures"));
    bind(clear, &QPushButton::clicked, [this] {
        ClearCells();
        ClearFileSelections();
    });
    separator();

    QAction* print =
        button(QStringLiteral("TBPrint"), Glyph::Printer, QStringLiteral("Print Flashcard"), false);
    bind(print, &QAction::triggered, [this] { printCard(this, deckPages()); });
    separator();

    // The deck: which card is on screen, and the card commands of the Card menu.
    const auto cardButton = [this](QAction* action) {
        ToolBar1->addAction(action);
        if (QWidget* widget = ToolBar1->widgetForAction(action)) {
            widget->setObjectName(action->objectName() + QStringLiteral("Button"));
            widget->setFixedSize(25, 22);
            widget->setFocusPolicy(Qt::TabFocus);
            widget->setAccessibleName(action->toolTip());
        }
    };
    cardButton(TBPreviousCard);
    LABCardNumber = new QLabel(ToolBar1);
    LABCardNumber->setObjectName(QStringLiteral("LABCardNumber"));
    LABCardNumber->setTextFormat(Qt::PlainText);
    LABCardNumber->setAlignment(Qt::AlignCenter);
    LABCardNumber->setMinimumWidth(84);
    ToolBar1->addWidget(LABCardNumber);
    cardButton(TBNextCard);
    cardButton(TBNewCard);
    cardButton(TBRemoveCard);
}

void TFerloMainForm::createBrowser() {
    Panel1 = panel(ClientArea, QStringLiteral("Panel1"));
    Panel2 = panel(Panel1, QStringLiteral("Panel2"));
    Panel3 = panel(Panel1, QStringLiteral("Panel3"));
    Panel4 = panel(Panel1, QStringLiteral("Panel4"));
    Panel5 = panel(Panel1, QStringLiteral("Panel5"));
    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel2 = new QFrame(Panel1);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    for (QFrame* bevel : {Bevel1, Bevel2}) {
        bevel->setFrameShape(QFrame::Panel);
        bevel->setFrameShadow(QFrame::Raised);
        bevel->setLineWidth(1);
    }

    LABSelect = new QLabel(selectCaption(1), Panel2);
    LABSelect->setObjectName(QStringLiteral("LABSelect"));
    LABSelect->setTextFormat(Qt::PlainText);
    LABSelect->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    LABSelect->move(6, 8);
    LABSelect->setMinimumWidth(kBrowserWidth - 12);

    DriveComboBox1 = new DriveComboBox(Panel3);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 7, 153, 20);
    DriveComboBox1->setAccessibleName(QStringLiteral("Drives"));

    DirectoryListBox1 = new DirectoryListBox(Panel4);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new FileListBox(Panel5);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    DirectoryListBox1->setAccessibleName(QStringLiteral("Folders"));
    FileListBox1->setAccessibleName(QStringLiteral("Picture files"));

    connect(DriveComboBox1, &DriveComboBox::driveChosen, this,
            [this](const QString& root) { runGuarded(this, [&] { browseTo(root); }); });
    connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, this,
            [this](const QString& directory) {
                DriveComboBox1->showRootOf(directory);
                FileListBox1->setDirectory(directory);
            });
    connect(DirectoryListBox1, &DirectoryListBox::directoryFailed, this,
            [this](const QString&, const QString& reason) { showError(this, reason); });
    connect(FileListBox1, &FileListBox::change, this,
            [this] { runGuarded(this, [this] { FileListBox1Change(); }); });
    connect(FileListBox1, &FileListBox::mouseDown, this, [this](Qt::MouseButton button) {
        runPlacing([this, button] { FileListBox1MouseDown(button); });
        noteCardChanged();
    });
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
    PACard->setAutoFillBackground(true);
    QPalette cardPalette = PACard->palette();
    cardPalette.setColor(QPalette::Window, Qt::white);
    PACard->setPalette(cardPalette);
    PACard->setGeometry(15, 50, 594, 420);
    PACardBase->setAccessibleName(QStringLiteral("Card area"));
    PACard->setAccessibleName(QStringLiteral("Card"));

    StatusBar1 = new QStatusBar(ClientArea);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
}

void TFerloMainForm::layoutClientArea(QSize client) {
    const int width = client.width();
    const int height = client.height();
    const int middle = height - kToolBarHeight - kStatusBarHeight;
    ToolBar1->setGeometry(0, 0, width, kToolBarHeight);
    StatusBar1->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
    Panel1->setGeometry(0, kToolBarHeight, kBrowserWidth, middle);
    PACardBase->setGeometry(kBrowserWidth, kToolBarHeight, width - kBrowserWidth, middle);

    // The browser from top to bottom: caption, drive box, bevel, directories, bevel, files.
    int top = 0;
    const auto stack = [&](QWidget* widget, int h) {
        widget->setGeometry(0, top, kBrowserWidth, h);
        top += h;
    };
    stack(Panel2, 32);
    stack(Panel3, 32);
    stack(Bevel1, 4);
    stack(Panel4, 123);
    stack(Bevel2, 4);
    stack(Panel5, qMax(0, middle - top));
    DirectoryListBox1->setGeometry(Panel4->rect());
    FileListBox1->placeIn(Panel5->rect());
}

bool TFerloMainForm::browseTo(const QString& directory) {
    if (DirectoryListBox1->setDirectory(directory))
        return true;
    showError(this, DirectoryListBox1->lastError());
    return false;
}

QString TFerloMainForm::shownDirectory() const {
    return DirectoryListBox1->directory();
}

// ---------------------------------------------------------------------------------------------
// Start-up and the commands that change the shape of the card

void TFerloMainForm::FormCreate() {
    move(0, 0);
    Card = TCard();
    Card.LabelsOn = true;
    Card.ScreenScale = 1.0;

    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    QSize designed(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height());
    if (screenWidth > 800) {
        Card.ScreenScale = 1024 / 800.0;
        designed = QSize(1024, 768);
    }
    // The card base takes its size now, so that the card is centred in it. (A window that is
    // not used, on a narrow screen, keeps the designed size.)
    openAt(designed, screenWidth >= 800);
    if (screenWidth < 800) {
        showError(this, QStringLiteral(
                            "This application requires a screen resolution of 800x600 or higher."));
        m_terminateRequested = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    for (int i = 0; i < 8; ++i) {
        auto* image = new PictureControl(PACard);
        image->setObjectName(QStringLiteral("Cell%1").arg(i));
        connect(image, &PictureControl::mouseDown, this, [this, i](Qt::MouseButton button) {
            runGuarded(this, [&] { ImageMouseDown(i, button); });
            noteCardChanged();
        });
        CellImages[i] = image;
        auto* label = new QLabel(PACard);
        label->setObjectName(QStringLiteral("CellLabel%1").arg(i));
        // A label word is shown as it is written, never read as markup, so it is drawn as wide
        // as it was measured.
        label->setTextFormat(Qt::PlainText);
        label->hide();
        CellLabels[i] = label;
    }
    // A double click on a label's band edits the word in place.
    CellLabelEditor = new LabelEditor(PACard);
    connect(CellLabelEditor, &LabelEditor::cardDoubleClicked, this, [this](QPoint at) {
        for (int i = 0; i < Card.PicturesPerPage && i < int(Cells.size()); ++i) {
            const TRect band = LabelBand(Card, Cells[size_t(i)].Left, Cells[size_t(i)].Top);
            if (QRect(band.Left, band.Top, band.width(), band.height()).contains(at))
                runGuarded(this, [&] { editLabel(i); });
        }
    });
    connect(CellLabelEditor, &LabelEditor::kept, this, [this](int index, const QString& word) {
        runGuarded(this, [&] { keepLabelWord(index, word); });
        noteCardChanged();
    });
    for (size_t k = 0; k < CutLines.size(); ++k) {
        CutLines[k] = new TLine(PACard);
        CutLines[k]->setObjectName(QStringLiteral("CutLine%1").arg(k));
        CutLines[k]->hide();
    }

    TBNumPerPageClick(CountGroup->checkedAction());
    SetOrientation();
    ToggleCutLines();
    Card.LayoutCells(Cells);
    Card.ResetCells(Cells);
    m_openingBase = PACardBase->size();
    m_openingScale = Card.ScreenScale;
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
    const CardSize card = CardSizeFor(false, Card.ScreenScale);
    Card.ScreenScale = std::min(
        Card.ScreenScale,
        ScreenScaleForRoom(false, PACardBase->width() - (designedBase.width() - card.Width),
                           PACardBase->height() - (designedBase.height() - card.Height)));
}

void TFerloMainForm::TBNumPerPageClick(const QAction* Sender) {
    const int count = Sender ? Sender->data().toInt() : 0;
    if (count == 0 || count == Card.PicturesPerPage)
        return;
    Card.PicturesPerPage = count;
    LABSelect->setText(selectCaption(count));
    LABSelect->adjustSize();
    ClearCells();
    ClearFileSelections();
    Card.LayoutCells(Cells);
    Card.ResetCells(Cells);
    ToggleCutLines();
}

void TFerloMainForm::SetOrientation() {
    const bool portrait = TBPortrait->isChecked();
    // Once the window is open, the card takes the largest size that its base holds with the
    // opening's margins (the opening size at the opening base).
    if (!m_openingBase.isEmpty()) {
        Card.ScreenScale =
            ScreenScaleForBase(portrait, m_openingScale, m_openingBase.width(),
                               m_openingBase.height(), PACardBase->width(), PACardBase->height());
    }
    Card.SetCardSize(portrait);
    PACard->resize(Card.CardWidth, Card.CardHeight);
    const int top = (PACardBase->height() - PACard->height()) / 2;
    const int left = (PACardBase->width() - PACard->width()) / 2;
    PACard->move(left, top);
}

void TFerloMainForm::TBOrientationClick() {
    if ((Card.Portrait && TBPortrait->isChecked()) || (!Card.Portrait && TBLandScape->isChecked()))
        return;
    SetOrientation();
    Card.LayoutCells(Cells);
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
    Card.LayoutCells(Cells);
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

void TFerloMainForm::display_picture(TCell& cell, PictureControl* image) {
    PicturePass pass(*this);
    const QString path = pathFromModel(cell.FileName);
    const int areaWidth = Card.PictureWidth;
    const int areaHeight = Card.PictureHeight;
    const double areaAspect = Card.PictureAspect;
    const qreal pixelRatio = devicePixelRatioF();
    WorkerSlots<PreparedPicture> work(1);
    work.start(0,
               [=] { return preparePicture(path, areaWidth, areaHeight, areaAspect, pixelRatio); });
    PreparedPicture prepared;
    try {
        prepared = work.takeServingEvents(0);
    } catch (...) {
        showUnreadable(cell, image);
        throw;
    }
    applyPicture(cell, image, prepared.ownSize, prepared.fitted.Width, prepared.fitted.Height,
                 prepared.shown);
    if (prepared.partial)
        notePartialPictures({path});
}

void TFerloMainForm::notePartialPictures(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    StatusBar1->showMessage(
        paths.size() == 1 ? QStringLiteral("%1: the picture is damaged and shows only in part")
                                .arg(displayName(paths.first()))
                          : QStringLiteral("These pictures are damaged and show only in part: %1")
                                .arg(displayName(paths.join(QStringLiteral(", ")))));
}

void TFerloMainForm::showUnreadable(const TCell& cell, PictureControl* image) {
    // The cell keeps its file, so the control marks the picture area for the user to take it
    // off: a dotted outline, the file's name as its hint, a press like a picture's.
    image->hide();
    const CardPoint at =
        PicturePosition(Card, cell.Left, cell.Top, {Card.PictureWidth, Card.PictureHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, Card.PictureWidth), qMax(0, Card.PictureHeight));
    const QString path = pathFromModel(cell.FileName);
    image->setUnreadable(displayName(path));
    image->setAccessibleName(
        QStringLiteral("Picture %1 that cannot be shown: %2")
            .arg(QString::number(&cell - Cells.data() + 1), displayName(fileNamePart(path))));
    image->show();
}

void TFerloMainForm::applyPicture(TCell& cell, PictureControl* image, QSize ownSize,
                                  int fittedWidth, int fittedHeight, const QImage& shown) {
    cell.ImageWidth = fittedWidth;
    cell.ImageHeight = fittedHeight;
    cell.ImageAspect = double(ownSize.height()) / double(ownSize.width());

    image->hide();
    const CardPoint at = PicturePosition(Card, cell.Left, cell.Top, {fittedWidth, fittedHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, fittedWidth), qMax(0, fittedHeight));
    image->setPicture(shown);
    image->setToolTip(displayName(pathFromModel(cell.FileName)));
    image->setAccessibleName(QStringLiteral("Picture %1: %2")
                                 .arg(QString::number(&cell - Cells.data() + 1),
                                      displayName(fileNamePart(pathFromModel(cell.FileName)))));
    image->show();
}

void TFerloMainForm::Display_All_Pictures() {
    fitAllPictures(true, true);
}

QStringList TFerloMainForm::fitAllPictures(bool throwErrors, bool serveEvents) {
    WaitCursor hourglass;
    PicturePass pass(*this);
    // The pictures are decoded side by side on worker threads and placed in cell order; an
    // error ends the pass at its cell, and the pass waits for every worker before it returns.
    // The cache gives back a picture already decoded with enough pixels for the new size.
    const int areaWidth = Card.PictureWidth;
    const int areaHeight = Card.PictureHeight;
    const double areaAspect = Card.PictureAspect;
    const qreal pixelRatio = devicePixelRatioF();
    WorkerSlots<PreparedPicture> work(Cells.size());
    QStringList partial;
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (Cells[i].FileName.empty())
            continue;
        const QString path = pathFromModel(Cells[i].FileName);
        work.start(
            i, [=] { return preparePicture(path, areaWidth, areaHeight, areaAspect, pixelRatio); });
    }
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (!work.started(i))
            continue;
        PreparedPicture prepared;
        try {
            prepared = serveEvents ? work.takeServingEvents(i) : work.take(i);
        } catch (...) {
            if (throwErrors)
                throw;
            // Following the window's size is no command of the user's: a picture that can no
            // longer be read leaves its cell empty-looking, as a failed pick does, silently.
            showUnreadable(Cells[i], CellImages[i]);
            continue;
        }
        applyPicture(Cells[i], CellImages[i], prepared.ownSize, prepared.fitted.Width,
                     prepared.fitted.Height, prepared.shown);
        if (prepared.partial)
            partial << pathFromModel(Cells[i].FileName);
    }
    return partial;
}

QString TFerloMainForm::SetLabelCase(const QString& text) const {
    return labelInCase(text, TBUpperLabels->isChecked());
}

QString TFerloMainForm::cellLabelText(const TCell& cell) const {
    return displayName(SetLabelCase(labelWord(cell)));
}

void TFerloMainForm::Display_Label(int index) {
    if (index < 0 || index >= int(Cells.size()) || index >= int(CellLabels.size()))
        return;
    const TCell& cell = Cells[size_t(index)];
    QLabel* label = CellLabels[size_t(index)];
    const QString text = cellLabelText(cell);
    const TRect band = LabelBand(Card, cell.Left, cell.Top);

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(qMax(1, Card.LabelFontSize));
    font.setBold(true);
    label->setWordWrap(false);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(band.Left, band.Top, band.width(), band.height());

    // The label takes the largest point size at which the text fits the band's width.
    QFont trial = font;
    TestLabel->setText(text);
    trial.setPointSize(LargestFittingSize(font.pointSize(), [&](int points) {
        trial.setPointSize(points);
        return QFontMetrics(trial, TestLabel).horizontalAdvance(text) <= band.width();
    }));
    TestLabel->setFont(trial);
    label->setFont(trial);
    if (Card.LabelsOn)
        label->show();
}

void TFerloMainForm::editLabel(int index) {
    if (!Card.LabelsOn || index < 0 || index >= Card.PicturesPerPage ||
        index >= int(Cells.size()) || index >= int(CellLabels.size()))
        return;
    const TCell& cell = Cells[size_t(index)];
    if (cell.FileName.empty())
        return;
    // The editor shows the word as the user typed it (or as the file name has it): the card's
    // case applies to what is kept, so a word keeps its own case from one edit to the next.
    CellLabelEditor->open(index, CellLabels[size_t(index)], displayName(labelWord(cell)));
}

void TFerloMainForm::keepLabelWord(int index, const QString& word) {
    if (index < 0 || index >= int(Cells.size()))
        return;
    TCell& cell = Cells[size_t(index)];
    if (cell.FileName.empty())
        return;
    // A label is one line of plain text: control characters (a pasted line break) become
    // blanks, and blanks at the ends would only push the centred word aside. A blank word gives
    // the cell back the file name's word.
    QString kept = word;
    for (QChar& c : kept) {
        if (c.unicode() < 32 || c.unicode() == 127)
            c = QLatin1Char(' ');
    }
    kept = kept.trimmed();
    // A word too long for a label is refused, and the cell keeps the word it had.
    if (const QString fault = labelLengthFault(kept); !fault.isEmpty())
        throw Error(QStringLiteral("Cannot keep the label word of card %1, cell %2: %3.")
                        .arg(m_deck.current() + 1)
                        .arg(index + 1)
                        .arg(fault));
    if (kept.isEmpty())
        cell.EditedLabel.reset();
    else
        cell.EditedLabel = kept.toStdString();
    Display_Label(index);
    ToggleLabels();
}

void TFerloMainForm::Display_All_Labels() {
    for (int i = 0; i < int(CellLabels.size()); ++i) {
        if (!CellLabels[size_t(i)]->text().isEmpty())
            Display_Label(i);
    }
}

void TFerloMainForm::SetAllLabelsCase() {
    for (int i = 0; i < Card.PicturesPerPage; ++i)
        Display_Label(i);
}

void TFerloMainForm::setLabelsSwitch(bool on) {
    Card.LabelsOn = on;
    PBToggleLabels->setToolTip(on ? QStringLiteral("Turn Labels Off")
                                  : QStringLiteral("Turn Labels on"));
    TBUpperLabels->setVisible(on);
    TBLowerLabels->setVisible(on);
    PBToggleLabels->setText(on ? QStringLiteral("&Labels Off") : QStringLiteral("&Labels On"));
}

void TFerloMainForm::PBToggleLabelsClick() {
    setLabelsSwitch(!Card.LabelsOn);
    Card.LayoutCells(Cells);
    // Labels follow the switch even when a picture can no longer be read: the error still
    // reaches the user, but no label stays shown while labels are off.
    try {
        Display_All_Pictures();
    } catch (...) {
        ToggleLabels();
        throw;
    }
    ToggleLabels();
}

void TFerloMainForm::ToggleLabels() {
    for (int i = 0; i < Card.PicturesPerPage && i < int(CellLabels.size()); ++i) {
        QLabel* label = CellLabels[size_t(i)];
        label->setVisible(Card.LabelsOn && !isBlankLabel(label->text()));
    }
}

// ---------------------------------------------------------------------------------------------
// Cut lines

void TFerloMainForm::ToggleCutLines() {
    for (TLine* line : CutLines)
        line->hide();
    if (!TBCutLines->isChecked()) {
        TBCutLines->setToolTip(QStringLiteral("Turn Cutlines On"));
        return;
    }
    TBCutLines->setToolTip(QStringLiteral("Turn Cutlines Off"));
    const auto segments =
        ScreenCutLines(Card.PicturesPerPage, Card.Portrait, PACard->width(), PACard->height());
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
        const std::string path =
            pathToModel(joinPath(shownDirectory(), FileListBox1->itemName(current)));
        for (size_t i = 0; i < Cells.size(); ++i) {
            if (Cells[i].FileName == path) {
                ClearCell(int(i));
                break;
            }
        }
    }

    // On a full card a click that has just selected a further file is undone.
    if (Card.PictureCount == Card.PicturesPerPage && current >= 0)
        FileListBox1->item(current)->setSelected(false);

    placeInFreeCell(pathToModel(FileListBox1->fileName()));
}

void TFerloMainForm::placeInFreeCell(const std::string& fileName) {
    for (const TCell& cell : Cells) {
        if (cell.FileName == fileName)
            return;
    }

    WaitCursor hourglass;
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (!Cells[i].FileName.empty())
            continue;
        ++Card.PictureCount;
        Cells[i].FileName = fileName;
        Cells[i].EditedLabel.reset();
        display_picture(Cells[i], CellImages[i]);
        Display_Label(int(i));
        break;
    }
}

void TFerloMainForm::openFiles(const QStringList& paths) {
    // A file is a picture when the file list would list it in its folder; a deck file is one
    // whose name ends in .ferlo.
    QStringList pictures;
    QStringList decks;
    QStringList missing;
    QStringList others;
    for (const QString& given : paths) {
        const QFileInfo info(given);
        const QString path = info.absoluteFilePath();
        const QString folder = directoryPart(path);
        const bool address = given.contains(QLatin1String("://"));
        if (info.isFile() && isDeckFileName(path))
            decks << path;
        else if (info.isFile() && pictureFilesIn(folder).contains(fileNamePart(path)))
            pictures << path;
        else if (!address && !info.exists())
            missing << path;
        else
            others << (info.isAbsolute() || address ? given : path);
    }
    // What could not be placed is told in one message once the rest is placed: files not found,
    // files that are not pictures, and pictures that failed to load, each with its cause.
    QStringList problems;
    const auto named = [&](const QStringList& files, const QString& one, const QString& several) {
        if (!files.isEmpty())
            problems << (files.size() == 1 ? one : several) +
                            displayName(files.join(QStringLiteral(", ")));
    };
    named(missing, QStringLiteral("This file was not found: "),
          QStringLiteral("These files were not found: "));
    named(others, QStringLiteral("This file is not a picture: "),
          QStringLiteral("These files are not pictures: "));
    const auto tell = qScopeGuard([&] {
        if (!problems.isEmpty())
            showError(this, problems.join(QLatin1Char('\n')));
    });
    if (decks.size() > 1) {
        showError(this, QStringLiteral("One deck opens at a time; not opened: ") +
                            displayName(decks.mid(1).join(QStringLiteral(", "))));
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
        const bool onCard = std::any_of(Cells.begin(), Cells.end(), [&](const TCell& cell) {
            return cell.FileName == pathToModel(path);
        });
        if (!onCard && Card.PictureCount >= Card.PicturesPerPage)
            newCard();
        if (firstCard < 0)
            firstCard = m_deck.current();
        if (directoryPart(path) != shown) {
            // No list item shows it: it goes on the card as if picked in its own folder; the list
            // selects it when the user browses there.
            if (Card.PictureCount < Card.PicturesPerPage)
                runPlacing([&] { placeInFreeCell(pathToModel(path)); });
            continue;
        }
        const QString name = fileNamePart(path);
        for (int row = 0; row < FileListBox1->count(); ++row) {
            // A picture already on the card stays; a pick would take it off.
            if (FileListBox1->itemName(row) == name && !FileListBox1->item(row)->isSelected()) {
                FileListBox1->pick(row);
                break;
            }
        }
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
    for (const TCell& cell : Cells) {
        const QString path = pathFromModel(cell.FileName);
        if (directoryPart(path) != shown)
            continue;
        const QString name = fileNamePart(path);
        for (int j = 0; j < FileListBox1->count(); ++j) {
            if (j != justUnselected && FileListBox1->itemName(j) == name)
                FileListBox1->item(j)->setSelected(true);
        }
    }
}

void TFerloMainForm::ClearCell(int index) {
    if (index < 0 || index >= int(Cells.size()))
        return;
    TCell& cell = Cells[size_t(index)];
    const bool heldPicture = !cell.FileName.empty();
    cell.FileName.clear();
    cell.EditedLabel.reset();
    CellLabels[size_t(index)]->setText(QString());
    CellLabels[size_t(index)]->hide();
    CellImages[size_t(index)]->clearPicture();
    if (heldPicture)
        --Card.PictureCount;
}

void TFerloMainForm::ClearCells() {
    for (TCell& cell : Cells) {
        cell.FileName.clear();
        cell.EditedLabel.reset();
    }
    for (size_t i = 0; i < CellImages.size(); ++i) {
        CellLabels[i]->setText(QString());
        CellLabels[i]->hide();
        CellImages[i]->clearPicture();
    }
    Card.PictureCount = 0;
}

void TFerloMainForm::ClearFileSelections() {
    for (int j = 0; j < FileListBox1->count(); ++j)
        FileListBox1->item(j)->setSelected(false);
}

// ---------------------------------------------------------------------------------------------
// Picture click

void TFerloMainForm::ImageMouseDown(int index, Qt::MouseButton Button) {
    // A control beyond the cells of the current layout has no cell: the press does nothing.
    if (index < 0 || index >= int(Cells.size()))
        return;
    const QString fileName = pathFromModel(Cells[size_t(index)].FileName);

    if (Button == Qt::LeftButton) {
        if (fileName.isEmpty())
            return;
        const QString sound = findSoundFile(soundFilePath(fileName));
        if (sound.isEmpty())
            return;
        MediaPlayer1->setFileName(sound);
        MediaPlayer1->open();
        MediaPlayer1->play();
    } else if (Button == Qt::RightButton) {
        if (directoryPart(fileName) == shownDirectory()) {
            const QString name = fileNamePart(fileName);
            for (int j = 0; j < FileListBox1->count(); ++j) {
                if (FileListBox1->itemName(j) == name) {
                    FileListBox1->item(j)->setSelected(false);
                    break;
                }
            }
        }
        ClearCell(index);
    }
}

// ---------------------------------------------------------------------------------------------
// The deck

DeckCard TFerloMainForm::shownCard() const {
    return deckCardOf(Card, Cells, TBUpperLabels->isChecked(), TBCutLines->isChecked());
}

void TFerloMainForm::noteCardChanged() {
    // Nothing to hand over before start-up has built the card.
    if (m_openingBase.isEmpty())
        return;
    m_deck.update(shownCard());
    updateDeckControls();
}

void TFerloMainForm::showCard(int index) {
    noteCardChanged();
    if (index == m_deck.current() || !m_deck.select(index))
        return;
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
}

void TFerloMainForm::applyDeckCard(const DeckCard& deckCard) {
    // The toolbar shows the card's count, orientation and switches; checking a button runs no
    // handler, so nothing is cleared or fitted twice.
    for (QAction* action : CountGroup->actions()) {
        if (action->data().toInt() == deckCard.perPage)
            action->setChecked(true);
    }
    (deckCard.portrait ? TBPortrait : TBLandScape)->setChecked(true);
    TBCutLines->setChecked(deckCard.cutLines);
    (deckCard.upperCase ? TBUpperLabels : TBLowerLabels)->setChecked(true);
    setLabelsSwitch(deckCard.labels);

    // Then the card is built as a change of count builds it, and filled as if its pictures had
    // been picked: labels first, then the pictures.
    ClearCells();
    Card.PicturesPerPage = deckCard.perPage;
    LABSelect->setText(selectCaption(deckCard.perPage));
    LABSelect->adjustSize();
    SetOrientation();
    Card.LayoutCells(Cells);
    fillCells(deckCard, Card, Cells);
    ToggleCutLines();
    for (int i = 0; i < int(Cells.size()); ++i) {
        if (!Cells[size_t(i)].FileName.empty())
            Display_Label(i);
    }
    ToggleLabels();
    // Coming back to a card is no command about one picture: a picture that cannot be shown
    // leaves its cell empty-looking, as after a resize (opening a deck names the missing ones).
    // The window keeps painting while a card of big pictures loads.
    notePartialPictures(fitAllPictures(false, true));
    // The file list mirrors the card on screen, as after browsing away and back.
    ClearFileSelections();
    selectCardFiles(-1);
}

void TFerloMainForm::newCard() {
    noteCardChanged();
    m_deck.insertAfterCurrent(emptyCardLike(m_deck.currentCard()));
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
}

void TFerloMainForm::removeCard() {
    noteCardChanged();
    if (!m_deck.removeCurrent())
        return;
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
}

void TFerloMainForm::newDeck() {
    if (!maybeSaveChanges())
        return;
    m_deck.reset(Deck{}, std::string());
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
}

void TFerloMainForm::startDeck(const DeckCard& layout) {
    m_deck.reset(Deck{{emptyCardLike(layout)}}, std::string());
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
}

void TFerloMainForm::openDeckDialog() {
    const QString start =
        m_deck.path().empty() ? shownDirectory() : directoryPart(pathFromModel(m_deck.path()));
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open deck"), start,
                                                      QStringLiteral("Ferlo decks (*.ferlo)"));
    if (!path.isEmpty())
        openDeck(path);
}

bool TFerloMainForm::openDeck(const QString& given) {
    const QString path = QFileInfo(given).absoluteFilePath();
    // Read whole before anything changes or is asked: a damaged deck leaves the window as it
    // was.
    Deck deck = readDeck(path);
    if (!maybeSaveChanges())
        return false;
    const QString missing = missingPicturesMessage(path, deck);
    m_deck.reset(std::move(deck), pathToModel(path));
    // The browser shows the folder of the first card's first picture, else the deck's own.
    QString folder = directoryPart(path);
    for (const std::optional<DeckCell>& cell : m_deck.currentCard().cells) {
        if (cell && pathKind(pathFromModel(cell->picture)) != PathKind::Missing) {
            folder = directoryPart(pathFromModel(cell->picture));
            break;
        }
    }
    if (folder != shownDirectory())
        browseTo(folder);
    applyDeckCard(m_deck.currentCard());
    updateDeckControls();
    if (!missing.isEmpty())
        showError(this, missing);
    return true;
}

bool TFerloMainForm::saveDeck() {
    if (m_deck.path().empty())
        return saveDeckAs();
    writeDeckTo(pathFromModel(m_deck.path()));
    return true;
}

bool TFerloMainForm::saveDeckAs() {
    const QString start = m_deck.path().empty()
                              ? joinPath(shownDirectory(), QStringLiteral("deck.ferlo"))
                              : pathFromModel(m_deck.path());
    const QString path =
        askSaveFileName(this, QStringLiteral("Save deck"), start,
                        QStringLiteral("Ferlo decks (*.ferlo)"), QStringLiteral("ferlo"));
    if (path.isEmpty())
        return false;
    writeDeckTo(QFileInfo(path).absoluteFilePath());
    return true;
}

void TFerloMainForm::writeDeckTo(const QString& path) {
    noteCardChanged();
    writeDeck(path, m_deck.deck());
    m_deck.saved(pathToModel(path));
    updateDeckControls();
}

bool TFerloMainForm::maybeSaveChanges() {
    noteCardChanged();
    if (!m_deck.modified())
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ferlo"),
                    QStringLiteral("Save the changes to %1?").arg(deckName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("UnsavedChanges"));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QStringLiteral("The changes are lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDeck();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString TFerloMainForm::deckName() const {
    if (m_deck.path().empty())
        return QStringLiteral("Untitled deck");
    return displayName(fileNamePart(pathFromModel(m_deck.path())));
}

void TFerloMainForm::updateDeckControls() {
    setWindowTitle(QStringLiteral("%1[*] - Ferlo").arg(deckName()));
    setWindowModified(m_deck.modified());
    LABCardNumber->setText(
        QStringLiteral("Card %1 of %2").arg(m_deck.current() + 1).arg(m_deck.count()));
    TBPreviousCard->setEnabled(m_deck.current() > 0);
    TBNextCard->setEnabled(m_deck.current() + 1 < m_deck.count());
    TBRemoveCard->setEnabled(m_deck.count() > 1);
}

void TFerloMainForm::closeEvent(QCloseEvent* event) {
    bool close = m_closeConfirmed;
    if (!close)
        runGuarded(this, [&] { close = maybeSaveChanges(); });
    m_closeConfirmed = close;
    if (close)
        event->accept();
    else
        event->ignore();
}

QList<CardPage> TFerloMainForm::deckPages() const {
    QList<CardPage> pages;
    for (int i = 0; i < m_deck.count(); ++i) {
        if (i == m_deck.current()) {
            pages << currentPage();
            continue;
        }
        // A card off screen prints as it would show: a picture that is not there is passed over.
        const DeckCard& card = m_deck.deck().cards[size_t(i)];
        QList<bool> loaded;
        for (const std::optional<DeckCell>& cell : card.cells)
            loaded << (cell && pathKind(pathFromModel(cell->picture)) != PathKind::Missing);
        pages << makeDeckCardPage(card, loaded);
    }
    return pages;
}

// ---------------------------------------------------------------------------------------------
// Printing

CardPage TFerloMainForm::currentPage() const {
    // The page prints the labels' texts as shown.
    QList<bool> loaded;
    QStringList labels;
    for (size_t i = 0; i < Cells.size(); ++i) {
        loaded << (i < CellImages.size() && CellImages[i]->hasPicture());
        labels << (i < CellLabels.size() ? CellLabels[i]->text() : QString());
    }
    return makeCardPage(Card, TBCutLines->isChecked(), Cells, loaded, labels);
}

} // namespace ferlo
