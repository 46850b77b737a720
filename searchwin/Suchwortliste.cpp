#include "searchwin/Suchwortliste.h"

#include "datenbank/Programmordner.h"
#include "platform/TextFiles.h"
#include "search/Zeichenkette.h"

namespace Suchwortliste {

QStringList laden(const QString& pfad) {
    return TextFiles::zeilen(ReadTextFile(pfad, TextFiles::OhneBom::Ansi));
}

bool speichern(const QStringList& liste, const QString& pfad) {
    return WriteToStream(TextFiles::text(liste), pfad, TextFiles::Utf16Le);
}

QString datei(const Programmordner& ordner, const QString& datenbank, Dokumentvariante v) {
    return ordner.datenbank(Dokumentvarianten::suchwoerterliste(datenbank, v));
}

bool aufnehmen(QStringList& liste, const QString& s) {
    if (Zeichenkette::trim(s).isEmpty())
        return false;
    liste.removeIf([&s](const QString& e) { return e.isEmpty() || e == s; });
    liste.prepend(s);
    liste.removeOne(QStringLiteral("Sie_haben_keinen_Suchtext_eingegeben!"));
    if (liste.size() > MaxEintraege)
        liste.removeLast();
    return true;
}

void schreiben(const QStringList& liste, const Programmordner& ordner, const QString& datenbank,
               Dokumentvariante geladen, const QList<Dokumentvariante>& mitTreffer) {
    if (geladen != Dokumentvariante::Keine) {
        if (liste.isEmpty())
            return;
        for (Dokumentvariante v : mitTreffer)
            if (v != Dokumentvariante::Keine)
                speichern(liste, datei(ordner, datenbank, v));
        return;
    }
    if (!mitTreffer.isEmpty())
        speichern(liste, datei(ordner, datenbank, Dokumentvariante::Keine));
}

} // namespace Suchwortliste
