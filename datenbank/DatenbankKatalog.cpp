#include "datenbank/DatenbankKatalog.h"

#include "datenbank/Datenbankwechsel.h"
#include "datenbank/Dokumentvariante.h"
#include "platform/Files.h"
#include "platform/Pump.h"

QStringList DatenbankKatalog::namen() const {
    QStringList out;
    const QStringList dateien =
        Files::dateien(ordner_.datenbank(QString()), QStringLiteral(".dat"));
    for (const QString& datei : dateien) {
        if (datei.toLower().contains(QLatin1String("_mht.dat")))
            continue;
        // The listing only yields names ending in ".dat" (any case); the name is what
        // stands before that ending, even when the name itself contains ".dat".
        out.append(datei.left(datei.size() - 4));
    }
    return out;
}

bool DatenbankKatalog::existiert(const QString& name) const {
    return Files::existiert(ordner_.datenbank(name + QStringLiteral(".dat")));
}

QList<int> DatenbankKatalog::eintraegeMitDialogname(const QStringList& eintraege,
                                                    const QString& dialogName) {
    QList<int> treffer;
    if (dialogName.isEmpty())
        return treffer;
    for (int i = 0; i < eintraege.size(); ++i)
        if (!eintraege.at(i).isEmpty() && eintraege.at(i).contains(dialogName))
            treffer.append(i);
    return treffer;
}

QStringList DatenbankKatalog::dateien(const QString& name) {
    using V = Dokumentvariante;
    QStringList endungen{QStringLiteral(".log"), QStringLiteral(".dat")};
    for (V v : Dokumentvarianten::alle)
        endungen << Dokumentvarianten::dokument(v);
    for (V v : Dokumentvarianten::alle)
        endungen << Dokumentvarianten::titelpositionen(v);
    // The lists go in the order of their names.
    for (V v : {V::Ansi, V::Unicode, V::Utf8})
        endungen << Dokumentvarianten::sortierteListe(v);
    QStringList out;
    for (const QString& endung : endungen)
        out.append(QStringLiteral("Datenbank\\") + name + endung);
    for (V v : {V::Ansi, V::Utf8, V::Unicode, V::Keine})
        out.append(QStringLiteral("Datenbank\\") + Dokumentvarianten::suchwoerterliste(name, v));
    return out;
}

QString DatenbankKatalog::textcache(const QString& name) {
    return QStringLiteral("Datenbank\\") + name + QStringLiteral("_Textcache\\");
}

QStringList DatenbankKatalog::loeschen(const QString& name) const {
    Datenbankwechsel(ordner_, name).wiederherstellen(Pump::still());
    QStringList geloescht;
    for (const QString& relativ : dateien(name))
        if (Files::existiert(ordner_.datei(relativ)) && Files::loeschen(ordner_.datei(relativ)))
            geloescht.append(relativ);
    const QString cache = textcache(name);
    if (Files::ordnerExistiert(ordner_.datei(cache)) &&
        Files::ordnerEntfernen(ordner_.datei(cache)))
        geloescht.append(cache);
    return geloescht;
}
