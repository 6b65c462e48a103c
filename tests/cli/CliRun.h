#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One run of the built tallowmere-cli (TLMR_CLI_PATH) as a program: its exit
// code and both outputs; exit code -1 when it crashed or did not finish.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QString& command, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TLMR_CLI_PATH), QStringList{command} + arguments);
    CliRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    return run;
}
