#include "platform/HelpFile.h"

#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>

void HelpFile::clear() {
    m_error.clear();
    m_title.clear();
    m_topics.clear();
    m_keywords.clear();
}

bool HelpFile::load(const QString& path) {
    clear();
    // Only a regular file of a sensible size: a pipe would hang the window and a
    // device or a huge file exhaust the memory.
    std::optional<QByteArray> data;
    try {
        data = SafeFile::read(path);
    } catch (const SafeFile::Error& error) {
        m_error = QCoreApplication::translate("HelpFile", "The file cannot be read: %1.")
                      .arg(error.reason());
        return false;
    }
    if (!data) {
        m_error = QCoreApplication::translate("HelpFile", "The file does not exist.");
        return false;
    }
    return parse(*data);
}

bool HelpFile::parse(const QByteArray& data) {
    clear();
    if (data.trimmed().isEmpty()) {
        m_error = QCoreApplication::translate("HelpFile", "The file is empty.");
        return false;
    }
    QXmlStreamReader xml(data);
    QSet<QString> ids;
    const auto fail = [&](const QString& message) {
        m_error = QCoreApplication::translate("HelpFile", "Line %1: %2")
                      .arg(xml.lineNumber())
                      .arg(message);
        m_title.clear();
        m_topics.clear();
        return false;
    };

    if (!xml.readNextStartElement())
        return fail(xml.hasError()
                        ? xml.errorString()
                        : QCoreApplication::translate("HelpFile", "The file has no elements."));
    if (xml.name() != u"helpfile")
        return fail(QCoreApplication::translate("HelpFile", "This is not a help file."));
    m_title = xml.attributes().value(QLatin1String("title")).toString().trimmed();

    while (xml.readNextStartElement()) {
        if (xml.name() != u"topic") {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        Topic topic;
        topic.id = attributes.value(QLatin1String("id")).toString().trimmed();
        topic.title = attributes.value(QLatin1String("title")).toString().trimmed();
        const QStringList keywords =
            attributes.value(QLatin1String("keywords")).toString().split(u';', Qt::SkipEmptyParts);
        for (const QString& keyword : keywords) {
            if (!keyword.trimmed().isEmpty())
                topic.keywords << keyword.trimmed();
        }
        if (topic.id.isEmpty())
            return fail(QCoreApplication::translate("HelpFile", "A topic has no id."));
        if (ids.contains(topic.id))
            return fail(
                QCoreApplication::translate("HelpFile", "The topic id \"%1\" is used twice.")
                    .arg(topic.id));
        ids.insert(topic.id);
        topic.html = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        if (xml.hasError())
            break;
        m_topics.append(topic);
    }
    if (xml.hasError())
        return fail(xml.errorString());
    if (m_topics.isEmpty())
        return fail(QCoreApplication::translate("HelpFile", "The file has no topics."));

    for (const Topic& topic : std::as_const(m_topics)) {
        for (const QString& keyword : topic.keywords)
            m_keywords.append(Keyword{keyword, topic.id});
    }
    std::stable_sort(m_keywords.begin(), m_keywords.end(), [](const Keyword& a, const Keyword& b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    return true;
}

const HelpFile::Topic* HelpFile::topic(const QString& id) const {
    const auto found = std::find_if(m_topics.cbegin(), m_topics.cend(),
                                    [&](const Topic& t) { return t.id == id; });
    return found == m_topics.cend() ? nullptr : &*found;
}

int HelpFile::findKeyword(const QString& prefix) const {
    const auto found = std::find_if(m_keywords.cbegin(), m_keywords.cend(), [&](const Keyword& k) {
        return k.text.startsWith(prefix, Qt::CaseInsensitive);
    });
    return found == m_keywords.cend() ? -1 : int(found - m_keywords.cbegin());
}
