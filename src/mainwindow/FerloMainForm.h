#pragma once

#include "layout/CardModel.h"
#include "layout/DeckSession.h"
#include "mainwindow/WindowPart.h"

#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace ferlo {

class LabelCommands;
class LayoutCommands;
class PictureControl;
class TAboutBox;
class TLine;
class TdlgOptions;
class ArrangeCommands;
class BrowserCommands;
class CardPictures;
class CardView;
class CommandRegistry;
class DeckCommands;
struct RecoveryCopy;
class ActivityCommands;
class PrintCommands;
class Recovery;
class ShapeCommands;
class SoundCommands;
class SymbolCommands;
struct CardPage;

// The main window: the file browser on the left, the toolbar, the menus and the white card with
// its picture, label and cut-line controls. It shows the card model on screen (CardModel, one
// card of the deck) and turns clicks and keys into the model's operations; nothing of the card
// is read back from a control. Every handler runs inside the error guard, so an error ends in a
// message box and the program goes on. The controls are its own: others find them by their
// object names. Building the controls and their geometry is in FerloMainFormWidgets.cpp, the
// render pass in RenderPass.cpp; the card's shape, the browser, the card's pictures, the labels,
// the deck and arranging it are parts of their own (ShapeCommands.h, BrowserCommands.h,
// CardPictures.h, LabelCommands.h, DeckCommands.h, ArrangeCommands.h).
class TFerloMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TFerloMainForm(QWidget* parent = nullptr);
    ~TFerloMainForm() override;

    // The dialogs the program entry creates after the main window.
    void setDialogs(TAboutBox* aboutBox, TdlgOptions* options);

    // True when start-up found the screen too narrow and asked the application to end.
    bool terminateRequested() const { return m_terminateRequested; }

    // The layout on screen of the deck's card on screen, computed from its model.
    const TCard& card() const { return m_deck.screen(); }
    const TCellArray& cells() const { return model().cells(); }
    // The pictures on the card.
    int pictureCount() const { return model().pictureCount(); }
    // The card as it prints now.
    CardPage currentPage() const;
    // The deck as it prints now: one page per card in order, the card on screen as shown.
    QList<CardPage> deckPages() const;

    // The deck the window keeps; its card on screen is the one the controls show.
    const DeckSession& deck() const { return m_deck; }
    // Opens a deck file in place of the deck (after the question about unsaved changes): its first
    // card comes on screen and the missing pictures are named in one message. A deck that
    // cannot be read changes nothing and throws ferlo::Error naming the file and the place.
    // False when the user kept the deck that has unsaved changes.
    bool openDeck(const QString& path);
    // Starts an untitled deck whose one card, empty, has the given count, orientation and
    // switches (the command line's card options); its pictures, if any, are passed over.
    void startDeck(const DeckCard& layout);

    // The directory the file list shows.
    QString shownDirectory() const;
    // Shows a directory in the browser (directory list and file list).
    bool browseTo(const QString& directory);

    // Places pictures from outside the browser (the command line, a drop), in their order, as if
    // they were picked in the file list: the browser shows the folder of the first picture and
    // its items are picked there; pictures of other folders go on the card without a list item,
    // as if picked in their folder before browsing on. Pictures beyond a full card go on new
    // cards of its layout after it. A deck file among them is opened first (one deck at a time).
    // Files not found, files that are neither, and pictures that fail to load are named in one
    // message, each with its cause; the window then shows the card that took the first picture.
    void openFiles(const QStringList& paths);

    // After start (Recovery.h): offers the recovery copies of decks that a run which ended
    // without saving them left behind; then, when nothing was restored, `reopenLastDeck` allows
    // it and the user chose it in Options, opens the last deck.
    void resumeWork(bool reopenLastDeck);

    // File > Print Word Backs: stores the option, which the menu then shows.
    void setWordBacks(bool on);

