#pragma once

#include "platform/ProfileDocument.h"

#include <QSize>
#include <QString>
#include <optional>

// The per-user store of window placements (the growth window's size, the
// preview's position). Keys are "Group/Name" or "Group/Sub/Name"; the file has
// the layout of the toolkit's per-user INI settings, so placements stored by
// earlier versions still apply.
//
// Only a regular file within SafeFile::kMaxSize is read. Anything else there (a
// pipe, a device, a huge or unreadable file) is ignored with a warning, never
// waited on, and never replaced: the windows then open at their defaults. A
// failed save is warned about and otherwise ignored.
class PlacementStore {
public:
    // The store in the user's configuration folder.
    PlacementStore();
    explicit PlacementStore(QString path);

    // <configuration folder>/<maker>/<product>.conf
    static QString defaultPath();
    const QString& path() const { return m_path; }

    std::optional<QString> value(const QString& key) const;
    int intValue(const QString& key, int defaultValue) const;
    bool boolValue(const QString& key, bool defaultValue) const;
    QSize sizeValue(const QString& key, const QSize& defaultValue) const;

    void setValue(const QString& key, const QString& text);
    void setValue(const QString& key, int number);
    void setValue(const QString& key, bool on);
    void setValue(const QString& key, const QSize& size);

    // Writes the values (whole or not at all); false, with a warning, when the
    // file was not readable or cannot be written.
    bool save();

private:
    QString m_path;
    ProfileDocument m_document;
    bool m_readable = true;
};
