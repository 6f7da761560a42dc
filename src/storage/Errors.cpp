#include "storage/Errors.h"

#include <QCoreApplication>

#include <new>

namespace ferlo {

QString errorMessage(std::exception_ptr error, const QString& context) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return context.isEmpty()
                   ? QCoreApplication::translate(
                         "Errors", "There is not enough memory to finish this command.")
                   : QCoreApplication::translate("Errors", "%1: not enough memory.").arg(context);
    } catch (const std::exception& error) {
        const QString cause = QString::fromLocal8Bit(error.what());
        return context.isEmpty()
                   ? cause
                   : QCoreApplication::translate("Errors", "%1: %2").arg(context, cause);
    } catch (...) {
        return QCoreApplication::translate("Errors", "An unexpected error stopped this command.");
    }
}

} // namespace ferlo
