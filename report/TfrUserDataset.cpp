#include "report/TfrUserDataset.h"

void TfrUserDataset::First() {
    RecordIndex = 0;
    if (OnFirst)
        OnFirst(this);
}

void TfrUserDataset::Next() {
    if (rangeEnd == reCount && RecordIndex >= RangeEndCount)
        return;
    ++RecordIndex;
    if (OnNext)
        OnNext(this);
}

bool TfrUserDataset::Eof() {
    bool eof = rangeEnd == reCount && RecordIndex >= RangeEndCount;
    if (OnCheckEOF)
        OnCheckEOF(this, eof);
    return eof;
}
