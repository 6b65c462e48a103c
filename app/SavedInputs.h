#pragma once

#include "calc/RegionalSettings.h"

#include <QString>
#include <array>

// The inputs that persist between runs, in section "LastValues" of the settings
// file beside the program. The table of keys fixes their order for reading and
// writing. Loading reads everything before anything is applied, so a value that
// is not a number leaves the caller's fields untouched; saving converts each
// field just before its own write, so a bad field stops the save at that key.
class SavedInputs {
public:
    enum class Kind { Number, Text, Integer };
    struct Key {
        const char* name;
        Kind kind;
        const char* defaultValue;
    };
    static constexpr int kKeyCount = 9;
    static const std::array<Key, kKeyCount>& keys();
    static QString section() { return QStringLiteral("LastValues"); }

    // What a load yields; defaults are those of a missing file.
    struct Values {
        double savings = 0;
        double balance = 0;
        double term = 0;
        double interest = 0;
        QString frequency = QStringLiteral("Monthly");
        QString firstMonth = QStringLiteral("Jan");
        int firstYear = 2001;
        QString lastMonth = QStringLiteral("Jan");
        int lastYear = 2031;
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

    SavedInputs(QString path, const RegionalSettings& regional);

    const QString& path() const { return m_path; }

    // Throws ConversionError when a number key holds no number; missing keys
    // and integers that are no integers give the defaults.
    Values load() const;
    // Writes the nine keys in order, one write per key. Throws ConversionError
    // for a field that is no number (keys before it are written) and
    // ProfileWriteError when the file cannot be written.
    void save(const Fields& fields) const;

private:
    QString m_path;
    RegionalSettings m_regional;
};
