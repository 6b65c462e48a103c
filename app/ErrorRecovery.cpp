#include "app/ErrorRecovery.h"

#include "calc/ArithmeticError.h"
#include "platform/ProductInfo.h"

#include <QCoreApplication>

namespace ErrorRecovery {

Kind classify(std::exception_ptr error) {
    if (!error)
        return Kind::Other;
    try {
        std::rethrow_exception(error);
    } catch (const ArithmeticError&) {
        return Kind::Arithmetic;
    } catch (...) {
        return Kind::Other;
    }
}

QString caption() {
    return QCoreApplication::translate("ErrorRecovery", "Information");
}

QString arithmeticMessage() {
    const QString lfcr = QStringLiteral("\n\r");
    return QCoreApplication::translate("ErrorRecovery",
                                       "Valid results cannot be calculated using") +
           lfcr + QCoreApplication::translate("ErrorRecovery", "the variables you have entered.") +
           lfcr + lfcr +
           QCoreApplication::translate("ErrorRecovery", "Please try again with reasonable values.");
}

QString unidentifiedMessage() {
    const QString crlf = QStringLiteral("\r\n");
    return QCoreApplication::translate("ErrorRecovery", "An unidentified error has occurred.") +
           crlf + crlf +
           QCoreApplication::translate("ErrorRecovery", "Please contact %1    ")
               .arg(QLatin1String(ProductInfo::kMaker)) +
           crlf + crlf + QCoreApplication::translate("ErrorRecovery", "at:  ") +
           QLatin1String(ProductInfo::kSupportAddress);
}

QString unsavedCloseQuestion(const QString& path, const QString& reason) {
    const QString crlf = QStringLiteral("\r\n");
    return QCoreApplication::translate("ErrorRecovery", "The settings could not be saved.") + crlf +
           crlf + QCoreApplication::translate("ErrorRecovery", "File: ") + path + crlf +
           QCoreApplication::translate("ErrorRecovery", "Reason: ") + reason + crlf + crlf +
           QCoreApplication::translate("ErrorRecovery", "Close %1 without saving?")
               .arg(QLatin1String(ProductInfo::kTitle));
}

} // namespace ErrorRecovery
