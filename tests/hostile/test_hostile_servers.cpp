// Servers that misbehave on purpose, met through the real HTTP client, the
// information-page check and the download. Every scenario must be ended by the
// client's own rules (time-outs of 1 s here instead of 30 s, and the bounds
// that follow from them), not by the test's limit further on, with a message
// naming what went wrong, while the event loop keeps running, memory grows by
// less than kMemoryBound, and no partial download takes the chosen name.

#include "platform/Application.h"
#include "platform/Shell.h"
#include "tests/hostile/FastServer.h"
#include "tests/hostile/HostileServer.h"
#include "tests/support/ScriptedDialogService.h"
#include "update/HttpCli.h"
#include "update/UpdateWindows.h"
#include "update/WebFileInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
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
// What the user does against the fast server.
enum class Action { Check, Download, ReadMe };

// A private temporary-files folder (TMPDIR), so that a test can tell that
// nothing was written there.
QString privateTemp;

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

// Resident memory at its highest since the last resetPeak().
qint64 peakResident() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() << 10;
    }
    return 0;
}
bool resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

QStringList leftIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}
const QByteArray kChunk(64 * 1024, 'x');

} // namespace

Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(FastServer::Answer)
Q_DECLARE_METATYPE(Script)

class TestHostileServers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scenario_data();
    void scenario();
    void fastServer_data();
    void fastServer();

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
        QStringLiteral("tlmr14.EXE: ") + QString::fromLocal8Bit(strerror(ENOSPC)));
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
                window->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
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
    // Neither a partial download under the chosen name nor a partial file.
    if (path == Path::Download)
        QCOMPARE(leftIn(QFileInfo(chosen).path()), QStringList());
}

