#include "mainwindow/CardStrip.h"

#include "printing/CardPreview.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace ferlo {

namespace {

const QString kCardFormat = QStringLiteral("application/x-ferlo-card");
const QString kCellFormat = QStringLiteral("application/x-ferlo-cell");

// What a card's preview shows: everything a page is made of.
std::string keyOf(const DeckCard& card) {
    std::string key = std::to_string(card.perPage()) + (card.portrait ? "P" : "L") +
                      (card.labels ? "l" : "-") + (card.upperCase ? "U" : "u") +
                      (card.cutLines ? "c" : "-") + std::to_string(int(card.layout.kind)) +
                      card.layout.Name;
    for (const auto& cell : card.cells) {
        key += '\x1f';
        if (cell)
            key += cell->picture + '\x1e' + (cell->label ? "=" + *cell->label : std::string());
        if (cell && cell->symbol)
            key += '\x1d' + cell->symbol->set + '/' + cell->symbol->hexcode +
                   (cell->symbol->style == SymbolStyle::Line ? "/line" : "");
    }
    return key;
}

// An empty page of the card's orientation while its preview is drawn.
QIcon placeholder(bool portrait) {
    const int longSide = CardStrip::kPreviewSize;
    const int shortSide = longSide * 210 / 297;
    QImage image(portrait ? QSize(shortSide, longSide) : QSize(longSide, shortSide),
                 QImage::Format_RGB32);
    image.fill(QColor(235, 235, 235));
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

CardStrip::CardStrip(QWidget* parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("CardStrip"));
    setAccessibleName(tr("Cards"));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    // The cards in the deck's order from left to right, as on the printed pages, in any language.
    setLayoutDirection(Qt::LeftToRight);
    setWrapping(false);
    setMovement(QListView::Static);
    setIconSize(QSize(kPreviewSize, kPreviewSize));
    setSpacing(4);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // Two workers: the window's own decoding keeps the rest of the machine.
    m_pool.setMaxThreadCount(2);
}

CardStrip::~CardStrip() {
    // A preview being drawn posts itself back to this strip: none may outlive it.
    m_pool.clear();
    m_pool.waitForDone();
}

void CardStrip::showDeck(const Deck& deck, int current) {
    const int count = int(deck.cards.size());
    m_keys.resize(size_t(count));
    while (this->count() > count)
        delete takeItem(this->count() - 1);
    while (this->count() < count)
        addItem(new QListWidgetItem);
    // The card on screen first: it is the one that has just changed.
    std::vector<int> order{current};
    for (int i = 0; i < count; ++i)
        if (i != current)
            order.push_back(i);
    for (const int i : order) {
        if (i < 0 || i >= count)
            continue;
        const DeckCard& card = deck.cards[size_t(i)];
        const std::string key = keyOf(card);
        QListWidgetItem* entry = item(i);
        entry->setText(QString::number(i + 1));
        entry->setToolTip(tr("Card %1").arg(i + 1));
        const bool changed = m_keys[size_t(i)] != key || entry->icon().isNull();
        m_keys[size_t(i)] = key;
        if (!changed)
            continue; // its preview, or the one on its way, shows this content
        if (const auto found = m_previews.find(key); found != m_previews.end()) {
            entry->setIcon(QIcon(QPixmap::fromImage(found->second)));
            emit previewShown(i);
            continue;
        }
        // The old preview stays until the new one comes in; a new card shows an empty page.
        if (entry->icon().isNull())
            entry->setIcon(placeholder(card.portrait));
        if (!m_pending.insert(key).second)
            continue;
        m_pool.start(
            [this, card, key] {
                const QImage image = renderCardPreview(card, kPreviewSize);
                QMetaObject::invokeMethod(
                    this, [this, key, image] { previewDone(key, image); }, Qt::QueuedConnection);
            },
            i == current ? 1 : 0);
    }
    // Previews of cards long gone are let go.
    if (m_previews.size() > m_keys.size() * 2 + 32) {
        const std::set<std::string> kept(m_keys.begin(), m_keys.end());
        std::erase_if(m_previews, [&](const auto& entry) { return !kept.count(entry.first); });
    }
    const QSignalBlocker quiet(this);
    setCurrentRow(current);
}

void CardStrip::previewDone(const std::string& key, const QImage& image) {
    m_pending.erase(key);
    m_previews[key] = image;
    for (int i = 0; i < int(m_keys.size()) && i < count(); ++i) {
        if (m_keys[size_t(i)] == key) {
            item(i)->setIcon(QIcon(QPixmap::fromImage(image)));
            emit previewShown(i);
        }
    }
}

void CardStrip::mousePressEvent(QMouseEvent* event) {
    m_pressedAt = event->position().toPoint();
    const QModelIndex at = indexAt(m_pressedAt);
    m_pressedRow = at.isValid() ? at.row() : -1;
    if (event->button() == Qt::LeftButton && m_pressedRow >= 0) {
        setCurrentRow(m_pressedRow);
        emit cardChosen(m_pressedRow);
    }
    event->accept();
}

void CardStrip::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressedRow < 0 || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressedAt).manhattanLength() <
            QApplication::startDragDistance())
        return;
    const int row = std::exchange(m_pressedRow, -1);
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(kCardFormat, QByteArray::number(row));
    drag->setMimeData(data);
    drag->setPixmap(item(row)->icon().pixmap(iconSize()));
    drag->exec(Qt::MoveAction);
}

void CardStrip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        currentRow() >= 0) {
        emit removeRequested(currentRow());
        event->accept();
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit cardChosen(currentRow());
}

int CardStrip::cardAt(QPoint at) const {
    const QModelIndex index = indexAt(at);
    if (index.isValid())
        return index.row();
    // Past the last card: the end; between cards, the nearest one.
    int nearest = -1;
    int distance = 0;
    for (int i = 0; i < count(); ++i) {
        const int d = std::abs(visualItemRect(item(i)).center().x() - at.x());
        if (nearest < 0 || d < distance) {
            nearest = i;
            distance = d;
        }
    }
    return nearest;
}

void CardStrip::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void CardStrip::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kCardFormat) || event->mimeData()->hasFormat(kCellFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CardStrip::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    const int target = cardAt(event->position().toPoint());
    bool ok = false;
    if (data->hasFormat(kCardFormat)) {
        const int from = data->data(kCardFormat).toInt(&ok);
        event->acceptProposedAction();
        if (ok && target >= 0 && from != target)
            QMetaObject::invokeMethod(
                this, [this, from, target] { emit cardMoved(from, target); }, Qt::QueuedConnection);
    } else if (data->hasFormat(kCellFormat)) {
        const int cell = data->data(kCellFormat).toInt(&ok);
        event->acceptProposedAction();
        if (ok && target >= 0)
            QMetaObject::invokeMethod(
                this, [this, cell, target] { emit pictureDropped(cell, target); },
                Qt::QueuedConnection);
    } else {
        event->ignore();
    }
}

} // namespace ferlo
