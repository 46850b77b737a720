#include "platform/Kindprozess.h"

#include "platform/DriveMap.h"

#include <QProcess>

#include <cerrno>

Kindprozess::Kindprozess() = default;

Kindprozess::~Kindprozess() = default;

bool Kindprozess::starten(const QString& programm, const QStringList& parameter,
                          const QString& arbeitsordner) {
    const DriveMap& map = DriveMap::global();
    const bool windowsForm = programm.size() >= 2 && programm.at(1) == QLatin1Char(':');
    prozess_ = std::make_unique<QProcess>();
    prozess_->setProgram(windowsForm ? map.nativ(programm) : programm);
    prozess_->setArguments(parameter);
    prozess_->setStandardInputFile(QProcess::nullDevice());
    prozess_->setStandardOutputFile(QProcess::nullDevice());
    if (!arbeitsordner.isEmpty())
        prozess_->setWorkingDirectory(map.nativ(arbeitsordner));
    prozess_->start();
    if (!prozess_->waitForStarted(30000)) {
        stand_ = Stand::Fehler;
        code_ = ENOENT;
        fehlerausgabe_ = prozess_->errorString();
        return false;
    }
    stand_ = Stand::Laeuft;
    return true;
}

Kindprozess::Stand Kindprozess::stand() {
    warten(0);
    return stand_;
}

bool Kindprozess::warten(int millisekunden) {
    if (stand_ != Stand::Laeuft)
        return stand_ != Stand::Unbekannt;
    // In a running event loop the end may have been noticed already; waiting then says
    // nothing, so the state decides.
    if (prozess_->state() != QProcess::NotRunning)
        prozess_->waitForFinished(millisekunden);
    if (prozess_->state() == QProcess::NotRunning)
        endeUebernehmen();
    return stand_ != Stand::Laeuft;
}

void Kindprozess::endeUebernehmen() {
    code_ = prozess_->exitStatus() == QProcess::CrashExit ? 99 : prozess_->exitCode();
    stand_ = code_ == 0 ? Stand::Erfolg : Stand::Fehler;
    fehlerausgabe_ = QString::fromLocal8Bit(prozess_->readAllStandardError()).trimmed();
}
