#pragma once

#include <QChar>
#include <QString>

#include <array>

class SettingsStore;

// Every path inside the program keeps its Windows form ("H:\Akten\Bericht.pdf"), so the
// stored files are the same on every system. Each drive letter stands for a native
// folder: H: is the home folder, Z: is "/", and the setting "Laufwerk_<X>" maps any
// letter to a folder of the user's choice. File access converts at this boundary.
class DriveMap {
public:
    DriveMap();

    // The map the whole process uses.
    static DriveMap& global();

    // Reads the defaults and every "Laufwerk_<X>" value.
    void konfigurieren(const SettingsStore& settings);
    void setzeWurzel(QChar laufwerk, const QString& nativerOrdner);
    void entferneWurzel(QChar laufwerk);
    // Native folder of a letter, empty when the letter is not mapped.
    QString wurzel(QChar laufwerk) const;

    // "X:\a\b" -> native path. Names that do not exist as written are looked up without
    // regard to letter case, as Windows would. Paths without a mapped drive letter come
    // back empty, unless they already are native absolute paths.
    QString nativ(const QString& windowsPfad) const;
    // Native absolute path -> Windows form; the longest matching root wins.
    QString windows(const QString& nativerPfad) const;

    // What the volume query of Windows would answer for the root of a letter: "NTFS" for
    // a mapped letter whose root is a folder that can be walked, empty otherwise.
    QString dateisystemName(QChar laufwerk) const;

private:
    struct Eintrag {
        QString wurzel;
        bool vomBenutzer = false;
    };
    std::array<Eintrag, 26> eintraege_;
};
