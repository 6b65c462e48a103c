// The command-line companion's arguments. Input: the arguments after the
// program name, separated by NUL bytes (as the system passes them). Every
// command line ends in a defined exit status with output or a message; none
// writes a file (report command lines naming a file are left out).

#include "FuzzCheck.h"
#include "cli/CliCommandLine.h"
#include "cli/CliRunner.h"
#include "cli/ScheduleCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments;
    for (const QByteArray& part : Fuzz::parts(Fuzz::bytes(data, size), 64))
        arguments << QString::fromUtf8(part);
    if (size == 0)
        arguments.clear();

    if (!arguments.isEmpty() && arguments.front() == QLatin1String("schedule")) {
        QString error;
        const auto options = parseScheduleArguments(arguments.mid(1), error);
        FUZZ_CHECK(options.has_value() == error.isEmpty());
    }

    // The option in any spelling the parser takes: "--pdf", "-pdf", "--pdf=F".
    if (!arguments.isEmpty() && arguments.front() == QLatin1String("report")) {
        for (const QString& a : arguments) {
            QStringView name = QStringView(a).left(a.indexOf(u'='));
            while (name.startsWith(u'-'))
                name = name.sliced(1);
            if (a.startsWith(u'-') && name == QLatin1String("pdf"))
                return 0;
        }
    }
    QByteArray out;
    QByteArray err;
    const int status = runCli(arguments, out, err);
    FUZZ_CHECK(status == 0 || status == 1 || status == 2);
    if (status == 0)
        FUZZ_CHECK(!out.isEmpty() && err.isEmpty());
    else
        FUZZ_CHECK(out.isEmpty() && err.startsWith("tallowmere-cli: ") && err.endsWith('\n'));
    return 0;
}
