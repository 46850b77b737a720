#include "searchwin/Suchwortliste.h"

#include "datenbank/Programmordner.h"
#include "tests/common/TestUmgebung.h"

namespace {

QByteArray utf16le(const char16_t* text) {
    QByteArray out;
    for (const char16_t* c = text; *c; ++c) {
        out.append(static_cast<char>(*c & 0xFF));
        out.append(static_cast<char>(*c >> 8));
    }
    return out;
}

QByteArray utf16be(const char16_t* text) {
    QByteArray out;
    for (const char16_t* c = text; *c; ++c) {
        out.append(static_cast<char>(*c >> 8));
        out.append(static_cast<char>(*c & 0xFF));
    }
    return out;
}

} // namespace

class SuchwortlisteTest : public Umgebung {
protected:
    Programmordner ordner() const { return Programmordner(win()); }
    const QString liste = QStringLiteral("Datenbank/Suchwoerterlisten/");
};

TEST_F(SuchwortlisteTest, GeschriebeneDateiExakt) {
    const QString pfad = win("liste.txt");
    ASSERT_TRUE(Suchwortliste::speichern({QStringLiteral("Bär"), QStringLiteral("a b")}, pfad));
    const QByteArray erwartet = QByteArray("\xFF\xFE", 2) + utf16le(u"Bär\r\na b\r\n");
    EXPECT_EQ(lies("liste.txt"), erwartet);
    EXPECT_EQ(lies("liste.txt").left(6), QByteArray("\xFF\xFE"
                                                    "B\0\xE4\0",
                                                    6));
}

TEST_F(SuchwortlisteTest, LiestAlleVierKodierungen) {
    const QStringList erwartet{QStringLiteral("Äpfel"), QStringLiteral("Öl und Ruß")};
    schreibe("le.txt", QByteArray("\xFF\xFE", 2) + utf16le(u"Äpfel\r\nÖl und Ruß\r\n"));
    schreibe("be.txt", QByteArray("\xFE\xFF", 2) + utf16be(u"Äpfel\r\nÖl und Ruß\r\n"));
    schreibe("u8.txt",
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("Äpfel\r\nÖl und Ruß\r\n").toUtf8());
    schreibe("ansi.txt", QByteArray("\xC4pfel\r\n\xD6l und Ru\xDF"));
    EXPECT_EQ(Suchwortliste::laden(win("le.txt")), erwartet);
    EXPECT_EQ(Suchwortliste::laden(win("be.txt")), erwartet);
    EXPECT_EQ(Suchwortliste::laden(win("u8.txt")), erwartet);
    EXPECT_EQ(Suchwortliste::laden(win("ansi.txt")), erwartet);
    EXPECT_TRUE(Suchwortliste::laden(win("fehlt.txt")).isEmpty());
}

TEST_F(SuchwortlisteTest, SchreibenUndLesenGehenRundherum) {
    const QStringList liste{QStringLiteral("€ und ©"), QStringLiteral("#C:\\Daten\\x.pdf")};
    ASSERT_TRUE(Suchwortliste::speichern(liste, win("r.txt")));
    EXPECT_EQ(Suchwortliste::laden(win("r.txt")), liste);
}

TEST(Suchwortliste, GleichesWortZweimalBleibtEinEintragOben) {
    QStringList liste{QStringLiteral("Apfel"), QStringLiteral("Birne")};
    ASSERT_TRUE(Suchwortliste::aufnehmen(liste, QStringLiteral("Birne")));
    EXPECT_EQ(liste, (QStringList{"Birne", "Apfel"}));
    ASSERT_TRUE(Suchwortliste::aufnehmen(liste, QStringLiteral("Birne")));
    EXPECT_EQ(liste, (QStringList{"Birne", "Apfel"}));
}

TEST(Suchwortliste, FuenfzigPlusEinsVerliertDenAeltesten) {
    QStringList liste;
    for (int i = 1; i <= 50; ++i)
        liste.prepend(QStringLiteral("Wort%1").arg(i));
    ASSERT_EQ(liste.size(), 50);
    ASSERT_EQ(liste.last(), QStringLiteral("Wort1"));
    Suchwortliste::aufnehmen(liste, QStringLiteral("neu"));
    EXPECT_EQ(liste.size(), 50);
    EXPECT_EQ(liste.first(), QStringLiteral("neu"));
    EXPECT_EQ(liste.last(), QStringLiteral("Wort2"));
    EXPECT_FALSE(liste.contains(QStringLiteral("Wort1")));
}

TEST(Suchwortliste, HandgeschriebeneLangeListeVerliertEineZeileJeSchreiben) {
    QStringList liste;
    for (int i = 0; i < 60; ++i)
        liste.append(QStringLiteral("w%1").arg(i));
    Suchwortliste::aufnehmen(liste, QStringLiteral("neu"));
    EXPECT_EQ(liste.size(), 60);
    EXPECT_EQ(liste.last(), QStringLiteral("w58"));
}

