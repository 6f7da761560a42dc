#include "mainwindow/LayoutPanel.h"

#include "layout/CardModel.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/PanelPictures.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/SymbolPictures.h"
#include "printing/CardPage.h"
#include "printing/PlanPainter.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace ferlo {

namespace {

// The room left around the paper inside the card base, in logical pixels: as around a card of
// the counts that is shown smaller than designed.
constexpr int kRoomMargin = kShrunkCardMargin;

} // namespace

LayoutPanel::LayoutPanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("LayoutPanel"));
    setAccessibleName(tr("Card"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setLayoutDirection(Qt::LeftToRight); // the printed page's cells, never mirrored
    m_band = new QLabel(this);
    m_band->setObjectName(QStringLiteral("LayoutLabelBand"));
    m_band->hide();
    m_editor = new LabelEditor(this);
    // The pictures come as they are decoded, each drawn into the page at the next paint.
    m_pictures = new PanelPictures(this);
    connect(
        m_pictures, &PanelPictures::arrived, this,
        [this](int cell, const PrintedPicture& picture) { placePicture(cell, picture, false); });
    connect(m_pictures, &PanelPictures::unreadable, this,
            [this](int cell) { placePicture(cell, {}, true); });
}

void LayoutPanel::showCard(const CardModel& card, QSize room) {
    m_card = &card;
    m_stale = true;
    m_problem.clear();
    // The paper's size: a grid's from its spec, a sheet's from its template.
    QSizeF paper(210, 297);
    try {
        const PagePlan plan = planLayout(card.layout());
        paper = QSizeF(plan.PaperWidth, plan.PaperHeight);
    } catch (...) {
        m_problem = errorMessage(std::current_exception());
    }
    const double scale = std::min((room.width() - 2.0 * kRoomMargin) / paper.width(),
                                  (room.height() - 2.0 * kRoomMargin) / paper.height());
    const QSize size(std::max(1, int(paper.width() * scale)),
                     std::max(1, int(paper.height() * scale)));
    setGeometry((room.width() - size.width()) / 2, (room.height() - size.height()) / 2,
                size.width(), size.height());
    update();
}

void LayoutPanel::prepare() {
    const qreal ratio = devicePixelRatioF();
    if (!m_stale && ratio == m_ratio)
        return;
    m_stale = false;
    m_ratio = ratio;
    m_prepared = PreparedPage();
    m_page = QImage();
    m_drawn = false;
    std::vector<Shown> previous = std::move(m_shown);
    m_shown.clear();
    if (!m_card || !m_problem.isEmpty()) {
        m_pictures->request({});
        m_drawn = true; // nothing to draw: the panel says why
        return;
    }
    CardPage page;
    try {
        page = makeCardPage(*m_card, [](const QString&) { return true; });
    } catch (...) {
        m_problem = errorMessage(std::current_exception());
        m_pictures->request({});
        m_drawn = true;
        return;
    }
    const QSize device(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    // Whole paper on the panel: the resolution is the panel's device pixels per inch.
    m_prepared.printableArea = device;
    m_prepared.resolution =
        std::max(1, int(std::lround(device.width() / page.Arrangement.plan()->PaperWidth *
                                    MillimetresPerInch)));
    m_prepared.page = page;
    preparePlanCells(m_prepared);
    // The pictures are decoded off this thread and drawn in as they come (a file that changed
    // is decoded anew); a card that showed the same picture in the same place keeps it
    // meanwhile.
    const size_t count = m_prepared.cells.size();
    std::vector<PanelPictures::Request> requests;
    for (size_t i = 0; i < count; ++i) {
        const PictureSource source =
            i < m_card->cells().size() ? cellPictureSource(m_card->cells()[i], m_card->upperCase())
                                       : PictureSource();
        // A word card's word is painted with the page, as on paper.
        if ((source.isEmpty() && !source.drawing) || source.wordCard)
            continue;
        Shown shown{{int(i), source, m_prepared.cells[i], planFillArea(m_prepared, int(i))}, {}};
        for (Shown& old : previous) {
            if (old.request.cell == int(i) && old.request.source == source &&
                old.request.card.PictureArea() == shown.request.card.PictureArea() &&
                old.request.fill == shown.request.fill) {
                shown.picture = std::move(old.picture);
                shown.unreadable = old.unreadable;
            }
        }
        requests.push_back(shown.request);
        m_shown.push_back(std::move(shown));
    }
    m_pictures->request(requests);
}

void LayoutPanel::placePicture(int cell, const PrintedPicture& picture, bool unreadable) {
    for (Shown& shown : m_shown) {
        if (shown.request.cell == cell) {
            shown.picture = picture;
            shown.unreadable = unreadable;
        }
    }
    m_drawn = false;
    update();
}

void LayoutPanel::drawPage() {
    if (m_drawn)
        return;
    m_drawn = true;
    const CardPage& page = m_prepared.page;
    const qreal ratio = m_ratio;
    m_prepared.pictures.clear();
    for (const Shown& shown : m_shown)
        if (!shown.picture.target.isEmpty())
            m_prepared.pictures.push_back({shown.request.cell, shown.picture, true});
    m_page = QImage(m_prepared.printableArea, QImage::Format_RGB32);
    m_page.setDotsPerMeterX(qRound(m_prepared.resolution / 0.0254));
    m_page.setDotsPerMeterY(qRound(m_prepared.resolution / 0.0254));
    m_page.fill(Qt::white);
    QPainter painter(&m_page);
    painter.setRenderHint(QPainter::Antialiasing);
    // On screen, each card's edge shows faintly under what prints, as a pre-cut sheet shows it,
    // unless cut lines or outlines draw it already.
    if (!page.Outlines && !(page.Arrangement.plan()->SharedCuts && page.CutLinesOn)) {
        painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), ratio));
        for (const QPainterPath& shape : m_prepared.shapes)
            painter.drawPath(shape);
    }
    paintPreparedPage(painter, m_prepared);
    // A picture that cannot be read keeps its card: a thin dotted outline marks its place, as
    // on the card of the counts, for the user to take it off.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Mid), std::max(1, qRound(ratio)), Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const Shown& shown : m_shown) {
        if (!shown.unreadable)
            continue;
        const TRect area = m_prepared.cells[size_t(shown.request.cell)].PictureArea();
        painter.drawRect(QRect(area.Left, area.Top, area.width(), area.height()));
    }
    painter.end();
    m_page.setDevicePixelRatio(ratio);
}

