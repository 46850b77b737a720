#include "index/PdfTextExtraktion.h"
#include "index/ConvertBytes.h"

#include "datenbank/Arbeitsordner.h"
#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
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
    bool lauf(const QStringList& datZeilen, int prozesse = 1, std::function<bool()> abbruch = {},
              int zeitlimit = 300) {
        job = Arbeitsordner::anlegen(ordner, "Index");
        EXPECT_NE(job, nullptr);
        PdfTextExtraktion::Ausstattung a;
        a.arbeitsordner = job->pfad();
        a.konverter = {prozesse, zeitlimit};
        a.nachbearbeitung = schritt;
        extraktion = std::make_unique<PdfTextExtraktion>(
            PdfTextExtraktion::Umgebung{ordner, notifier, Pump::still(), std::move(abbruch),
                                        [this](const QString& t) {
                                            std::lock_guard<std::mutex> l(titelSperre);
                                            titel << t;
                                            fremderFaden = fremderFaden ||
                                                           QThread::currentThread() != thread();
                                        }},
            "Akten", QStringList{".pdf", ".", ".", ".", "."}, ausnahmen, a);
        return extraktion->ErstelleDiePDFtextDokumente(datZeilen);
    }
    QByteArray dokument() const { return Files::lesen(extraktion->aufbau().dokument()); }
    // What the converter itself makes of a PDF.
    QByteArray konvertiert(const QString& name) {
        const QString aus = nativ("ref.txt");
        QProcess::execute("pdftotext", {"-layout", "-enc", "UTF-8", nativ("pdf/" + name), aus});
        return lies("ref.txt");
    }
    // A record as the document format lays it out, for a path of plain Latin-1 letters.
    static QByteArray satz(const QString& pfad, const QByteArray& text) {
        QByteArray s =
            " \r\n \r\n \r\n#" + pfad.toUtf8() + "\r\n" + QByteArray(pfad.size() / 2, '=') + "\r\n";
        return text.isEmpty() ? s : s + text + "\r\n";
    }
    // A converter in the program folder: a shell script that runs before the real one.
    void ersatzkonverter(const QByteArray& skript) {
        schreibe("pdftotext", "#!/bin/sh\n" + skript);
        QFile(nativ("pdftotext"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static QByteArray echterKonverter() {
        return QFile::encodeName(QStandardPaths::findExecutable("pdftotext"));
    }
    // A process that has ended but was not yet reaped by its new parent counts as ended.
    static bool prozessLebt(const QByteArray& pid) {
        QFile stat("/proc/" + QString::fromLatin1(pid.trimmed()) + "/stat");
        if (pid.trimmed().isEmpty() || !stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray s = stat.readAll();
        return s.mid(s.lastIndexOf(')') + 2, 1) != "Z";
    }

    // Whether the caller's thread has been shown the title; any thread may ask.
    bool titelGesehen(const QString& t) {
        std::lock_guard<std::mutex> l(titelSperre);
        return titel.contains(t);
    }
    QThread* thread() const { return QCoreApplication::instance()->thread(); }

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
    const Konvertereinstellungen vorgabe = Konvertereinstellungen::standard();
    EXPECT_EQ(vorgabe.prozesse, QThread::idealThreadCount());
    EXPECT_EQ(vorgabe.zeitlimitSekunden, 300);
    struct Fall {
        const char* prozesse;
        const char* zeitlimit;
        int erwarteteProzesse;
        int erwartetesZeitlimit;
    };
    for (const Fall& f :
         {Fall{"", "", vorgabe.prozesse, 300}, Fall{"1", "5", 1, 5}, Fall{" 3 ", "0", 3, 300},
          Fall{"-2", "-1", vorgabe.prozesse, 300}, Fall{"viele", "bald", vorgabe.prozesse, 300},
          Fall{"999", "60", 256, 60}}) {
        SpeicherEinstellungen e;
        e.werte["Konverter_Prozesse"] = f.prozesse;
        e.werte["Zeitlimit_Konverter"] = f.zeitlimit;
        const Konvertereinstellungen k = Konvertereinstellungen::lesen(e);
        EXPECT_EQ(k.prozesse, f.erwarteteProzesse) << f.prozesse;
        EXPECT_EQ(k.zeitlimitSekunden, f.erwartetesZeitlimit) << f.zeitlimit;
    }
}

TEST(ConvertBytes, Grenzen) {
    EXPECT_EQ(ConvertBytes(1024), QStringLiteral("1024 Bytes"));
    EXPECT_EQ(ConvertBytes(1025), QStringLiteral("1 KB"));
    EXPECT_EQ(ConvertBytes(1048576), QStringLiteral("1024 KB"));
    EXPECT_EQ(ConvertBytes(1048577), QStringLiteral("1 MB"));
    EXPECT_EQ(ConvertBytes(1073741824), QStringLiteral("1024 MB"));
    EXPECT_EQ(ConvertBytes(1073741825), QStringLiteral("1 GB"));
    EXPECT_EQ(ConvertBytes(0), QStringLiteral("0 Bytes"));
}

// The document and the title positions are those of the format, whether one converter runs
// or several: records in ".dat" order, a title line for exactly each header written, also
// when a PDF's text holds another file's header line at a line start.
TEST_F(PdfTextExtraktionTest, DokumentUndTitelpositionenGleichBeiEinemUndMehrerenKonvertern) {
    pdf("Bär.pdf", {"Erste Seite mit Bär", "Zweite Seite"});
    pdf("b.pdf", {"Hallo Welt"});
    pdf("leer.pdf", {""});
    pdf("falle.pdf", {"#T:\\pdf\\b.pdf", "siehe #T:\\pdf\\Bär.pdf"});
    pdf("e.pdf", {"Ende"});
    const QStringList namen{"Bär.pdf", "b.pdf", "leer.pdf", "falle.pdf", "e.pdf"};
    QByteArray erwartet;
    QStringList erwarteteTitel;
    for (const QString& n : namen) {
        const QString pfad = win("pdf\\" + n);
        erwarteteTitel << QString::number(erwartet.size() + 9) + " " +
                              QString::fromLatin1("#" + pfad.toUtf8());
        erwartet += satz(pfad, konvertiert(n));
    }
    ASSERT_TRUE(konvertiert("falle.pdf").startsWith("#T:\\pdf\\b.pdf"));
    ASSERT_TRUE(konvertiert("leer.pdf").isEmpty() || konvertiert("leer.pdf") == "\f");

    for (int prozesse : {1, 3}) {
        ASSERT_TRUE(lauf(dat(namen), prozesse)) << notifier.texte().join("|").toStdString();
        EXPECT_EQ(dokument(), erwartet) << prozesse;
        EXPECT_EQ(extraktion->aufbau().titelzeilen(), erwarteteTitel) << prozesse;
        EXPECT_EQ(extraktion->konvertiert(), 5);
        EXPECT_TRUE(notifier.meldungen().empty());
        EXPECT_TRUE(titel.contains("1   UTF8-Datei:  " + win("pdf\\Bär.pdf")));
        // Only the document is left of the job's files: the converter's output is gone.
        EXPECT_EQ(QDir(Files::nativ(job->pfad())).entryList(QDir::Files),
                  (QStringList{"Akten_UTF8Dokument.txt", "Sperre"}));
    }
}

// Files that cannot be indexed count as not indexed and leave no record: damaged, encrypted,
// gone, excluded, of another extension. The converter's messages come in file order.
TEST_F(PdfTextExtraktionTest, NichtIndizierbareDateienZaehlenNicht) {
    ASSERT_TRUE(Files::schreiben(win("pdf\\kaputt.pdf"), "kein PDF"));
    pdf("geheim.pdf", {"Verschlossen"}, "geheim");
    pdf("gut.pdf", {"lesbar"});
    pdf("x.PDF", {"gross"});
    pdf("ausgenommen.pdf", {"nie"});
    ASSERT_TRUE(Files::schreiben(win("pdf\\notiz.txt"), "x"));
    ausnahmen << "t:\\PDF\\AUSGE";
    ASSERT_TRUE(lauf(dat({"kaputt.pdf", "weg.pdf", "geheim.pdf", "notiz.txt", "gut.pdf", "x.PDF",
                          "ausgenommen.pdf"}),
                     2));
    EXPECT_EQ(notifier.texte(),
              (QStringList{" Error opening a PDF file.", " Error opening a PDF file."}));
    EXPECT_EQ(extraktion->konvertiert(), 2);
    EXPECT_EQ(dokument(), satz(win("pdf\\gut.pdf"), konvertiert("gut.pdf")) +
                              satz(win("pdf\\x.PDF"), konvertiert("x.PDF")));

    const QStringList log = extraktion->statistik(7, "0:0:1");
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log.at(0), QStringLiteral(" "));
    EXPECT_EQ(log.at(1), QStringLiteral("Dateien insgesamt: 7"));
    EXPECT_EQ(log.at(2), QStringLiteral("Konnten nicht indiziert werden: 5"));
    // Sizes: every PDF that could be opened, and the text of the converted ones.
    const qint64 groesse =
        QFileInfo(nativ("pdf/kaputt.pdf")).size() + QFileInfo(nativ("pdf/geheim.pdf")).size() +
        QFileInfo(nativ("pdf/gut.pdf")).size() + QFileInfo(nativ("pdf/x.PDF")).size() +
        konvertiert("gut.pdf").size() + konvertiert("x.PDF").size();
    EXPECT_EQ(log.at(3), "2 PDF-Dateien wurden indiziert.   Zeit: 0:0:1  Gesamtgröße der "
                         "Datei(en) : " +
                             ConvertBytes(groesse));
}

// A converter still running at the time limit is ended with everything it started; the file
// is reported and not indexed, the run goes on.
TEST_F(PdfTextExtraktionTest, ZeitlimitBeendetDenKonverterSamtHelfern) {
    ersatzkonverter("case \"$4\" in *haengt*) echo $$ > " + QFile::encodeName(nativ("pid")) +
                    "; sleep 300 & echo $! > " + QFile::encodeName(nativ("kind")) +
                    "; wait;; esac\nexec " + echterKonverter() + " \"$@\"\n");
    pdf("a.pdf", {"eins"});
    pdf("haengt.pdf", {"nie fertig"});
    pdf("c.pdf", {"drei"});
    ASSERT_TRUE(lauf(dat({"a.pdf", "haengt.pdf", "c.pdf"}), 2, {}, 1));
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].text,
              "Die Umwandlung von " + win("pdf\\haengt.pdf") +
                  " hat länger als 1 Sekunden gedauert und wurde beendet (Zeitlimit_Konverter). "
                  "Die Datei wird nicht indiziert.");
    EXPECT_EQ(extraktion->konvertiert(), 2);
    EXPECT_EQ(dokument(), satz(win("pdf\\a.pdf"), konvertiert("a.pdf")) +
                              satz(win("pdf\\c.pdf"), konvertiert("c.pdf")));
    EXPECT_FALSE(prozessLebt(lies("pid")));
    EXPECT_FALSE(prozessLebt(lies("kind")));
}

