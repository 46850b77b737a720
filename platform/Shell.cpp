#include "platform/Shell.h"

#include "platform/DriveMap.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QUrl>

Shell::Shell() : oeffner_(std::make_unique<QObject>()) {}

Shell::~Shell() {
    // An opener may wait for the program it started (xdg-open does on a plain desktop);
    // both go on after this program, so the opener is let go instead of killed.
    for (QProcess* p : oeffner_->findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        p->disconnect();
        p->setParent(nullptr);
    }
}

QString Shell::adresse(const QString& dateiOderAdresse) {
    const QString s = dateiOderAdresse.trimmed();
    const bool windowsPfad = s.size() >= 2 && s.at(1) == QLatin1Char(':') && s.at(0).isLetter();
    if (windowsPfad || s.startsWith(QLatin1Char('/'))) {
        const QString nativ = DriveMap::global().nativ(s);
        return QUrl::fromLocalFile(nativ.isEmpty() ? s : nativ).toString(QUrl::FullyEncoded);
    }
    return s;
}

bool Shell::oeffnen(const QString& dateiOderAdresse, const std::function<void()>& misslungen) {
    auto* prozess = new QProcess(oeffner_.get());
    prozess->setProgram(QStringLiteral("xdg-open"));
    prozess->setArguments({adresse(dateiOderAdresse)});
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer uhr;
    uhr.start();
    QObject::connect(prozess, &QProcess::finished, prozess,
                     [prozess, misslungen, uhr](int code, QProcess::ExitStatus art) {
                         prozess->deleteLater();
                         if ((code != 0 || art == QProcess::CrashExit) && misslungen &&
                             uhr.elapsed() < Meldefrist)
                             misslungen();
                     });
    prozess->start();
    if (!prozess->waitForStarted(Meldefrist)) {
        delete prozess;
        return false;
    }
    return true;
}

void Shell::oeffnenAbwarten(int millisekunden) {
    const QDeadlineTimer frist(millisekunden);
    for (QProcess* p : oeffner_->findChildren<QProcess*>(Qt::FindDirectChildrenOnly))
        if (p->state() != QProcess::NotRunning)
            p->waitForFinished(static_cast<int>(frist.remainingTime()));
}

bool Shell::starten(const QString& programm, const QStringList& parameter,
                    const QString& arbeitsordner) {
    const QString nativ =
        programm.contains(QLatin1Char('\\')) || programm.contains(QLatin1Char(':'))
            ? DriveMap::global().nativ(programm)
            : programm;
    const QString ordner =
        arbeitsordner.isEmpty() ? QString() : DriveMap::global().nativ(arbeitsordner);
    return QProcess::startDetached(nativ.isEmpty() ? programm : nativ, parameter, ordner);
}

std::unique_ptr<Kindprozess> Shell::alsAdministratorStarten(const QString& programm,
                                                            const QStringList& parameter,
                                                            const QString& arbeitsordner) {
    auto prozess = std::make_unique<Kindprozess>();
    if (!prozess->starten(programm, parameter, arbeitsordner))
        return nullptr;
    return prozess;
}

bool ProtokollShell::oeffnen(const QString& dateiOderAdresse, const std::function<void()>&) {
    aufrufe.push_back({QStringLiteral("oeffnen"), dateiOderAdresse, {}, {}});
    return erfolg;
}

bool ProtokollShell::starten(const QString& programm, const QStringList& parameter,
                             const QString& arbeitsordner) {
    aufrufe.push_back({QStringLiteral("starten"), programm, parameter, arbeitsordner});
    return erfolg;
}

std::unique_ptr<Kindprozess> ProtokollShell::alsAdministratorStarten(const QString& programm,
                                                                     const QStringList& parameter,
                                                                     const QString& arbeitsordner) {
    aufrufe.push_back({QStringLiteral("runas"), programm, parameter, arbeitsordner});
    return erfolg ? std::make_unique<Kindprozess>() : nullptr;
}
