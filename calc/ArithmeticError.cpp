#include "calc/ArithmeticError.h"

#include <QCoreApplication>

namespace {

const char* describe(ArithmeticError::Kind kind) {
    switch (kind) {
    case ArithmeticError::Kind::InvalidOperation:
        return "Invalid floating point operation";
    case ArithmeticError::Kind::DivisionByZero:
        return "Floating point division by zero";
    case ArithmeticError::Kind::Overflow:
        return "Floating point overflow";
    }
    return "Floating point error";
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(describe(kind))
    , m_kind(kind) {}

QString incalculableSentence() {
    return QCoreApplication::translate(
        "ArithmeticError",
        "Valid results cannot be calculated using the variables you have entered.");
}
