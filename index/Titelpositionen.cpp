#include "index/Titelpositionen.h"

#include "platform/Platform.h"
#include "viewer/ViewerDokument.h"

Titelpositionen::Titelpositionen(const Umgebung& umgebung) : u_(umgebung) {}

QString Titelpositionen::dateimarke(const Programmordner& ordner, const QString& name) {
    QString kopf =
        TextFiles::zeilen(ReadTextFile(ordner.datenbank(name + QStringLiteral(".dat")))).value(0);
    kopf.remove(QStringLiteral("PFAD_UND_ENDUNGEN="));
    kopf = kopf.trimmed();
    return QLatin1Char('#') + kopf.left(1) + QStringLiteral(":\\");
}

bool Titelpositionen::Button4Click(const QString& name) {
    u_.fenster.SucheLaeuft = true;
    marke_ = dateimarke(u_.ordner, name);
    u_.fenster.Dateimarke = marke_;
    u_.viewer.SetMode(vmText);
    liste_.clear();
    const QString dokument = u_.ordner.datenbank(name + QStringLiteral("_UTF8Dokument.txt"));
    const QString nativ = Files::nativ(dokument);
    geoeffnet_ = u_.search.setFileName(nativ) && u_.viewer.Open(nativ);
    if (!geoeffnet_)
        u_.notifier.fehler(dokument + QStringLiteral(" kann nicht geöffnet werden."),
                           QStringLiteral("Error"));
    bool gefunden = FindUtf8_TitelPos(true);
    while (gefunden) {
        u_.pump.verarbeiten();
        u_.fenster.NaechsterSuchtext = marke_;
        gefunden = FindUtf8_TitelPos(false);
    }
    WriteToStream(TextFiles::text(liste_),
                  u_.ordner.datenbank(name + QStringLiteral("_Utf8_TitelPositionen.txt")),
                  TextFiles::Utf8);
    u_.search.setFileName(QString());
    u_.viewer.Close();
    u_.pump.verarbeiten();
    u_.fenster.SucheLaeuft = false;
    return geoeffnet_;
}

bool Titelpositionen::FindUtf8_TitelPos(bool erster) {
    if (u_.titel)
        u_.titel(QStringLiteral("UTF8-DB: Erstelle Liste der Datei-Positionen"));
    u_.pump.verarbeiten();
    if (!geoeffnet_)
        return false;
    if (erster)
        u_.viewer.SetSelection(0, 0);
    quint8 optionen = 0;
    if (u_.fenster.GrossKleinBeachten)
        optionen |= TStreamSearch::GrossKlein;
    if (u_.fenster.NurGanzeWoerter)
        optionen |= TStreamSearch::GanzeWoerter;
    const bool treffer = erster ? u_.search.FindFirst(marke_, 0, optionen, 0)
                                : u_.search.FindNext(false, u_.fenster);
    if (!treffer) {
        if (u_.titel)
            u_.titel(QString());
        return false;
    }
    u_.pump.verarbeiten();
    u_.viewer.SetSelection(u_.search.FoundStart(), u_.search.FoundLength());
    u_.viewer.SelectLineAtPos(u_.search.FoundStart());
    liste_ << QString::number(u_.search.FoundStart()) + QLatin1Char(' ') +
                  Ansi::nachUnicode(u_.viewer.SelTextAnsi());
    return true;
}