int LayoutPanel::cellCount() {
    prepare();
    return int(m_prepared.cells.size());
}

QRect LayoutPanel::logical(const TRect& rect) const {
    return QRectF(rect.Left / m_ratio, rect.Top / m_ratio, (rect.width() + 1) / m_ratio,
                  (rect.height() + 1) / m_ratio)
        .toAlignedRect();
}

QRect LayoutPanel::pictureRect(int index) {
    prepare();
    if (index < 0 || size_t(index) >= m_prepared.cells.size())
        return {};
    return logical(m_prepared.cells[size_t(index)].PictureArea());
}

QRect LayoutPanel::bandRect(int index) {
    prepare();
    if (index < 0 || size_t(index) >= m_prepared.cells.size() || !m_prepared.page.LabelsOn)
        return {};
    return logical(LabelBand(m_prepared.cells[size_t(index)]));
}

int LayoutPanel::cellAt(QPoint at) {
    prepare();
    const QPointF device = QPointF(at) * m_ratio;
    for (size_t i = 0; i < m_prepared.shapes.size(); ++i)
        if (m_prepared.shapes[i].contains(device))
            return int(i);
    return -1;
}

int LayoutPanel::bandAt(QPoint at) {
    const int index = cellAt(at);
    return bandRect(index).contains(at) ? index : -1;
}

void LayoutPanel::editLabel(int index, const QString& word) {
    const QRect band = bandRect(index);
    if (band.isEmpty())
        return;
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, band.height() * 2 / 3));
    m_band->setFont(font);
    m_band->setGeometry(band);
    m_editor->open(index, m_band, word);
}

bool LayoutPanel::event(QEvent* event) {
    // F2 is the window's shortcut for a picture control; on the panel it edits the focused card.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 && filled(m_focus)) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ToolTip && m_card) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = cellAt(help->pos());
        if (filled(index))
            QToolTip::showText(
                help->globalPos(),
                PictureControl::plainTip(cellPictureName(m_card->cells()[size_t(index)], false)),
                this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void LayoutPanel::paintEvent(QPaintEvent*) {
    prepare();
    drawPage();
    QPainter painter(this);
    if (!m_page.isNull()) {
        painter.drawImage(0, 0, m_page);
        if (hasFocus() && filled(m_focus)) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
            painter.drawRect(pictureRect(m_focus).adjusted(1, 1, -1, -1));
        }
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::darkGray);
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     m_problem);
}

