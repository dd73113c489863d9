#include "tests/cli/RunTavrin.h"

#include <QProcess>
#include <QProcessEnvironment>

RunResult RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    RunResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

RunResult RunTavrin(const QStringList& arguments)
{
    return RunProgram(qEnvironmentVariable("TAVRIN_BINARY_DIR") + "/bin/Tavrin", arguments);
}
