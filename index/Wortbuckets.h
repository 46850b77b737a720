#pragma once

#include "index/TWideStringList.h"

#include <QChar>
#include <QString>

#include <array>

// The six sorted lists a word and phrase list is made of: four by initial letter, the rest,
// and the title lines. Written one after the other, they are the list file.
class Wortbuckets {
public:
    enum Liste { AbisF, GbisL, MbisR, SbisZ, Rest, Titel };
    static constexpr int Anzahl = 6;

    Wortbuckets();

    // The letter list of a first character, compared as one UTF-16 code unit; Rest when
    // none applies (digits, punctuation, "ß", other letters).
    static Liste fuerZeichen(QChar erstes);
    // Adds a word or phrase to the list of its first character.
    void einordnen(const QString& eintrag);

    TWideStringList& liste(Liste l) { return listen_[l]; }
    const TWideStringList& liste(Liste l) const { return listen_[l]; }
    // Empties the five word lists and keeps the titles.
    void woerterLeeren();
    void titelLeeren() { listen_[Titel].leeren(); }

    // The six texts one after the other, nothing between them.
    QString text() const;

private:
    std::array<TWideStringList, Anzahl> listen_;
};
