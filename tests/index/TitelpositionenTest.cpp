#include "index/Titelpositionen.h"

#include "tests/search/Suchdaten.h"

// The database layout is the one the search tests write by hand.
class TitelpositionenTest : public SuchUmgebung {
protected:
    bool erstellen() {
        return Titelpositionen(
                   {Programmordner(win()), notifier, Pump::still(), search, viewer, fenster, {}})
            .Button4Click(QStringLiteral("Akten"));
    }
};

TEST_F(TitelpositionenTest, DreiSaetzeGebenDreiSteigendePositionen) {
    dat("Akten", "T:\\Akten");
    const QByteArray a = satz("T:\\Akten\\a.pdf", "Erstes\r\n");
    const QByteArray b = satz("T:\\Akten\\b.pdf", "Zweites mit #T:\\ nicht am Anfang? doch.");
    const QByteArray c = satz("T:\\Akten\\c.pdf", "");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", a + b + c);
    ASSERT_TRUE(erstellen());
    const QByteArray index = lies("Datenbank/Akten_Utf8_TitelPositionen.txt");
    const qint64 bPos = a.size() + 9;
    const qint64 imText = a.size() + b.indexOf("#T:\\ nicht");
    const qint64 cPos = a.size() + b.size() + 9;
    EXPECT_EQ(index, "9 #T:\\Akten\\a.pdf\r\n" + QByteArray::number(bPos) +
                         " #T:\\Akten\\b.pdf\r\n" + QByteArray::number(imText) +
                         " Zweites mit #T:\\ nicht am Anfang? doch.\r\n" +
                         QByteArray::number(cPos) + " #T:\\Akten\\c.pdf\r\n");
    EXPECT_FALSE(fenster.SucheLaeuft);
    EXPECT_TRUE(notifier.meldungen().empty());
}

TEST_F(TitelpositionenTest, UmlautpfadInByteForm) {
    dat("Akten", "T:\\Akten");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("T:\\Bär.pdf", "x"));
    ASSERT_TRUE(erstellen());
    EXPECT_EQ(lies("Datenbank/Akten_Utf8_TitelPositionen.txt"),
              QByteArray("9 #T:\\B\xC3\x83\xC2\xA4r.pdf\r\n"));
}

TEST_F(TitelpositionenTest, FehlendesDokumentGibtMeldungUndLeerenIndex) {
    dat("Akten", "T:\\Akten");
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "alt");
    EXPECT_FALSE(erstellen());
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].titel, QStringLiteral("Error"));
    EXPECT_EQ(notifier.meldungen()[0].text,
              win("Datenbank\\Akten_UTF8Dokument.txt") + " kann nicht geöffnet werden.");
    EXPECT_TRUE(gibt("Datenbank/Akten_Utf8_TitelPositionen.txt"));
    EXPECT_TRUE(lies("Datenbank/Akten_Utf8_TitelPositionen.txt").isEmpty());
}

TEST_F(TitelpositionenTest, LeeresDokumentUndFehlendeDat) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "");
    EXPECT_EQ(Titelpositionen::dateimarke(Programmordner(win()), "Akten"), QStringLiteral("#:\\"));
    EXPECT_TRUE(erstellen());
    EXPECT_TRUE(gibt("Datenbank/Akten_Utf8_TitelPositionen.txt"));
    EXPECT_TRUE(lies("Datenbank/Akten_Utf8_TitelPositionen.txt").isEmpty());
}

TEST_F(TitelpositionenTest, KleinerLaufwerksbuchstabeMitGrossKlein) {
    dat("Akten", "t:\\Akten");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("T:\\Akten\\a.pdf", "x"));
    fenster.GrossKleinBeachten = true;
    ASSERT_TRUE(erstellen());
    EXPECT_TRUE(lies("Datenbank/Akten_Utf8_TitelPositionen.txt").isEmpty());
    fenster.GrossKleinBeachten = false;
    ASSERT_TRUE(erstellen());
    EXPECT_EQ(lies("Datenbank/Akten_Utf8_TitelPositionen.txt"), "9 #T:\\Akten\\a.pdf\r\n");
}
