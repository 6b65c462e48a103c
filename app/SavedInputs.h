#pragma once

#include "calc/InputDefaults.h"
#include "calc/RegionalSettings.h"

#include <QString>
#include <array>
#include <variant>

// The inputs that persist between runs, in section "LastValues" of the settings
// file. One ordered table of keys drives both directions: a load reads the file
// once and fills every key, a save changes every key and replaces the file once.
class SavedInputs {
public:
    // What a load yields; its initial values are the first-run defaults, which
    // a missing key keeps.
    struct Values {
        double savings = InputDefaults::kSavings;
        double balance = InputDefaults::kBalance;
        double term = InputDefaults::kTerm;
        double interest = InputDefaults::kRate;
        QString frequency = QLatin1String(InputDefaults::kFrequency);
        QString firstMonth = QLatin1String(InputDefaults::kFirstMonth);
        int firstYear = InputDefaults::kFirstYear;
        QString lastMonth = QLatin1String(InputDefaults::kLastMonth);
        int lastYear = InputDefaults::kLastYear;
    };

    // What a save reads from the window: stored amounts as numbers, the other
    // fields as the texts they show.
    struct Fields {
        double savings = 0;
        double balance = 0;
        QString termText;
        QString interestText;
        QString frequency;
        QString firstMonth;
        QString firstYearText;
        QString lastMonth;
        QString lastYearText;
    };

    // A key's kind is the type of the value it loads into: a number (a value
    // that is no number is an error), a text kept as it is, or an integer (a
    // value that is no integer gives the default). Its default is that member's
    // initial value in Values.
    using Slot = std::variant<double Values::*, QString Values::*, int Values::*>;
    // Where a save takes the key from: a stored number, or a text read as the kind.
    using Source = std::variant<double Fields::*, QString Fields::*>;
    struct Key {
        const char* name;
        Slot slot;
        Source source;
    };
    static constexpr int kKeyCount = 9;
    // In the order in which the keys are read and written.
    static const std::array<Key, kKeyCount>& keys();
    static QString section() { return QStringLiteral("LastValues"); }

    SavedInputs(QString path, const RegionalSettings& regional);

    const QString& path() const { return m_path; }

    // Reads the file once. Throws ConversionError when a number key holds no
    // number (no value is then applied), ProfileReadError when the file cannot
    // be read (no regular file, too large, no permission).
    Values load() const;
    // Writes the keys in order and replaces the file once. A field that is no
    // number stops at its key: the file then holds the keys before it, as
    // separate writes would have left it, and ConversionError is thrown.
    // Throws ProfileWriteError when the file cannot be written or read first.
    void save(const Fields& fields) const;

    // The text a number is stored as: fifteen significant digits, or the
    // shortest text that reads back as the same double where fifteen would not.
    static QString numberText(double value, const RegionalSettings& regional);

private:
    QString storedText(const Key& key, const Fields& fields) const;

    QString m_path;
    RegionalSettings m_regional;
};
