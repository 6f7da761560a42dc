#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QObject>
#include <QProgressDialog>
#include <QTimer>

#include <functional>
#include <type_traits>

namespace ferlo::test {

// Once the command's modal dialog shows, hands it to `act` (which closes it).
// After `delay` ms; 0 acts at once.
template <typename Dialog>
void whenShown(std::function<void(Dialog*)> act, bool* seen, int delay = 200) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act, seen, delay] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        // The progress of a long preview is not the preview itself.
        if (dialog &&
            (std::is_same_v<Dialog, QProgressDialog> || !qobject_cast<QProgressDialog*>(dialog))) {
            timer->stop();
            timer->deleteLater();
            *seen = true;
            if (delay == 0)
                act(dialog);
            else
                QTimer::singleShot(delay, dialog, [dialog, act] { act(dialog); });
        }
    });
    timer->start();
}

// Chooses Qt's "Print to File (PDF)" in a print dialog, the last of its printers, writing to
// `path`; false when the dialog has no such choice.
inline bool choosePrintToFile(QDialog* dialog, const QString& path) {
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!printers || !file)
        return false;
    printers->setCurrentIndex(printers->count() - 1);
    file->setText(path);
    return true;
}

} // namespace ferlo::test
