#pragma once

#include "search/Titeltabelle.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The line above the viewer: the reading position and the path of the file whose text is
// shown there, found in the title positions of the loaded document.
class Titelanzeige {
public:
    // The title position file as its bytes.
    void laden(const QByteArray& dateiinhalt) { tabelle_.ladenAusInhalt(dateiinhalt); }
    void leeren() { tabelle_.laden({}); }
    bool leer() const { return tabelle_.leer(); }
    qsizetype anzahl() const { return tabelle_.anzahl(); }

    // The path of the record at the position, decoded from its stored byte form; empty
    // before the first record or without entries. Unlike a hit, a position on the next
    // record's own offset still shows the record before it.
    QString titel(qint64 position) const;

    // The position with thousands separators of the user's locale.
    static QString positionText(qint64 position);
    // Position, two blanks and the title in double quotes, or the position alone.
    QString beschriftung(qint64 position) const;
    // Cuts 7 characters at a time until the text, ended in "...", fits.
    static QString gekuerzt(QString text, const std::function<bool(const QString&)>& passt);

private:
    TTitelTabelle tabelle_;
};
