#include "platform/Shell.h"

#include "platform/DriveMap.h"

#include <QProcess>
#include <QUrl>

QString Shell::adresse(const QString& dateiOderAdresse) {
    const QString s = dateiOderAdresse.trimmed();
    const bool windowsPfad = s.size() >= 2 && s.at(1) == QLatin1Char(':') && s.at(0).isLetter();
    if (windowsPfad || s.startsWith(QLatin1Char('/'))) {
        const QString nativ = DriveMap::global().nativ(s);
        return QUrl::fromLocalFile(nativ.isEmpty() ? s : nativ).toString(QUrl::FullyEncoded);
    }
    return s;
}

bool Shell::oeffnen(const QString& dateiOderAdresse) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {adresse(dateiOderAdresse)});
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

bool ProtokollShell::oeffnen(const QString& dateiOderAdresse) {
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
