#include "mainwindow/ArrangeCommands.h"

#include "dialogs/Messages.h"
#include "layout/DeckEdit.h"
#include "layout/DeckSession.h"
#include "mainwindow/CardStrip.h"
#include "mainwindow/CardView.h"
#include "mainwindow/CommandRegistry.h"
#include "mainwindow/FormatDrops.h"
#include "mainwindow/LayoutDialog.h"
#include "storage/Errors.h"

#include <QAction>
#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <QToolBar>

namespace ferlo {

namespace {

// A picture dragged from a cell of the card on screen: its cell's number.
const QString kCellFormat = QStringLiteral("application/x-ferlo-cell");

} // namespace

ArrangeCommands::ArrangeCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks)
    : PartOfWindow(part, commands)
    , m_hooks(std::move(hooks)) {}

void ArrangeCommands::createArrangeCommands(QWidget* cardBase, QToolBar* toolBar,
                                            QWidget* stripParent) {
    using Place = CommandRegistry::Place;
    PACardBase = cardBase;
    ToolBar1 = toolBar;
    ClientArea = stripParent;
    // Moving cards, in the Card menu.
    m_commands->addSeparator(Place::Card);
    m_commands->add(Place::Card, QStringLiteral("mnMoveCardEarlier"), tr("Move card ear&lier"),
                    [this] { moveCurrentCard(m_deck.current() - 1); },
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp)});
    m_commands->add(Place::Card, QStringLiteral("mnMoveCardLater"), tr("Move card la&ter"),
                    [this] { moveCurrentCard(m_deck.current() + 1); },
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown)});
    m_commands->add(Place::Card, QStringLiteral("mnChangeLayoutOfAll"),
                    tr("Change Layout of &All Cards ..."), [this] { changeLayoutOfAllCards(); });
    createPictureDrops();
    createStrip();
    // Alt+arrow keys move the focused picture to the neighbouring cell.
    const std::pair<Qt::Key, QPoint> ways[] = {{Qt::Key_Left, {-1, 0}},
                                               {Qt::Key_Right, {1, 0}},
                                               {Qt::Key_Up, {0, -1}},
                                               {Qt::Key_Down, {0, 1}}};
    for (const auto& [key, way] : ways) {
        m_commands->add(Place::Window, QStringLiteral("MovePicture%1%2").arg(way.x()).arg(way.y()),
                        tr("Move picture"),
                        [this, way = way] { moveFocusedPicture(way.x(), way.y()); },
                        {QKeySequence(Qt::ALT | key)});
    }
}

void ArrangeCommands::createPictureDrops() {
    // A picture dragged onto another cell, or onto the previous or next card's button. The
    // drop is handled once the drag has ended, as a command.
    auto* drops = new FormatDrops(m_window, kCellFormat, Qt::MoveAction,
                                  [this](QObject* target, QPoint at, const QByteArray& data) {
                                      bool ok = false;
                                      const int cell = data.toInt(&ok);
                                      if (!ok)
                                          return;
                                      QMetaObject::invokeMethod(
                                          m_window,
                                          [this, target = QPointer<QObject>(target), at, cell] {
                                              runCommand([&] {
                                                  if (target)
                                                      dropPicture(target, at, cell);
                                              });
                                          },
                                          Qt::QueuedConnection);
                                  });
    PACardBase->installEventFilter(drops);
    for (QAction* button : {m_commands->command(QStringLiteral("TBPreviousCard")),
                            m_commands->command(QStringLiteral("TBNextCard"))}) {
        if (QWidget* widget = ToolBar1->widgetForAction(button)) {
            widget->setAcceptDrops(true);
            widget->installEventFilter(drops);
        }
    }
}

void ArrangeCommands::createStrip() {
    // The card strip, and View > Card Strip.
    m_strip = new CardStrip(ClientArea);
    m_strip->hide();
    m_stripShown =
        m_commands->addToggle(CommandRegistry::Place::View, QStringLiteral("mnCardStrip"),
                              tr("Card &Strip"), [this](bool on) {
                                  m_stripWanted = on;
                                  updateStrip();
                              });
    m_stripShown->setChecked(true);
    const auto stripCommand = [this](auto handler) {
        return [this, handler](auto... arguments) {
            runCommand([&] { handler(arguments...); });
        };
    };
    QObject::connect(m_strip, &CardStrip::cardChosen, m_window,
                     stripCommand([this](int index) { m_hooks.showCard(index); }));
    QObject::connect(m_strip, &CardStrip::cardMoved, m_window,
                     stripCommand([this](int from, int to) {
                         Deck deck = m_deck.deck();
                         if (moveCard(deck, from, to))
                             changeDeck(deck, to);
                     }));
    QObject::connect(m_strip, &CardStrip::removeRequested, m_window,
                     stripCommand([this](int index) {
                         m_hooks.showCard(index);
                         m_hooks.removeCard();
                     }));
    QObject::connect(m_strip, &CardStrip::pictureDropped, m_window,
                     stripCommand([this](int cell, int card) { movePictureToCard(cell, card); }));
    updateStrip();
}

