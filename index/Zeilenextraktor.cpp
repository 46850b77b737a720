#include "index/Zeilenextraktor.h"

#include "index/Wortbuckets.h"
#include "platform/Pump.h"

namespace {

bool wegschneiden(QChar c, bool nurAscii) {
    if (nurAscii)
        return c.unicode() <= 0x20 || c.unicode() == 0x7F;
    return c.isSpace() || c.category() == QChar::Other_Control;
}

// Calls feld for every non-empty field between runs of separators.
template <typename Trenner, typename Feld>
void felder(QStringView zeile, Trenner istTrenner, Feld feld) {
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= zeile.size(); ++i) {
        if (i < zeile.size() && !istTrenner(zeile[i]))
            continue;
        if (i > anfang)
            feld(zeile.mid(anfang, i - anfang));
        anfang = i + 1;
    }
}

// Rule lines of tables and forms; a phrase holding one is no phrase.
const QString& formularlinie() {
    static const QString linie = QStringLiteral(" --") + QString(12, QLatin1Char(' ')) +
                                 QStringLiteral("--") + QString(10, QLatin1Char(' ')) +
                                 QStringLiteral("--");
    return linie;
}

} // namespace

Zeilenextraktor::Zeilenextraktor(Wortbuckets& eimer, Pump& pump) : eimer_(eimer), pump_(pump) {}

QString Zeilenextraktor::trimmen(QStringView text, bool nurAscii) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && wegschneiden(text[anfang], nurAscii))
        ++anfang;
    while (ende > anfang && wegschneiden(text[ende - 1], nurAscii))
        --ende;
    return text.mid(anfang, ende - anfang).toString();
}

bool Zeilenextraktor::ohneInhalt(const QString& zeile) const {
    return (!marke_.isEmpty() && zeile.startsWith(marke_)) ||
           zeile.contains(QLatin1String("==========")) || zeile.contains(QLatin1String("----")) ||
           zeile.contains(QLatin1String("____")) || zeile.contains(QLatin1String("****"));
}

void Zeilenextraktor::VerarbeiteTextzeile(const QString& zeile) {
    switch (modus_) {
    case Modus::Woerter:
        woerter(zeile, true);
        break;
    case Modus::Saetze:
        saetze(zeile);
        break;
    case Modus::Beide:
        saetze(woerter(zeile, false));
        break;
    }
}

QString Zeilenextraktor::woerter(QString zeile, bool ohneFragezeichen) {
    if (ohneInhalt(zeile) || (ohneFragezeichen && zeile.contains(QLatin1String("??"))))
        return QString();
    zeile.replace(QLatin1Char('\t'), QLatin1Char(' '));
    felder(
        zeile,
        [](QChar c) {
            return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char(';') ||
                   c == QLatin1Char(':');
        },
        [this](QStringView feld) {
            const QString wort = trimmen(feld, nurAscii_);
            if (wort.size() > 100 && !wort.contains(QLatin1Char('<')))
                return;
            pump_.verarbeiten();
            if (wort.size() > 2)
                eimer_.einordnen(wort);
        });
    return zeile;
}

void Zeilenextraktor::saetze(const QString& zeile) {
    if (zeile.isEmpty() || ohneInhalt(zeile))
        return;
    felder(
        zeile, [](QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('.'); },
        [this](QStringView feld) {
            pump_.verarbeiten();
            QString satz = trimmen(feld, nurAscii_);
            if (!satz.contains(QLatin1Char(' ')) || satz.contains(QLatin1String("---")) ||
                satz.contains(QStringLiteral("\u2013\u2013\u2013\u2013")) ||
                satz.contains(formularlinie()))
                return;
            // A phrase quoted with doubled apostrophes loses them, one at a time.
            for (int i = 0; i < 2; ++i) {
                if (satz.contains(QLatin1String("''")))
                    satz.remove(0, 1);
                satz = trimmen(satz, nurAscii_);
            }
            if (satz.size() > 3)
                eimer_.einordnen(satz);
        });
}
