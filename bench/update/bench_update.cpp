// The update check against a loopback server: the whole GetInfo (request,
// waiting window, page parse) next to a bare socket fetch of the same page,
// whose time is the server's and the event loop's own; and the page parse alone.

#include "platform/Application.h"
#include "tests/support/LoopbackHttpServer.h"
#include "update/WUpdate.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <benchmark/benchmark.h>

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
