// The update check against a loopback server: the whole GetInfo (request,
// waiting window, page parse) next to a bare socket fetch of the same page,
// whose time is the server's and the event loop's own; and the page parse alone.

#include "platform/Application.h"
#include "tests/support/LoopbackHttpServer.h"
#include "update/WUpdate.h"

#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using Response = LoopbackHttpServer::Response;

QByteArray informationPage(const LoopbackHttpServer& server) {
    QByteArray page = "<html><head><title>Tallowmere</title>\r\n";
    const auto meta = [&page](const QByteArray& name, const QByteArray& value) {
        page += "<META HTTP-EQUIV=\"" + name + "\" CONTENT=\"" + value + "\">\r\n";
    };
    meta("name", "Tallowmere");
    meta("version", "1.4");
    meta("date", "November 15, 2001");
    meta("url", server.url("/dl/tlmr14.exe").toString().toLatin1());
    meta("readme", server.url("/readme.txt").toString().toLatin1());
    meta("runparams", "/silent");
    page += "</head><body>";
    for (int i = 0; i < 200; ++i)
        page += "<p>A paragraph of the product's web page, as a real page has many.</p>\r\n";
    return page + "</body></html>\r\n";
}

LoopbackHttpServer& server() {
    static LoopbackHttpServer instance;
    static const bool ready = [] {
        instance.setResponse("/tlmr.htm", Response::ok(informationPage(instance)));
        return true;
    }();
    (void)ready;
    return instance;
}

void BM_GetInfo(benchmark::State& state) {
    TWebFileInfo info;
    info.setCurrentVersion(QStringLiteral("1.3.00"));
    info.InfoTags() = TWfiTags::programTags();
    info.setHomeURL(server().url("/tlmr.htm").toString());
    for (auto _ : state) {
        info.setActive(false);
        if (!info.GetInfo() || !info.IsNewerVersion())
            state.SkipWithError("the check failed");
    }
}
BENCHMARK(BM_GetInfo)->Unit(benchmark::kMicrosecond);

// The same page over a bare socket: connect, send, read to the end.
void BM_BareFetch(benchmark::State& state) {
    const quint16 port = server().port();
    for (auto _ : state) {
        QTcpSocket socket;
        QEventLoop loop;
        QByteArray received;
        QObject::connect(&socket, &QTcpSocket::connected, [&] {
            socket.write("GET /tlmr.htm HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        });
        QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
        socket.connectToHost(QHostAddress::LocalHost, port);
        loop.exec();
        benchmark::DoNotOptimize(received);
    }
}
BENCHMARK(BM_BareFetch)->Unit(benchmark::kMicrosecond);

// A server in a thread of its own answering every request with `bytes` of
// body, written as fast as the socket takes it.
class FastDownloadServer : public QThread {
public:
    explicit FastDownloadServer(qint64 bytes)
        : m_bytes(bytes) {
        m_server.listen(QHostAddress::LocalHost);
        m_server.moveToThread(this);
        start();
    }
    ~FastDownloadServer() override {
        requestInterruption();
        wait();
    }
    quint16 port() const { return m_server.serverPort(); }

protected:
    void run() override {
        const QByteArray block(1 << 20, 'u');
        while (!isInterruptionRequested()) {
            if (!m_server.waitForNewConnection(100))
                continue;
            QTcpSocket* socket = m_server.nextPendingConnection();
            while (!socket->canReadLine() && socket->waitForReadyRead(1000)) {
            }
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " +
                          QByteArray::number(m_bytes) + "\r\n\r\n");
            for (qint64 sent = 0;
                 sent < m_bytes && socket->state() == QAbstractSocket::ConnectedState;
                 sent += block.size()) {
                socket->write(block.constData(), std::min<qint64>(block.size(), m_bytes - sent));
                while (socket->bytesToWrite() > (4 << 20) && socket->waitForBytesWritten(1000)) {
                }
            }
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(1000)) {
            }
            socket->disconnectFromHost();
            delete socket;
        }
    }

private:
    QTcpServer m_server;
    qint64 m_bytes;
};

qint64 peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The whole download of 256 MiB over loopback into a file: throughput, and
// the peak resident memory before and after it (flat: the body is never held).
void BM_Download256MiB(benchmark::State& state) {
    constexpr qint64 kBytes = 256ll << 20;
    FastDownloadServer download(kBytes);
    server().setResponse("/big.htm",
                         Response::ok("<META HTTP-EQUIV=\"version\" CONTENT=\"1.4\">\r\n"
                                      "<META HTTP-EQUIV=\"url\" CONTENT=\"http://127.0.0.1:" +
                                      QByteArray::number(download.port()) + "/tlmr14\">\r\n"));
    QTemporaryDir folder;
    const qint64 before = peakResidentKiB();
    for (auto _ : state) {
        TWebFileInfo info;
        info.setCurrentVersion(QStringLiteral("1.3.00"));
        info.InfoTags() = TWfiTags::programTags();
        info.setHomeURL(server().url("/big.htm").toString());
        if (!info.DownloadUpdate(folder.path() + u'/') ||
            QFile(folder.filePath(QStringLiteral("tlmr14"))).size() != kBytes)
            state.SkipWithError(qPrintable(info.LastError()));
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
    state.counters["peak_rss_before_MiB"] = double(before) / 1024;
    state.counters["peak_rss_after_MiB"] = double(peakResidentKiB()) / 1024;
}
BENCHMARK(BM_Download256MiB)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ParseInfoPage(benchmark::State& state) {
    const QByteArray page = informationPage(server());
    const TWfiTags tags = TWfiTags::programTags();
    for (auto _ : state)
        benchmark::DoNotOptimize(UpdateInfo::ParseInfoPage(page, tags));
    state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_ParseInfoPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
