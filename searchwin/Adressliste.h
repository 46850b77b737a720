#pragma once

#include "searchwin/Profildatei.h"

#include <QString>
#include <QStringList>

// The user's list of web addresses, "Adressen_Webseiten.txt" in the program folder: the
// topics in the key "Liste" of the sections "Themen1" and "Themen2", and for every topic a
// section of its name whose "Liste" holds its addresses.
class Adressliste {
public:
    enum class Art {
        Suchend, // ends in "/" or "=": the search word is appended
        Einfach  // only opened; the user pastes or types the word there
    };

    static QString dateiname() { return QStringLiteral("Adressen_Webseiten.txt"); }

    explicit Adressliste(Profildatei datei) : datei_(std::move(datei)) {}

    // Both topic values joined, split and sorted as the topic selector shows them.
    QStringList themen() const;
    // The addresses of a topic, split and sorted; none for an empty topic name.
    QStringList adressen(const QString& thema) const;

    // Topic names: split at each comma, trimmed, empty names skipped.
    static QStringList themennamen(const QString& wert);
    // Addresses: split at each comma with the character after the comma dropped as well,
    // trimmed, empty entries skipped.
    static QStringList adresseintraege(const QString& wert);
    // Alphabetical, without regard to letter case, in the user's locale.
    static QStringList sortiert(QStringList eintraege);

    static Art art(const QString& adresse);
    // The symbol on the entry's marker: ">" on green, "+" on white.
    static QString symbol(Art art);
    static QString hinweis(Art art);

private:
    Profildatei datei_;
};
