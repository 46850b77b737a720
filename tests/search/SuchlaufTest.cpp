#include "search/Suchlauf.h"
#include "search/Suchknopf.h"

#include "tests/search/Suchdaten.h"

#include <QRegularExpression>

class SuchlaufTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        lauf.Datenbankname = "Akten";
        lauf.status = [this](const QString& s) { status << s; };
        lauf.zwischenablage = [this](const QString& s) { ablage << s; };
        dat("Akten", "T:\\Akten");
    }
    // n files, each holding the search text once.
    void dateien(int n) {
        QList<Datei> d;
        for (int i = 1; i <= n; ++i) {
            const QString name = QStringLiteral("Akten/f%1.pdf").arg(i, 2, 10, QLatin1Char('0'));
            pdf(name);
            d << Datei{win(name), "Text mit Apfel darin"};
        }
        utf8Datenbank("Akten", d);
    }
    bool suchen(const QString& text) {
        fenster.TntEdit2 = text;
        return lauf.OKBtnClick();
    }
    QString seite(int k) const {
        return QString::fromUtf8(
            lies(k == 1 ? "Datenbank/Temp/Kelvora_Ergebnis.htm"
                        : QStringLiteral("Datenbank/Temp/Kelvora_Ergebnis%1.htm").arg(k)));
    }
    // The file numbers linked on a page, in order.
    static QList<int> nummern(const QString& seite) {
        QList<int> out;
        static const QRegularExpression link(">file:///T:/Akten/f(\\d+)\\.pdf</a>");
        for (auto it = link.globalMatch(seite); it.hasNext();)
            out << it.next().captured(1).toInt();
        return out;
    }
    static QList<int> folge(int von, int bis) {
        QList<int> out;
        for (int i = von; i <= bis; ++i)
            out << i;
        return out;
    }
    static bool mitLinkWeiter(const QString& seite) {
        return seite.contains("Zur nächsten Steite hier klicken");
    }

    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TSuchlauf lauf{
        {Programmordner(win()), {einstellungen, notifier, shell, Pump::still()}, fenster}};
    QStringList status, ablage;
};

TEST_F(SuchlaufTest, OhneTrefferDieNichtGefundenSeite) {
    dateien(3);
    EXPECT_TRUE(suchen("Birne"));
    EXPECT_TRUE(lauf.NichtsGefunden());
    EXPECT_EQ(lauf.Seiten(), QStringList{win("Datenbank\\Temp\\Kelvora_Ergebnis.htm")});
    EXPECT_TRUE(
        seite(1).contains("\"<u>Birne\"</u><font color=\"#000000\"> wurde NICHT gefunden:<br>"));
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(status.value(0), QStringLiteral("Suche läuft..."));
    EXPECT_FALSE(fenster.SucheLaeuft);
}

// 25 files a page; each page but the last says "bisher" and links the next; only the first
// page is opened.
TEST_F(SuchlaufTest, FuenfundzwanzigDateienJeSeite) {
    const struct {
        int dateien;
        QStringList zeilen; // the count line of each page
    } faelle[] = {
        {7, {"> wurde in 7 Dateien gefunden."}},
        {25, {"> wurde in 25 Dateien gefunden."}},
        {30, {"> wurde bisher in 25 Dateien gefunden.", "> wurde in 30 Dateien gefunden."}},
        {60,
         {"> wurde bisher in 25 Dateien gefunden.", "> wurde bisher in 50 Dateien gefunden.",
          "> wurde in 60 Dateien gefunden."}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.dateien);
        shell.aufrufe.clear();
        dateien(f.dateien);
        EXPECT_TRUE(suchen("apfel"));
        EXPECT_FALSE(lauf.NichtsGefunden());
        QStringList seiten{win("Datenbank\\Temp\\Kelvora_Ergebnis.htm")};
        for (int k = 2; k <= f.zeilen.size(); ++k)
            seiten << win(QStringLiteral("Datenbank\\Temp\\Kelvora_Ergebnis%1.htm").arg(k));
        EXPECT_EQ(lauf.Seiten(), seiten);
        for (int k = 1; k <= f.zeilen.size(); ++k) {
            const bool letzte = k == f.zeilen.size();
            EXPECT_EQ(nummern(seite(k)), folge(25 * (k - 1) + 1, letzte ? f.dateien : 25 * k));
            EXPECT_TRUE(seite(k).contains(f.zeilen[k - 1])) << k;
            EXPECT_EQ(mitLinkWeiter(seite(k)), !letzte) << k;
            EXPECT_EQ(
                seite(k).contains(
                    QStringLiteral("Kelvora_Ergebnis%1.htm\" target=\"_blank\"><span").arg(k + 1)),
                !letzte)
                << k;
        }
        EXPECT_EQ(shell.aufrufe.size(), 1u);
    }
}

