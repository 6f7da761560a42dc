#include "mainwindow/FerloMainForm.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FmxUtils.h"
#include "dialogs/Messages.h"
#include "dialogs/Options.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/SpeechDialog.h"
#include "layout/CardGeometry.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "printing/job/DuplexDialog.h"
#include "printing/job/PrintJob.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

// Building the window's controls and their geometry; the handlers are in FerloMainForm.cpp.

namespace ferlo {

namespace {

constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 18;
constexpr int kBrowserWidth = 169;

QFont sansFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
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

} // namespace

void TFerloMainForm::runCommand(const std::function<void()>& handler) {
    {
        // One command, one step of the history, whatever it changed on the way.
        const DeckHistory::Hold held(*m_history);
        runGuarded(this, handler);
    }
    noteCardChanged();
}

template <typename Sender, typename Signal, typename Handler>
void TFerloMainForm::bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { runCommand(handler); });
}

TFerloMainForm::TFerloMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("FerloMainForm"));
    //: The program's name, the window's title before a deck is shown.
    setWindowTitle(tr("Ferlo"));
    setFont(sansFont(QStringLiteral("MS Sans Serif"), 11, false));

    m_history = new DeckHistory(
        [this](const Deck& deck, int current) { restoreDeck(deck, current); }, this);
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
    MediaPlayer1 = new SoundPlayer(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    // A sound is opened after its click has returned: its failure comes back as a message.
    connect(MediaPlayer1, &SoundPlayer::failed, this,
            [this](const QString& message) { showError(this, message); });
    createRecording();

    openAt(QSize(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height()),
           false);
    ClientArea->installEventFilter(this);
    // Picture files dropped from a file manager onto the card are placed as if picked.
    PACardBase->setAcceptDrops(true);
    PACardBase->installEventFilter(this);

    browseTo(QDir::currentPath());
    runGuarded(this, [this] { FormCreate(); });
    createArrangeCommands();
    updateDeckControls();
}

TFerloMainForm::~TFerloMainForm() = default;

void TFerloMainForm::setDialogs(TAboutBox* aboutBox, TdlgOptions* options) {
    m_aboutBox = aboutBox;
    m_options = options;
    if (options)
        connect(options, &TdlgOptions::speechRequested, this, [this] { showSpeechOptions(); });
}

namespace {
// The installed voices as the speech dialogs list them.
QList<QPair<QString, QString>> voiceChoices() {
    QList<QPair<QString, QString>> voices;
    for (const SpeechVoice& voice : speechVoices())
        voices.append({voice.language, voice.name});
    return voices;
}
} // namespace

void TFerloMainForm::showSpeechOptions() {
    TdlgSpeech dialog(voiceChoices(), m_options ? static_cast<QWidget*>(m_options) : this);
    dialog.exec();
}

