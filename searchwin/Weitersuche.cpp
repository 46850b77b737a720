#include "searchwin/Weitersuche.h"

#include "platform/Ansi.h"
#include "platform/Notifier.h"
#include "searchwin/Fundstellen.h"
#include "searchwin/Memozeile.h"

bool Weitersuche::TntEdit1Change(const QString& text) {
    suchtext_ = text;
    FundListe_.clear();
    return !text.isEmpty();
}

QString Weitersuche::suchdatei(const Umgebung& u) {
    return u.ordner.datenbank(u.datenbank + (u.sortierteListeAngezeigt
                                                 ? Dokumentvarianten::sortierteListe(u.geladen)
                                                 : Dokumentvarianten::dokument(u.geladen)));
}

QByteArray Weitersuche::schluessel(const QString& text, Dokumentvariante v) {
    switch (v) {
    case Dokumentvariante::Ansi:
        return Ansi::ausUnicode(text);
    case Dokumentvariante::Utf8:
        return text.toUtf8();
    case Dokumentvariante::Unicode: {
        QByteArray b;
        for (const QChar c : text) {
            b.append(static_cast<char>(c.unicode() & 0xFF));
            b.append(static_cast<char>(c.unicode() >> 8));
        }
        return b;
    }
    case Dokumentvariante::Keine:
        break;
    }
    return QByteArray();
}

qint64 Weitersuche::auswahllaenge(const QString& text, Dokumentvariante v) {
    const qint64 zeichen = text.size();
    switch (v) {
    case Dokumentvariante::Utf8:
        return zeichen + (text.toUtf8().size() - zeichen) / 2;
    case Dokumentvariante::Unicode:
        return 2 * zeichen;
    default:
        return zeichen;
    }
}

std::optional<Weitersuche::Memobereich>
Weitersuche::memobereich(const Seite& seite, qint64 von, qint64 bis, Dokumentvariante angezeigt) {
    const qint64 breite = std::max(1, seite.zeichengroesse);
    qsizetype davor = 0; // memo characters of the lines above, with their line breaks
    std::optional<qsizetype> anfang;
    std::optional<qsizetype> ende;
    for (const Seite::Zeile& z : seite.zeilen) {
        const qint64 zeilenende = z.start + qint64(z.text.size()) * breite;
        auto stelle = [&](qint64 byte) {
            return davor +
                   Memozeile::ausViewerzeile(z.text.left((byte - z.start) / breite), angezeigt)
                       .size();
        };
        if (!anfang && von >= z.start && von < zeilenende)
            anfang = stelle(von);
        if (anfang && !ende && bis >= z.start && bis <= zeilenende)
            ende = stelle(bis);
        davor += Memozeile::ausViewerzeile(z.text, angezeigt).size() + 1;
    }
    if (!anfang)
        return std::nullopt;
    // A hit that runs past the page is marked to the page's end.
    const qsizetype bisStelle = ende ? *ende : std::max<qsizetype>(*anfang, davor - 1);
    return Memobereich{*anfang, bisStelle - *anfang};
}

void Weitersuche::WeiterSucheClick(const Umgebung& u, const Anzeige& anzeige) {
    if (u.geladen == Dokumentvariante::Keine)
        return;
    if (FundListe_.isEmpty()) {
        const QString datei = suchdatei(u);
        if (u.geladen == Dokumentvariante::Unicode)
            Fundstellen::AlleFundstellenSuchen(FundListe_, datei, suchtext_, u.pump, u.abgebrochen);
        else
            Fundstellen::AlleFundstellenSuchen(FundListe_, datei, schluessel(suchtext_, u.geladen),
                                               true);
    }
    if (FundListe_.isEmpty()) {
        u.notifier.information(QStringLiteral("Nicht gefunden!"));
        return;
    }
    const qint64 treffer = FundListe_.first();
    const Seite seite =
        anzeige.imViewerAuswaehlen
            ? anzeige.imViewerAuswaehlen(treffer, auswahllaenge(suchtext_, u.geladen))
            : Seite();
    const qint64 trefferBytes = schluessel(suchtext_, u.geladen).size();
    const std::optional<Memobereich> bereich =
        memobereich(seite, treffer, treffer + trefferBytes, u.angezeigt);
    if (bereich && anzeige.imMemoMarkieren)
        anzeige.imMemoMarkieren(bereich->start, bereich->laenge);
    FundListe_.removeFirst();
    if (FundListe_.isEmpty())
        u.notifier.information(QStringLiteral("Dies ist die letzte Fundstelle."));
}
