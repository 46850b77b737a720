#include "index/Texterkennung.h"

#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString alsText(const QByteArray& text) {
    return QString::fromUtf8(text);
}

} // namespace

class TexterkennungTest : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return tmp.filePath(name); }

    // The real converter, as the indexing run calls it.
    QByteArray konvertieren(const QString& pdf, const QStringList& zusatz = {}) {
        const QString aus = pfad(QStringLiteral("aus.txt"));
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                zusatz + QStringList{QStringLiteral("-layout"), QStringLiteral("-enc"),
                                     QStringLiteral("UTF-8"), pdf, aus});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0);
        QFile f(aus);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    Texterkennung::Auftrag auftrag(const QString& pdf, const QByteArray& ausgabe) {
        Texterkennung::Auftrag a;
        a.pdf = pdf;
        a.ausgabe = ausgabe;
        a.arbeitsordner = arbeit.path();
        a.fortschritt = [this](int seite, int seiten) { fortschritt.emplace_back(seite, seiten); };
        return a;
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
    std::vector<std::pair<int, int>> fortschritt;
};

TEST(TexterkennungSeiten, LeereSeitenJeSeiteGezaehlt) {
    const struct {
        QByteArray ausgabe;
        QList<int> leer;
    } faelle[] = {
        {"", {}},
        {"\f", {1}},
        {"Brief an Herrn Maier\n\f\f", {2}},
        {"a\f\f\f", {2, 3}},
        {"   \n\n  \f", {1}},
        {"- . , ; * _\n  |\n\f", {1}},
        {"12\n\f", {}},
        // An umlaut alone is a letter, in UTF-8 and as a stray Latin-1 byte.
        {"\xC3\xA4\n\f", {}},
        {"\xE4\f", {}},
        {"\xE2\x80\x94 \xE2\x80\xA2\n\f", {1}},
        // A letter outside the basic plane.
        {"\xF0\x9D\x90\x80\f", {}},
        // What follows the last form feed is a page when it is not empty.
        {"Text\fmehr", {}},
        {"Text\f \n", {2}},
        {"Text\r\n\f\r\n\f", {2}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Texterkennung::leereSeiten(f.ausgabe), f.leer) << f.ausgabe.toStdString();
}

TEST(TexterkennungSeiten, FenstertitelMitSeiteUndPfad) {
    EXPECT_EQ(Texterkennung::titel(2, 15, QStringLiteral("H:\\Akten\\Scan 1.pdf")),
              QStringLiteral("Texterkennung: Seite 2 von 15  H:\\Akten\\Scan 1.pdf"));
}

TEST_F(TexterkennungTest, GescanntesPdfWirdGelesen) {
    const QString pdf = pfad(QStringLiteral("scan.pdf"));
    ASSERT_TRUE(BildPdf::schreiben(
        pdf,
        {{QStringLiteral("Kündigung des Mietvertrags\nHausverwaltung Müller\nAktenzeichen 4711")},
         {QStringLiteral("Sehr geehrte Damen und Herren,\n\nmit freundlichen Grüßen")}},
        QPageSize::A6));
    // The pictures carry no text the converter could find.
    const QByteArray ausgabe = konvertieren(pdf);
    ASSERT_EQ(ausgabe, QByteArray("\f\f"));

    const Texterkennung::Ergebnis r = Texterkennung().erkennen(auftrag(pdf, ausgabe));
    EXPECT_EQ(r.leereSeiten, 2);
    EXPECT_EQ(r.erkannteSeiten, 2);
    EXPECT_TRUE(r.vollstaendig());
    EXPECT_EQ(fortschritt, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    const QList<QByteArray> seiten = r.text.split('\f');
    ASSERT_EQ(seiten.size(), 3) << r.text.toStdString();
    for (const char* wort : {"Kündigung", "Mietvertrags", "Müller", "4711"})
        EXPECT_TRUE(alsText(seiten.at(0)).contains(QString::fromUtf8(wort))) << wort;
    for (const char* wort : {"Damen", "Herren", "freundlichen", "Grüßen"})
        EXPECT_TRUE(alsText(seiten.at(1)).contains(QString::fromUtf8(wort))) << wort;
    // In the converter's form: lines end in LF, each page in one line end and a form feed.
    EXPECT_TRUE(seiten.at(2).isEmpty());
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(seiten.at(i).contains('\r'));
        EXPECT_TRUE(seiten.at(i).endsWith('\n'));
        EXPECT_FALSE(seiten.at(i).endsWith("\n\n"));
        EXPECT_FALSE(seiten.at(i).startsWith('\n'));
    }
    EXPECT_TRUE(QDir(arbeit.path()).isEmpty());
}

TEST_F(TexterkennungTest, GemischtesPdfBehaeltDieTextseite) {
    const QString pdf = pfad(QStringLiteral("gemischt.pdf"));
    ASSERT_TRUE(BildPdf::schreiben(
        pdf,
        {{QStringLiteral("Rechnung Nummer 815 vom Mai"), false},
         {QStringLiteral("Lieferschein der Bäckerei Schmidt\nWeizenmehl Roggenmehl")}},
        QPageSize::A6));
    // The same PDF as the converter writes it here and as it writes it on Windows.
    for (const QByteArray& zeilenende : {QByteArray("\n"), QByteArray("\r\n")}) {
        fortschritt.clear();
        const QByteArray ausgabe =
            konvertieren(pdf, {QStringLiteral("-eol"), zeilenende == "\n" ? QStringLiteral("unix")
                                                                          : QStringLiteral("dos")});
        const qsizetype ersteSeite = ausgabe.indexOf('\f') + 1;
        ASSERT_TRUE(ausgabe.startsWith("Rechnung Nummer 815 vom Mai" + zeilenende));
        ASSERT_EQ(ausgabe.mid(ersteSeite), QByteArray("\f"));

        const Texterkennung::Ergebnis r = Texterkennung().erkennen(auftrag(pdf, ausgabe));
        EXPECT_EQ(r.leereSeiten, 1);
        EXPECT_EQ(r.erkannteSeiten, 1);
        EXPECT_EQ(fortschritt, (std::vector<std::pair<int, int>>{{2, 2}}));
        EXPECT_EQ(r.text.left(ersteSeite), ausgabe.left(ersteSeite));
        const QByteArray zweite = r.text.mid(ersteSeite);
        for (const char* wort : {"Lieferschein", "Bäckerei", "Schmidt", "Roggenmehl"})
            EXPECT_TRUE(alsText(zweite).contains(QString::fromUtf8(wort))) << wort;
        EXPECT_TRUE(zweite.endsWith(zeilenende + "\f"));
        EXPECT_EQ(zweite.count('\f'), 1);
        EXPECT_EQ(zweite.count('\n'), zweite.count(zeilenende));
    }
}

TEST_F(TexterkennungTest, TextPdfBleibtUnberuehrtOhneProzess) {
    // Stand-ins that leave a mark when anything starts them.
    const QString marke = pfad(QStringLiteral("gestartet"));
    const QString skript = pfad(QStringLiteral("programm"));
    QFile s(skript);
    ASSERT_TRUE(s.open(QIODevice::WriteOnly));
    s.write("#!/bin/sh\ntouch '" + QFile::encodeName(marke) + "'\n");
    s.close();
    s.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString pdf = pfad(QStringLiteral("text.pdf"));
    ASSERT_TRUE(PdfSchreiber::schreiben(
        pdf, {QStringLiteral("Erste Seite über Bären"), QStringLiteral("Seite 2\n\n3")}));
    const QByteArray ausgabe = konvertieren(pdf);
    const Texterkennung::Ergebnis r =
        Texterkennung({skript, skript}).erkennen(auftrag(pdf, ausgabe));
    EXPECT_EQ(r.text, ausgabe);
    EXPECT_EQ(r.leereSeiten, 0);
    EXPECT_TRUE(r.vollstaendig());
    EXPECT_TRUE(fortschritt.empty());
    EXPECT_FALSE(QFile::exists(marke));
}

TEST_F(TexterkennungTest, ZeitlimitBeendetTesseract) {
    const QString pdf = pfad(QStringLiteral("scan.pdf"));
    ASSERT_TRUE(BildPdf::schreiben(pdf, {{QStringLiteral("Mahnung")}}, QPageSize::A6));
    const QByteArray ausgabe = konvertieren(pdf);
    haengendeSprachdaten();
    QList<qint64> gesehen;
    Texterkennung::Auftrag a = auftrag(pdf, ausgabe);
    // Ample for rendering the small page on a busy machine; tesseract never gets done.
    a.zeitlimitJeSeite = std::chrono::seconds(5);
    a.abbruch = [&gesehen] {
        for (const qint64 pid : kindprozesse("tesseract"))
            if (!gesehen.contains(pid))
                gesehen << pid;
        return false;
    };
    const Texterkennung::Ergebnis r = Texterkennung().erkennen(a);
    EXPECT_EQ(gesehen.size(), 1);
    EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    EXPECT_EQ(r.zeitlimitSeiten, 1);
    EXPECT_EQ(r.erkannteSeiten, 0);
    EXPECT_FALSE(r.vollstaendig());
    EXPECT_EQ(r.text, ausgabe);
    EXPECT_TRUE(QDir(arbeit.path()).isEmpty());
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
            erwartet << Texterkennung::titel(i, f.seiten, win);
        EXPECT_EQ(titel, erwartet);
        EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    }
}

TEST_F(TexterkennungTest, AbbruchBeendetTesseractUndDieUebrigenSeiten) {
    const QString pdf = pfad(QStringLiteral("scan.pdf"));
    ASSERT_TRUE(BildPdf::schreiben(pdf, {{QStringLiteral("Mahnung")}, {QStringLiteral("Anlage")}},
                                   QPageSize::A6));
    const QByteArray ausgabe = konvertieren(pdf);
    haengendeSprachdaten();
    bool gesehen = false;
    Texterkennung::Auftrag a = auftrag(pdf, ausgabe);
    a.abbruch = [&gesehen] { return gesehen = gesehen || !kindprozesse("tesseract").isEmpty(); };
    const Texterkennung::Ergebnis r = Texterkennung().erkennen(a);
    EXPECT_TRUE(gesehen);
    EXPECT_TRUE(r.abgebrochen);
    EXPECT_FALSE(r.vollstaendig());
    EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    EXPECT_EQ(fortschritt, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(r.text, ausgabe);
    EXPECT_TRUE(QDir(arbeit.path()).isEmpty());
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