void TFerloMainForm::editDeckProperties() {
    const QString was = QString::fromStdString(m_deck.deck().language.value_or(std::string()));
    QString language = was;
    QList<QPair<QString, QString>> voices = voiceChoices();
    // A tag the engine has no voice of its own for ("en") is shown by the voice that speaks it.
    const bool listed = std::any_of(voices.begin(), voices.end(), [&](const auto& voice) {
        return voice.first.compare(was, Qt::CaseInsensitive) == 0;
    });
    if (!was.isEmpty() && !listed) {
        const QString speaking = voiceForLanguage(was);
        const auto found = std::find_if(voices.begin(), voices.end(),
                                        [&](const auto& voice) { return voice.first == speaking; });
        if (found != voices.end())
            voices.append({was, found->second});
    }
    if (!editDeckLanguage(this, voices, language) || language == was)
        return;
    m_deck.setLanguage(language.isEmpty() ? std::nullopt : std::optional(language.toStdString()));
    updateDeckControls();
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
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    command(file, QStringLiteral("mnNewDeck"), tr("&New deck"), [this] {
        newDeck();
    })->setShortcut(QKeySequence::New);
    command(file, QStringLiteral("mnOpenDeck"), tr("&Open deck ..."), [this] {
        openDeckDialog();
    })->setShortcut(QKeySequence::Open);
    command(file, QStringLiteral("mnSaveDeck"), tr("&Save"), [this] {
        saveDeck();
    })->setShortcut(QKeySequence::Save);
    command(file, QStringLiteral("mnSaveDeckAs"), tr("Save &as ..."), [this] {
        saveDeckAs();
    })->setShortcuts(saveAsKeys());
    file->addSeparator();
    command(file, QStringLiteral("Printsetup1"), tr("Print se&tup ..."), [this] {
        printerSetup(this);
    })->setVisible(false);
    command(file, QStringLiteral("Print1"), tr("&Print ..."), [this] {
        printDeck();
    })->setShortcut(QKeySequence::Print);
    command(file, QStringLiteral("PrintPreview1"), tr("Print Pre&view ..."),
            [this] { previewCard(this, deckPages(), m_deck.deck().duplex); });
    command(file, QStringLiteral("ExportPdf1"), tr("&Export PDF ..."), [this] {
        exportPdf();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addAction(makeWordBacksAction(this));
    command(file, QStringLiteral("mnDoubleSided"), tr("&Double-Sided Printing ..."),
            [this] { editDoubleSided(); });
    command(file, QStringLiteral("mnCalibration"), tr("Print &Calibration Sheet ..."),
            [this] { printCalibrationSheet(this, m_deck.deck().duplex); });
    file->addSeparator();
    command(file, QStringLiteral("mnDeckProperties"), tr("Deck P&roperties ..."),
            [this] { editDeckProperties(); });
    file->addSeparator();
    // Exit closes the window, which asks about unsaved changes first.
    command(file, QStringLiteral("mnExit"), tr("e&xit"), [this] {
        if (close())
            QCoreApplication::quit();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The card commands; the toolbar shows the same actions.
    QMenu* cards = bar->addMenu(tr("&Card"));
    cards->setObjectName(QStringLiteral("mnCard"));
    const auto cardCommand = [&](const QString& name, const QString& text, const QString& hint,
                                 Glyph glyph, auto handler) {
        QAction* action = command(cards, name, text, handler);
        action->setIcon(glyphIcon(glyph));
        action->setToolTip(hint);
        return action;
    };
    TBPreviousCard =
        cardCommand(QStringLiteral("TBPreviousCard"), tr("&Previous card"), tr("Previous card"),
                    Glyph::PreviousCard, [this] { showCard(m_deck.current() - 1); });
    TBPreviousCard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    TBNextCard = cardCommand(QStringLiteral("TBNextCard"), tr("&Next card"), tr("Next card"),
                             Glyph::NextCard, [this] { showCard(m_deck.current() + 1); });
    TBNextCard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    cards->addSeparator();
    TBNewCard = cardCommand(QStringLiteral("TBNewCard"), tr("N&ew card"),
                            tr("New card after this one"), Glyph::NewCard, [this] { newCard(); });
    TBNewCard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    TBRemoveCard = cardCommand(QStringLiteral("TBRemoveCard"), tr("&Remove card"),
                               tr("Remove this card from the deck"), Glyph::RemoveCard,
                               [this] { removeCard(); });
    command(cards, QStringLiteral("mnLayout"), tr("&Layout ..."), [this] { chooseLayout(); });
    command(cards, QStringLiteral("mnActivity"), tr("Make &Activity ..."),
            [this] { makeActivity(); });
    cards->addSeparator();
    // Checked, it waits for the click on the picture whose word is to be recorded.
    TBRecord = cardCommand(QStringLiteral("TBRecord"), tr("Re&cord"),
                           tr("Record: then click the picture whose word to record"), Glyph::Record,
                           [] {});
    TBRecord->setCheckable(true);
    TBRecord->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    command(bar, QStringLiteral("mnOptions"), tr("&Options ..."), [this] {
        if (m_options)
            m_options->exec();
    });
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnHelp"));
    command(help, QStringLiteral("mnReadMe"), tr("&Help ..."), [this] {
        openHelpFile(this);
    })->setShortcut(QKeySequence(Qt::Key_F1));
    command(help, QStringLiteral("mnAbout"), tr("&About ..."), [this] {
        if (m_aboutBox)
            m_aboutBox->exec();
    });
    // The standard keys of a desktop program (above); Ctrl+Delete clears the card like the
    // button.
    command(this, QStringLiteral("ClearShortcut"), tr("Clear all pictures"), [this] {
        ClearCells();
        ClearFileSelections();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    // F2 edits the label of the picture that has the focus, as it renames in a file manager.
    command(this, QStringLiteral("EditLabelShortcut"), tr("Edit label"), [this] {
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

    const auto button = [&](const QString& name, Glyph glyph, const QString& hint, bool checkable) {
        auto* action = new QAction(glyphIcon(glyph), hint, this);
        action->setObjectName(name);
        action->setToolTip(hint);
        action->setCheckable(checkable);
        addToolButton(action);
        return action;
    };
    const auto pushButton = [this](const QString& name, const QString& caption, int width) {
        auto* push = new QPushButton(caption, ToolBar1);
        push->setObjectName(name);
        push->setFixedSize(width, 22);
        push->setFont(sansFont(QStringLiteral("Arial"), 13, true));
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
        QAction* action =
            button(QStringLiteral("TB%1PerPage").arg(count), glyph,
                   count == 1 ? tr("1 Image Per Page") : tr("%1 Images Per Page").arg(count), true);
        action->setData(count);
        action->setChecked(count == 4);
        CountGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] { TBNumPerPageClick(action); });
    }
    addToolSpace();

    auto* orientationGroup = new QActionGroup(this);
    TBPortrait =
        button(QStringLiteral("TBPortrait"), Glyph::Portrait, tr("Portrait Orientation"), true);
    TBLandScape =
        button(QStringLiteral("TBLandScape"), Glyph::Landscape, tr("Landscape Orientation"), true);
    for (QAction* action : {TBPortrait, TBLandScape}) {
        orientationGroup->addAction(action);
        bind(action, &QAction::triggered,
             [this, action] { TBOrientationClick(action == TBPortrait); });
    }
    TBLandScape->setChecked(true);
    addToolSpace();

    TBCutLines = button(QStringLiteral("TBCutLines"), Glyph::CutLines, QString(), true);
    ToolBar1->widgetForAction(TBCutLines)->setAccessibleName(tr("Cut Lines"));
    TBCutLines->setChecked(true);
    bind(TBCutLines, &QAction::triggered, [this] {
        m_card.setCutLines(TBCutLines->isChecked());
        ToggleCutLines();
    });
    addToolSpace();

    PBToggleLabels = pushButton(QStringLiteral("PBToggleLabels"), tr("&Labels Off"), 81);
    bind(PBToggleLabels, &QPushButton::clicked, [this] { PBToggleLabelsClick(); });
    addToolSpace();

    auto* caseGroup = new QActionGroup(this);
    TBUpperLabels =
        button(QStringLiteral("TBUpperLabels"), Glyph::UpperA, tr("Uppercase Labels"), true);
    TBLowerLabels =
        button(QStringLiteral("TBLowerLabels"), Glyph::LowerA, tr("Lowercase Labels"), true);
    for (QAction* action : {TBUpperLabels, TBLowerLabels}) {
        caseGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] {
            m_card.setUpperCase(action == TBUpperLabels);
            SetAllLabelsCase();
        });
    }
    TBUpperLabels->setChecked(true);
    addToolSpace();

    //: A button (verb): takes all pictures off the card.
    QPushButton* clear = pushButton(QStringLiteral("PBClear"), tr("Clear"), 53);
    clear->setToolTip(tr("Clear all pictures"));
    bind(clear, &QPushButton::clicked, [this] {
        ClearCells();
        ClearFileSelections();
    });
    addToolSpace();

    QAction* print =
        button(QStringLiteral("TBPrint"), Glyph::Printer, tr("Print Flashcard"), false);
    bind(print, &QAction::triggered, [this] { printDeck(); });
    addToolSpace();

    // The deck: which card is on screen, and the card commands of the Card menu.
    addToolButton(TBPreviousCard);
    LABCardNumber = new QLabel(ToolBar1);
    LABCardNumber->setObjectName(QStringLiteral("LABCardNumber"));
    LABCardNumber->setTextFormat(Qt::PlainText);
    LABCardNumber->setAlignment(Qt::AlignCenter);
    LABCardNumber->setMinimumWidth(84);
    ToolBar1->addWidget(LABCardNumber);
    for (QAction* action : {TBNextCard, TBNewCard, TBRemoveCard})
        addToolButton(action);
    addToolSpace();
    addToolButton(TBRecord);
}

void TFerloMainForm::addToolSpace() {
    auto* space = new QWidget(ToolBar1);
    space->setFixedWidth(8);
    ToolBar1->addWidget(space);
}

QWidget* TFerloMainForm::addToolButton(QAction* action) {
    ToolBar1->addAction(action);
    QWidget* widget = ToolBar1->widgetForAction(action);
    if (widget) {
        widget->setObjectName(action->objectName() + QStringLiteral("Button"));
        widget->setFixedSize(25, 22);
        // Reachable with Tab and pressed with Space, like any button.
        widget->setFocusPolicy(Qt::TabFocus);
        widget->setAccessibleName(action->toolTip());
    }
    return widget;
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

    DriveComboBox1 = new DriveComboBox(Panel3);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 7, 153, 20);
    DriveComboBox1->setAccessibleName(tr("Drives"));

    DirectoryListBox1 = new DirectoryListBox(Panel4);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new FileListBox(Panel5);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Picture files"));

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
    const int strip = stripHeight(); // the card strip under the card base
    PACardBase->setGeometry(
        visual(QRect(kBrowserWidth, kToolBarHeight, width - kBrowserWidth, middle - strip)));
    placeStrip(visual(
        QRect(kBrowserWidth, kToolBarHeight + middle - strip, width - kBrowserWidth, strip)));

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

void TFerloMainForm::pressCell(int index, Qt::MouseButton button) {
    runGuarded(this, [&] {
        // Record waits for this click: the picture's word is recorded, not played.
        if (button == Qt::LeftButton && TBRecord->isChecked()) {
            TBRecord->setChecked(false);
            recordCellWord(index);
        } else {
            ImageMouseDown(index, button);
        }
    });
    noteCardChanged();
}

void TFerloMainForm::createCells() {
    for (int i = 0; i < 8; ++i) {
        auto* image = new PictureControl(PACard);
        image->setObjectName(QStringLiteral("Cell%1").arg(i));
        connect(image, &PictureControl::mouseDown, this,
                [this, i](Qt::MouseButton button) { pressCell(i, button); });
        connect(image, &PictureControl::menuRequested, this, [this, i] { showPictureMenu(i); });
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
        for (int i = 0; i < m_card.count() && i < int(cells().size()); ++i) {
            const TRect band = LabelBand(card(), cells()[size_t(i)].Left, cells()[size_t(i)].Top);
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
    m_card.setScreenScale(std::min(
        scale,
        ScreenScaleForRoom(false, PACardBase->width() - (designedBase.width() - cardSize.Width),
                           PACardBase->height() - (designedBase.height() - cardSize.Height))));
}

} // namespace ferlo
