#pragma once

// What every fuzz target shares: a check that stops the run with a message
// (libFuzzer then saves the input), and the input split into parts.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Stops at once when `condition` fails; the sanitizers and libFuzzer report an
// abort as a finding, the replay test as a failed run.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace Fuzz {

inline QByteArrayView bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The input cut at every NUL byte into at most `maxParts` parts (the last one
// keeps any further NULs): several texts from one input, as a command line
// arrives.
inline QList<QByteArray> parts(QByteArrayView input, int maxParts) {
    QList<QByteArray> result;
    while (result.size() + 1 < maxParts) {
        const qsizetype nul = input.indexOf('\0');
        if (nul < 0)
            break;
        result << input.first(nul).toByteArray();
        input = input.sliced(nul + 1);
    }
    result << input.toByteArray();
    return result;
}

} // namespace Fuzz
