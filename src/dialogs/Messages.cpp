#include "dialogs/Messages.h"

#include "storage/Errors.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

namespace ferlo {

namespace {
MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
} // namespace

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

QString keepPathStartsWhole(const QString& text) {
    // A word joiner (no width, no break) after the slash that begins a path.
    QString kept;
    kept.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        kept += text.at(i);
        if (text.at(i) == QLatin1Char('/') && (i == 0 || text.at(i - 1).isSpace()) &&
            i + 1 < text.size() && !text.at(i + 1).isSpace())
            kept += QChar(0x2060);
    }
    return kept;
}

void showMessage(QWidget* parent, MessageKind kind, const QString& text) {
    if (currentSink()) {
        currentSink()(kind, text);
        return;
    }
    // Messages name files, and a file name is no markup: "<b>x.jpg" reads as it is written.
    QMessageBox box(kind == MessageKind::Error     ? QMessageBox::Critical
                    : kind == MessageKind::Warning ? QMessageBox::Warning
                                                   : QMessageBox::Information,
                    QStringLiteral("Ferlo"), keepPathStartsWhole(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void runGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        showError(parent, errorMessage(std::current_exception()));
    }
}

SaveAnswer askToSaveChanges(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ferlo"),
                    QCoreApplication::translate("Messages", "Save the changes to %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("UnsavedChanges"));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(
        QCoreApplication::translate("Messages", "The changes are lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool askToContinue(QWidget* parent, const QString& name, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ferlo"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(name);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "Continue"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace ferlo
