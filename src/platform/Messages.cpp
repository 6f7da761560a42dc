#include "platform/Messages.h"

#include "platform/Errors.h"

#include <QApplication>
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

QString errorMessage(std::exception_ptr error, const QString& context) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return context.isEmpty()
                   ? QStringLiteral("There is not enough memory to finish this command.")
                   : context + QStringLiteral(": not enough memory.");
    } catch (const std::exception& error) {
        const QString cause = QString::fromLocal8Bit(error.what());
        return context.isEmpty() ? cause : context + QStringLiteral(": ") + cause;
    } catch (...) {
        return QStringLiteral("An unexpected error stopped this command.");
    }
}

} // namespace ferlo
