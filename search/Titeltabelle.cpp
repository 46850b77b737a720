#include "search/Titeltabelle.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/TextFiles.h"

#include <algorithm>

namespace {

qint64 offsetAus(QByteArrayView zeile) {
    const qsizetype blank = zeile.indexOf(' ');
    if (blank < 0)
        return 0;
    bool ok = false;
    const qint64 wert = zeile.first(blank).toLongLong(&ok);
    return ok ? wert : 0;
}

} // namespace

qint64 TTitelTabelle::offsetVon(const QString& zeile) {
    return offsetAus(Ansi::ausUnicode(zeile));
}

QString TTitelTabelle::pfadVon(const QString& zeile) {
    const qsizetype marke = zeile.indexOf(QStringLiteral(" #"));
    if (marke < 0)
        return QString();
    return Ansi::utf8Tolerant(Ansi::ausUnicode(zeile.mid(marke + 2)));
}

void TTitelTabelle::laden(const QStringList& zeilen) {
    QByteArray bytes;
    for (const QString& z : zeilen)
        bytes += Ansi::ausUnicode(z) + '\n';
    ladenAusBytes(bytes);
}

void TTitelTabelle::ladenAusDatei(const QString& pfad) {
    if (Files::existiert(pfad))
        ladenAusInhalt(Files::lesen(pfad));
    else
        laden({});
}

void TTitelTabelle::ladenAusInhalt(const QByteArray& inhalt) {
    // A byte-order mark says how the text is to be read; without one each byte stands for
    // itself, and the one UTF-8 decoding happens when a path is taken out.
    if (inhalt.startsWith("\xFF\xFE") || inhalt.startsWith("\xFE\xFF") ||
        inhalt.startsWith("\xEF\xBB\xBF"))
        laden(TextFiles::zeilen(TextFiles::dekodieren(inhalt, TextFiles::OhneBom::Ansi)));
    else
        ladenAusBytes(inhalt);
}

void TTitelTabelle::ladenAusBytes(const QByteArray& bytes) {
    bytes_ = bytes;
    eintraege_.clear();
    const char* d = bytes_.constData();
    const qsizetype n = bytes_.size();
    // Lines end at CR, LF or CR LF; a final break does not start another line.
    for (qsizetype start = 0; start < n;) {
        qsizetype ende = start;
        while (ende < n && d[ende] != '\r' && d[ende] != '\n')
            ++ende;
        const QByteArrayView zeile(d + start, ende - start);
        const qsizetype marke = zeile.indexOf(QByteArrayView(" #"));
        eintraege_.append({offsetAus(zeile), marke < 0 ? -1 : start + marke + 2, ende});
        start = ende < n && d[ende] == '\r' && ende + 1 < n && d[ende + 1] == '\n' ? ende + 2
                                                                                   : ende + 1;
    }
    std::stable_sort(eintraege_.begin(), eintraege_.end(),
                     [](const Eintrag& a, const Eintrag& b) { return a.offset < b.offset; });
}

QString TTitelTabelle::pfad(qint64 treffer) const {
    const auto nach = std::upper_bound(eintraege_.cbegin(), eintraege_.cend(), treffer,
                                       [](qint64 x, const Eintrag& e) { return x < e.offset; });
    if (nach == eintraege_.cbegin())
        return QString();
    return pfadVonZeile(nach - 1 - eintraege_.cbegin());
}

QString TTitelTabelle::pfadVonZeile(qsizetype i) const {
    const Eintrag& e = eintraege_[i];
    return e.von < 0 ? QString() : Ansi::utf8Tolerant(bytes_.constData() + e.von, e.bis - e.von);
}

qint64 TTitelTabelle::naechsterKopf(qint64 ab) const {
    const auto it = std::lower_bound(eintraege_.cbegin(), eintraege_.cend(), ab,
                                     [](const Eintrag& e, qint64 x) { return e.offset < x; });
    return it == eintraege_.cend() ? -1 : it->offset;
}
