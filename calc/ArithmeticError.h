#pragma once

#include <QString>
#include <stdexcept>

// A floating-point failure of a calculation: invalid operation, division by zero
// or overflow. Raised instead of letting NaN or infinity reach a result.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };

    explicit ArithmeticError(Kind kind);
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// What the user is told, in one line, when a calculation fails this way.
QString incalculableSentence();
