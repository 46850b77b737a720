#include "searchwin/Adressliste.h"
#include "searchwin/Profildatei.h"
#include "searchwin/Webseitenauswahl.h"

#include "tests/common/TestUmgebung.h"

TEST(Profildatei, LiestWertAusAbschnitt) {
    const Profildatei p(QByteArray("[Themen1]\r\nListe=Recht, Technik\r\n"
                                   "[Recht]\r\n  liste =  a/, b=  \r\nAnders=x\r\n"));
    EXPECT_EQ(p.GetPrivateProfileString("Themen1", "Liste"), QStringLiteral("Recht, Technik"));
    // Names compare without regard to case, blanks around name and value do not count.
    EXPECT_EQ(p.GetPrivateProfileString("RECHT", "Liste"), QStringLiteral("a/, b="));
    EXPECT_EQ(p.GetPrivateProfileString("Recht", "Anders"), QStringLiteral("x"));
}

TEST(Profildatei, FehlendesGibtDieVorgabe) {
    const Profildatei p(QByteArray("[A]\nListe=1\n[B]\nAnders=2\n"));
    EXPECT_EQ(p.GetPrivateProfileString("C", "Liste"), QString());
    EXPECT_EQ(p.GetPrivateProfileString("B", "Liste"), QString());
    EXPECT_EQ(p.GetPrivateProfileString("B", "Liste", "vorgabe"), QStringLiteral("vorgabe"));
    // A key of another section is not found through a later one.
    EXPECT_EQ(p.GetPrivateProfileString("B", "Liste"), QString());
}

TEST(Profildatei, ErsterAbschnittUndErsterSchluesselZaehlen) {
    const Profildatei p(QByteArray("[A]\nListe=eins\nListe=zwei\n[A]\nListe=drei\n"));
    EXPECT_EQ(p.GetPrivateProfileString("A", "Liste"), QStringLiteral("eins"));
}

TEST(Profildatei, AnfuehrungszeichenFallenWeg) {
    const Profildatei p(QByteArray("[A]\nx=\"  mit Blank \"\ny='z'\nw=\"halb\n"));
    EXPECT_EQ(p.GetPrivateProfileString("A", "x"), QStringLiteral("  mit Blank "));
    EXPECT_EQ(p.GetPrivateProfileString("A", "y"), QStringLiteral("z"));
    EXPECT_EQ(p.GetPrivateProfileString("A", "w"), QStringLiteral("\"halb"));
}

TEST(Profildatei, TextIstAnsi) {
    const Profildatei p(QByteArray("[\xC4pfel]\nListe=M\xFC"
                                   "ller \x80\n"));
    EXPECT_EQ(p.GetPrivateProfileString(QStringLiteral("äpfel"), "Liste"),
              QStringLiteral("Müller €"));
}

TEST(Profildatei, WertWirdAuf254ZeichenGekuerzt) {
    QByteArray wert;
    for (int i = 0; i < 300; ++i)
        wert.append(static_cast<char>('a' + i % 26));
    const Profildatei p(QByteArray("[A]\nListe=") + wert + "\n");
    const QString gelesen = p.GetPrivateProfileString("A", "Liste");
    EXPECT_EQ(gelesen.size(), 254);
    EXPECT_EQ(gelesen, QString::fromLatin1(wert.left(254)));
    EXPECT_EQ(p.GetPrivateProfileString("A", "Liste", QString(), 10),
              QString::fromLatin1("abcdefghi"));
}

TEST(Adressliste, DreiEintraegeZweiSuchendEinerEinfach) {
    const QStringList a = Adressliste::adresseintraege(QStringLiteral("a/, b=, c"));
    ASSERT_EQ(a, (QStringList{"a/", "b=", "c"}));
    EXPECT_EQ(Adressliste::art(a[0]), Adressliste::Art::Suchend);
    EXPECT_EQ(Adressliste::art(a[1]), Adressliste::Art::Suchend);
    EXPECT_EQ(Adressliste::art(a[2]), Adressliste::Art::Einfach);
    EXPECT_EQ(Adressliste::symbol(Adressliste::art(a[0])), QStringLiteral(">"));
    EXPECT_EQ(Adressliste::symbol(Adressliste::art(a[2])), QStringLiteral("+"));
}

