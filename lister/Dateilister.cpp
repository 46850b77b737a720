#include "lister/Dateilister.h"

#include "platform/DriveMap.h"
#include "platform/WindowRegistry.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 pufferGrenze = 1 << 20;
constexpr qint64 fortschrittAlle = 4096;

// Pseudo file systems and volatile state: nothing there is a document.
bool ausgeschlossen(const std::string& nativ) {
    return nativ == "/proc" || nativ == "/sys" || nativ == "/dev" || nativ == "/run";
}

// A name a Windows path and a list line can carry: no line breaks, no backslash (it
// would split the name into folders) and valid UTF-8 (anything else could not be
// opened again through the path the list holds).
bool darstellbar(const char* name, size_t laenge) {
    bool ascii = true;
    for (size_t i = 0; i < laenge; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == '\r' || c == '\n' || c == '\\')
            return false;
        if (c >= 0x80)
            ascii = false;
    }
    return ascii || QByteArrayView(name, static_cast<qsizetype>(laenge)).isValidUtf8();
}

} // namespace

struct Dateilister::Lauf {
    QSaveFile ziel;
    QByteArray puffer;
    dev_t geraet = 0;
    Ergebnis ergebnis;
    const Fortschritt* fortschritt = nullptr;
    qint64 naechsteMeldung = fortschrittAlle;
    bool schreibfehler = false;

    void schreibe(const char* d, size_t n) { puffer.append(d, static_cast<qsizetype>(n)); }
    void leeren() {
        if (!puffer.isEmpty() && ziel.write(puffer) != puffer.size())
            schreibfehler = true;
        puffer.clear();
    }

