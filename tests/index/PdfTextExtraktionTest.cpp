#include "index/PdfTextExtraktion.h"
#include "index/ConvertBytes.h"

#include "datenbank/Arbeitsordner.h"
#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/Programmlauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

class PdfTextExtraktionTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        ordner = Programmordner(win());
        ordner.ordnerAnlegen(notifier);
        QDir().mkpath(nativ("pdf"));
    }
    void pdf(const QString& name, const QStringList& seiten, const QByteArray& passwort = {}) {
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("pdf/" + name), seiten, passwort));
    }
    // The lines of the ".dat" of database "Akten" with the given files below T:\pdf.
    QStringList dat(const QStringList& namen) {
        QStringList zeilen{"PFAD_UND_ENDUNGEN= T:\\pdf *.pdf    "};
        for (const QString& n : namen)
            zeilen << Ansi::zuByteForm(win("pdf\\" + n));
        return zeilen;
    }
    // One run in a fresh job folder; the job folder stays until the next run.
    bool lauf(const QStringList& datZeilen, int prozesse = 1, int zeitlimit = 300) {
        job = Arbeitsordner::anlegen(ordner, "Index");
        EXPECT_NE(job, nullptr);
        PdfTextExtraktion::Ausstattung a;
        a.arbeitsordner = job->pfad();
        a.konverter = {prozesse, zeitlimit};
        a.nachbearbeitung = schritt;
        const auto zeigen = [this](const QString& t) {
            std::lock_guard<std::mutex> l(titelSperre);
            titel << t;
            if (QThread::currentThread() != QCoreApplication::instance()->thread())
                fremderFaden = true;
        };
        extraktion = std::make_unique<PdfTextExtraktion>(
            PdfTextExtraktion::Umgebung{ordner, notifier, Pump::still(), {}, zeigen}, "Akten",
            QStringList{".pdf", ".", ".", ".", "."}, ausnahmen, a);
        return extraktion->ErstelleDiePDFtextDokumente(datZeilen);
    }
    QByteArray dokument() const { return Files::lesen(extraktion->aufbau().dokument()); }
    // What the converter itself makes of a PDF.
    QByteArray konvertiert(const QString& name) {
        return programmAusfuehren("pdftotext",
                                  {"-layout", "-enc", "UTF-8", nativ("pdf/" + name), "-"})
            .aus.toUtf8();
    }
    // The record of a file below T:\pdf with the converter's own text, or the given one.
    QByteArray satz(const QString& name, const QByteArray& vorsatz = {}) {
        const QByteArray text = vorsatz + konvertiert(name);
        return satzkopf(win("pdf\\" + name)).toUtf8() + (text.isEmpty() ? "" : text + "\r\n");
    }
    // A converter in the program folder: a shell script that runs before the real one.
    void ersatzkonverter(const QByteArray& skript) {
        schreibe("pdftotext", "#!/bin/sh\n" + skript);
        QFile(nativ("pdftotext"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray echterKonverter =
        QFile::encodeName(QStandardPaths::findExecutable("pdftotext"));
    // A process that has ended but was not yet reaped by its new parent counts as ended.
    bool prozessLebt(const QString& pidDatei) {
        QFile stat("/proc/" + QString::fromLatin1(lies(pidDatei).trimmed()) + "/stat");
        const QByteArray s = stat.open(QIODevice::ReadOnly) ? stat.readAll() : "Z) Z";
        return s.mid(s.lastIndexOf(')') + 2, 1) != "Z";
    }
    bool titelGesehen(const QString& t) {
        std::lock_guard<std::mutex> l(titelSperre);
        return titel.contains(t);
    }

    Programmordner ordner;
    ProtokollNotifier notifier;
    std::mutex titelSperre;
    QStringList titel;
    std::atomic<bool> fremderFaden{false};
    QStringList ausnahmen;
    std::unique_ptr<Arbeitsordner> job;
    std::unique_ptr<PdfTextExtraktion> extraktion;
    Nachbearbeitung schritt;
};

TEST(Konvertereinstellungen, WerteUndVorgaben) {
    const int kerne = QThread::idealThreadCount();
    const std::tuple<const char*, const char*, int, int> faelle[] = {
        {"", "", kerne, 300},          {"1", "5", 1, 5},
        {" 3 ", "0", 3, 300},          {"-2", "-1", kerne, 300},
        {"viele", "bald", kerne, 300}, {"999", "60", 256, 60}};
    for (const auto& [prozesse, zeitlimit, erwarteteProzesse, erwartetesZeitlimit] : faelle) {
        SpeicherEinstellungen e;
        e.werte["Konverter_Prozesse"] = prozesse;
        e.werte["Zeitlimit_Konverter"] = zeitlimit;
        const Konvertereinstellungen k = Konvertereinstellungen::lesen(e);
        EXPECT_EQ(k.prozesse, erwarteteProzesse) << prozesse;
        EXPECT_EQ(k.zeitlimitSekunden, erwartetesZeitlimit) << zeitlimit;
    }
}

TEST(ConvertBytes, Grenzen) {
    const std::pair<qint64, const char*> faelle[] = {
        {0, "0 Bytes"},    {1024, "1024 Bytes"},    {1025, "1 KB"},      {1048576, "1024 KB"},
        {1048577, "1 MB"}, {1073741824, "1024 MB"}, {1073741825, "1 GB"}};
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(ConvertBytes(bytes), QString::fromLatin1(text));
}

// Several converters at once: records in ".dat" order, a page without text among them. Files that
// cannot be indexed leave no record: damaged, encrypted, gone, excluded, of another extension, one
// whose converter still runs at the time limit (ended with everything it started), ones whose
// converter fails by exit code or ends 0 without output. Messages come in file order, the log
// counts them, and the run goes on.
TEST_F(PdfTextExtraktionTest, DokumentStatistikUndFehlerDesKonverters) {
    ersatzkonverter("case \"$4\" in *haengt*) echo $$ > " + QFile::encodeName(nativ("pid")) +
                    "; sleep 300 & echo $! > " + QFile::encodeName(nativ("kind")) +
                    "; wait;; *eins*) sleep 0.2; exit 1;; *zwei*) exit 3;; *drei*) exit 99;; "
                    "*ohne*) exit 0;; esac\nexec " +
                    echterKonverter + " \"$@\"\n");
    pdf("gut.pdf", {"lesbar"});
    pdf("leer.pdf", {""});
    pdf("geheim.pdf", {"Verschlossen"}, "geheim");
    const QStringList weitere{"x.PDF",    "ausgenommen.pdf", "haengt.pdf", "eins.pdf",
                              "zwei.pdf", "drei.pdf",        "ohne.pdf"};
    for (const QString& n : weitere)
        pdf(n, {n});
    ASSERT_TRUE(Files::schreiben(win("pdf\\kaputt.pdf"), "kein PDF"));
    ASSERT_TRUE(Files::schreiben(win("pdf\\notiz.txt"), "x"));
    ausnahmen << "t:\\PDF\\AUSGE";
    ASSERT_TRUE(lauf(
        dat(QStringList{"gut.pdf", "kaputt.pdf", "leer.pdf", "weg.pdf", "geheim.pdf", "notiz.txt"} +
            weitere),
        3, 1));
    EXPECT_EQ(dokument(), satz("gut.pdf") + satz("leer.pdf") + satz("x.PDF"));
    EXPECT_EQ(extraktion->konvertiert(), 3);
    EXPECT_EQ(notifier.texte(),
              (QStringList{" Error opening a PDF file.", " Error opening a PDF file.",
                           "Die Umwandlung von " + win("pdf\\haengt.pdf") +
                               " hat länger als 1 Sekunden gedauert und wurde beendet "
                               "(Zeitlimit_Konverter). Die Datei wird nicht indiziert.",
                           " Error opening a PDF file.", "Error related to PDF permissions.",
                           " Other error."}));
    ASSERT_EQ(notifier.meldungen().size(), 6u);
    EXPECT_EQ(notifier.meldungen()[4].titel, " Error related to PDF permissions.");
    EXPECT_EQ(notifier.meldungen()[5].titel, "Other error.");
    EXPECT_FALSE(prozessLebt("pid") || prozessLebt("kind"));
    EXPECT_TRUE(titel.contains("1   UTF8-Datei:  " + win("pdf\\gut.pdf")));
    EXPECT_EQ(QDir(Files::nativ(job->pfad())).entryList(QDir::Files),
              (QStringList{"Akten_UTF8Dokument.txt", "Sperre"}));
    qint64 groesse = 0;
    for (const QString& n :
         QStringList{"gut.pdf", "kaputt.pdf", "leer.pdf", "geheim.pdf", "x.PDF", "haengt.pdf",
                     "eins.pdf", "zwei.pdf", "drei.pdf", "ohne.pdf"})
        groesse += QFileInfo(nativ("pdf/" + n)).size();
    for (const char* n : {"gut.pdf", "leer.pdf", "x.PDF"})
        groesse += konvertiert(n).size();
    EXPECT_EQ(extraktion->statistik(13, "0:0:1"),
              (QStringList{" ", "Dateien insgesamt: 13", "Konnten nicht indiziert werden: 10",
                           "3 PDF-Dateien wurden indiziert.   Zeit: 0:0:1  Gesamtgröße der "
                           "Datei(en) : " +
                               ConvertBytes(groesse)}));
}

// Unchanged files come from the cache, changed ones and damaged entries are converted
// anew, a changed converter makes every text suspect, files that left the list lose their
// entry.
TEST_F(PdfTextExtraktionTest, TextcacheNurFuerUnveraenderteDateien) {
    const QByteArray protokoll = "echo \"$4\" >> " + QFile::encodeName(nativ("aufrufe")) + "\n";
    ersatzkonverter(protokoll + "exec " + echterKonverter + " \"$@\"\n");
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf"})
        pdf(n, {n});
    const QStringList alle = dat({"a.pdf", "b.pdf", "c.pdf"});
    const auto aufrufe = [&] {
        const QByteArray a = lies("aufrufe");
        schreibe("aufrufe", "");
        return QString::fromUtf8(a).split('\n', Qt::SkipEmptyParts).size();
    };
    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(aufrufe(), 3);
    pdf("b.pdf", {"beta, neu und länger"});
    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(lies("aufrufe"), QFile::encodeName(nativ("pdf/b.pdf")) + "\n");
    aufrufe();

    // Damage every entry in a different way: a flipped byte, a cut, an empty file.
    const QString cache = "Datenbank/Akten_Textcache/";
    const QStringList eintraege = QDir(nativ(cache)).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(eintraege.size(), 3);
    QByteArray e0 = lies(cache + eintraege[0]);
    e0[e0.size() - 2] = e0[e0.size() - 2] ^ 1;
    schreibe(cache + eintraege[0], e0);
    schreibe(cache + eintraege[1], lies(cache + eintraege[1]).chopped(1));
    schreibe(cache + eintraege[2], "");
    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(aufrufe(), 3);
    EXPECT_EQ(dokument(), satz("a.pdf") + satz("b.pdf") + satz("c.pdf"));

    ersatzkonverter(protokoll + "exec " + echterKonverter + " \"$@\" # neu\n");
    ASSERT_TRUE(lauf(dat({"a.pdf", "c.pdf"}), 2));
    EXPECT_EQ(aufrufe(), 2);
    EXPECT_EQ(QDir(nativ(cache)).entryList(QDir::Files).size(), 2);
}

TEST_F(PdfTextExtraktionTest, OhneKonverterEineMeldung) {
    const Umgebungswert pfad("PATH", QFile::encodeName(nativ("leer")));
    pdf("a.pdf", {"eins"});
    EXPECT_FALSE(lauf(dat({"a.pdf"}), 2));
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.texte()[0],
              "Der PDF-Konverter \"pdftotext\" ist nicht vorhanden! Gesucht wurde im "
              "Programmordner " +
                  win() +
                  " und im Suchpfad (PATH). Installieren Sie das Paket poppler-utils; es wurde "
                  "nichts indiziert.");
    EXPECT_FALSE(QFileInfo::exists(Files::nativ(extraktion->aufbau().dokument())));
}

// A step after the converter runs inside the pool on the texts it would touch, once it has
// said at the first of them that it is ready. Its text goes into the document and into a
// cache of its own; another version of the step runs again on the cached converter text,
// and a step cut short is not kept. Its title reaches the caller's thread, its
// warnings come in file order; a step that is not ready is said once and left out, and a
// run without texts to touch does not ask it at all.
TEST_F(PdfTextExtraktionTest, NachbearbeitungImPool) {
    pdf("a.pdf", {"eins"});
    pdf("b.pdf", {"zwei"});
    pdf("c.pdf", {"drei"});
    ersatzkonverter("echo x >> '" + QFile::encodeName(nativ("laeufe")) + "'\nexec " +
                    echterKonverter + " \"$@\"\n");
    std::atomic<int> schritte{0}, vorbereitungen{0};
    std::atomic<bool> vollstaendig{true}, bereit{true};
    QByteArray kennung;
    schritt.vorbereiten = [&] {
        ++vorbereitungen;
        return bereit ? Nachbearbeitung::Bereitschaft{true, {}, kennung}
                      : Nachbearbeitung::Bereitschaft{false, "Schritt fehlt", {}};
    };
    schritt.cacheordner = "Probe";
    schritt.betrifft = [](const QByteArray& t) { return t.contains("zwei") || t.contains("drei"); };
    schritt.schritt = [&](const Nachbearbeitung::Datei& d, QByteArray& text) {
        ++schritte;
        d.titel("Schritt: " + d.pfad);
        // Until the caller has shown the title (one converter: no other step overwrites it).
        for (int i = 0; i < 1000 && !titelGesehen("Schritt: " + d.pfad); ++i)
            QThread::msleep(10);
        text = "erkannt " + text;
        return Nachbearbeitung::Ausgang{vollstaendig, "Hinweis zu " + d.pfad};
    };
    schritt.protokollzeile = [](int n) { return QString::number(n) + " bearbeitet"; };
    const QStringList alle{"a.pdf", "b.pdf", "c.pdf"}, nurA{"a.pdf"};
    const QByteArray roh = satz("a.pdf") + satz("b.pdf") + satz("c.pdf");
    const QByteArray bearbeitet =
        satz("a.pdf") + satz("b.pdf", "erkannt ") + satz("c.pdf", "erkannt ");
    const QStringList hinweise{"Hinweis zu " + win("pdf\\b.pdf"),
                               "Hinweis zu " + win("pdf\\c.pdf")};
    // Version of the step, ready, complete, files, converters; then the document, the counts of
    // preparations, steps, texts from the cache and touched texts, and the warnings.
    const std::tuple<const char*, QByteArray, bool, bool, QStringList, int, QByteArray, int, int,
                     int, int, QStringList>
        faelle[] = {
            {"erster Lauf", "Probe 1", true, true, alle, 1, bearbeitet, 1, 2, 0, 2, hinweise},
            {"andere Version", "Probe 2", true, true, alle, 1, bearbeitet, 2, 4, 1, 2, hinweise},
            {"abgeschnitten", "Probe 3", true, false, alle, 1, bearbeitet, 3, 6, 1, 2, hinweise},
            {"wieder", "Probe 3", true, false, alle, 1, bearbeitet, 4, 8, 1, 2, hinweise},
            {"nicht bereit", "Probe 2", false, true, alle, 2, roh, 5, 8, 3, 0, {"Schritt fehlt"}},
            {"nichts zu tun", "Probe 2", true, true, nurA, 2, satz("a.pdf"), 5, 8, 1, 0, {}},
        };
    for (const auto& [was, version, istBereit, ganz, dateien, prozesse, text, vorbereitet,
                      geschritten, ausCache, nachbearbeitet, warnungen] : faelle) {
        SCOPED_TRACE(was);
        kennung = version;
        bereit = istBereit;
        vollstaendig = ganz;
        notifier.leeren();
        ASSERT_TRUE(lauf(dat(dateien), prozesse));
        EXPECT_EQ(dokument(), text);
        EXPECT_EQ(lies("laeufe").count('x'), 3);
        EXPECT_EQ(vorbereitungen, vorbereitet);
        EXPECT_EQ(schritte, geschritten);
        EXPECT_EQ(extraktion->ausCache(), ausCache);
        EXPECT_EQ(extraktion->nachbearbeitet(), nachbearbeitet);
        EXPECT_EQ(notifier.texte(), warnungen);
        EXPECT_EQ(extraktion->statistik(dateien.size(), "0 s").last(),
                  nachbearbeitet
                      ? QStringLiteral("2 bearbeitet")
                      : "Davon aus dem Textcache übernommen: " + QString::number(ausCache));
    }
    EXPECT_TRUE(QFileInfo(nativ("Datenbank/Akten_Textcache/Probe")).isDir());
    EXPECT_FALSE(fremderFaden);
}
