#include "datenbank/DatenbankKatalog.h"

#include "datenbank/Datenbankwechsel.h"
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
    static const char* const inDatenbank[] = {".log",
                                              ".dat",
                                              "_AnsiDokument.txt",
                                              "_UTF8Dokument.txt",
                                              "_UnicodeDokument.txt",
                                              "_Ansi_TitelPositionen.txt",
                                              "_Utf8_TitelPositionen.txt",
                                              "_Unicode_TitelPositionen.txt",
                                              "_Phrasen_Woerter_AnsiListe.txt",
                                              "_Phrasen_Woerter_UnicodeListe.txt",
                                              "_Phrasen_Woerter_Utf8Liste.txt"};
    static const char* const inSuchwoerterlisten[] = {
        "_Ansi_Suchwoerterliste.txt", "_Utf8_Suchwoerterliste.txt", "_Unicode_Suchwoerterliste.txt",
        "_Gesamt_OhneDB_Suchwoerterliste.txt"};
    QStringList out;
    for (const char* endung : inDatenbank)
        out.append(QStringLiteral("Datenbank\\") + name + QString::fromLatin1(endung));
    for (const char* endung : inSuchwoerterlisten)
        out.append(QStringLiteral("Datenbank\\Suchwoerterlisten\\") + name +
                   QString::fromLatin1(endung));
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