// Cancel ends a running converter at once and keeps every record finished before, in order.
TEST_F(PdfTextExtraktionTest, AbbruchBeendetLaufendeUndBehaeltFertige) {
    ersatzkonverter("case \"$4\" in *langsam*) echo $$ > " + QFile::encodeName(nativ("pid")) +
                    "; exec sleep 300;; esac\n" + echterKonverter() +
                    " \"$@\" && touch \"$5.fertig\"\n");
    pdf("a.pdf", {"eins"});
    pdf("langsam.pdf", {"zwei"});
    pdf("c.pdf", {"drei"});
    pdf("d.pdf", {"vier"});
    // Cancelled once the file after the slow one is done (its output's sign).
    const auto abbruch = [&] {
        return !QDir(Files::nativ(job->pfad())).entryList({"4.txt.fertig"}).isEmpty();
    };
    ASSERT_TRUE(lauf(dat({"a.pdf", "langsam.pdf", "c.pdf", "d.pdf"}), 2, abbruch));
    EXPECT_TRUE(extraktion->abgebrochen());
    EXPECT_FALSE(prozessLebt(lies("pid")));
    const QByteArray dok = dokument();
    EXPECT_TRUE(dok.startsWith(satz(win("pdf\\a.pdf"), konvertiert("a.pdf"))));
    EXPECT_FALSE(dok.contains("langsam.pdf"));
    EXPECT_TRUE(dok.contains(satz(win("pdf\\c.pdf"), konvertiert("c.pdf"))));
    EXPECT_TRUE(notifier.meldungen().empty());
}

