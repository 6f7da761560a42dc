#include "dialogs/SaveDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace ferlo {

namespace {

bool replaceConfirmed(QWidget* parent, const QString& path) {
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Ferlo"),
        QCoreApplication::translate("Messages", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName()),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ReplaceFile"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                        const QString& filter, const QString& suffix) {
    // As QFileDialog::getSaveFileName does: a start that names a file opens its folder with the
    // name filled in.
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    while (dialog.exec() == QDialog::Accepted) {
        QString path = dialog.selectedFiles().value(0);
        if (path.isEmpty())
            return {};
        if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
            path += QLatin1Char('.') + suffix;
            if (QFileInfo::exists(path) && !replaceConfirmed(parent, path))
                continue;
        }
        return path;
    }
    return {};
}

} // namespace ferlo
