#include "searchwin/Suchfeld.h"

#include "platform/DriveMap.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>

namespace {

const QString frageText = QStringLiteral(
    "Bei dem Suchtext handelt es sich um einen Pfad zu einer Datei.\r\nMöchten Sie die Datei "
    "mit dem zugehörigen externen Programm öffnen?");

QString endungsHinweis(const QString& p) {
    return p +
           QStringLiteral("\r\n hat keine Dateiendung.\r\nÜberprüfen Sie ob im Viewer der "
                          "\"Pfad+Dateiname+Endung\" in einer Zeile steht. Wenn der Eintrag "
                          "umgebrochen ist (ein Teil steht eine Zeile darunter), dann verbreitern "
                          "Sie das Fenster bis er in einer Zeile steht.");
}

} // namespace

class SuchfeldTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        feld_ = std::make_unique<Suchfeld>(notifier_, shell_, Programmordner(win()));
    }
    // Maps a drive letter to a fresh folder below the test folder.
    QString laufwerk(char buchstabe) {
        const QString ordner = tmp_.filePath(QStringLiteral("lw_") + QLatin1Char(buchstabe));
        QDir().mkpath(ordner);
        DriveMap::global().setzeWurzel(QLatin1Char(buchstabe), ordner);
        return ordner;
    }
    void datei(const QString& nativ) {
        QDir().mkpath(QFileInfo(nativ).path());
        QFile f(nativ);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    Suchfeld::Zustand aendern(const QString& text) { return feld_->TntEdit2Change(text); }

    ProtokollNotifier notifier_;
    ProtokollShell shell_;
    std::unique_ptr<Suchfeld> feld_;
};

TEST_F(SuchfeldTest, ZweiWoerterSindEinePhraseEinsNicht) {
    EXPECT_TRUE(aendern(QStringLiteral("rote Rosen")).phrase);
    EXPECT_FALSE(aendern(QStringLiteral("Rosen")).phrase);
    EXPECT_TRUE(aendern(QStringLiteral("rote\tRosen")).phrase);
    // Blanks at the end do not make a phrase.
    EXPECT_FALSE(aendern(QStringLiteral("Rosen  ")).phrase);
    EXPECT_TRUE(notifier_.meldungen().empty());
}

TEST_F(SuchfeldTest, FuehrendeLeerzeichenVerschwindenAmEndeBleiben) {
    const Suchfeld::Zustand z = aendern(QStringLiteral(" \t Rosen "));
    EXPECT_EQ(z.feldtext, QStringLiteral("Rosen "));
    EXPECT_EQ(z.suchtextLabel, QStringLiteral("Suchtext: Rosen "));
    EXPECT_TRUE(z.suchbereit);
}

TEST_F(SuchfeldTest, LeeresFeldSchaltetDieSucheAb) {
    for (const QString& t : {QString(), QStringLiteral("   ")}) {
        const Suchfeld::Zustand z = aendern(t);
        EXPECT_FALSE(z.suchbereit);
        EXPECT_EQ(z.suchtextLabel, QStringLiteral("Es wurde kein Text eingegeben!"));
        EXPECT_TRUE(z.feldtext.isEmpty());
    }
}

TEST_F(SuchfeldTest, EingefuegtesMarkupWirdEntfernt) {
    EXPECT_EQ(aendern(QStringLiteral("/><Suchwort")).feldtext, QStringLiteral("Suchwort"));
    EXPECT_EQ(aendern(QStringLiteral("Suchwort</b>")).feldtext, QStringLiteral("Suchwort"));
    EXPECT_EQ(aendern(QStringLiteral("<Suchwort")).feldtext, QStringLiteral("Suchwort"));
    EXPECT_EQ(aendern(QStringLiteral("Suchwort/")).feldtext, QStringLiteral("Suchwort"));
    EXPECT_EQ(aendern(QStringLiteral("rote Rosen />")).feldtext, QStringLiteral("rote Rosen"));
    // A "/" that is not the only one stays.
    EXPECT_EQ(aendern(QStringLiteral("http://beispiel.de/")).feldtext,
              QStringLiteral("http://beispiel.de/"));
    EXPECT_EQ(aendern(QStringLiteral("a/b")).feldtext, QStringLiteral("a/b"));
}

TEST_F(SuchfeldTest, MarkupEinSchritt) {
    EXPECT_EQ(Suchfeld::ohneMarkup(QStringLiteral("/><Suchwort")), QStringLiteral("Suchwort"));
    EXPECT_EQ(Suchfeld::ohneMarkup(QStringLiteral("Suchwort</b>")), QStringLiteral("Suchwort"));
    EXPECT_EQ(Suchfeld::ohneMarkup(QStringLiteral("Wort /")), QStringLiteral("Wort"));
    EXPECT_EQ(Suchfeld::ohneMarkup(QStringLiteral("Wort")), QStringLiteral("Wort"));
}

TEST_F(SuchfeldTest, DateiendungErkennen) {
    EXPECT_TRUE(Suchfeld::hatDateiendung(QStringLiteral("C:\\Daten\\Bericht.pdf")));
    EXPECT_FALSE(Suchfeld::hatDateiendung(QStringLiteral("C:\\Daten\\Bericht")));
    EXPECT_FALSE(Suchfeld::hatDateiendung(QStringLiteral("C:\\Da.ten\\Bericht")));
}

