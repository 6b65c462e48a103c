#include "cli/CliRunner.h"

#include "translations/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The whole of `data` reached the stream and was flushed.
bool writeAll(std::FILE* stream, const QByteArray& data) {
    const auto size = static_cast<std::size_t>(data.size());
    return std::fwrite(data.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // The report draws text, which needs the GUI application's fonts but no display.
    const bool report = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (report)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = report ? std::make_unique<QGuiApplication>(argc, argv)
                            : std::make_unique<QCoreApplication>(argc, argv);
    Translations::install(*app);
    QByteArray out;
    QByteArray err;
    int status = runCli(QCoreApplication::arguments().mid(1), out, err);
    // A full disk or a closed output must not pass for success in a script.
    if (!writeAll(stdout, out)) {
        err += "tallowmere-cli: " +
               QCoreApplication::translate("main", "cannot write the output: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)))
                   .toUtf8() +
               '\n';
        status = kCliExitOutputFailed;
    }
    writeAll(stderr, err);
    return status;
}