void ArrangeCommands::dragPicture(int cell) {
    const QImage picture = view().dragImage(cell);
    auto* drag = new QDrag(view().dragSource(cell));
    auto* data = new QMimeData;
    data->setData(kCellFormat, QByteArray::number(cell));
    drag->setMimeData(data);
    if (!picture.isNull()) {
        QPixmap shown =
            QPixmap::fromImage(picture.scaled(QSize(72, 72) * picture.devicePixelRatio(),
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
        shown.setDevicePixelRatio(picture.devicePixelRatio());
        drag->setPixmap(shown);
        drag->setHotSpot(QPoint(int(shown.deviceIndependentSize().width() / 2),
                                int(shown.deviceIndependentSize().height() / 2)));
    }
    drag->exec(Qt::MoveAction);
}

void ArrangeCommands::dropPicture(QObject* target, QPoint at, int cell) {
    if (target == PACardBase) {
        if (const int to = view().cellAt(at); to >= 0)
            moveCell(cell, to);
    } else if (target ==
               ToolBar1->widgetForAction(m_commands->command(QStringLiteral("TBPreviousCard")))) {
        movePictureToCard(cell, m_deck.current() - 1);
    } else if (target ==
               ToolBar1->widgetForAction(m_commands->command(QStringLiteral("TBNextCard")))) {
        movePictureToCard(cell, m_deck.current() + 1);
    }
}

int ArrangeCommands::stripHeight() const {
    return m_strip && m_strip->isVisibleTo(ClientArea) ? CardStrip::kPreviewSize + 40 : 0;
}

void ArrangeCommands::placeStrip(const QRect& room) {
    if (m_strip)
        m_strip->setGeometry(room);
}

void ArrangeCommands::updateStrip() {
    if (!m_strip)
        return;
    const bool shown = m_stripWanted && m_deck.count() > 1;
    if (shown != m_strip->isVisibleTo(ClientArea)) {
        m_strip->setVisible(shown);
        m_hooks.followStrip();
    }
    if (shown)
        m_strip->showDeck(m_deck.deck(), m_deck.current());
}

void ArrangeCommands::moveCell(int from, int to) {
    Deck deck = m_deck.deck();
    if (!swapCells(deck.cards[size_t(m_deck.current())], from, to))
        return;
    changeDeck(deck, m_deck.current());
}

void ArrangeCommands::moveFocusedPicture(int dx, int dy) {
    const int from = view().focusedCell();
    if (from < 0 || from >= int(model().cells().size()))
        return;
    // Where each cell stands on the panel.
    const auto place = [&](int i) {
        return view().cellOrigin(i);
    };
    // The nearest cell that way in the same row (or column).
    const QPoint at = place(from);
    int to = -1;
    int nearest = 0;
    for (int i = 0; i < int(model().cells().size()); ++i) {
        const QPoint cell = place(i);
        const int along = dx != 0 ? (cell.x() - at.x()) * dx : (cell.y() - at.y()) * dy;
        const bool inLine = dx != 0 ? cell.y() == at.y() : cell.x() == at.x();
        if (i != from && inLine && along > 0 && (to < 0 || along < nearest)) {
            to = i;
            nearest = along;
        }
    }
    if (to < 0)
        return;
    moveCell(from, to);
    view().focusCell(to);
}

void ArrangeCommands::movePictureToCard(int cell, int target) {
    const int current = m_deck.current();
    if (target == current || target < 0 || target >= m_deck.count() || cell < 0 ||
        size_t(cell) >= m_deck.currentCard().cells.size() ||
        !m_deck.currentCard().cells[size_t(cell)])
        return;
    Deck deck = m_deck.deck();
    const DeckCell moved = *deck.cards[size_t(current)].cells[size_t(cell)];
    DeckCard& into = deck.cards[size_t(target)];
    for (const auto& held : into.cells) {
        if (held && held->picture == moved.picture) {
            showStatus(tr("Card %1 holds that picture already").arg(target + 1));
            return;
        }
    }
    if (putInFreeCell(into, moved) < 0) {
        showStatus(tr("Card %1 is full").arg(target + 1));
        return;
    }
    takeCell(deck.cards[size_t(current)], cell);
    changeDeck(deck, current);
    showStatus(tr("Moved to card %1").arg(target + 1));
}

void ArrangeCommands::moveCurrentCard(int to) {
    Deck deck = m_deck.deck();
    if (!moveCard(deck, m_deck.current(), to))
        return;
    changeDeck(deck, to);
}

void ArrangeCommands::changeLayoutOfAllCards() {
    const Deck& deck = m_deck.deck();
    int pictures = 0;
    int before = 0; // the pictures on the cards before the one on screen
    for (int i = 0; i < m_deck.count(); ++i) {
        for (const auto& cell : deck.cards[size_t(i)].cells) {
            if (cell) {
                ++pictures;
                before += i < m_deck.current() ? 1 : 0;
            }
        }
    }
    // The choice of Card > Layout ..., offered first as the card on screen has it.
    LayoutDialog dialog(model(), m_window, pictures);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const LayoutChoice choice = dialog.choice();
    if (!choice.problem.isEmpty())
        throw Error(choice.problem);
    // The card on screen gives the switches.
    DeckCard shape = m_deck.currentCard();
    shape.cells.clear();
    shape.layout = choice.layout;
    if (choice.layout.kind == CardLayout::Kind::Count)
        shape.portrait = dialog.portrait();
    const Deck relaid = relaidOut(deck, shape);
    // The card that now holds the first picture of the one on screen comes on screen.
    changeDeck(relaid, std::min(before / shape.perPage(), int(relaid.cards.size()) - 1),
               tr("Change layout of all cards"));
}

} // namespace ferlo
