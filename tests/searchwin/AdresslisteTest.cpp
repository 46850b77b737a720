#include "searchwin/Adressliste.h"
#include "searchwin/Profildatei.h"

#include "tests/common/TestUmgebung.h"

// Names without case, blanks and one pair of quotes dropped, first section and key win,
// 1252 text, at most 254 characters.
TEST(Profildatei, LiestWieDiePlattform) {
    const QByteArray lang = QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(12);
    const Profildatei p(QByteArray("[Themen1]\r\nListe=Recht, Technik\r\n"
                                   "[Recht]\r\n  liste =  a/, b=  \r\nAnders=x\r\n"
                                   "[A]\nListe=eins\nListe=zwei\nx=\"  mit Blank \"\ny='z'\n"
                                   "w=\"halb\n[A]\nListe=drei\n[B]\nAnders=2\n"
                                   "[\xC4pfel]\nListe=M\xFCller \x80\n[Lang]\nListe=") +
                        lang + "\n");
    const std::tuple<const char*, const char*, QString> faelle[] = {
        {"Themen1", "Liste", "Recht, Technik"},
        {"RECHT", "Liste", "a/, b="},
        {"Recht", "Anders", "x"},
        {"A", "Liste", "eins"},
        {"A", "x", "  mit Blank "},
        {"A", "y", "z"},
        {"A", "w", "\"halb"},
        {"äpfel", "Liste", "Müller €"},
        {"Lang", "Liste", QString::fromLatin1(lang.left(254))},
        {"B", "Liste", ""},
        {"C", "Liste", ""}};
    for (const auto& [abschnitt, schluessel, wert] : faelle)
        EXPECT_EQ(p.GetPrivateProfileString(QString::fromUtf8(abschnitt), schluessel), wert)
            << abschnitt << "/" << schluessel;
    EXPECT_EQ(p.GetPrivateProfileString("B", "Liste", "vorgabe"), "vorgabe");
    EXPECT_EQ(p.GetPrivateProfileString("Lang", "Liste", QString(), 10), "abcdefghi");
}

// The character after each comma is dropped, so a/,b/ loses the b; a/ and b= search, c is plain.
TEST(Adressliste, EintraegeArtenUndSortierung) {
    const std::pair<QString, QStringList> faelle[] = {
        {"a/, b=, c", {"a/", "b=", "c"}},
        {"a/,b/", {"a/", "/"}},
        {"x=,,y", {"x=", "y"}},
        {", , a", {"a"}},
    };
    for (const auto& [wert, eintraege] : faelle)
        EXPECT_EQ(Adressliste::adresseintraege(wert), eintraege) << wert.toStdString();
    for (const auto& [adresse, symbol] : {std::pair{"a/", ">"}, {"b=", ">"}, {"c", "+"}})
        EXPECT_EQ(Adressliste::symbol(Adressliste::art(adresse)), symbol) << adresse;
    // Sorted; the two topic values are joined without a separator.
    EXPECT_EQ(Adressliste::sortiert({"zeta", "Beta", "alpha", "Äpfel"}),
              (QStringList{"alpha", "Äpfel", "Beta", "zeta"}));
    const QByteArray themen2 = "[Themen2]\nListe=Technik, Bau\n";
    EXPECT_EQ(Adressliste(Profildatei("[Themen1]\nListe=Recht, Kunst\n" + themen2)).themen(),
              (QStringList{"Bau", "KunstTechnik", "Recht"}));
    EXPECT_EQ(Adressliste(Profildatei("[Themen1]\nListe=Recht, Kunst,\n" + themen2)).themen(),
              (QStringList{"Bau", "Kunst", "Recht", "Technik"}));
    const Adressliste liste(Profildatei("[Recht]\nListe=https://z.de/?q=, https://a.de\n"));
    EXPECT_EQ(liste.adressen("Recht"), (QStringList{"https://a.de", "https://z.de/?q="}));
    EXPECT_TRUE(liste.adressen("Kunst").isEmpty());
    EXPECT_TRUE(liste.adressen(QString()).isEmpty());
}
