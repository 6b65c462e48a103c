#include "app/SavedInputs.h"

#include "app/InputReading.h"
#include "calc/NumberFormat.h"
#include "platform/ProfileFile.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

const std::array<SavedInputs::Key, SavedInputs::kKeyCount>& SavedInputs::keys() {
    static const std::array<Key, kKeyCount> table{{
        {"Savings", &Values::savings, &Fields::savings},
        {"Balance", &Values::balance, &Fields::balance},
        {"Term", &Values::term, &Fields::termText},
        {"Interest", &Values::interest, &Fields::interestText},
        {"Frequency", &Values::frequency, &Fields::frequency},
        {"FirstMonth", &Values::firstMonth, &Fields::firstMonth},
        {"FirstYear", &Values::firstYear, &Fields::firstYearText},
        {"LastMonth", &Values::lastMonth, &Fields::lastMonth},
        {"LastYear", &Values::lastYear, &Fields::lastYearText},
    }};
    return table;
}

SavedInputs::SavedInputs(QString path, const RegionalSettings& regional)
    : m_path(std::move(path))
    , m_regional(regional) {}

SavedInputs::Values SavedInputs::load() const {
    const ProfileDocument document = ProfileFile(m_path).read();
    Values values;
    for (const Key& key : keys()) {
        const auto text = document.value(section(), QLatin1String(key.name));
        if (!text)
            continue;
        std::visit(
            Overloaded{
                [&](double Values::*member) { values.*member = requireNumber(*text, m_regional); },
                [&](QString Values::*member) { values.*member = *text; },
                [&](int Values::*member) {
                    // Still the default here.
                    values.*member = ProfileFile::parseInteger(*text).value_or(values.*member);
                },
            },
            key.slot);
    }
    return values;
}

QString SavedInputs::storedText(const Key& key, const Fields& fields) const {
    const auto number = [&] {
        return std::visit(
            Overloaded{
                [&](double Fields::*member) { return fields.*member; },
                [&](QString Fields::*member) { return requireNumber(fields.*member, m_regional); },
            },
            key.source);
    };
    return std::visit(
        Overloaded{
            [&](double Values::*) { return numberText(number(), m_regional); },
            [&](QString Values::*) { return fields.*std::get<QString Fields::*>(key.source); },
            [&](int Values::*) { return QString::number(truncateToInt32(number())); },
        },
        key.slot);
}

void SavedInputs::save(const Fields& fields) const {
    const ProfileFile file(m_path);
    ProfileDocument document = file.readForUpdate();
    int written = 0;
    std::exception_ptr failure;
    for (const Key& key : keys()) {
        try {
            document.setValue(section(), QLatin1String(key.name), storedText(key, fields));
            ++written;
        } catch (const ConversionError&) {
            failure = std::current_exception();
            break;
        }
    }
    if (written > 0)
        file.write(document);
    if (failure)
        std::rethrow_exception(failure);
}

QString SavedInputs::numberText(double value, const RegionalSettings& regional) {
    // An amount typed beyond any double is kept as the largest one, so that
    // what is written always loads again.
    if (std::isnan(value))
        value = 0;
    else if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    const QString fifteen = formatProfileNumber(value, regional);
    if (parseNumber(fifteen, regional) == value)
        return fifteen;

    // The shortest digits that read back exactly, laid out as the general
    // format lays out fifteen: plain, or scientific for large and tiny values.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    const int exponent = std::atoi(text.c_str() + e + 1);
    const QString separator(regional.decimalSeparator);
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += separator + QString::fromLatin1(digits.substr(1));
        out += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const std::size_t whole = std::size_t(exponent) + 1;
        if (digits.size() < whole)
            digits.append(whole - digits.size(), '0');
        out += QString::fromLatin1(digits.substr(0, whole));
        if (digits.size() > whole)
            out += separator + QString::fromLatin1(digits.substr(whole));
    } else {
        out += u'0' + separator + QString(-exponent - 1, u'0') + QString::fromLatin1(digits);
    }
    return out;
}