TEST(Suchwortliste, GrossUndKleinBleibenZwei) {
    QStringList liste{QStringLiteral("Haus")};
    Suchwortliste::aufnehmen(liste, QStringLiteral("haus"));
    EXPECT_EQ(liste, (QStringList{"haus", "Haus"}));
}

TEST(Suchwortliste, LeereEintraegeUndPlatzhalterFallenWeg) {
    QStringList liste{QString(), QStringLiteral("Sie_haben_keinen_Suchtext_eingegeben!"),
                      QStringLiteral("alt"), QString()};
    Suchwortliste::aufnehmen(liste, QStringLiteral("neu "));
    // The untrimmed text is kept as typed.
    EXPECT_EQ(liste, (QStringList{"neu ", "alt"}));
}

TEST(Suchwortliste, LeererSuchtextAendertNichts) {
    QStringList liste{QStringLiteral("alt"), QString()};
    EXPECT_FALSE(Suchwortliste::aufnehmen(liste, QStringLiteral(" \t ")));
    EXPECT_EQ(liste, (QStringList{"alt", ""}));
}

TEST_F(SuchwortlisteTest, Dateinamen) {
    EXPECT_EQ(Suchwortliste::datei(ordner(), QStringLiteral("Akten"), Dokumentvariante::Ansi),
              QStringLiteral("T:\\Datenbank\\Suchwoerterlisten\\Akten_Ansi_Suchwoerterliste.txt"));
    EXPECT_EQ(Suchwortliste::datei(ordner(), QStringLiteral("Akten"), Dokumentvariante::Utf8),
              QStringLiteral("T:\\Datenbank\\Suchwoerterlisten\\Akten_Utf8_Suchwoerterliste.txt"));
    EXPECT_EQ(
        Suchwortliste::datei(ordner(), QStringLiteral("Akten"), Dokumentvariante::Unicode),
        QStringLiteral("T:\\Datenbank\\Suchwoerterlisten\\Akten_Unicode_Suchwoerterliste.txt"));
    EXPECT_EQ(Suchwortliste::datei(ordner(), QStringLiteral("Akten"), Dokumentvariante::Keine),
              QStringLiteral(
                  "T:\\Datenbank\\Suchwoerterlisten\\Akten_Gesamt_OhneDB_Suchwoerterliste.txt"));
}

TEST_F(SuchwortlisteTest, SchreibtNurVariantenMitTreffer) {
    schreibe(liste + "Akten_Ansi_Suchwoerterliste.txt", QByteArray("alt"));
    const QStringList neu{QStringLiteral("Rosen")};
    Suchwortliste::schreiben(neu, ordner(), QStringLiteral("Akten"), Dokumentvariante::Utf8,
                             {Dokumentvariante::Utf8, Dokumentvariante::Unicode});
    const QByteArray erwartet = QByteArray("\xFF\xFE", 2) + utf16le(u"Rosen\r\n");
    EXPECT_EQ(lies(liste + "Akten_Utf8_Suchwoerterliste.txt"), erwartet);
    EXPECT_EQ(lies(liste + "Akten_Unicode_Suchwoerterliste.txt"), erwartet);
    EXPECT_EQ(lies(liste + "Akten_Ansi_Suchwoerterliste.txt"), QByteArray("alt"));
    EXPECT_FALSE(gibt(liste + "Akten_Gesamt_OhneDB_Suchwoerterliste.txt"));
}

TEST_F(SuchwortlisteTest, SucheOhneTrefferSchreibtNichts) {
    schreibe(liste + "Akten_Utf8_Suchwoerterliste.txt", QByteArray("alt"));
    Suchwortliste::schreiben({QStringLiteral("Rosen")}, ordner(), QStringLiteral("Akten"),
                             Dokumentvariante::Utf8, {});
    Suchwortliste::schreiben({QStringLiteral("Rosen")}, ordner(), QStringLiteral("Akten"),
                             Dokumentvariante::Keine, {});
    EXPECT_EQ(lies(liste + "Akten_Utf8_Suchwoerterliste.txt"), QByteArray("alt"));
    EXPECT_FALSE(gibt(liste + "Akten_Gesamt_OhneDB_Suchwoerterliste.txt"));
}

TEST_F(SuchwortlisteTest, OhneDokumentGehtDieListeInDieGesamtdatei) {
    schreibe(liste + "platzhalter", QByteArray());
    Suchwortliste::schreiben({QStringLiteral("Rosen"), QStringLiteral("Tulpen")}, ordner(),
                             QStringLiteral("Akten"), Dokumentvariante::Keine,
                             {Dokumentvariante::Utf8});
    EXPECT_EQ(lies(liste + "Akten_Gesamt_OhneDB_Suchwoerterliste.txt"),
              QByteArray("\xFF\xFE", 2) + utf16le(u"Rosen\r\nTulpen\r\n"));
    EXPECT_FALSE(gibt(liste + "Akten_Utf8_Suchwoerterliste.txt"));
}
