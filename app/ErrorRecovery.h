#pragma once

#include <QString>
#include <exception>

// How the main window answers an error that no other code handled: a failed
// calculation resets the amounts, anything else only shows a message.
namespace ErrorRecovery {

enum class Kind { Arithmetic, Other };

// Arithmetic for the calculation's floating-point failures, Other for the rest.
Kind classify(std::exception_ptr error);

QString caption();             // "Information"
QString arithmeticMessage();   // lines joined by LF CR
QString unidentifiedMessage(); // lines joined by CR LF, ends with the support address
// Asked after the settings could not be written: which file, and why.
QString unsavedCloseQuestion(const QString& path, const QString& reason);

} // namespace ErrorRecovery
