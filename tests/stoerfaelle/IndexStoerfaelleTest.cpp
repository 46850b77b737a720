#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include "index/Indexlauf.h"
#include "platform/Platform.h"
#include "search/StreamSearch.h"
#include "search/Suchlauf.h"

#include <QScopeGuard>

using IndexStoerfaelle = StoerfallUmgebung;

// One converter, several, and the text cache give the same document, title positions and log,
// byte for byte; damaged, encrypted and vanished files count as not indexed, and so does one
// whose converter never ends: it is ended at the time limit and reported; a PDF whose text
// holds another file's header line gets no title entry of its own for it.
TEST_F(IndexStoerfaelle, ByteGleichEinzelnParallelUndAusDemCache) {
    for (int i = 0; i < 9; ++i)
        akte("Akten", i);
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Bär.pdf"), {"Umlaut im Namen", "Kennung"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(
        nativ("Akten/falle.pdf"),
        {"#T:\\Akten\\Akte_1.pdf\nKennung1 Suchwort Falle", "siehe #T:\\Akten\\Akte_2.pdf"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/geheim.pdf"), {"verschlossen"}, "pw"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/haengt.pdf"), {"nie"}));
    schreibe("Akten/kaputt.pdf", "%PDF-1.4 abgeschnitten");
    schreibe("Akten/weg.pdf", "");
    hauptliste();
    QFile::remove(nativ("Akten/weg.pdf"));
    ersatzkonverter("case \"$4\" in *haengt*) sleep 1000;; esac");
    einstellen("Zeitlimit_Konverter", "2");

    const auto bytes = [&](const QString& name) {
        return lies("Datenbank/" + name + "_UTF8Dokument.txt") + "|" +
               lies("Datenbank/" + name + "_Utf8_TitelPositionen.txt") + "|" +
               logOhneZeit(name).toUtf8();
    };
    QByteArray erwartet;
    const QString hinweis = "Hinweis ( Error opening a PDF file.):  Error opening a PDF file.\n";
    for (int i = 0; i < 3; ++i) {
        const QString name = i == 0 ? "Einzeln" : "Parallel";
        einstellen("Konverter_Prozesse", i == 0 ? "1" : "3");
        const Programmlauf a = kelvora(index(name));
        ASSERT_EQ(a.code, 0) << a.fehler.toStdString();
        EXPECT_EQ(a.fehler.count(hinweis), 2) << a.fehler.toStdString();
        EXPECT_TRUE(a.fehler.contains("Warnung: Die Umwandlung von T:\\Akten\\haengt.pdf hat "
                                      "länger als 2 Sekunden gedauert und wurde beendet"))
            << a.fehler.toStdString();
        if (i == 0)
            erwartet = bytes(name);
        EXPECT_EQ(bytes(name), erwartet) << i;
        // The second run of the same database takes the texts from the cache.
        erwartet += i == 1 ? "Davon aus dem Textcache übernommen: 11\r\n" : "";
    }
    // The log tells the truth: 15 listed, 4 of them not indexable.
    EXPECT_TRUE(logOhneZeit("Einzeln").startsWith(" \r\nDateien insgesamt: 15\r\nKonnten nicht "
                                                  "indiziert werden: 4\r\n11 PDF-Dateien"));
    const Pruefung p = pruefen("Einzeln");
    EXPECT_EQ(p.saetze, 11) << p.fehler.toStdString();
    for (const char* kopf : {"#T:\\Akten\\Akte_1.pdf", "#T:\\Akten\\Akte_2.pdf"})
        EXPECT_EQ(lies("Datenbank/Einzeln_Utf8_TitelPositionen.txt").count(kopf), 1) << kopf;
    // Text that looks like a header is credited to the file that holds it.
    const Programmlauf suche = kelvora({"search", "Einzeln", "Falle"});
    EXPECT_TRUE(suche.aus.startsWith("T:\\Akten\\falle.pdf\t")) << suche.aus.toStdString();
}

