#include "platform/DriveMap.h"

#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// A listing is kept only for a folder unchanged for this long: a change within the same
// tick of the file system clock as the listing would leave the time as it was.
constexpr qint64 RuheNs = 3'000'000'000;
constexpr qsizetype HoechstensVerzeichnisse = 256;

int index(QChar laufwerk) {
    const char16_t c = laufwerk.toUpper().unicode();
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

QString ohneSchlussStrich(QString pfad) {
    while (pfad.size() > 1 && pfad.endsWith(QLatin1Char('/')))
        pfad.chop(1);
    return pfad;
}

} // namespace

QString DriveMap::nameImOrdner(const QString& ordner, const QString& name) const {
    struct stat st {};
    const bool da = ::stat(QFile::encodeName(ordner).constData(), &st) == 0;
    const qint64 geaendert = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    // The change time as well: it moves also when the modification time is set back.
    const qint64 status = qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    const QString schluessel = name.toCaseFolded();
    if (da) {
        const auto it = verzeichnisse_.constFind(ordner);
        if (it != verzeichnisse_.cend() && it->geraet == qint64(st.st_dev) &&
            it->knoten == qint64(st.st_ino) && it->geaendert == geaendert && it->status == status)
            return it->namen.value(schluessel);
    }
    ++lesungen_;
    const QStringList namen = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
    const qint64 jetzt = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    if (!da || jetzt - geaendert < RuheNs) {
        for (const QString& n : namen)
            if (n.compare(name, Qt::CaseInsensitive) == 0)
                return n;
        return QString();
    }
    if (verzeichnisse_.size() >= HoechstensVerzeichnisse)
        verzeichnisse_.clear();
    Verzeichnis& v = verzeichnisse_[ordner];
    v = Verzeichnis{qint64(st.st_dev), qint64(st.st_ino), geaendert, status, {}};
    v.namen.reserve(namen.size());
    // Backwards, so that of names with equal foldings the first in the listing stays.
    for (auto n = namen.crbegin(); n != namen.crend(); ++n)
        v.namen.insert(n->toCaseFolded(), *n);
    return v.namen.value(schluessel);
}

// Looks each name of the relative part up without regard to case where the exact name
// does not exist. Names that cannot be found stay as written, so a new file keeps the
// name it is given.
QString DriveMap::nachGrossKleinAufloesen(const QString& wurzel, const QString& relativ) const {
    const QStringList teile = relativ.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString pfad = wurzel;
    bool gefunden = true;
    for (const QString& teil : teile) {
        const QString vorne = pfad.endsWith(QLatin1Char('/')) ? pfad : pfad + QLatin1Char('/');
        QString kandidat = vorne + teil;
        if (gefunden && !QFileInfo::exists(kandidat)) {
            const QString name = nameImOrdner(pfad, teil);
            gefunden = !name.isEmpty();
            if (gefunden)
                kandidat = vorne + name;
        }
        pfad = kandidat;
    }
    return pfad;
}

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

bool DriveMap::abbilden(const QString& windowsPfad, QString& wurzel, QString& pfad,
                        bool& mitSchluss) const {
    if (windowsPfad.size() < 2 || windowsPfad.at(1) != QLatin1Char(':'))
        return false;
    wurzel = this->wurzel(windowsPfad.at(0));
    if (wurzel.isEmpty())
        return false;
    QString relativ = windowsPfad.mid(2);
    relativ.replace(QLatin1Char('\\'), QLatin1Char('/'));
    mitSchluss = relativ.endsWith(QLatin1Char('/')) && relativ.size() > 1;
    pfad = QDir::cleanPath(wurzel == QLatin1String("/") ? QStringLiteral("/") + relativ
                                                        : wurzel + QLatin1Char('/') + relativ);
    return true;
}

QString DriveMap::nativDirekt(const QString& windowsPfad) const {
    if (windowsPfad.startsWith(QLatin1Char('/')))
        return windowsPfad;
    QString w, pfad;
    bool mitSchluss = false;
    if (!abbilden(windowsPfad, w, pfad, mitSchluss))
        return QString();
    return mitSchluss && !pfad.endsWith(QLatin1Char('/')) ? pfad + QLatin1Char('/') : pfad;
}

QString DriveMap::nativ(const QString& windowsPfad) const {
    if (windowsPfad.startsWith(QLatin1Char('/')))
        return windowsPfad;
    QString w, pfad;
    bool mitSchluss = false;
    if (!abbilden(windowsPfad, w, pfad, mitSchluss))
        return QString();
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
