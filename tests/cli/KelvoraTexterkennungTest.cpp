// The real "kelvora", pdftotext and tesseract on a scanned, a mixed and a text PDF.

#include "platform/TextFiles.h"
#include "tests/common/Datensatz.h"
#include "tests/common/Programmlauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

class KelvoraTexterkennungTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        QSettings s(tmp_.filePath("config/Dorwent/Kelvora-PDF.conf"), QSettings::IniFormat);
        s.setValue("Laufwerk_T", nativ());
        s.setValue("Texterkennung", "1");
        // One converter, so that every page being read shows up in the output.
        s.setValue("Konverter_Prozesse", "1");
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
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
                 (gemischt + "\r\n" + scan + "\r\n" + text + "\r\n").toUtf8());
    }

    Programmlauf kelvora(const QStringList& befehl) const {
        return programmAusfuehren(KELVORA_CLI, QStringList{"--dir", nativ()} + befehl,
                                  QProcessEnvironment::systemEnvironment(), 180000);
    }
    QStringList treffer(const QString& suchtext) const {
        const Programmlauf l = kelvora({"search", "Akten", suchtext});
        EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
        QStringList dateien;
        for (const QString& zeile : l.aus.split('\n'))
            if (zeile.contains('\t'))
                dateien << zeile.section('\t', 0, 0);
        return dateien;
    }
    QString satzVon(const QString& pfad) const {
        const QString d = QString::fromUtf8(lies("Datenbank/Akten_UTF8Dokument.txt"));
        const qsizetype anfang = d.indexOf(satzkopf(pfad));
        const qsizetype ende = d.indexOf(QStringLiteral(" \r\n \r\n \r\n#"), anfang + 1);
        return anfang < 0 ? QString() : d.mid(anfang, ende < 0 ? -1 : ende - anfang);
    }
    // The independent reference: the converter run by hand.
    QString konvertiert(const QString& name) const {
        QProcess::execute("pdftotext",
                          {"-layout", "-enc", "UTF-8", nativ("Akten/" + name), nativ("ref.txt")});
        return QString::fromUtf8(lies("ref.txt"));
    }

    const QString gemischt = win("Akten\\gemischt.pdf"), scan = win("Akten\\scan.pdf"),
                  text = win("Akten\\text.pdf");
};

// Scanned pages are read and found unless the switch, which may stand anywhere, says otherwise;
// the text PDF's record is what the converter wrote, with recognition as without; the mixed
// PDF keeps its text page and gains the scanned one. The second run updates the database.
TEST_F(KelvoraTexterkennungTest, GescannteSeitenWerdenGefunden) {
    const Programmlauf ohne = kelvora({"index", "--ohne-texterkennung", "Akten", "T:\\Akten"});
    ASSERT_EQ(ohne.code, 0) << ohne.fehler.toStdString();
    EXPECT_FALSE(ohne.aus.contains("Texterkennung")) << ohne.aus.toStdString();
    EXPECT_FALSE(
        QString::fromUtf8(lies("Datenbank/Akten_UTF8Dokument.txt")).contains("Mietvertrag"));
    const QString textsatzOhne = satzVon(text);
    EXPECT_EQ(textsatzOhne, satzkopf(text) + konvertiert("text.pdf") + "\r\n");

    const Programmlauf mit = kelvora({"index", "Akten", "T:\\Akten"});
    ASSERT_EQ(mit.code, 0) << mit.fehler.toStdString();
    EXPECT_TRUE(mit.aus.startsWith("Datenbank wird aktualisiert.\n")) << mit.aus.toStdString();
    EXPECT_TRUE(mit.aus.contains("\nTexterkennung: Seite 2 von 2  " + gemischt + "\n"))
        << mit.aus.toStdString();
    EXPECT_TRUE(mit.aus.contains("\nTexterkennung: Seite 1 von 1  " + scan + "\n"));
    EXPECT_TRUE(TextFiles::dekodieren(lies("Datenbank/Akten.log"))
                    .endsWith("\r\n2 PDF-Dateien wurden mit Texterkennung gelesen.\r\n"));
    EXPECT_EQ(satzVon(text), textsatzOhne);
    const QString roh = konvertiert("gemischt.pdf");
    EXPECT_TRUE(satzVon(gemischt).startsWith(satzkopf(gemischt) + roh.left(roh.indexOf('\f') + 1)));

    const struct {
        const char* suchtext;
        QString datei;
    } faelle[] = {
        {"Mietvertrags", scan},   {"Hausverwaltung Müller", scan},
        {"Roggenmehl", gemischt}, {"Nummer 815", gemischt},
        {"über Bären", text},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(treffer(QString::fromUtf8(f.suchtext)), QStringList{f.datei}) << f.suchtext;

    // A folder that yields nothing for the extension fails and leaves no database.
    const Programmlauf leer = kelvora({"index", "Leer", "T:\\Akten", "--endungen", "*.odt"});
    EXPECT_EQ(leer.code, 1);
    EXPECT_TRUE(leer.fehler.contains(
        "Für den Ordner \"T:\\Akten\" und die Endung \"*.odt\" wurde keine Datei gefunden."))
        << leer.fehler.toStdString();
    EXPECT_FALSE(gibt("Datenbank/Leer.dat"));
}
