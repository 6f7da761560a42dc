#pragma once

#include <QString>
#include <exception>
#include <stdexcept>

namespace ferlo {

// An error a user can cause (a broken picture, an unreadable settings file, a missing printer).
// Its message is meant for a message box: it names the file and the cause.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The user's message for an exception: a ferlo::Error's own message; otherwise the cause after
// the context ("Cannot print: not enough memory."), or, without a context, in general words.
QString errorMessage(std::exception_ptr error, const QString& context = {});

} // namespace ferlo
