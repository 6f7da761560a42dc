#include "mainwindow/DeckCommands.h"

#include "dialogs/Messages.h"
#include "dialogs/SaveDialog.h"
#include "layout/DeckSession.h"
#include "mainwindow/CommandRegistry.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/Glyphs.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "symbols/SymbolCells.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QUndoStack>

// The deck's commands: the card on screen is one card of the deck the window keeps.

namespace ferlo {

namespace {

using Place = CommandRegistry::Place;

// The desktop's Save As keys; a desktop without them (the Windows-like default scheme) gets
// Ctrl+Shift+S, as most desktops have it.
QList<QKeySequence> saveAsKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (keys.isEmpty())
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    return keys;
}

// A curved arrow turning left (undo) or right (redo), drawn like the other toolbar glyphs.
QIcon turnIcon(bool redo) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (redo)
            painter.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
        QPainterPath arc;
        arc.moveTo(4, 7);
        arc.cubicTo(6, 3, 13, 3, 13, 9);
        arc.cubicTo(13, 12, 11, 13, 9, 13);
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(arc);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(7, 9), QPointF(1, 10)}));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

DeckCommands::DeckCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks)
    : PartOfWindow(part, commands)
    , m_hooks(std::move(hooks))
    , m_history(new DeckHistory(
          [this](const Deck& deck, int current) { restoreDeck(deck, current); }, m_window)) {}

void DeckCommands::createFileCommands() {
    const auto file = [this](const QString& name, const QString& text, auto handler,
                             const QList<QKeySequence>& keys = {}) {
        return m_commands->add(Place::File, name, text, handler, keys);
    };
    file(QStringLiteral("mnNewDeck"), tr("&New deck"), [this] { newDeck(); },
         {QKeySequence(QKeySequence::New)});
    file(QStringLiteral("mnOpenDeck"), tr("&Open deck ..."), [this] { openDeckDialog(); },
         {QKeySequence(QKeySequence::Open)});
    file(QStringLiteral("mnSaveDeck"), tr("&Save"), [this] { saveDeck(); },
         {QKeySequence(QKeySequence::Save)});
    file(
        QStringLiteral("mnSaveDeckAs"), tr("Save &as ..."), [this] { saveDeckAs(); }, saveAsKeys());
}

