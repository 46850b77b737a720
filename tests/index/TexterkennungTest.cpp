#include "index/Texterkennung.h"

#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

class TexterkennungTest : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return tmp.filePath(name); }

    // The real converter, as the indexing run calls it.
    QByteArray konvertieren(const QString& pdf) {
        const QString aus = pfad(QStringLiteral("aus.txt"));
        EXPECT_EQ(QProcess::execute(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                     QStringLiteral("UTF-8"), pdf, aus}),
                  0);
        QFile f(aus);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

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
    const struct {
        QByteArray ausgabe;
        QList<int> leer;
    } faelle[] = {
        {"", {}},
        {"\f", {1}},
        {"a\f\f\f", {2, 3}},
        {"- . , ; * _\n  |\n\f", {1}},
        {"12\n\f", {}},
        // An umlaut alone is a letter, in UTF-8 and as a stray Latin-1 byte.
        {"\xC3\xA4\n\f", {}},
        {"\xE4\f", {}},
        // A letter outside the basic plane.
        {"\xF0\x9D\x90\x80\f", {}},
        // What follows the last form feed is a page when it is not empty.
        {"Text\fmehr", {}},
        {"Text\f \n", {2}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Texterkennung::leereSeiten(f.ausgabe), f.leer) << f.ausgabe.toStdString();
}

// As a step of the converter pool: only output with an empty page is touched; each page gets
// the time limit, the window title names it, and pages given up at the limit are said once
// per PDF and keep the result out of the cache.
TEST_F(TexterkennungTest, SchrittImPoolMitZeitlimitJeSeite) {
    haengendeSprachdaten();
    const Nachbearbeitung schritt = Texterkennung().alsNachbearbeitung(true);
    const Nachbearbeitung::Bereitschaft bereit = schritt.vorbereiten();
    ASSERT_TRUE(bereit.bereit);
    EXPECT_TRUE(bereit.meldung.isEmpty());
    EXPECT_TRUE(bereit.kennung.contains("tesseract -l deu+eng"));
    EXPECT_FALSE(schritt.betrifft("Brief\n\fAnlage\n\f"));
    EXPECT_TRUE(schritt.betrifft("Brief\n\f\f"));
    EXPECT_EQ(schritt.protokollzeile(1234),
              QStringLiteral("1.234 PDF-Dateien wurden mit Texterkennung gelesen."));
    EXPECT_EQ(schritt.cacheordner, QStringLiteral("Texterkennung"));

    const QString win = QStringLiteral("H:\\Post\\Mahnung.pdf");
    const struct {
        int seiten;
        QString meldung;
    } faelle[] = {
        {1, "Die Texterkennung einer Seite von " + win +
                " hat länger als 1 Sekunden gedauert und wurde beendet (Zeitlimit_Konverter). "
                "Diese Seite bleibt ohne Text."},
        {2, "Die Texterkennung von 2 Seiten von " + win +
                " hat je Seite länger als 1 Sekunden gedauert und wurde beendet "
                "(Zeitlimit_Konverter). Diese Seiten bleiben ohne Text."},
    };
    const QString pdf = pfad(QStringLiteral("scan.pdf"));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.seiten);
        QList<BildPdf::Seite> seiten;
        for (int i = 0; i < f.seiten; ++i)
            seiten.append({QStringLiteral("Mahnung %1").arg(i)});
        ASSERT_TRUE(BildPdf::schreiben(pdf, seiten, QPageSize::A6));
        QByteArray text = konvertieren(pdf);
        const QByteArray ausgabe = text;
        QStringList titel;
        const Nachbearbeitung::Ausgang a =
            schritt.schritt({win, pdf, arbeit.path(), 1, [] { return false; },
                             [&titel](const QString& t) { titel << t; }},
                            text);
        EXPECT_EQ(a.meldung, f.meldung);
        EXPECT_FALSE(a.vollstaendig);
        EXPECT_EQ(text, ausgabe);
        QStringList erwartet;
        for (int i = 1; i <= f.seiten; ++i)
            erwartet << QStringLiteral("Texterkennung: Seite %1 von %2  ").arg(i).arg(f.seiten) +
                            win;
        EXPECT_EQ(titel, erwartet);
        EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    }
}

TEST_F(TexterkennungTest, PruefungNenntWasFehlt) {
    const QString anfang =
        QStringLiteral("Die Texterkennung für gescannte PDF-Dateien ist eingeschaltet, aber ");
    const QString ende = QStringLiteral(" Gescannte Seiten werden ohne Texterkennung indiziert.");
    const Texterkennung::Programme da = Texterkennung::Programme::suchen();
    ASSERT_FALSE(da.tesseract.isEmpty());
    ASSERT_FALSE(da.pdftoppm.isEmpty());
    const QString leer = daten.path();
    const struct {
        Texterkennung::Programme programme;
        QByteArray sprachdaten; // TESSDATA_PREFIX, unchanged when empty
        QString meldung;
    } faelle[] = {
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
        {da, QFile::encodeName(leer),
         anfang + "die deutschen Sprachdaten für \"tesseract\" fehlen (Paket tesseract-ocr-deu)." +
             ende},
    };
    for (const auto& f : faelle) {
        std::optional<Umgebungswert> prefix;
        if (!f.sprachdaten.isEmpty())
            prefix.emplace("TESSDATA_PREFIX", f.sprachdaten);
        const Texterkennung::Pruefung p = Texterkennung(f.programme).pruefen();
        EXPECT_EQ(p.verfuegbar, f.meldung.isEmpty()) << f.meldung.toStdString();
        EXPECT_EQ(p.meldung, f.meldung);
        // The same from the pool's step, which is silent when not asked to speak.
        for (const bool melden : {true, false}) {
            const Nachbearbeitung::Bereitschaft b =
                Texterkennung(f.programme).alsNachbearbeitung(melden).vorbereiten();
            EXPECT_EQ(b.bereit, p.verfuegbar);
            EXPECT_EQ(b.meldung, melden ? f.meldung : QString());
        }
    }
}

TEST_F(TexterkennungTest, EinstellungMitVorgabeNachVerfuegbarkeit) {
    SpeicherEinstellungen e;
    // Nothing stored: on, because tesseract and its German data are installed here.
    EXPECT_TRUE(Texterkennung::eingeschaltet(e));
    {
        // Without tesseract on the path it is off.
        const Umgebungswert pfad("PATH", QFile::encodeName(arbeit.path()));
        EXPECT_TRUE(QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty());
        EXPECT_FALSE(Texterkennung::eingeschaltet(e));
        // What is stored holds either way.
        e.werte[QStringLiteral("Texterkennung")] = QStringLiteral("1");
        EXPECT_TRUE(Texterkennung::eingeschaltet(e));
    }
    e.werte[QStringLiteral("Texterkennung")] = QStringLiteral("0");
    EXPECT_FALSE(Texterkennung::eingeschaltet(e));
    e.schreibvorgaenge.clear();
    Texterkennung::setEingeschaltet(e, true);
    Texterkennung::setEingeschaltet(e, false);
    EXPECT_EQ(e.schreibvorgaenge, (std::vector<std::pair<QString, QString>>{
                                      {"Texterkennung", "1"}, {"Texterkennung", "0"}}));
}
