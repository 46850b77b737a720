#include "datenbank/Programmordner.h"

#include "datenbank/Arbeitsordner.h"
#include "platform/Dateisperre.h"
#include "platform/DriveMap.h"
#include "platform/Files.h"
#include "platform/Notifier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString mitSchlussStrich(QString pfad) {
    if (!pfad.endsWith(QLatin1Char('\\')))
        pfad += QLatin1Char('\\');
    return pfad;
}
} // namespace

Programmordner::Programmordner(const QString& windowsPfad) : pfad_(mitSchlussStrich(windowsPfad)) {}

Programmordner Programmordner::bestimmen(const QStringList& argumente,
                                         const QString& aktuellerOrdner,
                                         const QString& programmVerzeichnis,
                                         const QString& heimOrdner, const DriveMap& laufwerke) {
    const QString nativ = argumente.contains(menueSchalter()) ? benutzerordner(heimOrdner)
                          : argumente.isEmpty()               ? aktuellerOrdner
                                                              : programmVerzeichnis;
    return Programmordner(laufwerke.windows(nativ));
}

const QString& Programmordner::menueSchalter() {
    static const QString schalter = QStringLiteral("--benutzerordner");
    return schalter;
}

QString Programmordner::benutzerordner(const QString& heimOrdner) {
    return QDir(heimOrdner).filePath(QStringLiteral("Kelvora-PDF"));
}

QString Programmordner::datenbank(const QString& relativ) const {
    return pfad_ + QStringLiteral("Datenbank\\") + relativ;
}

QString Programmordner::temp(const QString& relativ) const {
    return pfad_ + QStringLiteral("Datenbank\\Temp\\") + relativ;
}

const QStringList& Programmordner::datenordner() {
    static const QStringList ordner = {QStringLiteral("Datenbank"),
                                       QStringLiteral("Datenbank\\Suchwoerterlisten"),
                                       QStringLiteral("Datenbank\\Temp")};
    return ordner;
}

void Programmordner::ordnerAnlegen(Notifier& notifier) const {
    for (const QString& ordner : datenordner()) {
        const QString pfad = pfad_ + ordner;
        if (Files::ordnerExistiert(pfad))
            continue;
        if (!Files::ordnerAnlegen(pfad))
            notifier.warnung(QStringLiteral("Kann das Verzeichnis ") + pfad +
                             QStringLiteral(" nicht anlegen!"));
    }
}

QStringList
Programmordner::tempLeeren(const std::function<bool(const QString& name)>& behalten) const {
    QStringList behaltene;
    const QString ordner = Files::nativ(temp());
    if (ordner.isEmpty())
        return behaltene;
    const QFileInfoList eintraege = QDir(ordner).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                               QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : eintraege) {
        if (!e.isDir() || e.isSymLink()) {
            if (behalten && !e.isDir() && behalten(e.fileName()))
                behaltene.append(e.fileName());
            else
                QFile::remove(e.absoluteFilePath());
            continue;
        }
        // A running job holds its folder's lock, so the folder stays. Holding the lock while
        // deleting keeps a job that is just creating the folder from moving in meanwhile.
        Dateisperre sperre;
        if (sperre.nehmen(temp(e.fileName()) + QLatin1Char('\\') + Arbeitsordner::sperrName()))
            QDir(e.absoluteFilePath()).removeRecursively();
    }
    return behaltene;
}

bool Programmordner::steuerordnerWirksam(const QString& kelvoraControl) const {
    return !kelvoraControl.isEmpty() && pfad_.toLower().contains(kelvoraControl.toLower());
}
