#include "tests/ablauf/Ablauf.h"

#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QFile>

namespace Ablauf {

namespace {

QByteArray bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList pfade{"T:\\Akten\\a.pdf", "T:\\Akten\\Unter\\b.pdf"};
const QStringList texte{"Rechnung Nummer 7 über Äpfel", "Angebot Nummer 8 für Birnen"};

} // namespace

void aktenAnlegen(const QString& programmordner) {
    QDir().mkpath(programmordner + "/Akten/Unter");
    ASSERT_TRUE(PdfSchreiber::schreiben(programmordner + "/Akten/a.pdf", {texte[0]}));
    ASSERT_TRUE(PdfSchreiber::schreiben(programmordner + "/Akten/Unter/b.pdf", {texte[1]}));
    ASSERT_TRUE(PdfSchreiber::schreiben(programmordner + "/Anderes.pdf", {"Nicht im Ordner"}));
}

void datenbankPruefen(const QString& programmordner, const QString& name) {
    const QString db = programmordner + "/Datenbank/" + name;
    EXPECT_EQ(bytes(db + ".dat"),
              "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n" + pfade.join("\r\n").toUtf8() + "\r\n");
    // Each record: its head, then the converter's text; the title positions point at the "#".
    const QByteArray dokument = bytes(db + "_UTF8Dokument.txt");
    QByteArray titel;
    qsizetype pos = 0;
    for (int i = 0; i < 2; ++i) {
        const QByteArray pfad = pfade[i].toUtf8();
        const QByteArray kopf = satzkopf(pfade[i]).toUtf8();
        EXPECT_EQ(dokument.indexOf(kopf, pos), pos) << pfad.constData();
        titel += QByteArray::number(pos + 9) + " #" + pfad + "\r\n";
        pos += kopf.size();
        const qsizetype ende = i == 0 ? dokument.indexOf(" \r\n \r\n \r\n#", pos) : dokument.size();
        EXPECT_TRUE(dokument.mid(pos, ende - pos).contains(texte[i].toUtf8()))
            << dokument.constData();
        pos = ende;
    }
    EXPECT_EQ(bytes(db + "_Utf8_TitelPositionen.txt"), titel);
    EXPECT_TRUE(bytes(db + ".log")
                    .startsWith(utf16le(" \r\nDateien insgesamt: 2\r\nKonnten nicht "
                                        "indiziert werden: 0\r\n2 PDF-Dateien wurden "
                                        "indiziert.   Zeit: ")));
}

bool hilfeIstHandbuch(const QString& pdf) {
    const Programmlauf text = programmAusfuehren("pdftotext", {pdf, "-"});
    bool alle = text.code == 0 && text.aus.count('\f') >= 5; // one form feed after each page
    for (const char* kapitel :
         {"Datenbanken und Laufwerksbuchstaben", "Laufwerk_X", "Eine Datenbank erstellen",
          "Groß-/Kleinschreibung beachten", "Existiert nicht!", "25 Dateien",
          "Adressen_Webseiten.txt", "Einstellungen", "Die Kommandozeile", "ErstelleDateiliste"})
        alle = alle && text.aus.contains(QString::fromUtf8(kapitel));
    return alle;
}

void kommandozeilePruefen(const QString& kelvora, const QString& programmordner) {
    const Programmlauf index =
        programmAusfuehren(kelvora, {"--dir", programmordner, "index", "Akten", "T:\\Akten"});
    ASSERT_EQ(index.code, 0) << index.fehler.toStdString();
    datenbankPruefen(programmordner, "Akten");
    EXPECT_TRUE(QFile::exists(programmordner + "/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));

    const Programmlauf suche =
        programmAusfuehren(kelvora, {"--dir", programmordner, "search", "Akten", "Nummer"});
    ASSERT_EQ(suche.code, 0) << suche.fehler.toStdString();
    const QString seite = programmordner + "/Datenbank/Temp/Kelvora_Ergebnis.htm";
    EXPECT_TRUE(suche.aus.endsWith("Ergebnisseite: " + seite + '\n')) << suche.aus.toStdString();
    const QString html = QString::fromUtf8(bytes(seite));
    EXPECT_TRUE(html.contains("Datenbankname: \"Akten\"<br>"));
    EXPECT_TRUE(
        html.contains("\"<u>Nummer\"</u><font color=\"#000000\"> wurde in 2 Dateien gefunden."));
    for (const char* pdf : {"/Akten/a.pdf", "/Akten/Unter/b.pdf"})
        EXPECT_TRUE(
            html.contains("<a href=\"file://" + programmordner + pdf + "\" target=\"_blank\">"))
            << pdf;
    EXPECT_EQ(html.count("<b>Nummer</b>"), 2);
}

} // namespace Ablauf
