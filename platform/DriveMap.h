#pragma once

#include <QChar>
#include <QHash>
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
    // The same without looking at the disk: the path as written below its drive's folder.
    QString nativDirekt(const QString& windowsPfad) const;
    // Native absolute path -> Windows form; the longest matching root wins.
    QString windows(const QString& nativerPfad) const;

    // What the volume query of Windows would answer for the root of a letter: "NTFS" for
    // a mapped letter whose root is a folder that can be walked, empty otherwise.
    QString dateisystemName(QChar laufwerk) const;

    // How often a folder was listed to find a name without regard to case.
    qint64 Verzeichnislesungen() const { return lesungen_; }

private:
    // A folder's names, kept while the folder is unchanged: without it every name that
    // does not exist as written (a moved PDF, a page about to be written) reads the whole
    // folder again.
    struct Verzeichnis {
        qint64 geraet = 0;
        qint64 knoten = 0;
        qint64 geaendert = 0; // modification and change time in nanoseconds
        qint64 status = 0;
        // Case-folded name -> the first name in listing order with that folding.
        QHash<QString, QString> namen;
    };
    // Splits a Windows path into its drive's folder and the cleaned native path; false when
    // the drive is not mapped.
    bool abbilden(const QString& windowsPfad, QString& wurzel, QString& pfad,
                  bool& mitSchluss) const;
    // The name on disk that equals the name without regard to case, empty when none does.
    QString nameImOrdner(const QString& ordner, const QString& name) const;
    QString nachGrossKleinAufloesen(const QString& wurzel, const QString& relativ) const;

    struct Eintrag {
        QString wurzel;
        bool vomBenutzer = false;
    };
    std::array<Eintrag, 26> eintraege_;
    mutable QHash<QString, Verzeichnis> verzeichnisse_;
    mutable qint64 lesungen_ = 0;
};
