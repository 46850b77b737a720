#include "platform/ProcessRunner.h"

#include "platform/DriveMap.h"
#include "platform/Pump.h"

#include <QProcess>

#include <cerrno>

ProcessRunner::Ergebnis ProcessRunner::ausfuehren(const QString& programm,
                                                  const QStringList& parameter, Pump& pump,
                                                  const QString& arbeitsordner) {
    const DriveMap& map = DriveMap::global();
    const bool windowsForm = programm.size() >= 2 && programm.at(1) == QLatin1Char(':');
    const QString nativ = windowsForm ? map.nativ(programm) : programm;
    QProcess prozess;
    prozess.setProgram(nativ);
    prozess.setArguments(parameter);
    prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess.setStandardOutputFile(QProcess::nullDevice());
    if (!arbeitsordner.isEmpty())
        prozess.setWorkingDirectory(map.nativ(arbeitsordner));
    prozess.start();
    if (!prozess.waitForStarted(-1))
        return {false, ENOENT};
    // The pump may run the event loop long enough (a message box, say) for the process's
    // end to be handled there; waiting for an ended process would never return.
    while (prozess.state() != QProcess::NotRunning && !prozess.waitForFinished(20))
        pump.verarbeiten();
    if (prozess.exitStatus() == QProcess::CrashExit)
        return {true, 99};
    return {true, prozess.exitCode()};
}