TEST(Adressliste, OhneBlankNachDemKommaFehltDasErsteZeichen) {
    EXPECT_EQ(Adressliste::adresseintraege(QStringLiteral("a/,b/")), (QStringList{"a/", "/"}));
    EXPECT_EQ(Adressliste::adresseintraege(QStringLiteral("x=,,y")), (QStringList{"x=", "y"}));
    EXPECT_EQ(Adressliste::adresseintraege(QStringLiteral(", , a")), QStringList{"a"});
}

TEST(Adressliste, ThemenAnJedemKommaGetrimmt) {
    EXPECT_EQ(Adressliste::themennamen(QStringLiteral(" Recht ,,Technik,\tKunst ,")),
              (QStringList{"Recht", "Technik", "Kunst"}));
}

TEST(Adressliste, SortiertOhneRuecksichtAufGrossKlein) {
    EXPECT_EQ(Adressliste::sortiert({"zeta", "Beta", "alpha", "Äpfel"}),
              (QStringList{"alpha", "Äpfel", "Beta", "zeta"}));
}

TEST(Adressliste, Hinweise) {
    EXPECT_EQ(Adressliste::hinweis(Adressliste::Art::Suchend),
              QStringLiteral("Grünes Symbol: [>] Webseite sucht selbständig nach dem Suchtext."));
    EXPECT_EQ(Adressliste::hinweis(Adressliste::Art::Einfach),
              QStringLiteral("Weißes Symbol: [+] Sie müssen den Suchtext auf der Webseite\r\nmit "
                             "Hilfe der Zwischenablage einfügen bzw. eintippen."));
}

TEST(Adressliste, ZweiThemenwerteStossenOhneTrennerAneinander) {
    const Adressliste ohneKomma(
        Profildatei(QByteArray("[Themen1]\nListe=Recht, Kunst\n[Themen2]\nListe=Technik, Bau\n")));
    EXPECT_EQ(ohneKomma.themen(), (QStringList{"Bau", "KunstTechnik", "Recht"}));
    const Adressliste mitKomma(
        Profildatei(QByteArray("[Themen1]\nListe=Recht, Kunst,\n[Themen2]\nListe=Technik, Bau\n")));
    EXPECT_EQ(mitKomma.themen(), (QStringList{"Bau", "Kunst", "Recht", "Technik"}));
}

TEST(Adressliste, AdressenEinesThemasSortiert) {
    const Adressliste liste(Profildatei(
        QByteArray("[Themen1]\nListe=Recht\n[Recht]\nListe=https://z.de/?q=, https://a.de\n")));
    EXPECT_EQ(liste.adressen(QStringLiteral("Recht")),
              (QStringList{"https://a.de", "https://z.de/?q="}));
    EXPECT_TRUE(liste.adressen(QStringLiteral("Kunst")).isEmpty());
    EXPECT_TRUE(liste.adressen(QString()).isEmpty());
}

TEST(Adressliste, LetzterEintragWirdBei254Abgeschnitten) {
    QString wert = QStringLiteral("https://a.de/?q=, ");
    while (wert.size() < 300)
        wert += QLatin1Char('x');
    const Adressliste liste(Profildatei(QByteArray("[T]\nListe=") + wert.toLatin1() + "\n"));
    const QStringList a = liste.adressen(QStringLiteral("T"));
    ASSERT_EQ(a.size(), 2);
    EXPECT_EQ(a[1].size(), 254 - 18);
}

