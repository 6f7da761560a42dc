#pragma once

#include "printing/PlanPainter.h"

#include <QPainter>
#include <QString>
#include <QWidget>
#include <optional>

namespace ferlo {

// The page of the choice: the paper in proportion, each card's shape on it.
class PlanPreview : public QWidget {
public:
    explicit PlanPreview(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("layoutPreview"));
        setLayoutDirection(Qt::LeftToRight); // the printed page, never mirrored
        setMinimumSize(220, 260);
    }
    void show(std::optional<PagePlan> plan, const QString& note) {
        m_plan = std::move(plan);
        m_note = note;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), palette().color(QPalette::Mid));
        if (!m_plan || m_plan->PaperWidth <= 0 || m_plan->PaperHeight <= 0) {
            painter.setPen(palette().color(QPalette::BrightText));
            painter.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                             m_note);
            return;
        }
        const double perMm =
            std::min((width() - 20) / m_plan->PaperWidth, (height() - 20) / m_plan->PaperHeight);
        const QSizeF paper(m_plan->PaperWidth * perMm, m_plan->PaperHeight * perMm);
        const QPointF origin((width() - paper.width()) / 2, (height() - paper.height()) / 2);
        painter.fillRect(QRectF(origin, paper), Qt::white);
        painter.setPen(QPen(QColor(0x44, 0x55, 0x77), 1));
        painter.setBrush(QColor(0xdd, 0xe6, 0xf4));
        for (const PageCard& card : m_plan->Cards)
            painter.drawPath(cardShape(card.Trim, card.Shape, card.Radius, perMm, origin));
    }

private:
    std::optional<PagePlan> m_plan;
    QString m_note;
};

} // namespace ferlo
