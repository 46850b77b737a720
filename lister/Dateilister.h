#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class SettingsStore;

// Walks the native root of one drive letter and writes the master file list of that
// drive: the first file of every folder as a full Windows path, every further file of
// the same folder as a ditto line (double quote, blank, file name). UTF-8, CR LF.
class Dateilister {
public:
    struct Ergebnis {
        bool ok = false;
        qint64 dateien = 0;
        qint64 ordner = 0;
        // Folders that could not be opened and names no Windows path can carry.
        qint64 uebersprungen = 0;
        QString fehler;
    };
    // Called now and then with the number of files written so far.
    using Fortschritt = std::function<void(qint64 dateien)>;

    // "Haupt_Dateinamen_Liste_Laufwerk_" + letter + ".txt"
    static QString listenName(QChar laufwerk);
    // "Erstelle Dateiliste - von Laufwerk " + letter
    static QString fenstertitel(QChar laufwerk);
    // The drive letter of the program's arguments "open X" (one word each or both in one),
    // nothing for anything else.
    static std::optional<QChar> laufwerkAus(const QStringList& argumente);

    // Lists every file below the native root as "<letter>:\..." into the native target
    // file. The list appears under its name only when complete.
    Ergebnis schreibeListe(const QString& nativeWurzel, QChar laufwerk, const QString& zielDatei,
                           const Fortschritt& fortschritt = {});

private:
    struct Lauf;
};

// One run of the program: checks the arguments, maps the letter through the settings,
// publishes the lister window while it works and writes
// basis + "/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_<X>.txt". Returns the exit code:
// 0 done, 1 the list could not be made, 2 wrong arguments. Messages go to meldung.
int ErstelleDateiliste(const QStringList& argumente, const QString& basisOrdner,
                       const SettingsStore& einstellungen,
                       const std::function<void(const QString&)>& meldung = {},
                       const Dateilister::Fortschritt& fortschritt = {});