signals:
    // After every change of the deck, of its card on screen or of the file it belongs to (the
    // deck session's listener): whether it now differs from its file.
    void deckChanged(bool modified);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    // The card's shape (ShapeCommands.h): count, orientation, the card in its base, cut lines,
    // made on first use with the controls it shows them on.
    ShapeCommands& shapeCommands();
    std::unique_ptr<ShapeCommands> m_shape;

    // The card's pictures (CardPictures.h), made on first use with the picture controls.
    CardPictures& cardPictures();
    std::unique_ptr<CardPictures> m_pictures;
    // The labels (LabelCommands.h), made on first use; editLabel opens the label editor on a
    // cell's label (labels on, a picture placed).
    LabelCommands& labelCommands();
    std::unique_ptr<LabelCommands> m_labels;
    void editLabel(int index);

    // The browser (BrowserCommands.h), made on first use.
    BrowserCommands& browser();
    std::unique_ptr<BrowserCommands> m_browser;
    // Taking pictures off.
    void ClearCell(int index);
    void ClearCells();
    // Empties the picture and label controls of a cell, or of all (the model is left alone).
    void clearShownCell(int index);

    // A press on the picture control of a cell.
    void ImageMouseDown(int index, Qt::MouseButton Button);
    // A press on a cell's picture, on either card panel: with Record on a left press records the
    // word; otherwise the press goes to ImageMouseDown.
    void pressCell(int index, Qt::MouseButton button);
    void showPictureMenu(int index);

    // The model of the card on screen, which the deck keeps.
    const CardModel& model() const { return m_deck.card(); }
    // The render pass after every command: the toolbar's checks, the labels, the cut lines, the
    // file list's selection and the deck's state, all from the model; nothing is read back from
    // a control. (Pictures are fitted by the picture passes of the commands that change them.)
    void render();
    // The toolbar's buttons as the model says: count, orientation, switches, Record.
    void renderSwitches();
    // Sets the toolbar, the card and the file list's selection to the deck's current card, and
    // shows the deck's state.
    void showCurrentCard();
    // The status bar: a message holds for the deck as the window shows it now, and goes once
    // that deck changes or another deck is started or opened (dropStaleStatus, after every
    // change).
    void showStatus(const QString& text);
    void dropStaleStatus();

    // Grids and sheets (LayoutCommands.h): Card > Layout ... and the panel that shows them in
    // place of the card of the five counts, made on first use.
    LayoutCommands& layoutCommands();
    std::unique_ptr<LayoutCommands> m_layoutCommands;
    // Card > Make Activity ... (ActivityCommands.h), made on first use.
    ActivityCommands& activityCommands();
    std::unique_ptr<ActivityCommands> m_activities;
    // The card panel, the count and orientation buttons as the card's layout says.
    void showLayoutState();
    // The count and orientation buttons as the card's layout says.
    void renderOrientation();
    // Draws the card of a grid or a sheet anew (nothing for the five counts).
    void refreshLayoutPanel();
    // The card's panel as the handlers see it: the card of the five counts or a grid's or a
    // sheet's page, as the card's layout says (CardViews.cpp).
    CardView& view();
    class CountView;
    class LayoutView;
    std::unique_ptr<CardView> m_countView;
    std::unique_ptr<CardView> m_layoutView;
    // A change of several cards or cells made on the deck: it replaces the deck, and the card
    // `current` comes on screen; `name` names its step in the history.
    void changeDeck(const Deck& deck, int current, const QString& name = QString());

    // The commands, registered by the parts they belong to (WindowCommands.cpp): the menus,
    // the File menu's deck and print commands, the Card menu, the toolbar's buttons.
    void createMenus();
    void createFileCommands();
    void createCardCommands();
    // The printing commands (PrintCommands.h), made on first use.
    PrintCommands& printCommands();
    std::unique_ptr<PrintCommands> m_print;
    // The deck and its history (DeckCommands.h), made on first use.
    DeckCommands& deckCommands();
    std::unique_ptr<DeckCommands> m_deckCommands;
    // Arranging the deck and the card strip (ArrangeCommands.h), made on first use.
    ArrangeCommands& arrangeCommands();
    std::unique_ptr<ArrangeCommands> m_arrange;
    // Sound and recording (SoundCommands.h) and symbols (SymbolCommands.h), made on first use.
    SoundCommands& soundCommands();
    std::unique_ptr<SoundCommands> m_sound;
    SymbolCommands& symbolCommands();
    std::unique_ptr<SymbolCommands> m_symbols;
    void createToolBar();
    void createShapeButtons();
    void createLabelButtons();
    // A push button of the toolbar (the labels switch, Clear).
    QPushButton* toolPushButton(const QString& name, const QString& caption, int width);
    void createBrowser();
    void createCard();
    // The picture, label and cut-line controls on the card, and the label editor.
    void createCells();
    void layoutClientArea(QSize clientSize);
    // Opens the window at its designed size, or as large as the screen's room holds.
    void openAt(QSize designedWindow, bool inRoom);
    // Runs a handler as a command: inside the error guard, one step of the history.
    void runCommand(const std::function<void()>& handler);

    // The window's designed client area, below the menu bar.
    static constexpr int kDesignedClientWidth = 792;
    static constexpr int kDesignedClientHeight = 554;

    // The controls that show the card on screen.
    std::array<PictureControl*, 8> CellImages{};
    std::array<TLine*, 4> CutLines{};

    // Window layout.
    QWidget* ClientArea = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel5 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* LABSelect = nullptr;
    QFrame* PACardBase = nullptr;
    QFrame* PACard = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    Deck m_statusDeck;
    int m_statusGeneration = -1;

    // The toolbar buttons the handlers read.
    QActionGroup* CountGroup = nullptr;
    QAction* TBPortrait = nullptr;
    QAction* TBLandScape = nullptr;
    QAction* TBCutLines = nullptr;

    TAboutBox* m_aboutBox = nullptr;
    TdlgOptions* m_options = nullptr;
    bool m_terminateRequested = false;
    DeckSession m_deck;
    // The user has answered the question on closing; a second close event asks no more.
    bool m_closeConfirmed = false;
    CommandRegistry* m_commands = nullptr;

    // Keeping work between runs: the recovery copies and the recent decks (Recovery.h), made on
    // first use, and the window's services handed to its parts.
    Recovery& recovery();
    void createRecovery();
    WindowPart windowPart();
    std::unique_ptr<Recovery> m_recovery;
};

} // namespace ferlo
