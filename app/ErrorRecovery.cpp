#include "app/ErrorRecovery.h"

#include "calc/ArithmeticError.h"
#include "platform/ProductInfo.h"

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
    return QStringLiteral("Information");
}

QString arithmeticMessage() {
    const QString lfcr = QStringLiteral("\n\r");
    return QStringLiteral("Valid results cannot be calculated using") + lfcr +
           QStringLiteral("the variables you have entered.") + lfcr + lfcr +
           QStringLiteral("Please try again with reasonable values.");
}

QString unidentifiedMessage() {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("An unidentified error has occurred.") + crlf + crlf +
           QStringLiteral("Please contact %1    ").arg(QLatin1String(ProductInfo::kMaker)) + crlf +
           crlf + QStringLiteral("at:  ") + QLatin1String(ProductInfo::kSupportAddress);
}

QString unsavedCloseQuestion(const QString& path, const QString& reason) {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("The settings could not be saved.") + crlf + crlf +
           QStringLiteral("File: ") + path + crlf + QStringLiteral("Reason: ") + reason + crlf +
           crlf +
           QStringLiteral("Close %1 without saving?").arg(QLatin1String(ProductInfo::kTitle));
}

} // namespace ErrorRecovery
