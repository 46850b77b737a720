#include "index/Texterkennung.h"

#include "tests/common/Programmlauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QFile>
#include <QProcess>

class TexterkennungTest : public ::testing::Test {
protected:
    // A scanned page whose tesseract never gets to read it: its language data are pipes
    // nobody writes to, as on a mount that hangs.
    void haengendeSprachdaten() {
        for (const char* name : {"deu.traineddata", "eng.traineddata"})
            ASSERT_EQ(
                QProcess::execute(QStringLiteral("mkfifo"), {daten.filePath(QLatin1String(name))}),
                0);
        haengend.emplace("TESSDATA_PREFIX", QFile::encodeName(daten.path()));
    }

    QTemporaryDir tmp, arbeit, daten;
    std::optional<Umgebungswert> haengend;
};

TEST(TexterkennungSeiten, LeereSeitenJeSeiteGezaehlt) {
    // An umlaut is a letter in UTF-8 and as a stray Latin-1 byte, so is one outside the basic
    // plane; what follows the last form feed is a page when it is not empty.
    const std::pair<const char*, QList<int>> faelle[] = {{"", {}},
                                                         {"\f", {1}},
                                                         {"a\f\f\f", {2, 3}},
                                                         {"- . , ; * _\n  |\n\f", {1}},
                                                         {"12\n\f", {}},
                                                         {"\xC3\xA4\n\f", {}},
                                                         {"\xE4\f", {}},
                                                         {"\xF0\x9D\x90\x80\f", {}},
                                                         {"Text\fmehr", {}},
                                                         {"Text\f \n", {2}}};
    for (const auto& [ausgabe, leer] : faelle)
        EXPECT_EQ(Texterkennung::leereSeiten(ausgabe), leer) << ausgabe;
}