// The same client against a server in its own thread that sends as fast as
// the socket allows: memory stays flat, sizes are bounded, plain http and
// relocations are checked, the read-me is only shown, names are cleaned, and
// each failure says what happened. `page` holds the information page's META
// lines; "@" in it stands for the server's address.
void TestHostileServers::fastServer_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<FastServer::Answer>("answer"); // for /dl/tlmr14 and /readme.txt
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("reason"); // part of the message; empty: success
    QTest::addColumn<qint64>("saved");   // size of the chosen file afterwards, -1: none

    const QByteArray ok = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    const QByteArray block(256 * 1024, 'u');
    const QByteArray download = metaLine("version", "1.4") + metaLine("url", "@/dl/tlmr14");
    const auto sized = [&](qint64 length) {
        return ok + "Content-Length: " + QByteArray::number(length) + "\r\n";
    };
    const auto row = [](const char* name, const QByteArray& page, const FastServer::Answer& a,
                        Action action, const QString& reason, qint64 saved = -1) {
        QTest::newRow(name) << page << a << action << reason << saved;
    };
    // 1: a fast download is read at the pace it is written.
    row("256 MiB as fast as it goes", download, {sized(256 << 20), {}, block, 1024},
        Action::Download, {}, 256 << 20);
    row("256 MiB after a relocation",
        metaLine("version", "1.4") + metaLine("url", "@/moved/tlmr14"),
        {sized(256 << 20), {}, block, 1024}, Action::Download, {}, 256 << 20);
    row("256 MiB packed as fast as it goes", download,
        {sized(256 << 20) + "Content-Encoding: gzip\r\n", {}, block, 1024}, Action::Download,
        QStringLiteral("/dl/tlmr14 comes packed (\"gzip\")"));
    row("endless chunked body, cancelled", download, {ok, {}, block, -1, true}, Action::Download,
        QStringLiteral("Connection aborted on request"));
    // 2: sizes.
    row("endless body over the page's size", download + metaLine("size", "1048576"),
        {ok, {}, block, -1}, Action::Download,
        QStringLiteral("is larger than the 1,048,576 bytes the information page gives"));
    row("announced 2 GiB without a page size", download, {sized(2ll << 30), {}, block, -1},
        Action::Download,
        QStringLiteral("is larger than 1,073,741,824 bytes, the most an update may be"));
    row("body shorter than announced", download, {sized(10 << 20), {}, block, 4}, Action::Download,
        QStringLiteral("(Error #"));
    row("body shorter than the page's size", download + metaLine("size", "2000"),
        {sized(1000), QByteArray(1000, 'a'), {}, 0}, Action::Download,
        QStringLiteral("has 1,000 bytes, not the 2,000 bytes the information page gives"));
    // 3: plain http only on this machine.
    row("plain http download elsewhere",
        metaLine("version", "1.4") + metaLine("url", "http://192.0.2.7/tlmr14"), {},
        Action::Download,
        QStringLiteral("http://192.0.2.7/tlmr14 was refused: plain http is used only on this "
                       "machine"));
    row("relocation to plain http elsewhere", download,
        {"HTTP/1.1 302 Found\r\nLocation: http://192.0.2.7/x\r\nContent-Length: 0\r\n", {}, {}, 0},
        Action::Download,
        QStringLiteral("sends the request on to http://192.0.2.7/x, which was "
                       "refused: http://192.0.2.7/x was refused"));
    // 4: a read-me named by the empty tag is shown, never opened elsewhere.
    row("read-me file by the empty tag", metaLine("version", "1.4") + metaLine("", "@/readme.txt"),
        {sized(31), "[Desktop Entry]\nExec=evil-thing", {}, 0}, Action::ReadMe, {});
    // 6: names.
    row("name with a query and bidi controls",
        metaLine("version", "1.4") +
            metaLine("url",
                     "@/dl/tlmr14?to=../../../x/" + QString(QChar(0x202e)).toUtf8() + "txt.exe"),
        {sized(3), "new", {}, 0}, Action::Download, {}, 3);
    // 7: messages in words, with the address.
    row("relocation to file:", download,
        {"HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 0\r\n", {}, {}, 0},
        Action::Download,
        QStringLiteral("sends the request on to \"file:///etc/passwd\", which was refused"));
    row("10 MB read-me", metaLine("version", "1.4") + metaLine("readme", "@/readme.txt"),
        {sized(10'000'000), {}, QByteArray(10'000, 'r'), 1000}, Action::ReadMe,
        QStringLiteral("/readme.txt could not be shown.\rError: \"it is larger than 4,194,304 "
                       "bytes"));
    row("compressed far beyond reason", download,
        {sized(qCompress(QByteArray(32 << 20, '\0'), 9).size() - 4) +
             "Content-Encoding: deflate\r\n",
         qCompress(QByteArray(32 << 20, '\0'), 9).mid(4),
         {},
         0},
        Action::Download, QStringLiteral("/dl/tlmr14 comes packed (\"deflate\")"));
    row("UTF-16 page", QByteArray("\xff\xfe", 2) + QByteArray("<\0M\0", 4), {}, Action::Check,
        QStringLiteral("/tlmr.htm is UTF-16 text"));
    row("page server refuses connections", {}, {}, Action::Check,
        QStringLiteral("The update information could not be fetched from http://127.0.0.1:1/"
                       "tlmr.htm:\rcan't connect: "));
}

void TestHostileServers::fastServer() {
    QFETCH(QByteArray, page);
    QFETCH(FastServer::Answer, answer);
    QFETCH(Action, action);
    QFETCH(QString, reason);
    QFETCH(qint64, saved);

    FastServer server;
    page.replace("\"@", "\"" + server.url({}).toLatin1());
    server.setAnswer("/tlmr.htm", {kOk + "Content-Length: " + QByteArray::number(page.size()) +
                                       "\r\nConnection: close\r\n",
                                   page,
                                   {},
                                   0});
    server.setAnswer(action == Action::ReadMe ? "/readme.txt" : "/dl/tlmr14", answer);
    server.setAnswer("/moved/tlmr14",
                     {"HTTP/1.1 302 Found\r\nContent-Length: 0\r\nLocation: " +
                          server.url(QStringLiteral("/dl/tlmr14")).toLatin1() + "\r\n",
                      {},
                      {},
                      0});
    const QStringList inTemp = leftIn(privateTemp);
    QTemporaryDir folder(privateTemp + QStringLiteral("/../chosen-XXXXXX"));
    const QString chosen = folder.filePath(QStringLiteral("tlmr14.EXE"));
    // Someone's own file beside the download, named as a partial download.
    QFile mine(chosen + QStringLiteral(".part"));
    QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
    mine.close();
    int handedOver = 0;
    Shell::setUrlOpener([&handedOver](const QUrl&) { return bool(++handedOver); });
    const auto restoreOpener = qScopeGuard([] { Shell::setUrlOpener({}); });

    TWebFileInfo info;
    info.setCurrentVersion(QStringLiteral("1.3"));
    info.InfoTags() = TWfiTags::programTags();
    const bool refusedPage = QByteArray(QTest::currentDataTag()).contains("refuses");
    info.setHomeURL(refusedPage ? QStringLiteral("http://127.0.0.1:1/tlmr.htm")
                                : server.url(QStringLiteral("/tlmr.htm")));
    info.setTimeoutMs(kTimeoutMs * 5);
    QString shownReadMe;
    const auto readMe = [&shownReadMe] {
        if (QWidget* w = QApplication::activeModalWidget();
            w && w->objectName() == QLatin1String("ReadMeWindow")) {
            shownReadMe = w->findChild<QPlainTextEdit*>()->toPlainText();
            w->close();
        }
    };
    QTimer closer;
    closer.callOnTimeout(readMe);
    closer.start(20);
    bool cancelled = false;
    info.OnDownloadProgress = [&cancelled](TWebFileInfo*, int received, int) {
        auto* window = qobject_cast<TWebDlProgress*>(QApplication::activeModalWidget());
        if (!cancelled && window && received > (8 << 20) &&
            QByteArray(QTest::currentDataTag()).contains("cancelled")) {
            cancelled = true;
            QTimer::singleShot(0, window->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                               &QPushButton::click);
        }
    };
    m_dialogs->clear();

    const bool measured = resetPeak();
    const qint64 before = residentBytes();
    bool succeeded = info.GetInfo();
    if (succeeded && action == Action::Download)
        succeeded = info.DownloadUpdate(folder.path() + u'/') &&
                    info.DownloadFileName() == QLatin1String("tlmr14");
    if (succeeded && action == Action::ReadMe)
        succeeded = info.ShowReadMe(false) && !shownReadMe.isEmpty();
    const qint64 growth = (measured ? peakResident() : residentBytes()) - before;
    QString message = info.LastError();
    for (const QString& text : m_dialogs->texts())
        message += u'|' + text;
    qInfo("%s; resident memory grew by %lld KiB at most; %lld bytes sent",
          qPrintable(succeeded ? QStringLiteral("succeeded") : message), growth >> 10,
          server.bytesSent());

    if (reason.isEmpty()) {
        QVERIFY2(succeeded, qPrintable(message));
    } else {
        QVERIFY(!succeeded);
        QVERIFY2(message.contains(reason), qPrintable(message));
    }
    QVERIFY2(growth < kMemoryBound, qPrintable(QString::number(growth >> 20) + " MiB"));
    // Only the download, whole, under the cleaned name; nothing else written.
    QStringList expected{QStringLiteral("tlmr14.EXE.part")};
    if (saved >= 0) {
        const QString name = info.DownloadFileName();
        expected << name;
        QCOMPARE(QFileInfo(folder.filePath(name)).size(), saved);
    }
    expected.sort();
    QCOMPARE(leftIn(folder.path()), expected);
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
    QCOMPARE(leftIn(privateTemp), inTemp);
    QCOMPARE(handedOver, 0);
    if (action == Action::ReadMe && reason.isEmpty())
        QCOMPARE(shownReadMe, QStringLiteral("[Desktop Entry]\nExec=evil-thing"));
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
    QTemporaryDir temp;
    privateTemp = temp.path();
    qputenv("TMPDIR", QFile::encodeName(privateTemp));
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
