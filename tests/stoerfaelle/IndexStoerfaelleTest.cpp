#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QRegularExpression>

using IndexStoerfaelle = StoerfallUmgebung;

namespace {
QStringList zeilen(const QString& text) {
    return text.split("\r\n");
}
} // namespace

// One converter at a time, several side by side, and the texts from the cache give the same
// document and title positions, byte for byte, and the same log; damaged, encrypted and
// vanished files count as not indexed; a PDF whose text holds another file's header line
// gets no title entry of its own for it.
TEST_F(IndexStoerfaelle, ByteGleichEinzelnParallelUndAusDemCache) {
    for (int i = 0; i < 9; ++i)
        akte("Akten", i);
    ASSERT_TRUE(PdfSchreiber::schreiben(prog("Akten/Bär.pdf"), {"Umlaut im Namen", "Kennung"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(
        prog("Akten/falle.pdf"),
        {"#T:\\Akten\\Akte_1.pdf\nKennung1 Suchwort Falle", "siehe #T:\\Akten\\Akte_2.pdf"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(prog("Akten/geheim.pdf"), {"verschlossen"}, "pw"));
    schreibe("Akten/kaputt.pdf", "%PDF-1.4 abgeschnitten");
    schreibe("Akten/weg.pdf", "");
    hauptliste();
    QFile::remove(prog("Akten/weg.pdf"));

    einstellen("Konverter_Prozesse", "1");
    const Ausgang einzeln = kelvora(index("Einzeln", "Akten"));
    ASSERT_EQ(einzeln.code, 0) << einzeln.fehler.toStdString();
    einstellen("Konverter_Prozesse", "3");
    const Ausgang parallel = kelvora(index("Parallel", "Akten"));
    ASSERT_EQ(parallel.code, 0) << parallel.fehler.toStdString();
    const QByteArray dokument = lies("Datenbank/Einzeln_UTF8Dokument.txt");
    const QByteArray titel = lies("Datenbank/Einzeln_Utf8_TitelPositionen.txt");
    const QString log = logOhneZeit("Einzeln");
    EXPECT_EQ(lies("Datenbank/Parallel_UTF8Dokument.txt"), dokument);
    EXPECT_EQ(lies("Datenbank/Parallel_Utf8_TitelPositionen.txt"), titel);
    EXPECT_EQ(logOhneZeit("Parallel"), log);

    const Ausgang cache = kelvora(index("Parallel", "Akten"));
    ASSERT_EQ(cache.code, 0) << cache.fehler.toStdString();
    EXPECT_EQ(lies("Datenbank/Parallel_UTF8Dokument.txt"), dokument);
    EXPECT_EQ(lies("Datenbank/Parallel_Utf8_TitelPositionen.txt"), titel);
    EXPECT_EQ(logOhneZeit("Parallel"), log + "Davon aus dem Textcache übernommen: 11\r\n");

    // The log tells the truth: 14 listed, 3 of them not indexable.
    EXPECT_EQ(zeilen(log).mid(0, 3),
              (QStringList{" ", "Dateien insgesamt: 14", "Konnten nicht indiziert werden: 3"}));
    EXPECT_TRUE(zeilen(log).value(3).startsWith("11 PDF-Dateien wurden indiziert.   Zeit: X  "));
    for (const Ausgang& a : {einzeln, parallel, cache})
        EXPECT_EQ(a.fehler.count("Hinweis ( Error opening a PDF file.):  Error opening a PDF "
                                 "file.\n"),
                  2)
            << a.fehler.toStdString();
    const Pruefung p = pruefen("Einzeln");
    EXPECT_EQ(p.saetze, 11) << p.fehler.toStdString();
    EXPECT_EQ(titel.count("#T:\\Akten\\Akte_1.pdf"), 1);
    EXPECT_EQ(titel.count("#T:\\Akten\\Akte_2.pdf"), 1);

    // Text that looks like a header is credited to the file that holds it.
    const Ausgang suche = kelvora({"search", "Einzeln", "Falle"});
    ASSERT_EQ(suche.code, 0) << suche.fehler.toStdString();
    EXPECT_TRUE(suche.aus.startsWith("T:\\Akten\\falle.pdf\t")) << suche.aus.toStdString();
}

// Searches running all through an index run of a changed collection neither disturb it nor
// see a half database; afterwards every hit names the file it came from.
TEST_F(IndexStoerfaelle, SucheWaehrendIndexlauf) {
    for (int i = 0; i < 20; ++i)
        akte("Akten", i);
    for (int i = 100; i < 105; ++i)
        akte("Andere", i);
    hauptliste();
    ASSERT_EQ(kelvora(index("Akten", "Akten")).code, 0);
    ASSERT_EQ(kelvora(index("Andere", "Andere")).code, 0);
    const QByteArray andere = lies("Datenbank/Andere_UTF8Dokument.txt");
    // Three files changed, two gone, 20 new: 38 files.
    for (int i : {0, 1, 2})
        akte("Akten", i, 2);
    for (int i = 20; i < 40; ++i)
        akte("Akten", i, 2);
    QFile::remove(prog("Akten/Akte_18.pdf"));
    QFile::remove(prog("Akten/Akte_19.pdf"));
    hauptliste();
    ersatzkonverter("sleep 0.1");
    einstellen("Konverter_Prozesse", "2");

    QProcess& lauf = kelvoraStarten(index("Akten", "Akten"));
    int suchen = 0;
    while (lauf.state() != QProcess::NotRunning || suchen < 4) {
        for (const char* db : {"Akten", "Andere"}) {
            const Ausgang s = kelvora({"search", db, "Suchwort"});
            ASSERT_EQ(s.code, 0) << s.fehler.toStdString();
            const Pruefung t = trefferPruefen(s.aus);
            ASSERT_GE(t.saetze, 0) << t.fehler.toStdString();
            // Either the old database or the new one, never a mix.
            if (QString(db) == "Akten")
                EXPECT_TRUE(t.saetze == 20 || t.saetze == 38) << t.saetze;
            else
                EXPECT_EQ(t.saetze, 5);
        }
        ++suchen;
        lauf.waitForFinished(10);
    }
    const Ausgang a = Programmlauf::von(lauf);
    ASSERT_EQ(a.code, 0) << a.fehler.toStdString();
    const Pruefung p = pruefen("Akten");
    EXPECT_EQ(p.saetze, 38) << p.fehler.toStdString();
    const Pruefung t = trefferPruefen(kelvora({"search", "Akten", "Suchwort"}).aus);
    EXPECT_EQ(t.saetze, 38) << t.fehler.toStdString();
    EXPECT_EQ(lies("Datenbank/Andere_UTF8Dokument.txt"), andere);
}

// Two index runs of different databases at once: each database holds its own records, all
// of them.
TEST_F(IndexStoerfaelle, ZweiIndexlaeufeZugleich) {
    for (int i = 0; i < 15; ++i) {
        akte("A", i);
        akte("B", 100 + i);
    }
    hauptliste();
    ersatzkonverter("sleep 0.05");
    einstellen("Konverter_Prozesse", "2");
    QProcess& a = kelvoraStarten(index("A", "A"));
    QProcess& b = kelvoraStarten(index("B", "B"));
    ASSERT_TRUE(a.waitForFinished(180000));
    ASSERT_TRUE(b.waitForFinished(180000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    for (const char* name : {"A", "B"}) {
        const Pruefung p = pruefen(name);
        EXPECT_EQ(p.saetze, 15) << name << p.fehler.toStdString();
        const QByteArray dok = lies(QString("Datenbank/%1_UTF8Dokument.txt").arg(name));
        EXPECT_EQ(dok.count("\r\n#T:\\" + QByteArray(name) + "\\"), 15);
        EXPECT_EQ(dok.count("\r\n#T:\\"), 15);
    }
    // Nothing of either job is left in Temp.
    EXPECT_EQ(QDir(prog("Datenbank/Temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
}

// A converter that never ends is ended at the time limit, with what it started; the file is
// reported and counted as not indexed, the run goes on and succeeds.
TEST_F(IndexStoerfaelle, KonverterOhneEnde) {
    for (int i = 0; i < 3; ++i)
        akte("Akten", i);
    ASSERT_TRUE(PdfSchreiber::schreiben(prog("Akten/haengt.pdf"), {"nie"}));
    hauptliste();
    ersatzkonverter("case \"$4\" in *haengt*) echo $$ > " + QFile::encodeName(prog("pid")) +
                    "; sleep 1000;; esac");
    einstellen("Zeitlimit_Konverter", "2");
    const Ausgang a = kelvora(index("Akten", "Akten"));
    ASSERT_EQ(a.code, 0) << a.fehler.toStdString();
    EXPECT_TRUE(a.fehler.contains("Warnung: Die Umwandlung von T:\\Akten\\haengt.pdf hat länger "
                                  "als 2 Sekunden gedauert und wurde beendet"))
        << a.fehler.toStdString();
    EXPECT_TRUE(
        logOhneZeit("Akten").contains("Konnten nicht indiziert werden: 1\r\n3 PDF-Dateien"));
    EXPECT_EQ(pruefen("Akten").saetze, 3);
    ASSERT_FALSE(lies("pid").isEmpty());
    EXPECT_FALSE(prozessLebt(lies("pid")));
}

// A full disk ends the run as failed with a message naming the file; the old database stays
// as it was, byte for byte; with room again the run succeeds. Needs root for the small
// file system.
TEST_F(IndexStoerfaelle, VolleFestplatte) {
    const QString klein = tmp_.filePath("klein");
    QDir().mkpath(klein);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", klein}) != 0)
        GTEST_SKIP() << "kein tmpfs (nur als root)";
    struct Aushaengen {
        QString ordner;
        ~Aushaengen() { QProcess::execute("umount", {ordner}); }
    } aushaengen{klein};
    // The program folder on the small file system, the PDFs beside it as drive P:.
    const QString pdfs = tmp_.filePath("pdfs");
    QDir().mkpath(pdfs);
    QDir().mkpath(klein + "/Datenbank");
    einstellen("Laufwerk_P", pdfs);
    const auto liste = [&](int n) {
        QByteArray l;
        for (int i = 0; i < n; ++i)
            l += "P:\\Akte_" + QByteArray::number(i) + ".pdf\r\n";
        QFile f(klein + "/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_P.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(l) == l.size());
    };
    const QString zeile(100, 'x');
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(PdfSchreiber::schreiben(
            pdfs + QString("/Akte_%1.pdf").arg(i),
            QStringList(i < 2 ? 1 : 60, QStringList(40, zeile).join('\n'))));
    liste(2);
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("XDG_CONFIG_HOME", konfig_);
    const auto lauf = [&] {
        return programmAusfuehren(KELVORA_CLI, {"--dir", klein, "index", "Akten", "P:\\"}, e,
                                  180000);
    };
    const Ausgang erst = lauf();
    ASSERT_EQ(erst.code, 0) << erst.fehler.toStdString();
    const auto datenbank = [&] {
        QStringList bytes;
        for (const char* n : {"Akten.dat", "Akten_UTF8Dokument.txt",
                              "Akten_Utf8_TitelPositionen.txt", "Akten.log"}) {
            QFile f(klein + "/Datenbank/" + n);
            bytes << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex()) : n);
        }
        return bytes;
    };
    const QStringList alt = datenbank();

    liste(12);
    const Ausgang voll = lauf();
    EXPECT_NE(voll.code, 0);
    EXPECT_TRUE(voll.fehler.contains(QRegularExpression(
        "Fehler: Die Datei [^\\n]+ kann nicht geschrieben werden! Die Indizierung ist "
        "gescheitert, die bisherige Datenbank bleibt unverändert.")))
        << voll.fehler.toStdString();
    EXPECT_EQ(datenbank(), alt);
    EXPECT_EQ(QDir(klein + "/Datenbank").entryList({"*.neu", "*.wechsel"}), QStringList());
    EXPECT_EQ(QDir(klein + "/Datenbank/Temp").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());

    liste(3);
    const Ausgang wieder = lauf();
    EXPECT_EQ(wieder.code, 0) << wieder.fehler.toStdString();
}
