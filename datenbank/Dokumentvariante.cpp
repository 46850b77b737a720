#include "datenbank/Dokumentvariante.h"

#include "platform/TextFiles.h"

namespace Dokumentvarianten {

namespace {

struct Zeile {
    const char* kurz;
    const char* dokument;
    int codePage;
    qint64 mindestgroesse;
    const char* anzeige;
    const char* praefix;
    const char* ladetext;
};

const Zeile tabelle[] = {
    {"Ansi", "_AnsiDokument.txt", TextFiles::Ansi, 3, "ANSI", "ANSI-", "Lade ANSI-Dokument:"},
    {"Utf8", "_UTF8Dokument.txt", TextFiles::Utf8, 3, "UTF8", "UTF8-", "Lade Utf8-Dokument"},
    {"Unicode", "_UnicodeDokument.txt", TextFiles::Utf16Le, 5, "Unicode", "UNICODE-",
     "Lade Unicode-Dokument"},
};

const Zeile& zeile(Dokumentvariante v) {
    static const Zeile keine{"", "", 0, 0, "", "", ""};
    return v == Dokumentvariante::Keine ? keine : tabelle[index(v)];
}

// The short name between the two parts; empty for Keine.
QString mitKurzname(Dokumentvariante v, const char* vorn, const char* hinten) {
    if (v == Dokumentvariante::Keine)
        return QString();
    return QLatin1String(vorn) + kurzname(v) + QLatin1String(hinten);
}

} // namespace

QString kurzname(Dokumentvariante v) {
    return QLatin1String(zeile(v).kurz);
}

QString dokument(Dokumentvariante v) {
    return QLatin1String(zeile(v).dokument);
}

QString titelpositionen(Dokumentvariante v) {
    return mitKurzname(v, "_", "_TitelPositionen.txt");
}

QString sortierteListe(Dokumentvariante v) {
    return mitKurzname(v, "_Phrasen_Woerter_", "Liste.txt");
}

QString suchwoerterliste(const QString& name, Dokumentvariante v) {
    const QString mitte =
        v == Dokumentvariante::Keine ? QStringLiteral("Gesamt_OhneDB") : kurzname(v);
    return QStringLiteral("Suchwoerterlisten\\") + name + QLatin1Char('_') + mitte +
           QStringLiteral("_Suchwoerterliste.txt");
}

int codePage(Dokumentvariante v) {
    return zeile(v).codePage;
}

qint64 mindestgroesse(Dokumentvariante v) {
    return zeile(v).mindestgroesse;
}

QString anzeigename(Dokumentvariante v) {
    return QLatin1String(zeile(v).anzeige);
}

QString praefix(Dokumentvariante v) {
    return QLatin1String(zeile(v).praefix);
}

QString ladetext(Dokumentvariante v) {
    return QLatin1String(zeile(v).ladetext);
}

} // namespace Dokumentvarianten
