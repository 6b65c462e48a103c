// The update check against a loopback server: the whole GetInfo (request,
// waiting window, page parse) next to a bare socket fetch of the same page,
// whose time is the server's and the event loop's own; a 256 MiB download
// (throughput and memory); and the page parse alone.

#include "platform/Application.h"
#include "tests/support/LoopbackHttpServer.h"
#include "update/WebFileInfo.h"

#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A server in a process of its own answering every request with `bytes` of
// body, written as fast as the socket takes it: nothing of the client's pace
// or memory is shared with it.
class FastDownloadServer {
public:
    explicit FastDownloadServer(qint64 bytes) {
        const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(listener, 4);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        // Everything the child needs is made before it exists: after fork()
        // it only makes system calls.
        const std::string head =
            "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " + std::to_string(bytes) +
            "\r\n\r\n";
        const std::string block(1 << 20, 'u');
        m_child = ::fork();
        if (m_child == 0)
            serve(listener, head, block, bytes); // never returns
        ::close(listener);
    }
    ~FastDownloadServer() {
        ::kill(m_child, SIGTERM);
        ::waitpid(m_child, nullptr, 0);
    }
    quint16 port() const { return m_port; }

private:
    [[noreturn]] static void serve(int listener, const std::string& head, const std::string& block,
                                   qint64 bytes) {
        for (;;) {
            const int socket = ::accept(listener, nullptr, nullptr);
            if (socket < 0)
                continue;
            char request[4096];
            (void)!::recv(socket, request, sizeof request, 0);
            bool open = ::send(socket, head.data(), head.size(), MSG_NOSIGNAL) > 0;
            for (qint64 sent = 0; open && sent < bytes;) {
                const qint64 size = std::min<qint64>(qint64(block.size()), bytes - sent);
                const ssize_t n = ::send(socket, block.data(), size_t(size), MSG_NOSIGNAL);
                open = n > 0;
                sent += std::max<ssize_t>(n, 0);
            }
            ::shutdown(socket, SHUT_WR);
            while (::recv(socket, request, sizeof request, 0) > 0) {
            }
            ::close(socket);
        }
    }

    pid_t m_child = -1;
    quint16 m_port = 0;
};

qint64 statusField(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qsizetype(std::strlen(name)))
                .trimmed()
                .split(' ')
                .value(0)
                .toLongLong();
    }
    return 0;
}

// The whole download of 256 MiB over loopback into a file, from a server in
// another process: throughput, and how far resident memory rose above where
// it stood before (the process's peak, reset before each download).
void BM_Download256MiB(benchmark::State& state) {
    constexpr qint64 kBytes = 256ll << 20;
    FastDownloadServer download(kBytes);
    server().setResponse("/big.htm",
                         Response::ok("<META HTTP-EQUIV=\"version\" CONTENT=\"1.4\">\r\n"
                                      "<META HTTP-EQUIV=\"url\" CONTENT=\"http://127.0.0.1:" +
                                      QByteArray::number(download.port()) + "/tlmr14\">\r\n"));
    QTemporaryDir folder;
    qint64 growthKiB = 0;
    for (auto _ : state) {
        TWebFileInfo info;
        info.setCurrentVersion(QStringLiteral("1.3.00"));
        info.InfoTags() = TWfiTags::programTags();
        info.setHomeURL(server().url("/big.htm").toString());
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5"); // the peak starts again from here
        clear.close();
        const qint64 before = statusField("VmRSS:");
        if (!info.DownloadUpdate(folder.path() + u'/') ||
            QFile(folder.filePath(QStringLiteral("tlmr14"))).size() != kBytes)
            state.SkipWithError(qPrintable(info.LastError()));
        growthKiB = std::max(growthKiB, statusField("VmHWM:") - before);
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
    state.counters["peak_growth_MiB"] = double(growthKiB) / 1024;
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
