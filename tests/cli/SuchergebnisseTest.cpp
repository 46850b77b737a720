// Hit records, result pages and the output of the real "kelvora search" over a generated
// database, byte for byte against tests/cli/Suchergebnisse, recorded from a known good build.
// The texts hold none of & < > " and no header-like line; every PDF exists.

#include "search/Suchlauf.h"

#include "tests/common/Programmlauf.h"
#include "tests/search/Suchdaten.h"

#include <QDir>
#include <QSettings>

#include <algorithm>
#include <tuple>

namespace {

struct Abfrage {
    const char* name;
    const char* text;
    QStringList schalter;
};

// Rare and common words, a phrase, umlauts, case, whole words, a word only in the last
// file, a hit before a page break, a path in the header lines, nothing found; the
// common word fills two pages.
const Abfrage abfragen[] = {
    {"selten", "Zitronenfalter", {}},
    {"haeufig", "vertrag", {}},
    {"phrase", "sollte nicht", {}},
    {"umlaut", "Kündigung", {}},
    {"umlautGross", "ÜBERSICHT", {}},
    {"gross", "LaTeX", {"--gross"}},
    {"ganzeWoerter", "die", {"--ganze-woerter"}},
    {"grossGanz", "Die", {"--gross", "--ganze-woerter"}},
    {"letzteDatei", "Schlusswort", {}},
    {"seitenende", "Seitenende", {}},
    {"pfad", "Protokolle 2023", {}},
    {"nichtGefunden", "Quastenflosser", {}},
};

constexpr int Dateien = 40;

struct Zufall {
    quint32 naechste(quint32 grenze) {
        x = x * 1103515245u + 12345u;
        return (x >> 8) % grenze;
    }
    quint32 x = 20240611u;
};

// The query words other than the common one come in only where pdfText puts them; the
// pool holds near misses of them.
const QList<QByteArray> woerter =
    QByteArray("der|das|und|nicht|sollte|Vertrag|Vertrag,|Verträge|VERTRAG|Mietvertrag|über|Straße|"
               "gemäß|Größe|Bär|Ärger|Öl|dieser|Studie|diese|die_x|3die|latex|LATEX|Frist|Zahlung|("
               "Anlage)|Monat|Jahr|Betrag|Euro|Konto|Seite|Absatz|§ 5|15%|z. "
               "B.|Prüfung|für|wird|ist|kann|mit|von|zu|im|auf|the|and|document|it's|Nr. "
               "7|Vermieter|Ende/Anfang|ja?|nein!|Fristen;|Zahlungen:")
        .split('|');

QByteArray woerterZeile(Zufall& z, int anzahl, bool ohneVertrag) {
    QByteArray zeile;
    for (int w = 0; w < anzahl; ++w) {
        QByteArray wort = woerter[z.naechste(quint32(woerter.size()))];
        if (ohneVertrag && wort.toLower().contains("vertr"))
            wort = "Urkunde";
        if (!zeile.isEmpty())
            zeile += z.naechste(9) == 0 ? QByteArray(5 + int(z.naechste(10)), ' ') : " ";
        zeile += wort;
    }
    return zeile;
}

// The converter's output for file i: pages of lines, each line ending in LF and each page
// in a form feed; short, long, indented and empty lines; the query words put in at fixed
// places.
QByteArray pdfText(int i) {
    Zufall z;
    for (int k = 0; k < i * 7; ++k)
        z.naechste(2);
    if (i % 9 == 4)
        return "Seite eins\n\f";
    const bool ohneVertrag = i % 11 == 6 || i == 20;
    QByteArray text;
    const int seiten = 1 + int(z.naechste(3));
    for (int s = 0; s < seiten; ++s) {
        if (i == 20 && s == 0) {
            // A line longer than the viewer's line limit, the hit far inside it.
            QByteArray lang;
            while (lang.size() < 2500)
                lang += woerterZeile(z, 10, true) + ' ';
            lang += "Vertrag " + woerterZeile(z, 80, true);
            text += lang + "\n";
        }
        const int zeilen = 8 + int(z.naechste(20));
        for (int l = 0; l < zeilen; ++l) {
            // Empty, short, long, indented and ordinary lines.
            const int art = std::min(int(z.naechste(20)), 4);
            constexpr int basis[] = {0, 1, 40, 3, 6}, spanne[] = {1, 3, 120, 6, 9};
            QByteArray zeile;
            if (art > 0)
                zeile = woerterZeile(z, basis[art] + int(z.naechste(spanne[art])), ohneVertrag);
            if (art == 3)
                zeile.prepend(QByteArray(10 + int(z.naechste(20)), ' '));
            if (s == 0 && l == 2) {
                const std::tuple<int, int, const char*> einschuebe[] = {
                    {6, 4, " das sollte nicht sein"},
                    {5, 2, " gesetzt mit LaTeX und"},
                    {5, 0, " die Kündigung"},
                    {7, 1, " zur kündigung"},
                    {8, 3, " KÜNDIGUNG"},
                    {6, 1, " eine Übersicht"},
                    {9, 2, " ÜBERSICHT:"},
                    {4, 3, " (übersicht)"},
                    {4, 0, " und die Frist"},
                    {7, 3, " (die)"},
                    {9, 5, " x-die"},
                    {10, 7, " Die Zahlung"},
                    {11, 8, " DIE"}};
                for (const auto& [teiler, rest, einschub] : einschuebe)
                    if (i % teiler == rest)
                        zeile += einschub;
            }
            if (s == 0 && l == zeilen - 1 && i % 10 == 9)
                zeile += " am Seitenende";
            if (s == seiten - 1 && l == zeilen - 1) {
                if (i == 7 || i == 33)
                    zeile += " ein Zitronenfalter";
                if (i == 29)
                    zeile = woerterZeile(z, 60, ohneVertrag) + " Zitronenfalter " +
                            woerterZeile(z, 30, ohneVertrag);
                if (i == Dateien - 1)
                    zeile += " Schlusswort";
            }
            text += zeile + "\n";
        }
        text += "\f";
    }
    return text;
}

QString pdfPfad(int i) {
    static const char* const ordner[] = {"Verträge", "Briefe", "Protokolle 2023"};
    const QString name = i % 13 == 5 ? QStringLiteral("Prüfung %1.pdf").arg(i)
                                     : QStringLiteral("Bericht_%1.pdf").arg(i);
    return QStringLiteral("Akten/") + QString::fromUtf8(ordner[i % 3]) + QLatin1Char('/') + name;
}

} // namespace

class SuchergebnisseTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        dat("Akten", "T:\\Akten");
        QList<Datei> d;
        for (int i = 0; i < Dateien; ++i) {
            pdf(pdfPfad(i));
            d << Datei{win(pdfPfad(i)), pdfText(i)};
        }
        utf8Datenbank("Akten", d);
        QSettings s(tmp_.filePath("config/Dorwent/Kelvora-PDF.conf"), QSettings::IniFormat);
        s.setValue("Laufwerk_T", nativ());
    }

    // The hit records in byte form, one per line.
    QByteArray saetze(const Abfrage& a, bool nebeneinander = false) {
        SpeicherEinstellungen einstellungen;
        ProtokollShell shell;
        fenster = TSuchfensterZustand();
        fenster.TntEdit2 = QString::fromUtf8(a.text);
        fenster.GrossKleinBeachten = a.schalter.contains("--gross");
        fenster.NurGanzeWoerter = a.schalter.contains("--ganze-woerter");
        TSuchlauf lauf(
            {Programmordner(win()), {einstellungen, notifier, shell, Pump::still()}, fenster});
        lauf.Datenbankname = "Akten";
        if (nebeneinander)
            lauf.dokumentsuche().ParallelAb = 0;
        EXPECT_TRUE(lauf.OKBtnClick());
        QByteArray out;
        for (const QString& s : lauf.TrefferListe())
            out += Ansi::ausUnicode(s) + '\n';
        return out;
    }

    QByteArray kelvora(const Abfrage& a) {
        const Programmlauf l =
            programmAusfuehren(KELVORA_CLI, QStringList{"--dir", nativ(), "search", "Akten",
                                                        QString::fromUtf8(a.text)} +
                                                a.schalter);
        EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
        return ohneOrdner(l.aus.toUtf8());
    }

    QByteArray ohneOrdner(QByteArray b) const {
        return b.replace(nativ().toUtf8(), "@PROGRAMMORDNER@");
    }
};

TEST_F(SuchergebnisseTest, GleicheBytesWieAufgezeichnet) {
    for (const Abfrage& a : abfragen) {
        SCOPED_TRACE(a.name);
        QMap<QString, QByteArray> ist{{"Saetze.txt", saetze(a)}};
        EXPECT_EQ(saetze(a, true), ist["Saetze.txt"]) << "nebeneinander";
        ist["Ausgabe.txt"] = kelvora(a);
        for (const QString& seite : QDir(nativ("Datenbank/Temp")).entryList({"*.htm"}, QDir::Files))
            ist[seite] = ohneOrdner(lies("Datenbank/Temp/" + seite));
        const QDir soll(QStringLiteral(SUCHERGEBNISSE_ORDNER "/") + a.name);
        EXPECT_EQ(ist.keys(), soll.entryList(QDir::Files));
        for (auto it = ist.cbegin(); it != ist.cend(); ++it) {
            QFile f(soll.filePath(it.key()));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly) && it.value() == f.readAll())
                << it.key().toStdString();
        }
    }
}