// Messages of converters that end out of order still come in file order.
TEST_F(PdfTextExtraktionTest, MeldungenInDateireihenfolge) {
    ersatzkonverter("case \"$4\" in *eins*) sleep 1; exit 1;; *zwei*) exit 3;; *drei*) exit "
                    "99;; esac\nexit 0\n");
    for (const char* n : {"eins.pdf", "zwei.pdf", "drei.pdf"})
        pdf(n, {n});
    ASSERT_TRUE(lauf(dat({"eins.pdf", "zwei.pdf", "drei.pdf"}), 3));
    ASSERT_EQ(notifier.meldungen().size(), 3u);
    EXPECT_EQ(notifier.meldungen()[0].text, " Error opening a PDF file.");
    EXPECT_EQ(notifier.meldungen()[1].text, "Error related to PDF permissions.");
    EXPECT_EQ(notifier.meldungen()[1].titel, " Error related to PDF permissions.");
    EXPECT_EQ(notifier.meldungen()[2].text, " Other error.");
    EXPECT_EQ(notifier.meldungen()[2].titel, "Other error.");
    // Exit 0 without an output file is no conversion either.
    EXPECT_EQ(extraktion->konvertiert(), 0);
}

// Unchanged files come from the cache, changed ones and damaged entries are converted
// anew, files that left the list lose their entry; the document stays the same bytes.
TEST_F(PdfTextExtraktionTest, TextcacheNurFuerUnveraenderteDateien) {
    ersatzkonverter("echo \"$4\" >> " + QFile::encodeName(nativ("aufrufe")) + "\nexec " +
                    echterKonverter() + " \"$@\"\n");
    pdf("a.pdf", {"alpha"});
    pdf("b.pdf", {"beta"});
    pdf("c.pdf", {"gamma"});
    const QStringList alle = dat({"a.pdf", "b.pdf", "c.pdf"});
    const auto aufrufe = [&] {
        const QByteArray a = lies("aufrufe");
        schreibe("aufrufe", "");
        return QString::fromUtf8(a).split('\n', Qt::SkipEmptyParts);
    };
    ASSERT_TRUE(lauf(alle, 2));
    const QByteArray erst = dokument();
    EXPECT_EQ(aufrufe().size(), 3);
    EXPECT_EQ(extraktion->statistik(3, "0:0:0").size(), 4);

    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(dokument(), erst);
    EXPECT_TRUE(aufrufe().isEmpty());
    EXPECT_EQ(extraktion->ausCache(), 3);
    EXPECT_EQ(extraktion->statistik(3, "0:0:0").value(4),
              QStringLiteral("Davon aus dem Textcache übernommen: 3"));

    pdf("b.pdf", {"beta, neu und länger"});
    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(aufrufe(), QStringList{nativ("pdf/b.pdf")});
    EXPECT_TRUE(dokument().contains(konvertiert("b.pdf")));

    // Damage every entry in a different way: a flipped byte, a cut, an empty file.
    const QString cache = nativ("Datenbank/Akten_Textcache");
    QStringList eintraege = QDir(cache).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(eintraege.size(), 3);
    QByteArray e0 = lies("Datenbank/Akten_Textcache/" + eintraege[0]);
    e0[e0.size() - 2] = e0[e0.size() - 2] ^ 1;
    schreibe("Datenbank/Akten_Textcache/" + eintraege[0], e0);
    schreibe("Datenbank/Akten_Textcache/" + eintraege[1],
             lies("Datenbank/Akten_Textcache/" + eintraege[1]).chopped(1));
    schreibe("Datenbank/Akten_Textcache/" + eintraege[2], "");
    ASSERT_TRUE(lauf(alle, 2));
    EXPECT_EQ(aufrufe().size(), 3);
    const QByteArray neu = dokument();
    EXPECT_EQ(neu, satz(win("pdf\\a.pdf"), konvertiert("a.pdf")) +
                       satz(win("pdf\\b.pdf"), konvertiert("b.pdf")) +
                       satz(win("pdf\\c.pdf"), konvertiert("c.pdf")));

    // A converter that changed makes every text suspect; the entry of a file that left the
    // list goes.
    ersatzkonverter("echo \"$4\" >> " + QFile::encodeName(nativ("aufrufe")) + "\nexec " +
                    echterKonverter() + " \"$@\" # neu\n");
    ASSERT_TRUE(lauf(dat({"a.pdf", "c.pdf"}), 2));
    EXPECT_EQ(aufrufe().size(), 2);
    EXPECT_EQ(QDir(cache).entryList(QDir::Files).size(), 2);
}

