#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

// "kelvora index" and "kelvora search" as built, on a scanned PDF, a PDF with a text page and
// a scanned page, and a text PDF. tesseract and the converter are the real ones behind
// stand-ins that count what they are asked to do.
class KelvoraTexterkennungTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        SettingsStore einstellungen;
        einstellungen.SchreibeRegKey(QStringLiteral("Laufwerk_T"), nativ());
        // One converter: each recognition runs while the run waits for that file.
        einstellungen.SchreibeRegKey(QStringLiteral("Konverter_Prozesse"), QStringLiteral("1"));
        QDir().mkpath(nativ("Akten"));
        ASSERT_TRUE(BildPdf::schreiben(
            nativ("Akten/gemischt.pdf"),
            {{QStringLiteral("Rechnung Nummer 815 vom Mai"), false},
             {QStringLiteral("Lieferschein der Bäckerei Schmidt\nWeizenmehl Roggenmehl")}},
            QPageSize::A6));
        ASSERT_TRUE(BildPdf::schreiben(
            nativ("Akten/scan.pdf"),
            {{QStringLiteral("Kündigung des Mietvertrags\nHausverwaltung Müller")}},
            QPageSize::A6));
        ASSERT_TRUE(PdfSchreiber::schreiben(
            nativ("Akten/text.pdf"), {QStringLiteral("Ein Brief über Bären"), "Seite zwei"}));
        QByteArray liste;
        for (const QString& p : {gemischt, scan, text})
            liste += p.toUtf8() + "\r\n";
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", liste);

        const QByteArray pdftotext =
            QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("pdftotext")));
        const QByteArray tesseract =
            QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("tesseract")));
        ASSERT_FALSE(pdftotext.isEmpty());
        ASSERT_FALSE(tesseract.isEmpty());
        QDir().mkpath(nativ("bin"));
        ausfuehrbar("pdftotext", "echo x >> '" + QFile::encodeName(nativ("pdftotext.laeufe")) +
                                     "'\nexec " + pdftotext + " \"$@\"\n");
        // Only readings count, not the checks of the installation.
        ausfuehrbar("bin/tesseract", "case \" $* \" in *' stdout '*) echo x >> '" +
                                         QFile::encodeName(nativ("tesseract.laeufe")) +
                                         "';; esac\nexec " + tesseract + " \"$@\"\n");
        umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("PATH", nativ("bin") + ":" + umgebung.value("PATH"));
    }

    void ausfuehrbar(const QString& relativ, const QByteArray& skript) {
        schreibe(relativ, "#!/bin/sh\n" + skript);
        QFile(nativ(relativ)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    int laeufe(const QString& programm) const { return int(lies(programm + ".laeufe").count('x')); }

    struct Aufruf {
        int code = -1;
        QString aus, fehler;
    };
    Aufruf kelvora(const QStringList& befehl) const {
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.start(QStringLiteral(KELVORA_CLI), QStringList{"--dir", nativ()} + befehl);
        EXPECT_TRUE(p.waitForFinished(120000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    Aufruf indizieren(const QStringList& zusatz = {}) const {
        return kelvora(QStringList{"index", "Akten", "T:\\Akten"} + zusatz);
    }
    // The files "kelvora search" names for the text.
    QStringList treffer(const QString& suchtext) const {
        const Aufruf r = kelvora({"search", "Akten", suchtext});
        EXPECT_EQ(r.code, 0) << r.fehler.toStdString();
        QStringList dateien;
        for (const QString& zeile : r.aus.split('\n'))
            if (zeile.contains('\t'))
                dateien << zeile.section('\t', 0, 0);
        return dateien;
    }
    // The log's lines below the four of every run.
    QStringList logZusatz() const {
        return TextFiles::dekodieren(lies("Datenbank/Akten.log"))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
            .mid(4);
    }
    QByteArray dokument() const { return lies("Datenbank/Akten_UTF8Dokument.txt"); }
    // The record of the file in the document, as the document format lays it out.
    QByteArray satzVon(const QString& pfad) const {
        const QByteArray d = dokument();
        const QByteArray kopf = " \r\n \r\n \r\n#" + pfad.toUtf8() + "\r\n";
        const qsizetype anfang = d.indexOf(kopf);
        if (anfang < 0)
            return {};
        const qsizetype ende = d.indexOf(" \r\n \r\n \r\n#", anfang + kopf.size());
        return d.mid(anfang, ende < 0 ? -1 : ende - anfang);
    }
    static QByteArray satz(const QString& pfad, const QByteArray& text) {
        return " \r\n \r\n \r\n#" + pfad.toUtf8() + "\r\n" + QByteArray(pfad.size() / 2, '=') +
               "\r\n" + text + "\r\n";
    }
    // What the converter itself makes of the PDF.
    QByteArray konvertiert(const QString& name) const {
        QProcess::execute("pdftotext",
                          {"-layout", "-enc", "UTF-8", nativ("Akten/" + name), nativ("ref.txt")});
        return lies("ref.txt");
    }

    const QString gemischt = win("Akten\\gemischt.pdf");
    const QString scan = win("Akten\\scan.pdf");
    const QString text = win("Akten\\text.pdf");
    QProcessEnvironment umgebung;
};

// The scanned pages are read and found; the text page of the mixed PDF and the text PDF stay
// byte for byte what the converter wrote. The window titles name the page being read.
TEST_F(KelvoraTexterkennungTest, GescannteSeitenWerdenGefunden) {
    const Aufruf r = indizieren();
    ASSERT_EQ(r.code, 0) << r.fehler.toStdString();
    EXPECT_FALSE(r.fehler.contains("Texterkennung")) << r.fehler.toStdString();
    EXPECT_TRUE(r.aus.contains("\nTexterkennung: Seite 2 von 2  " + gemischt + "\n"))
        << r.aus.toStdString();
    EXPECT_TRUE(r.aus.contains("\nTexterkennung: Seite 1 von 1  " + scan + "\n"))
        << r.aus.toStdString();
    EXPECT_EQ(logZusatz(), QStringList{"2 PDF-Dateien wurden mit Texterkennung gelesen."});
    EXPECT_EQ(laeufe("pdftotext"), 3);
    EXPECT_EQ(laeufe("tesseract"), 2);

    const struct {
        const char* suchtext;
        QStringList dateien;
    } faelle[] = {
        {"Mietvertrags", {scan}},   {"Hausverwaltung Müller", {scan}},
        {"Roggenmehl", {gemischt}}, {"Bäckerei Schmidt", {gemischt}},
        {"Nummer 815", {gemischt}}, {"über Bären", {text}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(treffer(QString::fromUtf8(f.suchtext)), f.dateien) << f.suchtext;

    EXPECT_EQ(satzVon(text), satz(text, konvertiert("text.pdf")));
    const QByteArray roh = konvertiert("gemischt.pdf");
    const QByteArray mitSeite2 = satzVon(gemischt);
    const QByteArray seite1 = satz(gemischt, roh.left(roh.indexOf('\f') + 1)).chopped(2);
    EXPECT_TRUE(mitSeite2.startsWith(seite1)) << mitSeite2.toStdString();
    EXPECT_TRUE(mitSeite2.endsWith("\n\f\r\n")) << mitSeite2.toStdString();
    EXPECT_EQ(mitSeite2.count('\f'), 2);
}

// Recognition off for a run, then on, on again, and off: turning it on reads the old scans
// without converting anything again, a re-index starts neither program, and a run without it
// has the converter's text. The text PDF's record is the same in every run.
TEST_F(KelvoraTexterkennungTest, SchalterUndTextcache) {
    const QByteArray textSatz = satz(text, konvertiert("text.pdf"));
    const QByteArray scanLeer = satz(scan, konvertiert("scan.pdf"));
    ASSERT_EQ(scanLeer, satz(scan, "\f"));
    const QString erkannt = QStringLiteral("2 PDF-Dateien wurden mit Texterkennung gelesen.");
    const struct {
        const char* was;
        QStringList zusatz;
        int pdftotext, tesseract;
        bool gelesen;
        QStringList log;
    } laeufeNacheinander[] = {
        {"ohne", {"--ohne-texterkennung"}, 3, 0, false, {}},
        {"eingeschaltet", {}, 3, 2, true, {"Davon aus dem Textcache übernommen: 1", erkannt}},
        {"unverändert", {}, 3, 2, true, {"Davon aus dem Textcache übernommen: 3", erkannt}},
        {"wieder ohne",
         {"--ohne-texterkennung"},
         3,
         2,
         false,
         {"Davon aus dem Textcache übernommen: 3"}},
    };
    QByteArray erkanntesDokument;
    for (const auto& l : laeufeNacheinander) {
        SCOPED_TRACE(l.was);
        const Aufruf r = indizieren(l.zusatz);
        ASSERT_EQ(r.code, 0) << r.fehler.toStdString();
        EXPECT_EQ(laeufe("pdftotext"), l.pdftotext);
        EXPECT_EQ(laeufe("tesseract"), l.tesseract);
        EXPECT_EQ(logZusatz(), l.log);
        EXPECT_EQ(satzVon(text), textSatz);
        EXPECT_EQ(treffer("Mietvertrags"), l.gelesen ? QStringList{scan} : QStringList{});
        if (!l.gelesen)
            EXPECT_EQ(satzVon(scan), scanLeer);
        else if (erkanntesDokument.isEmpty())
            erkanntesDokument = dokument();
        else
            EXPECT_EQ(dokument(), erkanntesDokument);
    }
}

// Recognition turned on without tesseract: said once, and the run indexes without it. Left
// to its default or turned off, nothing is said.
TEST_F(KelvoraTexterkennungTest, OhneTesseractEineMeldung) {
    const QString meldung = QStringLiteral(
        "Die Texterkennung für gescannte PDF-Dateien ist eingeschaltet, aber das Programm "
        "\"tesseract\" ist nicht installiert (Paket tesseract-ocr). Gescannte Seiten werden "
        "ohne Texterkennung indiziert.");
    QDir().mkpath(nativ("leer"));
    umgebung.insert("PATH", nativ("leer"));
    for (const char* wert : {"1", "", "0"}) {
        SCOPED_TRACE(wert);
        SettingsStore().SchreibeRegKey(QStringLiteral("Texterkennung"), QString::fromLatin1(wert));
        const Aufruf r = indizieren();
        EXPECT_EQ(r.code, 0) << r.fehler.toStdString();
        EXPECT_EQ(r.fehler.count(meldung), *wert == '1' ? 1 : 0) << r.fehler.toStdString();
        EXPECT_EQ(satzVon(scan), satz(scan, "\f"));
        EXPECT_EQ(satzVon(text), satz(text, konvertiert("text.pdf")));
        EXPECT_TRUE(dokument().contains("Rechnung Nummer 815"));
    }
}
