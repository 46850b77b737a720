#include "search/Titeltabelle.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/TextFiles.h"

#include <algorithm>
#include <numeric>
#include <vector>

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
    std::vector<qint64> offsets(size_t(zeilen.size()));
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        offsets[size_t(i)] = offsetVon(zeilen.at(i));
    std::vector<qsizetype> folge(offsets.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](qsizetype a, qsizetype b) {
        return offsets[size_t(a)] < offsets[size_t(b)];
    });
    offsets_.clear();
    pfade_.clear();
    offsets_.reserve(zeilen.size());
    pfade_.reserve(zeilen.size());
    for (const qsizetype i : folge) {
        offsets_.append(offsets[size_t(i)]);
        pfade_.append(pfadVon(zeilen.at(i)));
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

QString TTitelTabelle::pfad(qint64 treffer) const {
    const qsizetype k =
        std::upper_bound(offsets_.cbegin(), offsets_.cend(), treffer) - offsets_.cbegin() - 1;
    return k < 0 ? QString() : pfade_.at(k);
}

qint64 TTitelTabelle::naechsterKopf(qint64 ab) const {
    const auto it = std::lower_bound(offsets_.cbegin(), offsets_.cend(), ab);
    return it == offsets_.cend() ? -1 : *it;
}