TEST_F(SuchlaufTest, EinZeichenWirdAbgelehntUndDerLaufGehtDanach) {
    dateien(2);
    EXPECT_FALSE(suchen(" a "));
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Information);
    EXPECT_EQ(notifier.meldungen()[0].text,
              QStringLiteral("Nur ein Zeichen als Suchtext ist bei der \"Suche\" nicht erlaubt"));
    EXPECT_TRUE(lauf.Seiten().isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(suchen("apfel"));
    EXPECT_EQ(lauf.TrefferListe().size(), 2);
}

TEST_F(SuchlaufTest, LeererSuchtextSuchtNicht) {
    dateien(1);
    EXPECT_FALSE(suchen("   "));
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(notifier.meldungen().empty());
}

TEST_F(SuchlaufTest, TempWirdVorherGeleert) {
    dateien(1);
    schreibe("Datenbank/Temp/Kelvora_Ergebnis7.htm", "alt");
    schreibe("Datenbank/Temp/Unter/x.txt", "alt");
    suchen("apfel");
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis7.htm"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Unter"));
    EXPECT_TRUE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
}

TEST_F(SuchlaufTest, Utf8TrefferVorUnicodeTreffern) {
    pdf("Akten/u.pdf");
    pdf("Akten/w.pdf");
    utf8Datenbank("Akten", {{win("Akten\\u.pdf"), "Apfel aus UTF-8"}});
    unicodeDatenbank("Akten", {{win("Akten\\w.pdf"), "Äpfel und Apfel aus Unicode"}});
    lauf.GeladeneVariante = Dokumentvariante::Unicode;
    suchen("apfel");
    ASSERT_EQ(lauf.TrefferListe().size(), 2);
    EXPECT_TRUE(lauf.TrefferListe()[0].startsWith(win("Akten\\u.pdf") + "##text##Apfel aus UTF-8"));
    EXPECT_TRUE(Ansi::ausByteForm(lauf.TrefferListe()[1])
                    .startsWith(win("Akten\\w.pdf") + "##text##Äpfel und Apfel aus Unicode"));
    EXPECT_TRUE(fenster.chkUnicode);
    EXPECT_FALSE(fenster.chkUnicodeBE);
    EXPECT_FALSE(lauf.TrefferInVariante(Dokumentvariante::Ansi));
    EXPECT_FALSE(lauf.TrefferInVariante(Dokumentvariante::Utf8));
    EXPECT_TRUE(lauf.TrefferInVariante(Dokumentvariante::Unicode));
    // The page shows the decoded record.
    EXPECT_TRUE(seite(1).contains("Äpfel und <b>Apfel</b> aus Unicode"));
}

TEST_F(SuchlaufTest, MarkeUndErsatzlaufwerkAusDemKopfDerDat) {
    dat("Akten", "D:\\Akten");
    QTemporaryDir d;
    DriveMap::global().setzeWurzel('D', d.path());
    QDir(d.path()).mkpath("Akten");
    QFile f(d.path() + "/Akten/a.pdf");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    // Written on drive C:, the database now lives on D:.
    utf8Datenbank("Akten", {{"C:\\Akten\\a.pdf", "Apfel"}});
    suchen("Apfel");
    EXPECT_EQ(fenster.Dateimarke, QStringLiteral("#D:\\"));
    // The marker does not occur in the document, so the run stops after the first hit.
    ASSERT_EQ(lauf.TrefferListe().size(), 1);
    EXPECT_TRUE(lauf.TrefferListe()[0].startsWith("D:\\Akten\\a.pdf##text##"));
}

TEST_F(SuchlaufTest, DatenbankordnerMitUmlautUndAndererLaufwerksbuchstabe) {
    schreibe("Datenbank/Bär.dat", "PFAD_UND_ENDUNGEN= E:\\Bücher *.pdf    \r\nE:\\B\xC3\xBC"
                                  "cher\\x.pdf\r\n");
    EXPECT_EQ(TSuchlauf::datenbankordner(Programmordner(win()), "Bär"),
              QStringLiteral("E:\\Bücher *.pdf"));
    // The program folder moved from drive S: to T:; the .dat is found under T:.
    EXPECT_EQ(TSuchlauf::datenbankordner(Programmordner("S:\\"), "Bär"),
              QStringLiteral("E:\\Bücher *.pdf"));
    EXPECT_TRUE(TSuchlauf::datenbankordner(Programmordner(win()), "Fehlt").isEmpty());
}

TEST_F(SuchlaufTest, ZwischenablageUndErsatzzeichen) {
    dateien(1);
    lauf.SuchtextInClipbrd = true;
    suchen("Apfel darin\xEF\xBF\xBD");
    EXPECT_EQ(fenster.TntEdit2, QStringLiteral("Apfel darin"));
    EXPECT_EQ(ablage, QStringList{"Apfel"});
    lauf.PhraseCheckBox = true;
    suchen("  Apfel darin ");
    EXPECT_EQ(ablage.value(1), QStringLiteral("Apfel darin"));
    lauf.SuchtextInClipbrd = false;
    suchen("Apfel");
    EXPECT_EQ(ablage.size(), 2);
}