// Without a converter the run stops before converting, with one message.
TEST_F(PdfTextExtraktionTest, OhneKonverterEineMeldung) {
    const QByteArray pfad = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(nativ("leer")));
    pdf("a.pdf", {"eins"});
    pdf("b.pdf", {"zwei"});
    const bool ok = lauf(dat({"a.pdf", "b.pdf"}), 2);
    qputenv("PATH", pfad);
    EXPECT_FALSE(ok);
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].text, PdfTextExtraktion::konverterFehltMeldung(ordner));
    EXPECT_TRUE(notifier.meldungen()[0].text.contains(win()));
    EXPECT_FALSE(QFileInfo::exists(Files::nativ(extraktion->aufbau().dokument())));
}

// The run's cost per file stays flat: no file of the run is looked up through the drive
// map's folder listings, however many files there are.
TEST_F(PdfTextExtraktionTest, KeineOrdnerlisteJeDatei) {
    QStringList namen;
    for (int i = 0; i < 40; ++i) {
        namen << QString("d%1.pdf").arg(i);
        pdf(namen.last(), {namen.last()});
    }
    // The first run creates the cache folder; it is left out.
    QList<qint64> lesungen;
    for (int anzahl : {1, 4, 40}) {
        const qint64 vorher = DriveMap::global().Verzeichnislesungen();
        ASSERT_TRUE(lauf(dat(namen.mid(0, anzahl)), 2));
        EXPECT_EQ(extraktion->konvertiert(), anzahl);
        lesungen << DriveMap::global().Verzeichnislesungen() - vorher;
    }
    EXPECT_EQ(lesungen[1], lesungen[2]);
}

