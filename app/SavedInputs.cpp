#include "app/SavedInputs.h"

#include "app/InputReading.h"
#include "calc/NumberFormat.h"
#include "platform/ProfileFile.h"

const std::array<SavedInputs::Key, SavedInputs::kKeyCount>& SavedInputs::keys() {
    static const std::array<Key, kKeyCount> table{{
        {"Savings", Kind::Number, "0"},
        {"Balance", Kind::Number, "0"},
        {"Term", Kind::Number, "0"},
        {"Interest", Kind::Number, "0"},
        {"Frequency", Kind::Text, "Monthly"},
        {"FirstMonth", Kind::Text, "Jan"},
        {"FirstYear", Kind::Integer, "2001"},
        {"LastMonth", Kind::Text, "Jan"},
        {"LastYear", Kind::Integer, "2031"},
    }};
    return table;
}

SavedInputs::SavedInputs(QString path, const RegionalSettings& regional)
    : m_path(std::move(path))
    , m_regional(regional) {}

SavedInputs::Values SavedInputs::load() const {
    const ProfileFile file(m_path);
    const QString sec = section();
    const auto readNumber = [&](const Key& key) {
        return requireNumber(file.readString(sec, key.name, key.defaultValue), m_regional);
    };
    const auto readText = [&](const Key& key) {
        return file.readString(sec, key.name, key.defaultValue);
    };
    const auto readInteger = [&](const Key& key) {
        return file.readInteger(sec, key.name, QByteArray(key.defaultValue).toInt());
    };

    const auto& k = keys();
    Values values;
    values.savings = readNumber(k[0]);
    values.balance = readNumber(k[1]);
    values.term = readNumber(k[2]);
    values.interest = readNumber(k[3]);
    values.frequency = readText(k[4]);
    values.firstMonth = readText(k[5]);
    values.firstYear = readInteger(k[6]);
    values.lastMonth = readText(k[7]);
    values.lastYear = readInteger(k[8]);
    return values;
}

void SavedInputs::save(const Fields& fields) const {
    ProfileFile file(m_path);
    const QString sec = section();
    const auto& k = keys();
    const auto writeNumber = [&](const Key& key, double value) {
        file.writeString(sec, key.name, formatProfileNumber(value, m_regional));
    };
    const auto writeText = [&](const Key& key, const QString& text) {
        file.writeString(sec, key.name, text);
    };
    const auto writeInteger = [&](const Key& key, const QString& text) {
        const double number = requireNumber(text, m_regional);
        file.writeString(sec, key.name, QString::number(truncateToInt32(number)));
    };

    // Each conversion runs right before its write, so a failure leaves the keys
    // before it written and the ones after it as they were.
    writeNumber(k[0], fields.savings);
    writeNumber(k[1], fields.balance);
    writeNumber(k[2], requireNumber(fields.termText, m_regional));
    writeNumber(k[3], requireNumber(fields.interestText, m_regional));
    writeText(k[4], fields.frequency);
    writeText(k[5], fields.firstMonth);
    writeInteger(k[6], fields.firstYearText);
    writeText(k[7], fields.lastMonth);
    writeInteger(k[8], fields.lastYearText);
}
