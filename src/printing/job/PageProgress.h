#pragma once

#include "dialogs/WaitCursor.h"
#include "printing/job/PrintJob.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace ferlo {

// The progress of one command's pages: the wait cursor, and from the first page on, for more
// than kProgressAbovePages pages, a "Page n of m" dialog with Cancel in its place.
class PageProgress {
public:
    PageProgress(QWidget* parent, const QString& title)
        : m_parent(parent)
        , m_title(title) {
        m_wait.emplace();
    }

    // PaintOptions::progress: false once the user has cancelled.
    bool operator()(int page, int count) {
        if (count <= kProgressAbovePages)
            return true;
        if (!m_dialog) {
            m_wait.reset();
            m_dialog = std::make_unique<QProgressDialog>(m_parent);
            m_dialog->setObjectName(QStringLiteral("PageProgress"));
            m_dialog->setWindowTitle(m_title);
            m_dialog->setWindowModality(Qt::ApplicationModal);
            m_dialog->setAutoReset(false);
            m_dialog->setAutoClose(false);
            m_dialog->setMinimumDuration(0);
            m_dialog->setRange(0, count);
        }
        m_dialog->setLabelText(
            QCoreApplication::translate("Printing", "Page %1 of %2").arg(page).arg(count));
        m_dialog->setValue(page - 1);
        QCoreApplication::processEvents(); // a click on Cancel
        return !m_dialog->wasCanceled();
    }

private:
    QWidget* m_parent;
    QString m_title;
    std::optional<WaitCursor> m_wait;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace ferlo
