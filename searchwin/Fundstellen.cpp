#include "searchwin/Fundstellen.h"

#include "platform/Files.h"
#include "platform/Pump.h"
#include "searchwin/Textsuche.h"

#include <QFile>

namespace Fundstellen {

namespace {

// The step after each hit: true goes on, false stops the scan.
using Schritt = std::function<bool(qint64 treffer)>;

bool durchsuchen(QList<qint64>& FundListe, const QString& datei, const QByteArray& schluessel,
                 bool ohneGross, const Schritt& vorSchritt, const Schritt& zaehlt) {
    FundListe.clear();
    QFile f(Files::nativ(datei));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 groesse = f.size();
    if (groesse <= 0)
        return false;
    uchar* daten = f.map(0, groesse);
    if (!daten)
        return false;
    const Textsuche suche(schluessel, ohneGross);
    qint64 start = 0;
    while (vorSchritt(start)) {
        const qint64 treffer = suche.finde(daten, start, groesse);
        if (treffer < 0)
            break;
        if (zaehlt(treffer))
            FundListe.append(treffer);
        start = treffer + 1;
    }
    f.unmap(daten);
    return !FundListe.isEmpty();
}

} // namespace

bool AlleFundstellenSuchen(QList<qint64>& FundListe, const QString& datei,
                           const QByteArray& schluessel, bool ohneGross) {
    const Schritt immer = [](qint64) { return true; };
    return durchsuchen(FundListe, datei, schluessel, ohneGross, immer, immer);
}

bool AlleFundstellenSuchen(QList<qint64>& FundListe, const QString& datei,
                           const QString& schluessel, Pump& pump,
                           const std::function<bool()>& abgebrochen) {
    QByteArray bytes;
    bytes.reserve(schluessel.size() * 2);
    for (const QChar c : schluessel) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    const Schritt weiter = [&](qint64) {
        pump.verarbeiten();
        return !(abgebrochen && abgebrochen());
    };
    // A match that starts in the middle of a character spans two characters.
    const Schritt aufZeichengrenze = [](qint64 treffer) { return treffer % 2 == 0; };
    return durchsuchen(FundListe, datei, bytes, true, weiter, aufZeichengrenze);
}

} // namespace Fundstellen
