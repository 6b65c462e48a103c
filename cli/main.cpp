#include "cli/CliRunner.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The whole of `data` reached the stream and was flushed.
bool writeAll(std::FILE* stream, const QByteArray& data) {
    const auto size = static_cast<std::size_t>(data.size());
    return std::fwrite(data.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QByteArray out;
    QByteArray err;
    int status = runCli(QCoreApplication::arguments().mid(1), out, err);
    // A full disk or a closed output must not pass for success in a script.
    if (!writeAll(stdout, out)) {
        err +=
            QByteArray("tallowmere-cli: cannot write the output: ") + std::strerror(errno) + '\n';
        status = kCliExitOutputFailed;
    }
    writeAll(stderr, err);
    return status;
}