// A step after the converter runs inside the pool on the texts it would touch, once it has
// said at the first of them that it is ready. Its text goes into the document and into a
// cache of its own beside the converter's: a re-index runs neither, a run without the step
// takes the converter's text without converting, another version of the step runs again on
// the cached converter text, and a step cut short is not kept. Its title reaches the
// caller's thread, its warnings come in file order; a step that is not ready is said once
// and left out, and a run without texts to touch does not ask it at all.
TEST_F(PdfTextExtraktionTest, NachbearbeitungImPool) {
    pdf("a.pdf", {"eins"});
    pdf("b.pdf", {"zwei"});
    pdf("c.pdf", {"drei"});
    ersatzkonverter("echo x >> '" + QFile::encodeName(nativ("laeufe")) + "'\nexec " +
                    echterKonverter() + " \"$@\"\n");
    const auto umwandlungen = [this] { return lies("laeufe").count('x'); };
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
    const QStringList alle{"a.pdf", "b.pdf", "c.pdf"};
    const QByteArray roh = satz(win("pdf\\a.pdf"), konvertiert("a.pdf")) +
                           satz(win("pdf\\b.pdf"), konvertiert("b.pdf")) +
                           satz(win("pdf\\c.pdf"), konvertiert("c.pdf"));
    const QByteArray bearbeitet = satz(win("pdf\\a.pdf"), konvertiert("a.pdf")) +
                                  satz(win("pdf\\b.pdf"), "erkannt " + konvertiert("b.pdf")) +
                                  satz(win("pdf\\c.pdf"), "erkannt " + konvertiert("c.pdf"));
    struct Fall {
        const char* was;
        QByteArray kennung; // empty: without the step
        bool bereit, vollstaendig;
        QStringList dateien;
        int prozesse;
        QByteArray dokument;
        int umwandlungen, vorbereitungen, schritte, ausCache, nachbearbeitet;
        QStringList warnungen;
    };
    const QStringList hinweise{"Hinweis zu " + win("pdf\\b.pdf"),
                               "Hinweis zu " + win("pdf\\c.pdf")};
    const Fall faelle[] = {
        {"erster Lauf", "Probe 1", true, true, alle, 1, bearbeitet, 3, 1, 2, 0, 2, hinweise},
        {"unverändert", "Probe 1", true, true, alle, 1, bearbeitet, 3, 2, 2, 3, 2, {}},
        {"ohne Schritt", "", true, true, alle, 1, roh, 3, 2, 2, 3, 0, {}},
        {"andere Version", "Probe 2", true, true, alle, 1, bearbeitet, 3, 3, 4, 1, 2, hinweise},
        {"abgeschnitten", "Probe 3", true, false, alle, 1, bearbeitet, 3, 4, 6, 1, 2, hinweise},
        {"wieder abgeschnitten", "Probe 3", true, false, alle, 1, bearbeitet, 3, 5, 8, 1, 2,
         hinweise},
        {"nicht bereit", "Probe 2", false, true, alle, 2, roh, 3, 6, 8, 3, 0, {"Schritt fehlt"}},
        {"wieder Version 2", "Probe 2", true, true, alle, 1, bearbeitet, 3, 7, 8, 3, 2, {}},
        {"nichts zu tun",
         "Probe 2",
         true,
         true,
         {"a.pdf"},
         2,
         satz(win("pdf\\a.pdf"), konvertiert("a.pdf")),
         3,
         7,
         8,
         1,
         0,
         {}},
    };
    const Nachbearbeitung mitSchritt = schritt;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        schritt = f.kennung.isEmpty() ? Nachbearbeitung() : mitSchritt;
        kennung = f.kennung;
        bereit = f.bereit;
        vollstaendig = f.vollstaendig;
        notifier.leeren();
        ASSERT_TRUE(lauf(dat(f.dateien), f.prozesse));
        EXPECT_EQ(dokument(), f.dokument);
        EXPECT_EQ(umwandlungen(), f.umwandlungen);
        EXPECT_EQ(vorbereitungen, f.vorbereitungen);
        EXPECT_EQ(schritte, f.schritte);
        EXPECT_EQ(extraktion->ausCache(), f.ausCache);
        EXPECT_EQ(extraktion->nachbearbeitet(), f.nachbearbeitet);
        EXPECT_EQ(notifier.texte(), f.warnungen);
        const QStringList log = extraktion->statistik(f.dateien.size(), "0 s");
        EXPECT_EQ(log.last(), f.nachbearbeitet ? QStringLiteral("2 bearbeitet")
                                               : "Davon aus dem Textcache übernommen: " +
                                                     QString::number(f.ausCache));
    }
    EXPECT_TRUE(QFileInfo(nativ("Datenbank/Akten_Textcache/Probe")).isDir());
    EXPECT_FALSE(fremderFaden);
}
