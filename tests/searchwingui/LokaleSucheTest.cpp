#include "Suchfenster.h"

#include "tests/search/Suchdaten.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

class LokaleSuche : public Suchfenster {
protected:
    // Written beside and renamed into place, as an index run replaces a database.
    void ersetzen(const QString& relativ, const QByteArray& inhalt) {
        schreibe(relativ + ".neu", inhalt);
        ASSERT_TRUE(QFile::remove(nativ(relativ)) || !QFile::exists(nativ(relativ)));
        ASSERT_TRUE(QFile::rename(nativ(relativ + ".neu"), nativ(relativ)));
    }
    void datenbank(const QList<Suchdaten::Datei>& dateien) {
        const Suchdaten::Utf8Datenbank db = Suchdaten::utf8(dateien);
        ersetzen("Datenbank/Akten_UTF8Dokument.txt", db.dokument);
        ersetzen("Datenbank/Akten_Utf8_TitelPositionen.txt", db.positionen);
    }
    // "Lokale Suche" in the window; the file names and contexts of the first page.
    QStringList suchen(const QString& text) {
        form().TntEdit2->setText(text);
        form().OKBtn->click();
        const QString seite = QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm"));
        QStringList out;
        static const QRegularExpression treffer(
            ">file:///T:/Akten/([^<]*)</a><br><font color=\"#000080\">(.*)<br><br><br>");
        for (auto it = treffer.globalMatch(seite); it.hasNext();) {
            const auto m = it.next();
            out << m.captured(1) + ": " + m.captured(2);
        }
        return out;
    }
};

} // namespace

// A search, then the database replaced by a re-index with other files and texts of other
// lengths, then a search in the same window: every link names the file the new document
// holds, with its text, although the window still shows the old document. (Short lines get
// the blank lines after them appended: three blanks before another record, two at the end.)
TEST_F(LokaleSuche, NachDemNeuindizierenLiestDieSucheDasNeueDokument) {
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"})
        schreibe(QStringLiteral("Akten/") + n, "%PDF-1.4\n");
    datenbank({{win("Akten\\a.pdf"), "alter Vertrag eins"}, {win("Akten\\b.pdf"), "Vertrag zwei"}});
    form().FormPaint();
    form().UTF8LadenButton->click();
    EXPECT_EQ(suchen("Vertrag"),
              (QStringList{"a.pdf: alter <b>Vertrag</b> eins   ", "b.pdf: <b>Vertrag</b> zwei  "}));

    datenbank({{win("Akten\\c.pdf"), "ein viel längerer Text davor und dann der Vertrag drei"},
               {win("Akten\\d.pdf"), "nichts"},
               {win("Akten\\e.pdf"), "Vertrag vier"}});
    EXPECT_EQ(
        suchen("Vertrag"),
        (QStringList{"c.pdf: ein viel längerer Text davor und dann der <b>Vertrag</b> drei   ",
                     "e.pdf: <b>Vertrag</b> vier  "}));
    EXPECT_TRUE(notifier.texte().isEmpty());
}
