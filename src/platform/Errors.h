#pragma once

#include <QString>
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

} // namespace ferlo
