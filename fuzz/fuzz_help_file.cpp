// The help file: any bytes parse without a crash into either a message or
// topics with distinct ids, every keyword pointing at one of them, sorted.

#include "FuzzCheck.h"
#include "platform/HelpFile.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HelpFile help;
    const bool ok = help.parse(Fuzz::bytes(data, size).toByteArray());
    if (!ok) {
        FUZZ_CHECK(!help.errorString().isEmpty());
        FUZZ_CHECK(help.topics().isEmpty());
        return 0;
    }
    FUZZ_CHECK(help.errorString().isEmpty());
    FUZZ_CHECK(!help.topics().isEmpty());
    QSet<QString> ids;
    for (const HelpFile::Topic& topic : help.topics()) {
        FUZZ_CHECK(!topic.id.isEmpty() && !ids.contains(topic.id));
        ids.insert(topic.id);
        FUZZ_CHECK(help.topic(topic.id) == &topic);
    }
    const QList<HelpFile::Keyword>& keywords = help.keywords();
    for (qsizetype i = 0; i < keywords.size(); ++i) {
        FUZZ_CHECK(ids.contains(keywords[i].topicId));
        FUZZ_CHECK(!keywords[i].text.isEmpty());
        if (i > 0)
            FUZZ_CHECK(keywords[i - 1].text.compare(keywords[i].text, Qt::CaseInsensitive) <= 0);
        // Type-ahead finds a keyword by its own full text.
        const int found = help.findKeyword(keywords[i].text);
        FUZZ_CHECK(found >= 0 && found <= i);
    }
    return 0;
}
