#include "mainwindow/SymbolCommands.h"

#include "dialogs/Messages.h"
#include "layout/DeckSession.h"
#include "mainwindow/CardView.h"
#include "mainwindow/FormatDrops.h"
#include "mainwindow/SymbolBrowser.h"
#include "mainwindow/SymbolDialogs.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolSet.h"
#include "symbols/WordCards.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QStatusBar>
#include <QTabBar>

// The Symbols tab beside the file browser and what its choices do on the card; Card > Cards from
// Words; Options > Symbols.

namespace ferlo {

namespace {

constexpr int kSymbolsTab = 1;

} // namespace

SymbolCommands::SymbolCommands(const WindowPart& part, Hooks hooks)
    : PartOfWindow(part)
    , m_hooks(std::move(hooks)) {}

void SymbolCommands::createSymbolCommands(const Browser& browser) {
    m_browser = browser;
    QWidget* Panel1 = browser.column;
    QWidget* DriveComboBox1 = browser.drives;
    BrowserTabs = new QTabBar(Panel1);
    BrowserTabs->setObjectName(QStringLiteral("BrowserTabs"));
    BrowserTabs->setDocumentMode(true);
    BrowserTabs->setExpanding(true);
    BrowserTabs->addTab(tr("Files"));
    BrowserTabs->addTab(tr("Symbols"));
    Symbols = new SymbolBrowser(Panel1);
    Symbols->hide();
    // Tab reaches the tabs between the toolbar and the drive box, and the Symbols tab's
    // controls after the file list, in the order they stand.
    QWidget* before = DriveComboBox1->previousInFocusChain();
    while (before != DriveComboBox1 && !(before->focusPolicy() & Qt::TabFocus))
        before = before->previousInFocusChain();
    QWidget::setTabOrder(before, BrowserTabs);
    QWidget::setTabOrder(BrowserTabs, DriveComboBox1);
    QWidget* previous = browser.fileList;
    for (QWidget* next : {static_cast<QWidget*>(Symbols->searchField()),
                          static_cast<QWidget*>(Symbols->lineArtSwitch()),
                          static_cast<QWidget*>(Symbols->results())}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    Symbols->setUserFolders(readSymbolFolders());
    QObject::connect(BrowserTabs, &QTabBar::currentChanged, BrowserTabs, [this](int tab) {
        m_hooks.relayout();
        if (tab == kSymbolsTab)
            Symbols->searchField()->setFocus(Qt::TabFocusReason);
    });
    QObject::connect(Symbols, &SymbolBrowser::chosen, Symbols, [this](const SymbolChoice& choice) {
        runCommand([&] { placeSymbolChoice(choice, -1); });
    });

    // A symbol dropped on a cell goes into it; dropped beside the cells, into the first free one.
    // The drop is handled once the drag has ended, as a command.
    auto* drops = new FormatDrops(m_window, kSymbolFormat, Qt::CopyAction,
                                  [this](QObject*, QPoint at, const QByteArray& data) {
                                      const std::optional<SymbolChoice> choice =
                                          SymbolChoice::fromData(data);
                                      if (!choice)
                                          return;
                                      const int cell = view().cellAt(at);
                                      QMetaObject::invokeMethod(
                                          Symbols,
                                          [this, cell, choice = *choice] {
                                              runCommand([&] { placeSymbolChoice(choice, cell); });
                                          },
                                          Qt::QueuedConnection);
                                  });
    browser.cardBase->installEventFilter(drops);

    m_hooks.relayout();
}

int SymbolCommands::placeSymbolTab(int top, int height) {
    if (!BrowserTabs)
        return 0;
    const int width = m_browser.column->width();
    const int tabs = BrowserTabs->sizeHint().height();
    BrowserTabs->setGeometry(0, top, width, tabs);
    const bool symbols = BrowserTabs->currentIndex() == kSymbolsTab;
    for (QWidget* files : m_browser.files)
        files->setVisible(!symbols);
    Symbols->setGeometry(0, top + tabs, width, std::max(0, height - top - tabs));
    Symbols->setVisible(symbols);
    return tabs;
}

void SymbolCommands::placeSymbolChoice(const SymbolChoice& choice, int cell) {
    const TCellArray& cells = model().cells();
    const std::string word = choice.word.toStdString();
    const bool intoCell = cell >= 0 && cell < int(cells.size());
    int index = cell;
    if (choice.symbol) {
        index = m_deck.edit([&](CardModel& card) {
            return intoCell ? (card.setSymbol(cell, *choice.symbol, word) ? cell : -1)
                            : card.placeSymbol(*choice.symbol, word);
        });
    } else {
        const std::string file = modelPath(choice.file);
        if (!intoCell && model().indexOf(file) >= 0)
            return; // on the card already, as a second pick of a file would take it off
        index = m_deck.edit([&](CardModel& card) {
            const int placed =
                intoCell ? (card.setPicture(cell, file) ? cell : -1) : card.place(file);
            if (placed >= 0)
                card.editWord(placed, word);
            return placed;
        });
    }
    if (index < 0) {
        showStatus(tr("Card %1 is full").arg(m_deck.current() + 1));
        return;
    }
    // The label shows at once, the picture when drawn; the render pass that follows the command
    // marks the file list's pictures (one a drop replaced is no longer there).
    view().showLabel(index);
    view().showPicture(index);
}

void SymbolCommands::cardsFromWords() {
    const std::optional<WordsRequest> request = askWordList(m_window, {m_hooks.shownDirectory()});
    if (!request)
        return;
    WordList list;
    list.words = splitWords(request->text);
    if (list.words.isEmpty())
        return;
    list.pictureDirs = request->pictureFolders;
    list.style = request->style;
    const auto& language = m_deck.deck().language;
    list.language = language ? QString::fromStdString(*language) : QLocale().name();
    // Every word is looked up before the deck changes: a word that finds nothing is named, and
    // no card changes.
    const QList<WordCell> found = findWordCells(list, SymbolIndex::installed());
    Deck deck = m_deck.deck();
    const int first = m_deck.current();
    int at = first;
    DeckCard empty = deck.cards[size_t(at)]; // the card's layout and switches, no pictures
    empty.cells.clear();
    CardModel card(deck.cards[size_t(at)]);
    for (const WordCell& cell : found) {
        if (card.full()) {
            deck.cards[size_t(at)] = card.stored();
            deck.cards.insert(deck.cards.begin() + ++at, empty);
            card = CardModel(empty);
        }
        setWordCell(card, card.indexOf(std::string()), cell);
    }
    deck.cards[size_t(at)] = card.stored();
    changeDeck(deck, first, tr("Cards from Words"));
}

void SymbolCommands::editSymbolFolders(QWidget* parent) {
    runGuarded(m_window, [this, parent] {
        QStringList folders = readSymbolFolders();
        if (!editSymbolFolderList(parent, folders))
            return;
        saveSymbolFolders(folders);
        Symbols->setUserFolders(folders);
    });
}

} // namespace ferlo
