#pragma once

#include "datenbank/Programmordner.h"

#include <QString>

class Notifier;
class Shell;

// What a change of the left search field decides: the text the field ends up with (leading
// blanks and pasted markup removed), phrase or OR search, the "#" path rule that opens a
// named file instead of searching for it, and whether the search buttons are live.
class Suchfeld {
public:
    // Text colour of the two search buttons while the field holds text (008000 hex).
    static constexpr int SuchbereitFarbe = 32768;

    struct Zustand {
        // What the field holds afterwards; the window writes it back only when it differs,
        // with its change signal blocked, since every rewrite has been followed here.
        QString feldtext;
        // PhraseCheckBox ticked; otherwise OderCheckBox.
        bool phrase = false;
        bool dateiGeoeffnet = false;
        // The path named a file found nowhere: the window closes as by its close button.
        bool fensterSchliessen = false;
        QString suchtextLabel;
        // The field holds text: OK, web lists, labels and web button enabled, green text.
        bool suchbereit = false;
    };

    // Whether a change applies the "#" path rule. A path typed character by character is
    // checked only once it is whole: when it is pasted or set from elsewhere, confirmed
    // with Enter or searched.
    enum class Pfadregel { Anwenden, Warten };

    Suchfeld(Notifier& notifier, Shell& shell, const Programmordner& ordner);

    Zustand TntEdit2Change(const QString& text, Pfadregel regel = Pfadregel::Anwenden);

    // q is a path without its drive letter (":\Daten\Bericht.pdf"): the drive of the
    // program folder first, then A, B, D to Z where the last letter holding the file wins,
    // and the program folder itself when no drive has it.
    QString DateiAufLaufwerkSuchen(const QString& q) const;

    // One pass of the markup removal over a trimmed text: "/><" and "<" at the start, then
    // everything from the first ">" and from the first "<", then a "/" that is the only
    // and last one.
    static QString ohneMarkup(const QString& getrimmt);
    static bool hatDateiendung(const QString& pfad);

private:
    // What the "#" path rule made of the path: opened, declined (the path goes into the
    // field) or found nowhere.
    struct Pfadausgang {
        enum Art { Geoeffnet, Abgelehnt, NichtGefunden } art;
        QString pfad;
    };
    Pfadausgang pfadregel(QString p) const;

    Notifier& notifier_;
    Shell& shell_;
    Programmordner ordner_;
};
