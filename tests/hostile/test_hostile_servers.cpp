// Servers that misbehave on purpose, met through the real HTTP client, the
// information-page check and the download. Every scenario must be ended by the
// client's own rules (time-outs of 1 s here instead of 30 s, and the bounds
// that follow from them), not by the test's limit further on, with a message
// naming what went wrong, while the event loop keeps running, memory grows by
// less than kMemoryBound, and no partial download takes the chosen name.

#include "platform/Application.h"
#include "tests/hostile/HostileServer.h"
#include "tests/support/ScriptedDialogService.h"
#include "update/HttpCli.h"
#include "update/UpdateWindows.h"
#include "update/WUpdate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using Script = HostileServer::Script;
using S = HostileServer;

namespace {

constexpr int kTimeoutMs = 1000;
// The overall bound given to the bare client.
constexpr int kDeadlineMs = 1500;
// Where the test cuts a scenario the client has not ended by itself.
constexpr int kTestLimitMs = 5500;
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine (256 MiB) before reuse.
constexpr qint64 kMemoryBound = 512ll << 20;
#else
constexpr qint64 kMemoryBound = 64ll << 20;
#endif
constexpr qint64 kPageLimit = TWebFileInfo::kMaxTextBytes;

// A folder on a 1 MiB file system (tmpfs in a mount namespace of this process
// alone), or empty when the process may not mount; see main().
QString smallDisk;

enum class Path { Client, Info, Download };

qint64 residentBytes() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Watches a running scenario: the largest growth of resident memory and the
// longest pause of the event loop.
class Watch : public QObject {
public:
    Watch() {
        m_base = residentBytes();
        m_clock.start();
        m_timer.callOnTimeout(this, [this] {
            m_peak = std::max(m_peak, residentBytes() - m_base);
            m_longestPause = std::max(m_longestPause, m_clock.restart());
        });
        m_timer.start(20);
    }
    qint64 peakGrowth() const { return m_peak; }
    qint64 longestPause() const { return m_longestPause; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_base = 0;
    qint64 m_peak = 0;
    qint64 m_longestPause = 0;
};

QByteArray metaLine(const QByteArray& name, const QByteArray& value) {
    return "<META HTTP-EQUIV=\"" + name + "\" CONTENT=\"" + value + "\">\r\n";
}

Script goodPage(const HostileServer& server) {
    const QByteArray page = metaLine("version", "1.4") +
                            metaLine("url", server.url("/dl/tlmr14").toString().toLatin1());
    return {S::send("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(page.size()) +
                    "\r\nConnection: close\r\n\r\n" + page),
            S::close()};
}

const QByteArray kOk = "HTTP/1.1 200 OK\r\n";
const QByteArray kChunk(64 * 1024, 'x');

} // namespace

Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Script)

class TestHostileServers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scenario_data();
    void scenario();

private:
    ScriptedDialogService* m_dialogs = nullptr;
};

void TestHostileServers::initTestCase() {
    m_dialogs = &ScriptedDialogService::install(*Application::instance());
}

