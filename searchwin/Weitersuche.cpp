#include "searchwin/Weitersuche.h"

#include "platform/Ansi.h"
#include "platform/Notifier.h"
#include "searchwin/Fundstellen.h"

bool Weitersuche::TntEdit1Change(const QString& text) {
    suchtext_ = text;
    FundListe_.clear();
    return !text.isEmpty();
}

QString Weitersuche::suchdatei(const Umgebung& u) {
    return u.ordner.datenbank(u.sortierteListeAngezeigt
                                  ? Dokumentvarianten::sortierteListe(u.datenbank, u.geladen)
                                  : Dokumentvarianten::dokument(u.datenbank, u.geladen));
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

namespace {

QString kleinNachVariante(const QString& text, Dokumentvariante v) {
    if (v != Dokumentvariante::Ansi)
        return Ansi::kleinWide(text);
    QString out = text;
    for (QChar& c : out) {
        const int b = Ansi::byteVon(c.unicode());
        if (b >= 0)
            c = QChar(Ansi::zeichen(Ansi::kleinByte(static_cast<unsigned char>(b))));
    }
    return out;
}

} // namespace

qsizetype Weitersuche::memoposition(const QString& memotext, const QString& text,
                                    Dokumentvariante v, qint64 letzte) {
    const QString memo = kleinNachVariante(memotext, v);
    // The ANSI search text is what 1252 can hold of the field.
    const QString wort = kleinNachVariante(
        v == Dokumentvariante::Ansi ? Ansi::nachUnicode(Ansi::ausUnicode(text)) : text, v);
    const qsizetype f = std::max<qsizetype>(memo.indexOf(wort), 0);
    if (letzte > f && letzte - f < memo.size())
        return std::max<qsizetype>(memo.indexOf(wort, letzte - 1), 0);
    return f;
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
    const QString memotext =
        anzeige.imViewerAuswaehlen
            ? anzeige.imViewerAuswaehlen(treffer, auswahllaenge(suchtext_, u.geladen))
            : QString();
    const qsizetype start = memoposition(memotext, suchtext_, u.geladen, LetzteMemoPosition);
    LetzteMemoPosition = start;
    if (anzeige.imMemoMarkieren)
        anzeige.imMemoMarkieren(start, suchtext_.size());
    FundListe_.removeFirst();
    if (FundListe_.isEmpty())
        u.notifier.information(QStringLiteral("Dies ist die letzte Fundstelle."));
}
