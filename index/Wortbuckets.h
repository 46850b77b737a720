#pragma once

#include "index/TWideStringList.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <memory>

class Pump;
class Sortierlaeufe;

// The six sorted lists a word and phrase list is made of: four by initial letter, the rest,
// and the title lines. Written one after the other, they are the list file. They stay in
// memory up to a limit; beyond it they go to sorted runs on disk that are merged when the
// list is handed out, so that a document of any size takes bounded memory.
class Wortbuckets {
public:
    enum Liste { AbisF, GbisL, MbisR, SbisZ, Rest, Titel };
    static constexpr int Anzahl = 6;

    Wortbuckets();
    ~Wortbuckets();

    // The letter list of a first character, compared as one UTF-16 code unit; Rest when
    // none applies (digits, punctuation, "ß", other letters).
    static Liste fuerZeichen(QChar erstes);

    // From now on the lists are written as a run into the folder (Windows form, ending in
    // "\") whenever they hold more than grenze bytes. The pump is called and the abort
    // asked while runs are written and merged.
    void auslagernNach(const QString& ordner, qint64 grenze, Pump& pump,
                       std::function<bool()> abbruch);

    // Adds a word or phrase to the list of its first character.
    void einordnen(QStringView eintrag);
    // Adds a title line to the title list.
    void titel(QStringView zeile);

    // What is in memory of a list now.
    const TWideStringList& liste(Liste l) const { return listen_[l]; }
    // Empties all six lists and deletes their runs.
    void leeren();

    // The number of runs written since the lists were last emptied.
    int laeufe() const { return laeufe_; }
    // A run could not be written or read: the lists are incomplete; the German message
    // names the file.
    bool gescheitert() const { return !fehler_.isEmpty(); }
    const QString& fehler() const { return fehler_; }

    using Ziel = std::function<bool(Liste liste, QStringView text)>;
    // Hands every entry of the six lists to the target, list after list, each in sorted
    // order. False when a run fails (see fehler()) or the target or the abort says stop.
    bool ausgeben(const Ziel& ziel);

private:
    void hinzufuegen(Liste l, QStringView eintrag);
    bool auslagern();

    std::array<TWideStringList, Anzahl> listen_;
    std::unique_ptr<Sortierlaeufe> auslagerung_;
    qint64 grenze_ = 0;
    int laeufe_ = 0;
    QString fehler_;
};