// As a step of the converter pool: only output with an empty page is touched; each page gets
// the time limit, and pages given up at the limit are said once per PDF and keep the result
// out of the cache.
TEST_F(TexterkennungTest, SchrittImPoolMitZeitlimitJeSeite) {
    haengendeSprachdaten();
    const Nachbearbeitung schritt = Texterkennung().alsNachbearbeitung(true);
    const Nachbearbeitung::Bereitschaft bereit = schritt.vorbereiten();
    ASSERT_TRUE(bereit.bereit && bereit.meldung.isEmpty());
    EXPECT_TRUE(bereit.kennung.contains("tesseract -l deu+eng"));
    EXPECT_FALSE(schritt.betrifft("Brief\n\fAnlage\n\f"));
    EXPECT_TRUE(schritt.betrifft("Brief\n\f\f"));
    EXPECT_EQ(schritt.protokollzeile(1234),
              QStringLiteral("1.234 PDF-Dateien wurden mit Texterkennung gelesen."));

    const QString win = QStringLiteral("H:\\Post\\Mahnung.pdf");
    const std::pair<int, QString> faelle[] = {
        {1, "Die Texterkennung einer Seite von " + win +
                " hat länger als 1 Sekunden gedauert und wurde beendet (Zeitlimit_Konverter). "
                "Diese Seite bleibt ohne Text."},
        {2, "Die Texterkennung von 2 Seiten von " + win +
                " hat je Seite länger als 1 Sekunden gedauert und wurde beendet "
                "(Zeitlimit_Konverter). Diese Seiten bleiben ohne Text."},
    };
    const QString pdf = tmp.filePath(QStringLiteral("scan.pdf"));
    for (const auto& [anzahl, meldung] : faelle) {
        SCOPED_TRACE(anzahl);
        QList<BildPdf::Seite> seiten;
        for (int i = 0; i < anzahl; ++i)
            seiten.append({QStringLiteral("Mahnung %1").arg(i)});
        ASSERT_TRUE(BildPdf::schreiben(pdf, seiten, QPageSize::A6));
        // The real converter's text, as the indexing run calls it.
        QByteArray text =
            programmAusfuehren("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).aus.toUtf8();
        const QByteArray ausgabe = text;
        const Nachbearbeitung::Ausgang a = schritt.schritt(
            {win, pdf, arbeit.path(), 1, [] { return false; }, [](const QString&) {}}, text);
        EXPECT_EQ(a.meldung, meldung);
        EXPECT_FALSE(a.vollstaendig);
        EXPECT_EQ(text, ausgabe);
        EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    }
    // A blank page renders all white: nothing to read, so the hanging tesseract is not asked.
    ASSERT_TRUE(PdfSchreiber::schreiben(pdf, {"Brief", ""}));
    QByteArray text =
        programmAusfuehren("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).aus.toUtf8();
    const QByteArray ausgabe = text;
    ASSERT_TRUE(schritt.betrifft(text));
    const Nachbearbeitung::Ausgang a = schritt.schritt(
        {win, pdf, arbeit.path(), 1, [] { return false; }, [](const QString&) {}}, text);
    EXPECT_EQ(a.meldung, QString());
    EXPECT_TRUE(a.vollstaendig);
    EXPECT_EQ(text, ausgabe);
}

TEST_F(TexterkennungTest, PruefungNenntWasFehlt) {
    const QString anfang =
        QStringLiteral("Die Texterkennung für gescannte PDF-Dateien ist eingeschaltet, aber ");
    const QString ende = QStringLiteral(" Gescannte Seiten werden ohne Texterkennung indiziert.");
    const Texterkennung::Programme da = Texterkennung::Programme::suchen();
    ASSERT_FALSE(da.tesseract.isEmpty());
    ASSERT_FALSE(da.pdftoppm.isEmpty());
    // Programs found, TESSDATA_PREFIX (unchanged when empty), message.
    const std::tuple<Texterkennung::Programme, QByteArray, QString> pruefungen[] = {
        {da, {}, {}},
        {{da.pdftoppm, {}},
         {},
         anfang + "das Programm \"tesseract\" ist nicht installiert (Paket tesseract-ocr)." + ende},
        {{{}, da.tesseract},
         {},
         anfang + "das Programm \"pdftoppm\" ist nicht installiert (Paket poppler-utils)." + ende},
        {{da.pdftoppm, QStringLiteral("/bin/false")},
         {},
         anfang + "das Programm \"tesseract\" lässt sich nicht ausführen." + ende},
        {da, QFile::encodeName(daten.path()),
         anfang + "die deutschen Sprachdaten für \"tesseract\" fehlen (Paket tesseract-ocr-deu)." +
             ende},
    };
    for (const auto& [programme, sprachdaten, meldung] : pruefungen) {
        std::optional<Umgebungswert> prefix;
        if (!sprachdaten.isEmpty())
            prefix.emplace("TESSDATA_PREFIX", sprachdaten);
        const Texterkennung::Pruefung p = Texterkennung(programme).pruefen();
        EXPECT_EQ(p.verfuegbar, meldung.isEmpty()) << meldung.toStdString();
        EXPECT_EQ(p.meldung, meldung);
        // The same from the pool's step, which is silent when not asked to speak.
        for (const bool melden : {true, false}) {
            const Nachbearbeitung::Bereitschaft b =
                Texterkennung(programme).alsNachbearbeitung(melden).vorbereiten();
            EXPECT_EQ(b.bereit, p.verfuegbar);
            EXPECT_EQ(b.meldung, melden ? meldung : QString());
        }
    }
}

// Nothing stored: on where tesseract is on the path, off where it is not; what is stored holds.
TEST_F(TexterkennungTest, EinstellungMitVorgabeNachVerfuegbarkeit) {
    SpeicherEinstellungen e;
    EXPECT_TRUE(Texterkennung::eingeschaltet(e));
    const Umgebungswert pfad("PATH", QFile::encodeName(arbeit.path()));
    EXPECT_FALSE(Texterkennung::eingeschaltet(e));
    e.werte[QStringLiteral("Texterkennung")] = QStringLiteral("1");
    EXPECT_TRUE(Texterkennung::eingeschaltet(e));
    e.werte[QStringLiteral("Texterkennung")] = QStringLiteral("0");
    EXPECT_FALSE(Texterkennung::eingeschaltet(e));
}
