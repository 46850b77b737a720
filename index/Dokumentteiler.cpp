#include "index/Dokumentteiler.h"

#include "platform/Files.h"

#include <QFile>

#include <algorithm>

QString Dokumentteiler::stueckname(int nummer) {
    return QStringLiteral("SplitDokument%1.txt").arg(nummer, 3, 10, QLatin1Char('0'));
}

QStringList Dokumentteiler::TeileDokumentAuf(const QString& dokument,
                                             const Programmordner& ordner) {
    QFile ein(Files::nativ(dokument));
    if (!ein.open(QIODevice::ReadOnly))
        return {};
    const qint64 stuecke = ein.size() / Stueckgroesse + 1;
    constexpr qint64 Block = 1 << 20;
    QByteArray puffer(Block, Qt::Uninitialized);
    QStringList pfade;
    // Pieces of a failed cut must not stay behind: the next variant's run would take them
    // for its own.
    auto fehlschlag = [&pfade] {
        for (const QString& pfad : pfade)
            Files::loeschen(pfad);
        return QStringList();
    };
    for (int i = 1; i <= stuecke; ++i) {
        const QString pfad = ordner.temp(stueckname(i));
        QFile aus(Files::nativ(pfad));
        if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fehlschlag();
        pfade.append(pfad);
        for (qint64 rest = Stueckgroesse; rest > 0;) {
            const qint64 gelesen = ein.read(puffer.data(), std::min(rest, Block));
            if (gelesen < 0)
                return fehlschlag();
            if (gelesen == 0)
                break;
            if (aus.write(puffer.constData(), gelesen) != gelesen)
                return fehlschlag();
            rest -= gelesen;
        }
    }
    return pfade;
}