void TestHostileServers::scenario_data() {
    QTest::addColumn<Path>("path");
    QTest::addColumn<Script>("script");
    // Part of the message; empty: the request succeeds; "*": it succeeds or times out.
    QTest::addColumn<QString>("reason");
    QTest::addColumn<qint64>("received");   // body bytes delivered, -1: any
    QTest::addColumn<int>("cancelAfterMs"); // the user cancels the download, -1: never

    const QString timedOut = QStringLiteral("Connection timed out");
    const QString reset = QStringLiteral("Connection reset by peer");
    const QString tooLarge = QStringLiteral("response larger than %1 bytes").arg(kPageLimit);
    QByteArray manyLines;
    manyLines.reserve(100000 * 13);
    for (int i = 0; i < 100000; ++i)
        manyLines += "X-Filler: ab\r\n";
    const Script slowHeaders{S::trickle(kOk + "Content-Length: 2\r\n\r\nok", 1000)};
    const Script endless{S::send(kOk + "\r\n"), S::repeat(kChunk, -1)};
    const Script longer{S::send(kOk + "Content-Length: 100000\r\n\r\n"),
                        S::repeat(QByteArray(1000, 'a'), 1), S::close()};
    const Script shorter{S::send(kOk + "Content-Length: 10\r\n\r\n"),
                         S::repeat(QByteArray(1000, 'a'), 1), S::close()};
    const Script badStatus{S::send("HTPP/1.1 two hundred\r\nContent-Length: 2\r\n\r\nok"),
                           S::close()};
    const Script hugeLine{S::send(kOk + "X-Huge: "), S::repeat(kChunk, 16384), // 1 GiB
                          S::send("\r\nContent-Length: 2\r\n\r\nok"), S::close()};
    const Script loop{S::send("HTTP/1.1 302 Found\r\nLocation: /loop\r\nContent-Length: 0\r\n\r\n"),
                      S::close()};
    const Script resetMidBody{S::send(kOk + "Content-Length: 100000\r\n\r\n"),
                              S::repeat(QByteArray(5000, 'a'), 1), S::reset()};
    const Script silent{S::stall()};
    const Script dripping{S::send(kOk + "\r\n"), S::trickle(QByteArray(1000, 'x'), 200)};
    // Each page arrives within the time one page may take, and redirects to itself.
    const Script slowRedirects{
        S::send(kOk + "Connection: close\r\n\r\n" + metaLine("redirect", "@SERVER@/tlmr.htm")),
        S::trickle(QByteArray(8, ' '), 200), S::close()};
    const Script stalledBody{S::send(kOk + "Content-Length: 100000\r\n\r\n"),
                             S::repeat(QByteArray(5000, 'a'), 1), S::stall()};

    const auto row = [](const char* name, Path path, const Script& script, const QString& reason,
                        qint64 received = -1, int cancelAfterMs = -1) {
        QTest::newRow(name) << path << script << reason << received << cancelAfterMs;
    };
    row("client: slow headers", Path::Client, slowHeaders, timedOut);
    row("client: body without end", Path::Client, endless, tooLarge);
    row("client: length larger than body", Path::Client, longer, reset);
    row("client: length smaller than body", Path::Client, shorter, {}, 10);
    // Reported as the connection's reset, the network layer's word for it.
    row("client: bad status line", Path::Client, badStatus, QStringLiteral("(Error #"));
    // The headers are accepted, at about 4 s of the network thread per MiB:
    // the time-out may or may not come first.
    row("client: 100,000 header lines", Path::Client,
        {S::send(kOk + manyLines + "Content-Length: 2\r\n\r\nok"), S::close()},
        QStringLiteral("*"));
    row("client: 1 GiB header line", Path::Client, hugeLine, timedOut);
    row("client: redirect loop", Path::Client, loop,
        QStringLiteral("too many relocations (more than 10)"));
    row("client: reset mid-body", Path::Client, resetMidBody, reset);
    row("client: never answers", Path::Client, silent, timedOut);
    row("client: stalls mid-body", Path::Client, stalledBody, timedOut);
    row("client: body trickles without end", Path::Client, dripping, timedOut);

    row("page: slow headers", Path::Info, slowHeaders, timedOut);
    row("page: body without end", Path::Info, endless, tooLarge);
    row("page: redirect loop", Path::Info, loop,
        QStringLiteral("too many relocations (more than 10)"));
    row("page: never answers", Path::Info, silent, timedOut);
    row("page: body trickles without end", Path::Info, dripping, timedOut);
    row("page: slow redirect chain", Path::Info, slowRedirects, timedOut);

    row("download: reset mid-body", Path::Download, resetMidBody, reset);
    row("download: never answers", Path::Download, silent, timedOut);
    row("download: stalls mid-body", Path::Download, stalledBody, timedOut);
    row("download: body trickles without end", Path::Download, dripping,
        QStringLiteral("transfer too slow: less than 1024 bytes a second for 2 seconds"));
    row("download: body without end, cancelled", Path::Download, endless,
        QStringLiteral("Connection aborted on request"), -1, 500);
    row("download: larger than the disk", Path::Download,
        {S::send(kOk + "Content-Length: 4194304\r\n\r\n"), S::repeat(kChunk, 64), S::close()},
        QStringLiteral("can't write the received data: ") +
            QString::fromLocal8Bit(strerror(ENOSPC)));
}

