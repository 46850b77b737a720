#include "searchwin/Suchwortliste.h"

#include "datenbank/Programmordner.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QStringEncoder>

using SuchwortlisteTest = Umgebung;

TEST_F(SuchwortlisteTest, SchreibenLesenUndAufnehmen) {
    const QString ordner = "Datenbank/Suchwoerterlisten/";
    schreibe(ordner + "Akten_Ansi_Suchwoerterliste.txt", QByteArray("alt"));
    const QStringList neu{QStringLiteral("Bär"), "a b"};
    Suchwortliste::schreiben(neu, Programmordner(win()), "Akten", Dokumentvariante::Utf8,
                             {Dokumentvariante::Utf8, Dokumentvariante::Unicode});
    Suchwortliste::schreiben(neu, Programmordner(win()), "Post", Dokumentvariante::Keine,
                             {Dokumentvariante::Utf8});
    EXPECT_EQ(QDir(nativ(ordner)).entryList(QDir::Files),
              (QStringList{"Akten_Ansi_Suchwoerterliste.txt", "Akten_Unicode_Suchwoerterliste.txt",
                           "Akten_Utf8_Suchwoerterliste.txt",
                           "Post_Gesamt_OhneDB_Suchwoerterliste.txt"}));
    for (const char* name : {"Akten_Utf8", "Akten_Unicode", "Post_Gesamt_OhneDB"})
        EXPECT_EQ(lies(ordner + name + "_Suchwoerterliste.txt"),
                  QByteArray("\xFF\xFE"
                             "B\0\xE4\0r\0\r\0\n\0a\0 \0b\0\r\0\n\0",
                             22))
            << name;
    EXPECT_EQ(lies(ordner + "Akten_Ansi_Suchwoerterliste.txt"), QByteArray("alt"));
    const QString text = QStringLiteral("Äpfel\r\nÖl und Ruß\r\n");
    const std::pair<const char*, QByteArray> dateien[] = {
        {"le.txt", utf16le(text)},
        {"be.txt", QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(text)},
        {"u8.txt", "\xEF\xBB\xBF\xC3\x84pfel\r\n\xC3\x96l und Ru\xC3\x9F\r\n"},
        {"ansi.txt", "\xC4pfel\r\n\xD6l und Ru\xDF"}};
    for (const auto& [name, bytes] : dateien) {
        schreibe(name, bytes);
        EXPECT_EQ(Suchwortliste::laden(win(name)), (QStringList{"Äpfel", "Öl und Ruß"})) << name;
    }
    EXPECT_TRUE(Suchwortliste::laden(win("fehlt.txt")).isEmpty());

    QStringList liste{"Apfel", "Birne"};
    ASSERT_TRUE(Suchwortliste::aufnehmen(liste, "Birne"));
    Suchwortliste::aufnehmen(liste, "apfel");
    EXPECT_EQ(liste, (QStringList{"apfel", "Birne", "Apfel"}));
    liste = QStringList{QString(), "Sie_haben_keinen_Suchtext_eingegeben!", "alt", QString()};
    EXPECT_FALSE(Suchwortliste::aufnehmen(liste, " \t "));
    EXPECT_EQ(liste.size(), 4);
    Suchwortliste::aufnehmen(liste, "neu ");
    EXPECT_EQ(liste, (QStringList{"neu ", "alt"}));
    // At most 50 entries: one line goes per write, also from a longer list.
    for (const qsizetype laenge : {49, 50, 60}) {
        liste.clear();
        for (int i = 0; i < laenge; ++i)
            liste.append(QString("w%1").arg(i));
        Suchwortliste::aufnehmen(liste, "neu");
        const qsizetype danach = laenge < 50 ? laenge + 1 : laenge;
        EXPECT_EQ(liste.size(), danach);
        EXPECT_EQ(liste.first(), "neu");
        EXPECT_EQ(liste.last(), QString("w%1").arg(danach - 2));
    }
}
