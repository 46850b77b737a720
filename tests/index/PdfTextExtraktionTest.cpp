#include "index/PdfTextExtraktion.h"
#include "index/ConvertBytes.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QProcess>

class PdfTextExtraktionTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("pdf"));
    }
    void pdf(const QString& name, const QStringList& seiten) {
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("pdf/" + name), seiten));
    }
    // The ".dat" of database "Akten" with the given files below T:\pdf.
    void dat(const QStringList& namen) {
        QStringList zeilen{"PFAD_UND_ENDUNGEN= T:\\pdf *.pdf    "};
        for (const QString& n : namen)
            zeilen << Ansi::zuByteForm(win("pdf\\" + n));
        ASSERT_TRUE(
            WriteToStream(TextFiles::text(zeilen), win("Datenbank\\Akten.dat"), TextFiles::Utf8));
    }
    PdfTextExtraktion lauf(std::function<bool()> abbruch = {}) {
        return PdfTextExtraktion({Programmordner(win()), notifier, Pump::still(),
                                  std::move(abbruch), [this](const QString& t) { titel << t; }},
                                 "Akten", {".pdf", ".", ".", ".", "."}, ausnahmen);
    }
    // What the converter itself makes of a PDF.
    QByteArray konvertiert(const QString& name) {
        const QString aus = nativ("ref.txt");
        QProcess::execute("pdftotext", {"-layout", "-enc", "UTF-8", nativ("pdf/" + name), aus});
        QFile f(aus);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    ProtokollNotifier notifier;
    QStringList titel;
    QStringList ausnahmen;
};

TEST(ConvertBytes, Grenzen) {
    EXPECT_EQ(ConvertBytes(1024), QStringLiteral("1024 Bytes"));
    EXPECT_EQ(ConvertBytes(1025), QStringLiteral("1 KB"));
    EXPECT_EQ(ConvertBytes(1048576), QStringLiteral("1024 KB"));
    EXPECT_EQ(ConvertBytes(1048577), QStringLiteral("1 MB"));
    EXPECT_EQ(ConvertBytes(1073741824), QStringLiteral("1024 MB"));
    EXPECT_EQ(ConvertBytes(1073741825), QStringLiteral("1 GB"));
    EXPECT_EQ(ConvertBytes(0), QStringLiteral("0 Bytes"));
}

TEST_F(PdfTextExtraktionTest, DokumentAusEchtenPdfs) {
    pdf("Bär.pdf", {"Erste Seite mit Bär", "Zweite Seite"});
    pdf("b.pdf", {"Hallo Welt"});
    dat({"Bär.pdf", "b.pdf"});
    auto l = lauf();
    l.ErstelleDiePDFtextDokumente();
    const QString pfad1 = win("pdf\\Bär.pdf"), pfad2 = win("pdf\\b.pdf");
    const QByteArray erwartet =
        " \r\n \r\n \r\n#" + pfad1.toUtf8() + "\r\n" + QByteArray(pfad1.size() / 2, '=') + "\r\n" +
        konvertiert("Bär.pdf") + "\r\n \r\n \r\n \r\n#" + pfad2.toLatin1() + "\r\n" +
        QByteArray(pfad2.size() / 2, '=') + "\r\n" + konvertiert("b.pdf") + "\r\n";
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), erwartet);
    EXPECT_TRUE(konvertiert("Bär.pdf").contains("Erste Seite mit B\xC3\xA4r"));
    EXPECT_EQ(l.konvertiert(), 2);
    EXPECT_TRUE(notifier.meldungen().empty());
    // The converter's output files are gone.
    EXPECT_EQ(QDir(nativ("Datenbank/Temp")).entryList(QDir::Files).size(), 0);
    EXPECT_TRUE(titel.contains("1   UTF8-Datei:  " + pfad1));
}

