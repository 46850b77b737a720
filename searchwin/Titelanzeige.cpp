#include "searchwin/Titelanzeige.h"

#include "platform/Ansi.h"

#include <QLocale>

void Titelanzeige::laden(const QByteArray& dateiinhalt) {
    leeren();
    for (QByteArray zeile : dateiinhalt.split('\n')) {
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        eintraege_ << zeile;
    }
    // The last line end leaves no entry behind it.
    if (!eintraege_.isEmpty() && eintraege_.last().isEmpty())
        eintraege_.removeLast();
    for (const QByteArray& e : eintraege_) {
        const qsizetype blank = e.indexOf(' ');
        zahlen_ << (blank < 0 ? 0 : e.left(blank).toLongLong());
    }
}

QString Titelanzeige::titel(qint64 position) const {
    const qsizetype letzter = eintraege_.size() - 1;
    for (qsizetype i = 0; i <= letzter; ++i) {
        const bool trifft = i < letzter ? zahlen_[i] <= position && zahlen_[i + 1] >= position
                                        : zahlen_[i] <= position;
        if (!trifft)
            continue;
        const QByteArray& e = eintraege_[i];
        const qsizetype raute = e.indexOf(" #");
        // The file holds the path's byte form in UTF-8: decoding once gives the byte
        // form, decoding that gives the path.
        const QString t = Ansi::ausByteForm(Ansi::utf8Tolerant(raute < 0 ? e : e.mid(raute + 2)));
        if (!t.isEmpty())
            return t;
    }
    return {};
}

QString Titelanzeige::positionText(qint64 position) {
    return QLocale().toString(position);
}

QString Titelanzeige::beschriftung(qint64 position) const {
    const QString t = titel(position);
    if (t.isEmpty())
        return positionText(position);
    return positionText(position) + QStringLiteral("  \"") + t + QLatin1Char('"');
}

QString Titelanzeige::gekuerzt(QString text, const std::function<bool(const QString&)>& passt) {
    if (passt(text))
        return text;
    // Once cut, the text ends in "...", and that ending has to fit as well.
    const QString punkte = QStringLiteral("...");
    do
        text.chop(7);
    while (!text.isEmpty() && !passt(text + punkte));
    return text + punkte;
}
