#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

// A dataset without data of its own: it counts records in RecordIndex and asks
// its owner, through OnCheckEOF, whether the end has been reached.
class TfrUserDataset : public QObject {
    Q_OBJECT
public:
    enum RangeBegin { rbFirst, rbCurrent };
    enum RangeEnd { reLast, reCurrent, reCount };
    using Event = std::function<void(QObject* sender)>;
    using CheckEofEvent = std::function<void(QObject* sender, bool& eof)>;

    explicit TfrUserDataset(QObject* parent = nullptr)
        : QObject(parent) {}

    std::int32_t RecordIndex = 0;
    RangeBegin rangeBegin = rbFirst;
    RangeEnd rangeEnd = reLast;
    std::int32_t RangeEndCount = 0;
    Event OnFirst, OnNext, OnPrior;
    CheckEofEvent OnCheckEOF;

    void First();
    void Next();
    // Asked before every row; it may be asked more than once per row.
    bool Eof();
};
