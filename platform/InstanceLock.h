#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One running copy per user and name. The lock is flock() on a file in the
// user's private runtime folder, which the kernel drops when the process dies;
// the first copy also listens on a local socket so that a later copy can ask it
// to come forward. A folder other users can write is never used.
class InstanceLock : public QObject {
    Q_OBJECT
public:
    explicit InstanceLock(const QString& name, QObject* parent = nullptr);
    // Keeps the lock file and the socket in `directory` instead of the user's
    // runtime folder (tests).
    InstanceLock(const QString& name, const QString& directory, QObject* parent = nullptr);
    ~InstanceLock() override;

    // True when this copy may run: it now holds the lock (and listens for
    // activation), or the lock cannot be taken for a reason other than another
    // holder (a read-only or missing folder, a lock file that is no file of
    // ours): the copy then runs without single-instance protection, says so on
    // stderr, and isLocked() is false. False only when another copy holds it.
    bool tryLock();
    bool isLocked() const { return m_fd >= 0; }
    // Why tryLock() let this copy run without the lock; empty otherwise.
    const QString& unprotectedReason() const { return m_unprotectedReason; }

    // From a copy that failed tryLock(): asks the holder to come forward.
    // Returns true when the request was delivered within `timeoutMs`.
    bool requestActivation(int timeoutMs = 1000);

    // Gives the lock up (also done on destruction); a later tryLock() may take it again.
    void release();

    QString lockFilePath() const;
    QString serverName() const;

signals:
    // Another copy asked this one to come forward.
    void activationRequested();

private:
    // Lets this copy run without the lock, saying why on stderr; true.
    bool runUnprotected(const QString& reason);
    QString baseName() const;
    QString directory() const;
    void startServer();
    void acceptConnections();

    QString m_name;
    QString m_directory;
    QString m_unprotectedReason;
    int m_fd = -1;
    int m_serverFd = -1;
    QByteArray m_serverFile;
    QSocketNotifier* m_server = nullptr; // parent of the callers' notifiers
};