class WebseitenauswahlTest : public Umgebung {
protected:
    void adressdatei() {
        schreibe("Adressen_Webseiten.txt",
                 QByteArray("[Themen1]\r\nListe=Technik, Recht\r\n[Themen2]\r\nListe=\r\n"
                            "[Recht]\r\nListe=https://r1.de/?q=, https://r2.de, https://r3.de/\r\n"
                            "[Technik]\r\nListe=https://t.de/\r\n"));
    }
    SpeicherEinstellungen einstellungen_;
    Webseitenauswahl auswahl_{einstellungen_, Programmordner(win())};
};

TEST_F(WebseitenauswahlTest, OhneDateiBleibtAllesLeer) {
    einstellungen_.werte.insert("Themen-Webseite", "1");
    const Webseitenauswahl::Stand s = auswahl_.fuellen();
    EXPECT_FALSE(s.dateiVorhanden);
    EXPECT_TRUE(s.themen.isEmpty());
    EXPECT_TRUE(s.adressen.isEmpty());
    EXPECT_TRUE(einstellungen_.schreibvorgaenge.empty());
}

TEST_F(WebseitenauswahlTest, StelltDieGespeicherteAuswahlWiederHer) {
    adressdatei();
    einstellungen_.werte.insert("Themen-Webseite", "0");
    einstellungen_.werte.insert("Ausgewaehlte_Webseite", "2");
    const Webseitenauswahl::Stand s = auswahl_.fuellen();
    EXPECT_TRUE(s.dateiVorhanden);
    EXPECT_EQ(s.themen, (QStringList{"Recht", "Technik"}));
    EXPECT_EQ(s.thema, 0);
    EXPECT_EQ(s.adressen, (QStringList{"https://r1.de/?q=", "https://r2.de", "https://r3.de/"}));
    EXPECT_EQ(s.adresse, 2);
    // The topic step stores its own selection, the first address.
    EXPECT_EQ(einstellungen_.werte.value("Themen-Webseite"), QStringLiteral("0"));
    EXPECT_EQ(einstellungen_.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("0"));
}

TEST_F(WebseitenauswahlTest, OhneGespeichertesThemaKeineAuswahl) {
    adressdatei();
    const Webseitenauswahl::Stand s = auswahl_.fuellen();
    EXPECT_EQ(s.thema, -1);
    EXPECT_TRUE(s.adressen.isEmpty());
    EXPECT_EQ(s.adresse, -1);
    EXPECT_EQ(einstellungen_.werte.value("Themen-Webseite"), QStringLiteral("-1"));
    EXPECT_EQ(einstellungen_.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("-1"));
}

TEST_F(WebseitenauswahlTest, ThemenwechselUndAdressklickSpeichern) {
    adressdatei();
    const Webseitenauswahl::Stand s =
        auswahl_.TntComboBox1Click({QStringLiteral("Recht"), QStringLiteral("Technik")}, 1);
    EXPECT_EQ(s.adressen, QStringList{"https://t.de/"});
    EXPECT_EQ(s.adresse, 0);
    EXPECT_EQ(einstellungen_.werte.value("Themen-Webseite"), QStringLiteral("1"));
    EXPECT_EQ(einstellungen_.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("0"));
    auswahl_.TntListBox1Click(0, 2);
    EXPECT_EQ(einstellungen_.werte.value("Themen-Webseite"), QStringLiteral("0"));
    EXPECT_EQ(einstellungen_.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("2"));
}

TEST_F(WebseitenauswahlTest, ThemaOhneAbschnittGibtLeereListe) {
    schreibe("Adressen_Webseiten.txt", QByteArray("[Themen1]\nListe=Kunst\n"));
    einstellungen_.werte.insert("Themen-Webseite", "0");
    const Webseitenauswahl::Stand s = auswahl_.fuellen();
    EXPECT_EQ(s.themen, QStringList{"Kunst"});
    EXPECT_EQ(s.thema, 0);
    EXPECT_TRUE(s.adressen.isEmpty());
    EXPECT_EQ(s.adresse, -1);
    EXPECT_EQ(einstellungen_.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("-1"));
}
