#include "platform/ProcessRunner.h"

#include "platform/DriveMap.h"
#include "platform/Pump.h"

#include <QProcess>

#include <cerrno>

#include <signal.h>
#include <unistd.h>

namespace {

QString nativesProgramm(const QString& programm) {
    const bool windowsForm = programm.size() >= 2 && programm.at(1) == QLatin1Char(':');
    return windowsForm ? DriveMap::global().nativ(programm) : programm;
}

void vorbereiten(QProcess& prozess, const QString& programm, const QStringList& parameter) {
    prozess.setProgram(nativesProgramm(programm));
    prozess.setArguments(parameter);
    prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess.setStandardOutputFile(QProcess::nullDevice());
}

} // namespace

ProcessRunner::Ergebnis ProcessRunner::ausfuehren(const QString& programm,
                                                  const QStringList& parameter, Pump& pump,
                                                  const QString& arbeitsordner) {
    QProcess prozess;
    vorbereiten(prozess, programm, parameter);
    if (!arbeitsordner.isEmpty())
        prozess.setWorkingDirectory(DriveMap::global().nativ(arbeitsordner));
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

ProcessRunner::Ergebnis ProcessRunner::ausfuehrenBegrenzt(const QString& programm,
                                                          const QStringList& parameter,
                                                          const Grenze& grenze) {
    QProcess prozess;
    vorbereiten(prozess, programm, parameter);
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.setChildProcessModifier([] { ::setpgid(0, 0); });
    prozess.start();
    if (!prozess.waitForStarted(-1))
        return {false, ENOENT};
    const pid_t gruppe = static_cast<pid_t>(prozess.processId());
    // Short waits, so that a cancel is seen at once and the deadline to the tick.
    while (prozess.state() != QProcess::NotRunning && !prozess.waitForFinished(25)) {
        const bool abgebrochen = grenze.abbruch && grenze.abbruch->load();
        if (!abgebrochen && !grenze.frist.hasExpired())
            continue;
        ::kill(-gruppe, SIGKILL);
        prozess.waitForFinished(10000);
        return {true, -1, abgebrochen ? Ende::Abgebrochen : Ende::Zeitlimit};
    }
    if (prozess.exitStatus() == QProcess::CrashExit)
        return {true, 99};
    return {true, prozess.exitCode()};
}
