#pragma once

#include "report/FrObjects.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class TfrReport;

// One prepared page: the sheet's size and paper, and the objects to draw with
// sheet positions and their texts expanded.
struct PreparedPage {
    int width = 0;  // units
    int height = 0; // units
    std::int32_t paperSize = 1;
    std::int32_t paperWidth = 0;  // tenths of a millimetre
    std::int32_t paperHeight = 0; // tenths of a millimetre
    std::uint8_t orientation = 0;
    std::int32_t bin = 65535;
    bool stretchToPrintable = true;
    std::vector<std::unique_ptr<TfrView>> objects;
};

struct PreparedReport {
    std::vector<PreparedPage> pages;
    QString title;   // the report's DocumentTitle
    QString creator; // the report's Creator
};

// Raised when a bracketed name is resolved neither by the report's value
// callback nor by the engine.
class ReportEvaluationError : public std::runtime_error {
public:
    explicit ReportEvaluationError(const QString& name);
};

// Walks the report's pages and its dataset into prepared pages. With
// StretchToPrintable off, a margin of 0 stands for the printer's unprintable
// offset on that side (`unprintable`, in units: left, top, right, bottom).
PreparedReport prepareReport(TfrReport& report, const int unprintable[4] = nullptr);

// Replaces each [name] of `line` by its value (exposed for tests).
QString expandLine(const QString& line, const std::function<QString(const QString&)>& resolve);
