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

// Output dropped unless kept; errors to this process's own channel unless told otherwise.
void vorbereiten(QProcess& prozess, const QString& programm, const QStringList& parameter,
                 const ProcessRunner::Kanaele& kanaele) {
    using Fehler = ProcessRunner::Kanaele::Fehler;
    prozess.setProgram(nativesProgramm(programm));
    prozess.setArguments(parameter);
    if (kanaele.fehler == Fehler::InDieAusgabe)
        prozess.setProcessChannelMode(QProcess::MergedChannels);
    else if (kanaele.fehler == Fehler::Verwerfen)
        prozess.setStandardErrorFile(QProcess::nullDevice());
    else
        prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!kanaele.ausgabeBehalten)
        prozess.setStandardOutputFile(QProcess::nullDevice());
    if (!kanaele.umgebung.isEmpty())
        prozess.setProcessEnvironment(kanaele.umgebung);
}

ProcessRunner::Ergebnis nichtGestartet() {
    ProcessRunner::Ergebnis r;
    r.code = ENOENT;
    return r;
}

// An ended program's code; 99 after a crash, as the converter's "other error".
ProcessRunner::Ergebnis beendet(const QProcess& prozess) {
    ProcessRunner::Ergebnis r;
    r.gestartet = true;
    r.code = prozess.exitStatus() == QProcess::CrashExit ? 99 : prozess.exitCode();
    return r;
}

} // namespace

ProcessRunner::Ergebnis ProcessRunner::ausfuehren(const QString& programm,
                                                  const QStringList& parameter, Pump& pump,
                                                  const QString& arbeitsordner) {
    QProcess prozess;
    vorbereiten(prozess, programm, parameter, ProcessRunner::Kanaele());
    if (!arbeitsordner.isEmpty())
        prozess.setWorkingDirectory(DriveMap::global().nativ(arbeitsordner));
    prozess.start();
    if (!prozess.waitForStarted(-1))
        return nichtGestartet();
    // The pump may run the event loop long enough (a message box, say) for the process's
    // end to be handled there; waiting for an ended process would never return.
    while (prozess.state() != QProcess::NotRunning && !prozess.waitForFinished(20))
        pump.verarbeiten();
    return beendet(prozess);
}

ProcessRunner::Ergebnis ProcessRunner::ausfuehrenBegrenzt(const QString& programm,
                                                          const QStringList& parameter,
                                                          const Grenze& grenze,
                                                          const Kanaele& kanaele) {
    QProcess prozess;
    vorbereiten(prozess, programm, parameter, kanaele);
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.setChildProcessModifier([] { ::setpgid(0, 0); });
    prozess.start();
    if (!prozess.waitForStarted(-1))
        return nichtGestartet();
    const pid_t gruppe = static_cast<pid_t>(prozess.processId());
    // Short waits, so that a cancel is seen at once and the deadline to the tick.
    while (prozess.state() != QProcess::NotRunning && !prozess.waitForFinished(25)) {
        const bool abgebrochen = grenze.abbruch && grenze.abbruch();
        if (!abgebrochen && !grenze.frist.hasExpired())
            continue;
        ::kill(-gruppe, SIGKILL);
        prozess.waitForFinished(10000);
        ProcessRunner::Ergebnis r;
        r.gestartet = true;
        r.code = -1;
        r.ende = abgebrochen ? Ende::Abgebrochen : Ende::Zeitlimit;
        return r;
    }
    ProcessRunner::Ergebnis r = beendet(prozess);
    if (kanaele.ausgabeBehalten)
        r.ausgabe = prozess.readAllStandardOutput();
    return r;
}

ProcessRunner::Ergebnis ProcessRunner::ausfuehrenBegrenzt(const QString& programm,
                                                          const QStringList& parameter,
                                                          const Grenze& grenze) {
    return ausfuehrenBegrenzt(programm, parameter, grenze, Kanaele());
}
