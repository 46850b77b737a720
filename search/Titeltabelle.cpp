#include "search/Titeltabelle.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/TextFiles.h"

#include <algorithm>

qint64 TTitelTabelle::offsetVon(const QString& zeile) {
    const qsizetype blank = zeile.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return 0;
    bool ok = false;
    const qint64 wert = zeile.left(blank).toLongLong(&ok);
    return ok ? wert : 0;
}

QString TTitelTabelle::pfadVon(const QString& zeile) {
    const qsizetype marke = zeile.indexOf(QStringLiteral(" #"));
    if (marke < 0)
        return QString();
    return Ansi::utf8Tolerant(Ansi::ausUnicode(zeile.mid(marke + 2)));
}

void TTitelTabelle::laden(const QStringList& zeilen) {
    offsets_.clear();
    pfade_.clear();
    naechsterPfad_.clear();
    offsets_.reserve(zeilen.size());
    pfade_.reserve(zeilen.size());
    for (const QString& z : zeilen) {
        offsets_.append(offsetVon(z));
        pfade_.append(pfadVon(z));
    }
    aufsteigend_ = std::is_sorted(offsets_.cbegin(), offsets_.cend());
    naechsterPfad_.resize(offsets_.size());
    qsizetype naechster = offsets_.size();
    for (qsizetype i = offsets_.size() - 1; i >= 0; --i) {
        if (!pfade_.at(i).isEmpty())
            naechster = i;
        naechsterPfad_[i] = naechster;
    }
}

void TTitelTabelle::ladenAusDatei(const QString& pfad) {
    if (!Files::existiert(pfad)) {
        laden({});
        return;
    }
    // Read byte for byte: the one UTF-8 decoding happens when a path is taken out.
    laden(TextFiles::zeilen(TextFiles::dekodieren(Files::lesen(pfad), TextFiles::OhneBom::Ansi)));
}

QString TTitelTabelle::pfadLinear(qint64 treffer) const {
    const qsizetype n = offsets_.size();
    for (qsizetype i = 0; i < n; ++i) {
        const bool passt = i + 1 < n ? offsets_.at(i) <= treffer && treffer <= offsets_.at(i + 1)
                                     : offsets_.at(i) <= treffer;
        if (passt && !pfade_.at(i).isEmpty())
            return pfade_.at(i);
    }
    return QString();
}

QString TTitelTabelle::pfad(qint64 treffer) const {
    if (!aufsteigend_)
        return pfadLinear(treffer);
    // The lines the scan would accept form one run: from the last line before the first
    // offset >= treffer up to the last offset <= treffer.
    const auto anfang = offsets_.cbegin();
    const qsizetype ab = std::lower_bound(anfang, offsets_.cend(), treffer) - anfang;
    const qsizetype bis = std::upper_bound(anfang, offsets_.cend(), treffer) - anfang - 1;
    const qsizetype von = std::max<qsizetype>(ab - 1, 0);
    if (bis < von)
        return QString();
    const qsizetype k = naechsterPfad_.at(von);
    return k <= bis ? pfade_.at(k) : QString();
}
