#include "platform/DriveMap.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

int index(QChar laufwerk) {
    const char16_t c = laufwerk.toUpper().unicode();
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

QString ohneSchlussStrich(QString pfad) {
    while (pfad.size() > 1 && pfad.endsWith(QLatin1Char('/')))
        pfad.chop(1);
    return pfad;
}

// Looks each name of the relative part up without regard to case where the exact name
// does not exist. Names that cannot be found stay as written, so a new file keeps the
// name it is given.
QString nachGrossKleinAufloesen(const QString& wurzel, const QString& relativ) {
    const QStringList teile = relativ.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString pfad = wurzel;
    bool gefunden = true;
    for (const QString& teil : teile) {
        QString kandidat =
            pfad.endsWith(QLatin1Char('/')) ? pfad + teil : pfad + QLatin1Char('/') + teil;
        if (gefunden && !QFileInfo::exists(kandidat)) {
            gefunden = false;
            const QStringList namen = QDir(pfad).entryList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
            for (const QString& name : namen)
                if (name.compare(teil, Qt::CaseInsensitive) == 0) {
                    kandidat = pfad.endsWith(QLatin1Char('/')) ? pfad + name
                                                               : pfad + QLatin1Char('/') + name;
                    gefunden = true;
                    break;
                }
        }
        pfad = kandidat;
    }
    return pfad;
}

} // namespace

DriveMap::DriveMap() {
    eintraege_[index(QLatin1Char('H'))].wurzel = ohneSchlussStrich(QDir::homePath());
    eintraege_[index(QLatin1Char('Z'))].wurzel = QStringLiteral("/");
}

DriveMap& DriveMap::global() {
    static DriveMap map;
    return map;
}

void DriveMap::konfigurieren(const SettingsStore& settings) {
    *this = DriveMap();
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QString wert =
            settings.LeseRegKey(QStringLiteral("Laufwerk_") + QLatin1Char(c)).trimmed();
        if (!wert.isEmpty())
            setzeWurzel(QLatin1Char(c), wert);
    }
}

void DriveMap::setzeWurzel(QChar laufwerk, const QString& nativerOrdner) {
    const int i = index(laufwerk);
    if (i < 0)
        return;
    eintraege_[i].wurzel = ohneSchlussStrich(QDir::cleanPath(nativerOrdner));
    eintraege_[i].vomBenutzer = true;
}

void DriveMap::entferneWurzel(QChar laufwerk) {
    const int i = index(laufwerk);
    if (i >= 0)
        eintraege_[i] = Eintrag{};
}

QString DriveMap::wurzel(QChar laufwerk) const {
    const int i = index(laufwerk);
    return i < 0 ? QString() : eintraege_[i].wurzel;
}

QString DriveMap::nativ(const QString& windowsPfad) const {
    if (windowsPfad.startsWith(QLatin1Char('/')))
        return windowsPfad;
    if (windowsPfad.size() < 2 || windowsPfad.at(1) != QLatin1Char(':'))
        return QString();
    const QString w = wurzel(windowsPfad.at(0));
    if (w.isEmpty())
        return QString();
    QString relativ = windowsPfad.mid(2);
    relativ.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool mitSchluss = relativ.endsWith(QLatin1Char('/')) && relativ.size() > 1;
    QString pfad =
        w == QLatin1String("/") ? QStringLiteral("/") + relativ : w + QLatin1Char('/') + relativ;
    pfad = QDir::cleanPath(pfad);
    if (!QFileInfo::exists(pfad)) {
        QString rest = pfad.mid(w.size());
        pfad = nachGrossKleinAufloesen(w, rest);
    }
    if (mitSchluss && !pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}

QString DriveMap::windows(const QString& nativerPfad) const {
    const QString pfad = ohneSchlussStrich(QDir::cleanPath(QDir(nativerPfad).absolutePath()));
    int bester = -1;
    for (int i = 0; i < 26; ++i) {
        const Eintrag& e = eintraege_[i];
        if (e.wurzel.isEmpty())
            continue;
        const bool passt = e.wurzel == QLatin1String("/") || pfad == e.wurzel ||
                           pfad.startsWith(e.wurzel + QLatin1Char('/'));
        if (!passt)
            continue;
        if (bester < 0)
            bester = i;
        else {
            const Eintrag& b = eintraege_[bester];
            if (e.wurzel.size() > b.wurzel.size() ||
                (e.wurzel.size() == b.wurzel.size() && e.vomBenutzer && !b.vomBenutzer))
                bester = i;
        }
    }
    if (bester < 0)
        return QString();
    const QString& w = eintraege_[bester].wurzel;
    QString rest = w == QLatin1String("/") ? pfad.mid(1) : pfad.mid(w.size() + 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(QChar(u'A' + bester)) + QStringLiteral(":\\") + rest;
}

QString DriveMap::dateisystemName(QChar laufwerk) const {
    const QString w = wurzel(laufwerk);
    if (w.isEmpty())
        return QString();
    const QFileInfo info(w);
    return info.isDir() && info.isReadable() && info.isExecutable() ? QStringLiteral("NTFS")
                                                                    : QString();
}