TEST_F(PdfTextExtraktionTest, KeinPdfUndFehlendeDateien) {
    ASSERT_TRUE(Files::schreiben(win("pdf\\kaputt.pdf"), "kein PDF"));
    pdf("leer.pdf", {""});
    pdf("x.PDF", {"gross"});
    ASSERT_TRUE(Files::schreiben(win("pdf\\notiz.txt"), "x"));
    dat({"kaputt.pdf", "weg.pdf", "notiz.txt", "x.PDF", "leer.pdf"});
    auto l = lauf();
    l.ErstelleDiePDFtextDokumente();
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].text, QStringLiteral(" Error opening a PDF file."));
    EXPECT_EQ(l.konvertiert(), 3);
    const QByteArray dok = lies("Datenbank/Akten_UTF8Dokument.txt");
    // The damaged file keeps only its five header lines.
    EXPECT_TRUE(dok.startsWith(" \r\n \r\n \r\n#T:\\pdf\\kaputt.pdf\r\n========\r\n \r\n"));
    EXPECT_FALSE(dok.contains("weg.pdf"));
    EXPECT_FALSE(dok.contains("notiz"));
    EXPECT_TRUE(dok.contains("gross"));

    const QStringList log = l.statistik(5, "0:0:1");
    EXPECT_EQ(log.at(1), QStringLiteral("Dateien insgesamt: 5"));
    EXPECT_EQ(log.at(2), QStringLiteral("Konnten nicht indiziert werden: 2"));
    EXPECT_TRUE(log.at(3).startsWith(
        "3 PDF-Dateien wurden indiziert.   Zeit: 0:0:1  Gesamtgröße der Datei(en) : "));
    const QByteArray bytes = lies("Datenbank/Akten.log");
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE \0\r\0\n\0D\0"));
    EXPECT_EQ(TextFiles::dekodieren(bytes), TextFiles::text(log));
}

TEST_F(PdfTextExtraktionTest, AusnahmenUndFehlenderKonverter) {
    pdf("a.pdf", {"eins"});
    dat({"a.pdf"});
    ausnahmen << "t:\\PDF\\";
    auto l = lauf();
    l.ErstelleDiePDFtextDokumente();
    EXPECT_EQ(l.konvertiert(), 0);
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), QByteArray());
}

TEST_F(PdfTextExtraktionTest, AbbruchBehaeltFertigeEintraege) {
    pdf("a.pdf", {"eins"});
    pdf("b.pdf", {"zwei"});
    dat({"a.pdf", "b.pdf"});
    int gefragt = 0;
    auto l = lauf([&] { return ++gefragt > 1; });
    l.ErstelleDiePDFtextDokumente();
    EXPECT_EQ(l.konvertiert(), 1);
    const QByteArray dok = lies("Datenbank/Akten_UTF8Dokument.txt");
    EXPECT_TRUE(dok.contains("eins"));
    EXPECT_FALSE(dok.contains("b.pdf"));
}

TEST_F(PdfTextExtraktionTest, TeileInZahlenfolge) {
    for (int k : {1, 2, 10, 9})
        schreibe(QStringLiteral("Datenbank/Temp/Akten_UTF8Dokument%1.txt").arg(k),
                 QByteArray::number(k) + ";");
    schreibe("Datenbank/Temp/Akten_UTF8Dokument100000.txt", "zu gross");
    schreibe("Datenbank/Temp/Seite1.txt", "fremd");
    auto l = lauf();
    l.teileZusammenfuegen();
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), QByteArray("1;2;9;10;"));
}

TEST_F(PdfTextExtraktionTest, GrosseTexteWerdenInTeilenGeschrieben) {
    // Enough text for more than 2,000,000 bytes of converter output.
    QStringList seiten;
    const QString zeile = QString(90, QLatin1Char('x'));
    for (int s = 0; s < 500; ++s)
        seiten << QStringList(50, zeile).join('\n');
    pdf("gross.pdf", seiten);
    pdf("klein.pdf", {"danach"});
    dat({"gross.pdf", "klein.pdf"});
    auto l = lauf();
    l.ErstelleDiePDFtextDokumente();
    ASSERT_TRUE(l.teileGeschrieben());
    EXPECT_EQ(l.teilzaehler(), 1);
    const QByteArray teil1 = lies("Datenbank/Temp/Akten_UTF8Dokument1.txt");
    EXPECT_TRUE(teil1.endsWith("\r\n"));
    EXPECT_FALSE(teil1.contains("klein.pdf"));
    const QByteArray rest = lies("Datenbank/Akten_UTF8Dokument.txt");
    EXPECT_TRUE(rest.startsWith(" \r\n \r\n \r\n#T:\\pdf\\klein.pdf"));
    l.abschliessen();
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), teil1 + rest);
    EXPECT_EQ(lies("Datenbank/Temp/Akten_UTF8Dokument2.txt"), rest);
}

TEST_F(PdfTextExtraktionTest, PfadzeichenAusserhalbVon1252WerdenFragezeichen) {
    pdf("Жук.pdf", {"Käfer"});
    dat({"Жук.pdf"});
    auto l = lauf();
    l.ErstelleDiePDFtextDokumente();
    const QByteArray dok = lies("Datenbank/Akten_UTF8Dokument.txt");
    EXPECT_TRUE(dok.startsWith(" \r\n \r\n \r\n#T:\\pdf\\???.pdf\r\n=======\r\n"))
        << dok.left(60).toStdString();
    EXPECT_TRUE(dok.contains("K\xC3\xA4"
                             "fer"));
}
