#include "searchwin/Titelanzeige.h"

#include "platform/Ansi.h"

#include <QLocale>

QString Titelanzeige::titel(qint64 position) const {
    const qsizetype letzter = tabelle_.anzahl() - 1;
    for (qsizetype i = 0; i <= letzter; ++i) {
        const bool trifft =
            tabelle_.offset(i) <= position && (i == letzter || tabelle_.offset(i + 1) >= position);
        if (!trifft)
            continue;
        // The table gives the path's byte form; decoding that gives the path.
        const QString t = Ansi::ausByteForm(tabelle_.pfadVonZeile(i));
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