    // nativ: native folder path; windows: its Windows form ending in "\".
    void ordner(std::string& nativ, std::string& windows) {
        // The root may itself be a link (a mapped folder often is); below it no link is
        // followed.
        const int fd = ::open(nativ.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC |
                                                 (ergebnis.ordner == 0 ? 0 : O_NOFOLLOW));
        if (fd < 0) {
            ++ergebnis.uebersprungen;
            return;
        }
        // A folder of another device is a mount point: like find -xdev, stay on the drive.
        struct stat eigen;
        if (::fstat(fd, &eigen) != 0 || eigen.st_dev != geraet) {
            ::close(fd);
            return;
        }
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            ++ergebnis.uebersprungen;
            return;
        }
        ++ergebnis.ordner;
        std::vector<std::string> dateien;
        std::vector<std::string> unterordner;
        while (const dirent* e = ::readdir(dir)) {
            const char* name = e->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            unsigned char typ = e->d_type;
            struct stat st;
            if (typ == DT_UNKNOWN) {
                if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                typ = S_ISDIR(st.st_mode)   ? DT_DIR
                      : S_ISREG(st.st_mode) ? DT_REG
                      : S_ISLNK(st.st_mode) ? DT_LNK
                                            : DT_UNKNOWN;
            }
            if (typ == DT_LNK) {
                // A link to a file is listed; links to folders are not followed, so no
                // walk can loop or leave the drive through them.
                if (::fstatat(fd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                    continue;
                typ = DT_REG;
            }
            if (typ != DT_REG && typ != DT_DIR)
                continue;
            const size_t laenge = std::strlen(name);
            if (!darstellbar(name, laenge)) {
                ++ergebnis.uebersprungen;
                continue;
            }
            (typ == DT_REG ? dateien : unterordner).emplace_back(name, laenge);
        }
        ::closedir(dir);

        // A fixed order makes two lists of the same tree identical.
        std::sort(dateien.begin(), dateien.end());
        std::sort(unterordner.begin(), unterordner.end());

        bool vollzeile = true;
        for (const std::string& d : dateien) {
            if (vollzeile) {
                schreibe(windows.data(), windows.size());
                // The reader takes the folder up to the last "\" or ":"; after a name
                // with a colon the next file needs its own full line.
                vollzeile = d.find(':') != std::string::npos;
            } else {
                schreibe("\" ", 2);
            }
            schreibe(d.data(), d.size());
            schreibe("\r\n", 2);
            ++ergebnis.dateien;
        }
        if (puffer.size() >= pufferGrenze)
            leeren();
        if (ergebnis.dateien >= naechsteMeldung) {
            naechsteMeldung = ergebnis.dateien + fortschrittAlle;
            if (*fortschritt)
                (*fortschritt)(ergebnis.dateien);
        }

        const size_t nativLaenge = nativ.size();
        const size_t windowsLaenge = windows.size();
        for (const std::string& u : unterordner) {
            if (nativ.back() != '/')
                nativ += '/';
            nativ += u;
            if (!ausgeschlossen(nativ)) {
                windows += u;
                windows += '\\';
                ordner(nativ, windows);
            }
            nativ.resize(nativLaenge);
            windows.resize(windowsLaenge);
        }
    }
};

QString Dateilister::listenName(QChar laufwerk) {
    return QStringLiteral("Haupt_Dateinamen_Liste_Laufwerk_") + laufwerk + QStringLiteral(".txt");
}

QString Dateilister::fenstertitel(QChar laufwerk) {
    return QStringLiteral("Erstelle Dateiliste - von Laufwerk ") + laufwerk;
}

std::optional<QChar> Dateilister::laufwerkAus(const QStringList& argumente) {
    QStringList woerter;
    if (argumente.size() == 1)
        woerter = argumente.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    else
        woerter = argumente;
    if (woerter.size() != 2 || woerter[0] != QLatin1String("open") || woerter[1].size() != 1)
        return std::nullopt;
    const QChar c = woerter[1][0];
    if (c.unicode() > 0x7f || !c.isLetter())
        return std::nullopt;
    return c;
}

Dateilister::Ergebnis Dateilister::schreibeListe(const QString& nativeWurzel, QChar laufwerk,
                                                 const QString& zielDatei,
                                                 const Fortschritt& fortschritt) {
    Lauf lauf;
    lauf.fortschritt = &fortschritt;
    std::string nativ = QFile::encodeName(QDir::cleanPath(nativeWurzel)).toStdString();
    struct stat st;
    if (nativ.empty() || ::stat(nativ.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        lauf.ergebnis.fehler = QStringLiteral("Der Ordner ") + nativeWurzel +
                               QStringLiteral(" von Laufwerk ") + laufwerk +
                               QStringLiteral(" ist nicht vorhanden.");
        return lauf.ergebnis;
    }
    lauf.geraet = st.st_dev;
    lauf.ziel.setFileName(zielDatei);
    if (!lauf.ziel.open(QIODevice::WriteOnly)) {
        lauf.ergebnis.fehler = QStringLiteral("Die Datei ") + zielDatei +
                               QStringLiteral(" kann nicht geschrieben werden.");
        return lauf.ergebnis;
    }
    std::string windows = QString(laufwerk).toStdString() + ":\\";
    if (fortschritt)
        fortschritt(0);
    lauf.ordner(nativ, windows);
    lauf.leeren();
    if (lauf.ergebnis.ordner == 0) {
        lauf.ziel.cancelWriting();
        lauf.ergebnis.fehler = QStringLiteral("Der Ordner ") + nativeWurzel +
                               QStringLiteral(" kann nicht gelesen werden.");
        return lauf.ergebnis;
    }
    if (lauf.schreibfehler || !lauf.ziel.commit()) {
        lauf.ziel.cancelWriting();
        lauf.ergebnis.fehler = QStringLiteral("Die Datei ") + zielDatei +
                               QStringLiteral(" kann nicht geschrieben werden.");
        return lauf.ergebnis;
    }
    if (fortschritt)
        fortschritt(lauf.ergebnis.dateien);
    lauf.ergebnis.ok = true;
    return lauf.ergebnis;
}

int ErstelleDateiliste(const QStringList& argumente, const QString& basisOrdner,
                       const SettingsStore& einstellungen,
                       const std::function<void(const QString&)>& meldung,
                       const Dateilister::Fortschritt& fortschritt) {
    auto melde = [&](const QString& text) {
        if (meldung)
            meldung(text);
    };
    const std::optional<QChar> laufwerk = Dateilister::laufwerkAus(argumente);
    if (!laufwerk) {
        melde(QStringLiteral("Aufruf: ErstelleDateiliste open X (X = Laufwerksbuchstabe)"));
        return 2;
    }
    DriveMap::global().konfigurieren(einstellungen);
    const QString wurzel = DriveMap::global().wurzel(laufwerk->toUpper());
    if (wurzel.isEmpty()) {
        melde(QStringLiteral("Laufwerk ") + *laufwerk + QStringLiteral(" ist nicht zugeordnet."));
        return 1;
    }
    const QString datenbank = QDir(basisOrdner).filePath(QStringLiteral("Datenbank"));
    if (!QDir().mkpath(datenbank)) {
        melde(QStringLiteral("Der Ordner ") + datenbank +
              QStringLiteral(" kann nicht angelegt werden."));
        return 1;
    }
    // The main program watches for this window; its end means the list is ready.
    WindowRegistry::Eintrag fenster(Dateilister::fenstertitel(*laufwerk),
                                    QStringLiteral("TErstelleDateilisteForm"));
    Dateilister lister;
    const Dateilister::Ergebnis e = lister.schreibeListe(
        wurzel, *laufwerk, datenbank + QLatin1Char('/') + Dateilister::listenName(*laufwerk),
        fortschritt);
    if (!e.ok) {
        melde(e.fehler);
        return 1;
    }
    melde(QString::number(e.dateien) + QStringLiteral(" Dateien in ") + QString::number(e.ordner) +
          QStringLiteral(" Ordnern, ") + QString::number(e.uebersprungen) +
          QStringLiteral(" übersprungen."));
    return 0;
}
