#pragma once

#include <QFile>
#include <QString>

// Where a download is written: a file of our own, created exclusively under a
// fresh name in the target's folder, that replaces the target only once the
// download is whole (synced, then renamed over it). Nothing else in the folder
// is touched; a download that does not get there is removed. Every failure
// carries the file and the system's reason ("No space left on device").
class DownloadTarget {
public:
    explicit DownloadTarget(const QString& targetPath);
    ~DownloadTarget();
    DownloadTarget(const DownloadTarget&) = delete;
    DownloadTarget& operator=(const DownloadTarget&) = delete;

    // Creates the temporary file; false with errorString() set when it cannot.
    bool open();
    // The open temporary file, unbuffered: a full disk fails the write that fills it.
    QFile& file() { return m_file; }
    // Syncs and closes the file, then renames it over the target.
    bool commit();
    // Removes the temporary file (also done by the destructor unless committed).
    void discard();

    const QString& errorString() const { return m_error; }
    const QString& temporaryPath() const { return m_tempPath; }

    // Why `path` cannot take a download, checked before one starts: it is no
    // regular file, or its name is longer than its folder allows. Empty when it can.
    static QString unusableReason(const QString& path);

private:
    bool failWith(const QString& message);

    QString m_target;
    QString m_tempPath;
    QFile m_file;
    QString m_error;
};