TEST_F(SuchfeldTest, VorhandeneDateiWirdAufJaGeoeffnet) {
    datei(nativ("Daten/Bericht.pdf"));
    notifier_.antworten(true);
    const Suchfeld::Zustand z = aendern(QStringLiteral("#T:\\Daten\\Bericht.pdf"));
    ASSERT_EQ(notifier_.meldungen().size(), 1u);
    EXPECT_EQ(notifier_.meldungen()[0].art, Notifier::Art::Frage);
    EXPECT_EQ(notifier_.meldungen()[0].text, frageText);
    ASSERT_EQ(shell_.aufrufe.size(), 1u);
    EXPECT_EQ(shell_.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell_.aufrufe[0].programm, QStringLiteral("T:\\Daten\\Bericht.pdf"));
    EXPECT_TRUE(z.dateiGeoeffnet);
    EXPECT_TRUE(z.feldtext.isEmpty());
    EXPECT_FALSE(z.suchbereit);
    EXPECT_FALSE(z.fensterSchliessen);
}

TEST_F(SuchfeldTest, AufNeinStehtDerPfadOhneRauteImFeld) {
    datei(nativ("Daten/Bericht.pdf"));
    notifier_.antworten(false);
    const Suchfeld::Zustand z = aendern(QStringLiteral("  #T:\\Daten\\Bericht.pdf"));
    EXPECT_EQ(notifier_.meldungen().size(), 1u);
    EXPECT_TRUE(shell_.aufrufe.empty());
    EXPECT_FALSE(z.dateiGeoeffnet);
    EXPECT_EQ(z.feldtext, QStringLiteral("T:\\Daten\\Bericht.pdf"));
    EXPECT_EQ(z.suchtextLabel, QStringLiteral("Suchtext: T:\\Daten\\Bericht.pdf"));
    EXPECT_TRUE(z.suchbereit);
}

TEST_F(SuchfeldTest, FehltDieDateiAufCWirdDieAufEAngeboten) {
    const QString e = laufwerk('E');
    datei(e + QStringLiteral("/Daten/Bericht.pdf"));
    notifier_.antworten(false);
    const Suchfeld::Zustand z = aendern(QStringLiteral("#C:\\Daten\\Bericht.pdf"));
    ASSERT_EQ(notifier_.meldungen().size(), 1u);
    EXPECT_EQ(notifier_.meldungen()[0].text, frageText);
    EXPECT_EQ(z.feldtext, QStringLiteral("E:\\Daten\\Bericht.pdf"));
}

TEST_F(SuchfeldTest, OhneEndungWarntUndPrueftWeiter) {
    const QString e = laufwerk('E');
    datei(e + QStringLiteral("/Daten/Bericht"));
    notifier_.antworten(false);
    const Suchfeld::Zustand z = aendern(QStringLiteral("#C:\\Daten\\Bericht"));
    ASSERT_EQ(notifier_.meldungen().size(), 2u);
    EXPECT_EQ(notifier_.meldungen()[0].art, Notifier::Art::Information);
    EXPECT_EQ(notifier_.meldungen()[0].titel, QStringLiteral("Info"));
    EXPECT_EQ(notifier_.meldungen()[0].text, endungsHinweis(QStringLiteral("C:\\Daten\\Bericht")));
    EXPECT_EQ(notifier_.meldungen()[1].art, Notifier::Art::Frage);
    EXPECT_EQ(z.feldtext, QStringLiteral("E:\\Daten\\Bericht"));
}

TEST_F(SuchfeldTest, NirgendsGefundenMeldetUndSchliesst) {
    const Suchfeld::Zustand z = aendern(QStringLiteral("#C:\\Daten\\Fehlt.pdf"));
    ASSERT_EQ(notifier_.meldungen().size(), 1u);
    EXPECT_EQ(notifier_.meldungen()[0].titel, QStringLiteral("Info"));
    EXPECT_EQ(notifier_.meldungen()[0].text,
              QStringLiteral("T:\\Daten\\Fehlt.pdf\r\nwurde nicht gefunden."));
    EXPECT_TRUE(z.fensterSchliessen);
    EXPECT_TRUE(shell_.aufrufe.empty());
}

TEST_F(SuchfeldTest, OhneRauteOderDoppelpunktKeinePfadregel) {
    datei(nativ("Daten/Bericht.pdf"));
    aendern(QStringLiteral("T:\\Daten\\Bericht.pdf"));
    aendern(QStringLiteral("#T\\Daten\\Bericht.pdf"));
    EXPECT_TRUE(notifier_.meldungen().empty());
}

TEST_F(SuchfeldTest, LaufwerkssucheEigenesLaufwerkZuerst) {
    const QString d = laufwerk('D');
    datei(d + QStringLiteral("/x/a.txt"));
    datei(nativ("x/a.txt"));
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(QStringLiteral(":\\x\\a.txt")),
              QStringLiteral("T:\\x\\a.txt"));
}

TEST_F(SuchfeldTest, LaufwerkssucheLetzterBuchstabeGewinntCNie) {
    datei(laufwerk('C') + QStringLiteral("/x/a.txt"));
    datei(laufwerk('D') + QStringLiteral("/x/a.txt"));
    datei(laufwerk('F') + QStringLiteral("/x/a.txt"));
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(QStringLiteral(":\\x\\a.txt")),
              QStringLiteral("F:\\x\\a.txt"));
    DriveMap::global().entferneWurzel(QLatin1Char('D'));
    DriveMap::global().entferneWurzel(QLatin1Char('F'));
    // Only C: holds it now, and C: is not searched.
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(QStringLiteral(":\\x\\a.txt")),
              QStringLiteral("T:\\x\\a.txt"));
}
