#include "searchwin/Suchfeld.h"

#include "platform/DriveMap.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"
#include "tests/common/TestUmgebung.h"

const QString frageText = QStringLiteral(
    "Bei dem Suchtext handelt es sich um einen Pfad zu einer Datei.\r\nMöchten Sie die Datei "
    "mit dem zugehörigen externen Programm öffnen?");

class SuchfeldTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        feld_ = std::make_unique<Suchfeld>(notifier_, shell_, Programmordner(win()));
    }
    void aufLaufwerk(char buchstabe, const QString& pfad) {
        const QString ordner = QStringLiteral("lw_") + QLatin1Char(buchstabe);
        schreibe(ordner + pfad, "x");
        DriveMap::global().setzeWurzel(QLatin1Char(buchstabe), nativ(ordner));
    }
    Suchfeld::Zustand aendern(const QString& text) { return feld_->TntEdit2Change(text); }

    ProtokollNotifier notifier_;
    ProtokollShell shell_;
    std::unique_ptr<Suchfeld> feld_;
};

TEST_F(SuchfeldTest, FeldtextPfadUndLaufwerkssuche) {
    const std::tuple<QString, QString, bool> faelle[] = {
        {"rote Rosen", "rote Rosen", true},
        {"rote\tRosen", "rote\tRosen", true},
        {" \t Rosen  ", "Rosen  ", false},
        {"   ", "", false},
        {"/><Suchwort", "Suchwort", false},
        {"Suchwort</b>", "Suchwort", false},
        {"<Suchwort", "Suchwort", false},
        {"Suchwort/", "Suchwort", false},
        {"rote Rosen />", "rote Rosen", true},
        {"http://beispiel.de/", "http://beispiel.de/", false},
        {"a/b", "a/b", false},
    };
    for (const auto& [eingabe, feld, phrase] : faelle) {
        const Suchfeld::Zustand z = aendern(eingabe);
        EXPECT_EQ(z.feldtext, feld) << eingabe.toStdString();
        EXPECT_EQ(z.phrase, phrase) << eingabe.toStdString();
        EXPECT_EQ(z.suchbereit, !feld.isEmpty());
        EXPECT_EQ(z.suchtextLabel, feld.isEmpty() ? QStringLiteral("Es wurde kein Text eingegeben!")
                                                  : "Suchtext: " + feld);
    }
    EXPECT_TRUE(notifier_.meldungen().empty());
    // On No the path found stands in the field without "#".
    schreibe("Daten/Bericht.pdf", "x");
    aufLaufwerk('E', "/Daten/Brief.pdf");
    aufLaufwerk('E', "/Daten/Bericht");
    notifier_.setStandardAntwort(false);
    const std::tuple<const char*, const char*, QStringList> pfade[] = {
        {"  #T:\\Daten\\Bericht.pdf", "T:\\Daten\\Bericht.pdf", {frageText}},
        {"#C:\\Daten\\Brief.pdf", "E:\\Daten\\Brief.pdf", {frageText}},
        {"#C:\\Daten\\Bericht",
         "E:\\Daten\\Bericht",
         {"C:\\Daten\\Bericht\r\n hat keine Dateiendung.\r\nÜberprüfen Sie ob im Viewer der "
          "\"Pfad+Dateiname+Endung\" in einer Zeile steht. Wenn der Eintrag umgebrochen ist (ein "
          "Teil steht eine Zeile darunter), dann verbreitern Sie das Fenster bis er in einer Zeile "
          "steht.",
          frageText}},
    };
    for (const auto& [eingabe, feld, meldungen] : pfade) {
        notifier_.leeren();
        const Suchfeld::Zustand z = aendern(QString::fromLatin1(eingabe));
        EXPECT_EQ(notifier_.texte(), meldungen) << eingabe;
        EXPECT_EQ(z.feldtext, QString::fromLatin1(feld));
        EXPECT_FALSE(z.dateiGeoeffnet);
        EXPECT_TRUE(z.suchbereit);
    }
    EXPECT_EQ(notifier_.meldungen()[0].titel, "Info");
    EXPECT_EQ(notifier_.meldungen()[0].art, Notifier::Art::Information);
    notifier_.leeren();
    aendern("T:\\Daten\\Bericht.pdf");
    aendern("#T\\Daten\\Bericht.pdf");
    EXPECT_TRUE(aendern("#C:\\Daten\\Fehlt.pdf").fensterSchliessen);
    EXPECT_EQ(notifier_.texte(), QStringList{"T:\\Daten\\Fehlt.pdf\r\nwurde nicht gefunden."});
    EXPECT_TRUE(shell_.aufrufe.empty());
    EXPECT_FALSE(Suchfeld::hatDateiendung("C:\\Da.ten\\Bericht"));
    // The program folder's drive first, then A, B, D to Z, the last letter winning; never C.
    const QString q = ":\\x\\a.txt";
    for (char b : {'C', 'D', 'F'})
        aufLaufwerk(b, "/x/a.txt");
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(q), "F:\\x\\a.txt");
    schreibe("x/a.txt", "x");
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(q), "T:\\x\\a.txt");
    QFile::remove(nativ("x/a.txt"));
    DriveMap::global().entferneWurzel(QLatin1Char('D'));
    DriveMap::global().entferneWurzel(QLatin1Char('F'));
    // Only C: holds it now: the program folder stands in.
    EXPECT_EQ(feld_->DateiAufLaufwerkSuchen(q), "T:\\x\\a.txt");
}