void DeckCommands::createCardCommands() {
    // The card commands; the toolbar shows the same actions.
    const auto card = [this](const QString& name, const QString& text, const QString& hint,
                             Glyph glyph, auto handler, const QList<QKeySequence>& keys) {
        QAction* action = m_commands->add(Place::Card, name, text, handler, keys);
        action->setIcon(glyphIcon(glyph));
        action->setToolTip(hint);
        return action;
    };
    TBPreviousCard =
        card(QStringLiteral("TBPreviousCard"), tr("&Previous card"), tr("Previous card"),
             Glyph::PreviousCard, [this] { showCard(m_deck.current() - 1); },
             {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    TBNextCard = card(QStringLiteral("TBNextCard"), tr("&Next card"), tr("Next card"),
                      Glyph::NextCard, [this] { showCard(m_deck.current() + 1); },
                      {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    m_commands->addSeparator(Place::Card);
    TBNewCard = card(QStringLiteral("TBNewCard"), tr("N&ew card"), tr("New card after this one"),
                     Glyph::NewCard, [this] { newCard(); },
                     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)});
    TBRemoveCard =
        card(QStringLiteral("TBRemoveCard"), tr("&Remove card"),
             tr("Remove this card from the deck"), Glyph::RemoveCard, [this] { removeCard(); }, {});
}

void DeckCommands::createCardButtons(QToolBar* toolBar) {
    // Which card is on screen, and the card commands of the Card menu.
    m_commands->addToolButton(TBPreviousCard);
    LABCardNumber = new QLabel(toolBar);
    LABCardNumber->setObjectName(QStringLiteral("LABCardNumber"));
    LABCardNumber->setTextFormat(Qt::PlainText);
    LABCardNumber->setAlignment(Qt::AlignCenter);
    LABCardNumber->setMinimumWidth(84);
    m_commands->addToolWidget(LABCardNumber);
    for (QAction* action : {TBNextCard, TBNewCard, TBRemoveCard})
        m_commands->addToolButton(action);
}

void DeckCommands::createUndoCommands() {
    // Undo and redo run as commands do, the history itself held meanwhile.
    QAction* undo = m_commands->add(
        Place::Edit, QStringLiteral("mnUndo"), tr("&Undo"), [this] { m_history->undo(); },
        QKeySequence::keyBindings(QKeySequence::Undo));
    QAction* redo = m_commands->add(
        Place::Edit, QStringLiteral("mnRedo"), tr("&Redo"), [this] { m_history->redo(); },
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo->setIcon(turnIcon(false));
    redo->setIcon(turnIcon(true));
    QUndoStack* stack = m_history->stack();
    const auto showSteps = [undo, redo, stack] {
        undo->setEnabled(stack->canUndo());
        redo->setEnabled(stack->canRedo());
        const QString undoText =
            stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo");
        const QString redoText =
            stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo");
        undo->setText(undoText);
        redo->setText(redoText);
        undo->setToolTip(QString(undoText).remove(QLatin1Char('&')));
        redo->setToolTip(QString(redoText).remove(QLatin1Char('&')));
    };
    QObject::connect(stack, &QUndoStack::indexChanged, m_window, showSteps);
    QObject::connect(stack, &QUndoStack::cleanChanged, m_window, showSteps);
    showSteps();

    m_commands->addToolSpace();
    for (QAction* action : {undo, redo}) {
        if (QWidget* widget = m_commands->addToolButton(action))
            widget->setAccessibleName(action == undo ? tr("Undo") : tr("Redo"));
    }
}

void DeckCommands::restoreDeck(const Deck& deck, int current) {
    m_deck.restore(deck, current);
    showCurrentCard();
}

void DeckCommands::showCard(int index) {
    if (index == m_deck.current() || !m_deck.select(index))
        return;
    showCurrentCard();
}

void DeckCommands::newCard() {
    DeckCard next = m_deck.currentCard(); // the same layout and switches, no pictures
    next.cells.clear();
    m_deck.insertAfterCurrent(next);
    showCurrentCard();
}

void DeckCommands::removeCard() {
    if (!m_deck.removeCurrent())
        return;
    showCurrentCard();
}

void DeckCommands::newDeck() {
    if (!maybeSaveChanges())
        return;
    m_deck.reset(Deck{}, std::string());
    showCurrentCard();
}

void DeckCommands::startDeck(const DeckCard& layout) {
    DeckCard card = layout; // its layout and switches, no pictures
    card.cells.clear();
    Deck deck;
    deck.cards = {card};
    m_deck.reset(std::move(deck), std::string());
    showCurrentCard();
}

void DeckCommands::openDeckDialog() {
    const QString start =
        m_deck.path().empty() ? shownDirectory() : directoryPart(pathFromModel(m_deck.path()));
    const QString path = QFileDialog::getOpenFileName(
        m_window, tr("Open deck"), start, tr("Ferlo decks (%1)").arg(QStringLiteral("*.ferlo")));
    if (!path.isEmpty())
        openDeck(path);
}

bool DeckCommands::openDeck(const QString& given) {
    const QString path = QFileInfo(given).absoluteFilePath();
    // Read whole before anything changes or is asked: a damaged deck leaves the window as it
    // was.
    Deck deck = readDeck(path);
    if (!maybeSaveChanges())
        return false;
    QStringList missingParts{missingPicturesMessage(path, deck), missingSymbolsMessage(path, deck)};
    missingParts.removeAll(QString());
    const QString missing = missingParts.join(QLatin1Char('\n'));
    m_deck.reset(std::move(deck), modelPath(path));
    // The browser shows the folder of the first card's first picture, else the deck's own.
    QString folder = directoryPart(path);
    for (const std::optional<DeckCell>& cell : m_deck.currentCard().cells) {
        if (cell && pathKind(pathFromModel(cell->picture)) != PathKind::Missing) {
            folder = directoryPart(pathFromModel(cell->picture));
            break;
        }
    }
    if (folder != shownDirectory())
        m_hooks.browseTo(folder);
    showCurrentCard();
    if (!missing.isEmpty())
        showError(m_window, missing);
    m_hooks.tellMissingSheets();
    return true;
}

bool DeckCommands::saveDeck() {
    if (m_deck.path().empty())
        return saveDeckAs();
    writeDeckTo(pathFromModel(m_deck.path()));
    return true;
}

QString askDeckFileToSave(QWidget* parent, const QString& caption, const QString& start) {
    return askSaveFileName(parent, caption, start,
                           DeckCommands::tr("Ferlo decks (%1)").arg(QStringLiteral("*.ferlo")),
                           QStringLiteral("ferlo"));
}

bool DeckCommands::saveDeckAs() {
    const QString start = m_deck.path().empty()
                              ? joinPath(shownDirectory(), QStringLiteral("deck.ferlo"))
                              : pathFromModel(m_deck.path());
    const QString path = askDeckFileToSave(m_window, tr("Save deck"), start);
    if (path.isEmpty())
        return false;
    writeDeckTo(QFileInfo(path).absoluteFilePath());
    return true;
}

void DeckCommands::writeDeckTo(const QString& path) {
    writeDeck(path, m_deck.deck());
    m_deck.saved(modelPath(path));
    updateDeckControls();
    showStatus(tr("Saved %1").arg(displayName(path)));
}

bool DeckCommands::maybeSaveChanges() {
    if (!m_deck.modified())
        return true;
    switch (askToSaveChanges(m_window, deckName())) {
    case SaveAnswer::Save:
        return saveDeck();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString DeckCommands::deckName() const {
    if (m_deck.path().empty())
        return tr("Untitled deck");
    return displayName(fileNamePart(pathFromModel(m_deck.path())));
}

void DeckCommands::updateDeckControls() {
    //: The window's title: the deck's name, the mark of unsaved changes, the program's name.
    m_window->setWindowTitle(tr("%1[*] - Ferlo").arg(deckName()));
    m_window->setWindowModified(m_deck.modified());
    LABCardNumber->setText(tr("Card %1 of %2").arg(m_deck.current() + 1).arg(m_deck.count()));
    TBPreviousCard->setEnabled(m_deck.current() > 0);
    TBNextCard->setEnabled(m_deck.current() + 1 < m_deck.count());
    TBRemoveCard->setEnabled(m_deck.count() > 1);
    // Every change of the deck ends here: it is one step of the history.
    m_history->record(m_deck);
    m_hooks.dropStaleStatus();
    m_hooks.updateStrip();
}

} // namespace ferlo