void TestHostileServers::scenario() {
    QFETCH(Path, path);
    QFETCH(Script, script);
    QFETCH(QString, reason);
    QFETCH(qint64, received);
    QFETCH(int, cancelAfterMs);

    HostileServer server;
    const QByteArray origin = server.url({}).toString(QUrl::StripTrailingSlash).toLatin1();
    for (HostileServer::Step& step : script)
        step.data.replace("@SERVER@", origin);
    QTemporaryDir folder;
    QString chosen = folder.filePath(QStringLiteral("tlmr14.EXE"));
    const bool fullDisk = QByteArray(QTest::currentDataTag()).contains("disk");
    rlimit savedLimit{};
    getrlimit(RLIMIT_FSIZE, &savedLimit);
    const auto restoreLimit = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &savedLimit); });
    if (fullDisk && !smallDisk.isEmpty()) {
        chosen = smallDisk + QStringLiteral("/tlmr14.EXE");
    } else if (fullDisk) {
        // Without a small disk, a 1 MiB limit on this process's files stands in.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{1 << 20, savedLimit.rlim_max};
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        reason.replace(QString::fromLocal8Bit(strerror(ENOSPC)),
                       QString::fromLocal8Bit(strerror(EFBIG)));
    }

    QElapsedTimer clock;
    std::unique_ptr<Watch> watch;
    QString message;
    bool succeeded = false;
    bool cut = false; // by the test's limit
    qint64 delivered = 0;
    // The client, or the component holding one; torn down after the request.
    std::unique_ptr<QObject> owner;
    if (path == Path::Client) {
        server.setDefaultScript(script);
        auto* client = new THttpCli;
        owner.reset(client);
        client->setTimeoutMs(kTimeoutMs);
        client->setDeadlineMs(kDeadlineMs);
        client->setBodyLimit(kPageLimit);
        client->URL = server.url(QStringLiteral("/info")).toString();
        QEventLoop loop;
        client->OnRequestDone = [&](THttpCli* sender, THttpRequest, std::uint16_t error) {
            succeeded = error == 0 && sender->ResponseStatus() == 200;
            message = sender->ResponseReason();
            loop.quit();
        };
        client->OnDocData = [&](THttpCli*, const char*, int len) { delivered += len; };
        // A request that never ends is cut here, so the test itself ends.
        QTimer::singleShot(kTestLimitMs, &loop, [&] {
            cut = true;
            loop.quit();
        });
        watch = std::make_unique<Watch>();
        clock.start();
        client->StartGet();
        loop.exec();
    } else {
        auto* info = new TWebFileInfo;
        owner.reset(info);
        info->setCurrentVersion(QStringLiteral("1.3"));
        info->InfoTags() = TWfiTags::programTags();
        info->setHomeURL(server.url(QStringLiteral("/tlmr.htm")).toString());
        info->setTimeoutMs(kTimeoutMs);
        if (path == Path::Info) {
            server.setDefaultScript(script);
        } else {
            server.setScript("/tlmr.htm", goodPage(server));
            server.setScript("/dl/tlmr14", script);
            QVERIFY(info->GetInfo());
        }
        // The user's Cancel, pressed once the progress window is up.
        QTimer cancel;
        cancel.callOnTimeout([&cancel] {
            if (auto* window = qobject_cast<TWebDlProgress*>(QApplication::activeModalWidget())) {
                window->btnCancel->click();
                cancel.stop();
            }
        });
        if (cancelAfterMs >= 0)
            cancel.start(cancelAfterMs);
        // A request that never ends is cancelled here, so the test itself ends.
        QTimer::singleShot(kTestLimitMs, info, [info, &cut] {
            cut = true;
            if (THttpCli* http = info->httpClient())
                http->CancelRequest();
        });
        watch = std::make_unique<Watch>();
        clock.start();
        succeeded = path == Path::Info ? info->GetInfo() : info->DownloadUpdate(chosen);
        message = info->LastError();
    }
    const qint64 elapsed = clock.elapsed();
    QElapsedTimer teardown;
    teardown.start();
    owner.reset();
    const qint64 teardownMs = teardown.elapsed();

    qInfo("%s after %lld ms; memory grew by %lld KiB at most; longest event-loop pause %lld ms; "
          "%lld bytes sent; torn down in %lld ms",
          qPrintable(succeeded ? QStringLiteral("succeeded") : message), elapsed,
          watch->peakGrowth() >> 10, watch->longestPause(), server.bytesSent(), teardownMs);
    QVERIFY2(!cut, "the client did not end the request by itself");
    if (reason == QLatin1String("*")) {
        QVERIFY2(succeeded || message.contains(QLatin1String("timed out")), qPrintable(message));
    } else if (reason.isEmpty()) {
        QVERIFY2(succeeded, qPrintable(message));
    } else {
        QVERIFY(!succeeded);
        QVERIFY2(message.contains(reason), qPrintable(message));
    }
    if (received >= 0)
        QCOMPARE(delivered, received);
    QVERIFY(watch->peakGrowth() < kMemoryBound);
    QVERIFY(watch->longestPause() < 1000);
    // Tearing the client down waits for the network thread to finish the
    // headers it has read (seconds after a header flood); it must still end.
    QVERIFY(teardownMs < 30000);
    if (path == Path::Download)
        QVERIFY2(!QFile::exists(chosen), "a partial download took the chosen name");
    if (fullDisk)
        QVERIFY2(!QFile::exists(chosen + ".part"), "a part that could not be written was kept");
}

// The test gets a mount namespace of its own before any thread exists, so the
// small file system it mounts is seen by nobody else and goes with the process.
static QString mountSmallDisk() {
    if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
        mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return {};
    char dir[] = "/tmp/tlmr-small-disk-XXXXXX";
    if (!mkdtemp(dir))
        return {};
    if (mount("tmpfs", dir, "tmpfs", MS_NOSUID | MS_NODEV, "size=1m") != 0) {
        rmdir(dir);
        return {};
    }
    return QString::fromLocal8Bit(dir);
}

int main(int argc, char** argv) {
    smallDisk = mountSmallDisk();
    QStandardPaths::setTestModeEnabled(true);
    int status = 0;
    {
        Application app(argc, argv);
        TestHostileServers test;
        status = QTest::qExec(&test, argc, argv);
    }
    if (!smallDisk.isEmpty()) {
        umount(smallDisk.toLocal8Bit().constData());
        rmdir(smallDisk.toLocal8Bit().constData());
    }
    return status;
}

#include "test_hostile_servers.moc"