TEST(Zwischenablagetext, ErstesWortOderPhrase) {
    EXPECT_EQ(TSuchlauf::zwischenablagetext("rote Rosen", false, false), QStringLiteral("rote"));
    EXPECT_EQ(TSuchlauf::zwischenablagetext(" rote Rosen", false, false),
              QStringLiteral("rote Rosen"));
    EXPECT_EQ(TSuchlauf::zwischenablagetext("rote Rosen", true, false),
              QStringLiteral("rote Rosen"));
    EXPECT_EQ(TSuchlauf::zwischenablagetext("#T:\\a.pdf", false, true),
              QStringLiteral("T:\\a.pdf"));
    EXPECT_EQ(TSuchlauf::zwischenablagetext("#T:\\a.pdf", false, false),
              QStringLiteral("#T:\\a.pdf"));
}

class SuchknopfTest : public Umgebung {
protected:
    ProtokollNotifier notifier;
    QStringList status, aufgenommen;
    QList<bool> timer;
    TSuchknopf knopf{notifier,
                     {[this](const QString& s) { status << s; }, [this](bool an) { timer << an; },
                      [this](const QString& s) { aufgenommen << s; }}};
};

TEST_F(SuchknopfTest, OhneAuswahlEineMeldung) {
    EXPECT_TRUE(knopf.datenbankWaehlen({"A", "B"}, {}).isEmpty());
    EXPECT_TRUE(knopf.datenbankWaehlen({}, {}).isEmpty());
    ASSERT_EQ(notifier.meldungen().size(), 2u);
    EXPECT_EQ(notifier.meldungen()[0].text,
              QStringLiteral("Markieren Sie eine Datenbank und betätigen Sie dann nochmal den "
                             "Suchen Schalter!"));
    EXPECT_EQ(notifier.meldungen()[1].text, QStringLiteral("Es existiert noch keine Datenbank! "));
    EXPECT_EQ(knopf.datenbankWaehlen({"A", "B", "C"}, {2, 0}), QStringLiteral("A"));
}

TEST_F(SuchknopfTest, NachDemFensterLeerOderAufgenommen) {
    EXPECT_FALSE(knopf.nachDemSuchfenster(" \t"));
    EXPECT_EQ(notifier.texte(), QStringList{"Sie haben keinen Suchtext eingegeben!"});
    EXPECT_TRUE(aufgenommen.isEmpty());
    EXPECT_TRUE(knopf.nachDemSuchfenster(" Apfel "));
    EXPECT_EQ(aufgenommen, QStringList{"Apfel"});
    EXPECT_EQ(status.last(), QStringLiteral("Fertig mit der Suche."));
    EXPECT_TRUE(status.contains("Suche läuft."));
    EXPECT_EQ(timer, (QList<bool>{false, true, false}));
}

TEST_F(SuchknopfTest, UebergabedateiWirdGelesenUndGeloescht) {
    QTemporaryDir d;
    DriveMap::global().setzeWurzel('S', d.path());
    QDir(d.path()).mkpath("Datenbank");
    EXPECT_TRUE(TSuchknopf::uebergabeBeschriftung("S:\\", "Akten").isEmpty());
    QFile f(d.path() + "/Datenbank/Suchtext.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(TSuchknopf::uebergabeBeschriftung("S:\\", "Akten"),
              QStringLiteral("DB: \"Akten\"  Position: "));
    EXPECT_FALSE(f.exists());
}

// Cancels the run the first time the scan lets the window handle its messages.
class AbbrechendePumpe : public Pump {
public:
    void verarbeiten() override {
        if (lauf && !lauf->Abgebrochen())
            lauf->abbrechen();
    }
    TSuchlauf* lauf = nullptr;
};

TEST_F(SuchlaufTest, AbbruchEndetNachDemLaufendenSchrittOhneSeiten) {
    dateien(30);
    AbbrechendePumpe pumpe;
    TSuchlauf abbrechbar{{Programmordner(win()), {einstellungen, notifier, shell, pumpe}, fenster}};
    abbrechbar.dokumentsuche().Umschauabstand = 0;
    pumpe.lauf = &abbrechbar;
    abbrechbar.Datenbankname = "Akten";
    fenster.TntEdit2 = "Apfel";
    EXPECT_FALSE(abbrechbar.OKBtnClick());
    EXPECT_TRUE(abbrechbar.Abgebrochen());
    EXPECT_LE(abbrechbar.TrefferListe().size(), 1);
    EXPECT_TRUE(abbrechbar.Seiten().isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(shell.aufrufe.empty());
    EXPECT_FALSE(fenster.SucheLaeuft);
}
