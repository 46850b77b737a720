#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Pump;

// Every place of a key in a whole file, found in one pass over a read-only memory map of
// the file, so that stepping from hit to hit later costs nothing but a list removal.
namespace Fundstellen {

// Fills the list with the ascending offsets of all hits (overlapping ones included);
// false, with the list empty, when there is none or the file (Windows path) cannot be
// opened or mapped or is empty.
bool AlleFundstellenSuchen(QList<qint64>& FundListe, const QString& datei,
                           const QByteArray& schluessel, bool ohneGross);

// The same for a UTF-16 LE document and a UTF-16 key, always without regard to case (the
// byte fold reaches only what the ANSI code page folds). Only hits on character
// boundaries count. Window messages are processed before every step, and the search
// stops, keeping what it found, as soon as abgebrochen() says so.
bool AlleFundstellenSuchen(QList<qint64>& FundListe, const QString& datei,
                           const QString& schluessel, Pump& pump,
                           const std::function<bool()>& abgebrochen);

} // namespace Fundstellen