// Searches running all through two index runs at once, of a changed collection and of another
// database, neither disturb them nor see a half database; afterwards each database holds its
// own records, all of them, every hit names its file, and no job's folder is left in Temp.
TEST_F(IndexStoerfaelle, SucheWaehrendZweierIndexlaeufe) {
    for (int i = 0; i < 20; ++i)
        akte("Akten", i);
    hauptliste();
    ASSERT_EQ(kelvora(index("Akten")).code, 0);
    // Three files changed, two gone, 20 new: 38 files; another database of 15 beside it.
    aendern(20, 40);
    for (int i = 100; i < 115; ++i)
        akte("Andere", i);
    hauptliste();
    ersatzkonverter("sleep 0.1");
    einstellen("Konverter_Prozesse", "2");
    QProcess& akten = kelvoraStarten(index("Akten"));
    QProcess& andere = kelvoraStarten(index("Andere", "Andere"));
    for (int suchen = 0; akten.state() != QProcess::NotRunning || suchen < 4; ++suchen) {
        const Programmlauf s = kelvora({"search", "Akten", "Suchwort"});
        ASSERT_EQ(s.code, 0) << s.fehler.toStdString();
        const Pruefung t = trefferPruefen(s.aus);
        EXPECT_TRUE(t.saetze == 20 || t.saetze == 38) << t.saetze << t.fehler.toStdString();
        akten.waitForFinished(10);
    }
    ASSERT_TRUE(andere.waitForFinished(180000));
    EXPECT_TRUE(Programmlauf::von(akten).code == 0 && Programmlauf::von(andere).code == 0);
    for (const auto& [name, saetze] : {std::pair{"Akten", 38}, {"Andere", 15}}) {
        const Pruefung p = pruefen(name);
        EXPECT_EQ(p.saetze, saetze) << name << p.fehler.toStdString();
        const Pruefung t = trefferPruefen(kelvora({"search", name, "Suchwort"}).aus);
        EXPECT_EQ(t.saetze, saetze) << name << t.fehler.toStdString();
    }
    EXPECT_TRUE(
        QDir(nativ("Datenbank/Temp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

// A full disk ends the run as failed with a message naming the file; the old database stays
// as it was, byte for byte; with room again the run succeeds. Needs root for the small file
// system, which holds the program folder; the PDFs lie beside it as drive P:.
TEST_F(IndexStoerfaelle, VolleFestplatte) {
    const QString klein = tmp_.filePath("klein"), pdfs = tmp_.filePath("pdfs");
    QDir().mkpath(klein);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", klein}) != 0)
        GTEST_SKIP() << "kein tmpfs (nur als root)";
    const auto aushaengen = qScopeGuard([&] { QProcess::execute("umount", {klein}); });
    QDir().mkpath(pdfs);
    einstellen("Laufwerk_P", pdfs);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(PdfSchreiber::schreiben(
            pdfs + QString("/Akte_%1.pdf").arg(i),
            QStringList(i < 2 ? 1 : 60, QStringList(40, QString(100, 'x')).join('\n'))));
    const auto lauf = [&](int n) {
        QByteArray liste;
        for (int i = 0; i < n; ++i)
            liste += "P:\\Akte_" + QByteArray::number(i) + ".pdf\r\n";
        schreibe("../klein/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_P.txt", liste);
        return kelvora({"index", "Akten", "P:\\"}, klein);
    };
    const auto datenbank = [&] {
        QByteArray bytes;
        for (const char* n : {".dat", "_UTF8Dokument.txt", "_Utf8_TitelPositionen.txt", ".log"})
            bytes += lies(QString("../klein/Datenbank/Akten") + n) + '|';
        return bytes;
    };
    ASSERT_EQ(lauf(2).code, 0);
    const QByteArray alt = datenbank();

    const Programmlauf voll = lauf(12);
    EXPECT_NE(voll.code, 0);
    EXPECT_TRUE(voll.fehler.contains(QRegularExpression(
        "Fehler: Die Datei [^\\n]+ kann nicht geschrieben werden! Die Indizierung ist "
        "gescheitert, die bisherige Datenbank bleibt unverändert.")))
        << voll.fehler.toStdString();
    EXPECT_EQ(datenbank(), alt);
    EXPECT_EQ(QDir(klein + "/Datenbank").entryList({"*.neu", "*.wechsel"}), QStringList());
    EXPECT_TRUE(QDir(klein + "/Datenbank/Temp").isEmpty());
    EXPECT_EQ(lauf(3).code, 0);
}

// Search, re-index a changed collection, search, within one process as in the window: every
// hit names the file it came from. The search state lives across the re-index, and the
// search must not read the old document through anything it kept.
TEST_F(IndexStoerfaelle, SuchenNachNeuindizierungImSelbenProzess) {
    const Programmordner ordner("T:\\");
    ProtokollNotifier notifier;
    ordner.ordnerAnlegen(notifier);
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TSuchfensterZustand fenster;
    const auto indizieren = [&] {
        Indexlauf lauf(ordner, notifier, Pump::still());
        return lauf.ausfuehren({"Akten", "T:\\Akten", "*.pdf", false}).ok;
    };
    const auto suchen = [&] {
        TSuchlauf lauf({ordner, {einstellungen, notifier, shell, Pump::still()}, fenster});
        lauf.Datenbankname = "Akten";
        fenster.TntEdit2 = "Suchwort";
        EXPECT_TRUE(lauf.OKBtnClick());
        QString ausgabe;
        for (const QString& satz : lauf.TrefferListe())
            ausgabe += Ansi::ausByteForm(satz).replace("##text##", "\t") + '\n';
        return trefferPruefen(ausgabe);
    };
    for (int i = 0; i < 10; ++i)
        akte("Akten", i);
    hauptliste();
    ASSERT_TRUE(indizieren()) << notifier.texte().join('|').toStdString();
    EXPECT_EQ(suchen().saetze, 10);

    // Three files changed, two gone, 28 new: 36 files.
    aendern(10, 38);
    hauptliste();
    ASSERT_TRUE(indizieren()) << notifier.texte().join('|').toStdString();
    const Pruefung p = suchen();
    EXPECT_EQ(p.saetze, 36) << p.fehler.toStdString();
}
