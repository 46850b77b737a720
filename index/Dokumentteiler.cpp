#include "index/Dokumentteiler.h"

#include "platform/Files.h"

#include <QFile>

#include <algorithm>

QString Dokumentteiler::stueckname(int nummer) {
    return QStringLiteral("SplitDokument%1.txt").arg(nummer, 3, 10, QLatin1Char('0'));
}

QStringList Dokumentteiler::TeileDokumentAuf(const QString& dokument, const QString& ordner,
                                             QString* fehler) {
    QStringList pfade;
    // Pieces of a failed cut must not stay behind: a later run would take them for its own.
    auto fehlschlag = [&pfade, fehler](const QString& meldung) {
        for (const QString& pfad : pfade)
            Files::loeschen(pfad);
        if (fehler)
            *fehler = meldung;
        return QStringList();
    };
    const QString lesefehler =
        QStringLiteral("Das Dokument ") + dokument + QStringLiteral(" kann nicht gelesen werden!");
    QFile ein(Files::nativ(dokument));
    if (!ein.open(QIODevice::ReadOnly))
        return fehlschlag(lesefehler);
    const qint64 stuecke = ein.size() / Stueckgroesse + 1;
    constexpr qint64 Block = 1 << 20;
    QByteArray puffer(Block, Qt::Uninitialized);
    for (int i = 1; i <= stuecke; ++i) {
        const QString pfad = ordner + stueckname(i);
        const QString schreibfehler = QStringLiteral("Das Teilstück ") + pfad +
                                      QStringLiteral(" kann nicht geschrieben werden!");
        QFile aus(Files::nativ(pfad));
        if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fehlschlag(schreibfehler);
        pfade.append(pfad);
        for (qint64 rest = Stueckgroesse; rest > 0;) {
            const qint64 gelesen = ein.read(puffer.data(), std::min(rest, Block));
            if (gelesen < 0)
                return fehlschlag(lesefehler);
            if (gelesen == 0)
                break;
            if (aus.write(puffer.constData(), gelesen) != gelesen)
                return fehlschlag(schreibfehler);
            rest -= gelesen;
        }
        if (!aus.flush())
            return fehlschlag(schreibfehler);
    }
    return pfade;
}
