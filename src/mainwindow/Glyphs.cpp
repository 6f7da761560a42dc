#include "mainwindow/Glyphs.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace ferlo {

namespace {

void drawCharacter(QPainter& painter, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
}

// The black character a glyph shows: the count buttons' digits and the case buttons' letters.
QString characterOf(Glyph glyph) {
    switch (glyph) {
    case Glyph::Digit1:
        return QStringLiteral("1");
    case Glyph::Digit2:
        return QStringLiteral("2");
    case Glyph::Digit4:
        return QStringLiteral("4");
    case Glyph::Digit6:
        return QStringLiteral("6");
    case Glyph::Digit8:
        return QStringLiteral("8");
    case Glyph::UpperA:
        return QStringLiteral("A");
    default:
        return QStringLiteral("a");
    }
}

void drawSheet(QPainter& painter, const QRect& sheet) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
}

void drawPrinter(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5); // paper going in
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(1, 6, 13, 6); // body
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 4); // paper coming out
    painter.fillRect(11, 8, 2, 1, QColor(0, 160, 0));
}

// A black arrow head pointing left or right: the previous and the next card.
void drawArrow(QPainter& painter, bool right) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPolygonF head =
        right ? QPolygonF{{5, 3}, {12, 8}, {5, 13}} : QPolygonF{{11, 3}, {4, 8}, {11, 13}};
    painter.drawPolygon(head);
}

// A small card with a green plus (a new card) or a red cross (remove the card).
void drawCardMark(QPainter& painter, bool add) {
    drawSheet(painter, QRect(1, 3, 10, 8));
    painter.setPen(QPen(add ? QColor(0, 140, 0) : QColor(200, 0, 0), 2));
    if (add) {
        painter.drawLine(12, 8, 12, 15);
        painter.drawLine(9, 12, 15, 12);
    } else {
        painter.drawLine(9, 9, 15, 15);
        painter.drawLine(15, 9, 9, 15);
    }
}

} // namespace

namespace {

// The glyph drawn on 16 x 16 points at a number of device pixels per point.
QPixmap glyphPixmap(Glyph glyph, int pixelsPerPoint) {
    QPixmap pixmap(16 * pixelsPerPoint, 16 * pixelsPerPoint);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    switch (glyph) {
    case Glyph::Digit1:
    case Glyph::Digit2:
    case Glyph::Digit4:
    case Glyph::Digit6:
    case Glyph::Digit8:
    case Glyph::UpperA:
    case Glyph::LowerA:
        drawCharacter(painter, characterOf(glyph));
        break;
    case Glyph::Portrait:
        drawSheet(painter, QRect(3, 1, 9, 13));
        break;
    case Glyph::Landscape:
        drawSheet(painter, QRect(1, 3, 13, 9));
        break;
    case Glyph::CutLines: {
        drawSheet(painter, QRect(1, 2, 13, 11));
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawLine(8, 3, 8, 12);
        painter.drawLine(2, 7, 13, 7);
        break;
    }
    case Glyph::Printer:
        drawPrinter(painter);
        break;
    case Glyph::PreviousCard:
    case Glyph::NextCard:
        // The next card lies the way the window reads: to the left in a right-to-left
        // language, where the toolbar puts Next left of Previous.
        drawArrow(painter, (glyph == Glyph::NextCard) !=
                               (QGuiApplication::layoutDirection() == Qt::RightToLeft));
        break;
    case Glyph::NewCard:
    case Glyph::RemoveCard:
        drawCardMark(painter, glyph == Glyph::NewCard);
        break;
    case Glyph::Record:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xcc, 0x22, 0x22));
        painter.drawEllipse(QRectF(3, 3, 10, 10));
        break;
    }
    painter.end();
    return pixmap;
}

} // namespace

QIcon glyphIcon(Glyph glyph) {
    // Drawn for screens of one and of two device pixels per point, so a HiDPI screen gets
    // glyphs drawn at its resolution rather than enlarged.
    QIcon icon(glyphPixmap(glyph, 1));
    icon.addPixmap(glyphPixmap(glyph, 2));
    return icon;
}

QFont sansFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace ferlo