void LayoutPanel::mousePressEvent(QMouseEvent* event) {
    // Only a card that holds a picture takes a press, as a picture control does.
    const int index = cellAt(event->position().toPoint());
    if (!filled(index)) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocusedCell(index);
    // A left press may begin a drag: it counts only once the button comes up without one.
    m_pressedCell = event->button() == Qt::LeftButton ? index : -1;
    m_pressedAt = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        emit pressed(index, event->button());
}

void LayoutPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}

void LayoutPanel::mouseReleaseEvent(QMouseEvent* event) {
    const int index = event->button() == Qt::LeftButton ? std::exchange(m_pressedCell, -1) : -1;
    if (!filled(index)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    emit pressed(index, Qt::LeftButton);
}

void LayoutPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressedCell < 0 || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressedAt).manhattanLength() <
            QApplication::startDragDistance()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // Past the drag distance the press is a drag, never a click.
    const int index = std::exchange(m_pressedCell, -1);
    if (filled(index))
        emit dragRequested(index);
}

bool LayoutPanel::isUnreadable(int index) {
    prepare();
    return std::any_of(m_shown.begin(), m_shown.end(), [index](const Shown& shown) {
        return shown.request.cell == index && shown.unreadable;
    });
}

bool LayoutPanel::picturesPending() {
    prepare();
    return m_pictures->pending() > 0;
}

bool LayoutPanel::filled(int index) const {
    return m_card && index >= 0 && size_t(index) < m_card->cells().size() &&
           m_card->cells()[size_t(index)].filled();
}

int LayoutPanel::nextFilled(int from, bool forward) const {
    const int count = m_card ? int(m_card->cells().size()) : 0;
    for (int i = forward ? from + 1 : std::min(from, count) - 1; i >= 0 && i < count;
         i += forward ? 1 : -1)
        if (filled(i))
            return i;
    return -1;
}

void LayoutPanel::setFocusedCell(int index) {
    m_focus = index;
    const auto& cells = m_card->cells();
    if (!filled(index)) {
        setAccessibleName(tr("Card"));
    } else {
        const QString name = cellPictureName(cells[size_t(index)], true);
        setAccessibleName(
            isUnreadable(index)
                ? tr("Picture %1 that cannot be shown: %2").arg(QString::number(index + 1), name)
                : tr("Picture %1: %2").arg(QString::number(index + 1), name));
    }
    update();
}

void LayoutPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!filled(m_focus))
        setFocusedCell(event->reason() == Qt::BacktabFocusReason ? nextFilled(INT_MAX, false)
                                                                 : nextFilled(-1, true));
    update();
}

void LayoutPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool LayoutPanel::focusNextPrevChild(bool next) {
    // Tab goes on from picture to picture, and leaves the card after the last.
    const int to = hasFocus() ? nextFilled(m_focus, next) : -1;
    if (to < 0)
        return QWidget::focusNextPrevChild(next);
    setFocusedCell(to);
    return true;
}

void LayoutPanel::keyPressEvent(QKeyEvent* event) {
    // The arrows go on from the focused card, even one whose picture went meanwhile.
    if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Left) {
        if (const int to = nextFilled(m_focus, event->key() == Qt::Key_Right); to >= 0)
            setFocusedCell(to);
        return;
    }
    if (!filled(m_focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(m_focus, Qt::LeftButton);
        return;
    case Qt::Key_Delete:
        if (plain) {
            const int taken = m_focus;
            emit pressed(taken, Qt::RightButton);
            // The focus goes on to the next picture, as a list's does after a deletion.
            if (!filled(taken)) {
                const int next = nextFilled(taken, true);
                setFocusedCell(next >= 0 ? next : nextFilled(taken, false));
            }
            return;
        }
        break;
    case Qt::Key_F2:
        emit editRequested(m_focus);
        return;
    case Qt::Key_Menu:
        emit menuRequested(m_focus);
        return;
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            emit menuRequested(m_focus);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ferlo
