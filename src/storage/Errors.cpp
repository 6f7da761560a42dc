#include "storage/Errors.h"

#include <new>

namespace ferlo {

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
