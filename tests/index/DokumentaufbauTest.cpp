#include "index/Dokumentaufbau.h"

#include "datenbank/Arbeitsordner.h"
#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>

class DokumentaufbauTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        job = Arbeitsordner::anlegen(Programmordner(win()), "Index");
        ASSERT_NE(job, nullptr);
    }
    QString imJob(const QString& name) const { return Files::nativ(job->pfad()) + name; }

    ProtokollNotifier notifier;
    std::unique_ptr<Arbeitsordner> job;
};

// Texts beyond 2,000,000 bytes go out as pieces right after the file that reached the
// mark; the document is the pieces in order and every title offset points at its header.
TEST_F(DokumentaufbauTest, TeileUndTitelpositionen) {
    QStringList titel;
    Dokumentaufbau aufbau(job->pfad(), "Akten", [&](const QString& t) { titel << t; });
    const QByteArray gross(2000000, 'x');
    const QList<QPair<QString, QByteArray>> saetze = {{"T:\\a.pdf", "kurz"},
                                                      {"T:\\Ordner\\genau.pdf", gross},
                                                      {"T:\\c.pdf", ""},
                                                      {"T:\\d.pdf", gross + "y"},
                                                      {"T:\\e.pdf", "Schluss"}};
    QByteArray erwartet;
    QList<qint64> kopf;
    for (const auto& [pfad, text] : saetze) {
        kopf << erwartet.size() + 9;
        erwartet += satzkopf(pfad).toLatin1() + (text.isEmpty() ? "" : text + "\r\n");
        ASSERT_TRUE(aufbau.eintrag(pfad, text));
    }
    EXPECT_EQ(aufbau.teilzaehler(), 2);
    const QByteArray teil1 = Files::lesen(imJob("Akten_UTF8Dokument1.txt"));
    EXPECT_TRUE(teil1.endsWith(gross + "\r\n"));
    EXPECT_FALSE(teil1.contains("c.pdf"));
    ASSERT_TRUE(aufbau.abschliessen(Pump::still()));
    EXPECT_EQ(aufbau.teilzaehler(), 3);
    EXPECT_EQ(Files::lesen(aufbau.dokument()), erwartet);
    EXPECT_EQ(aufbau.dokument(), job->datei("Akten_UTF8Dokument.txt"));
    ASSERT_EQ(aufbau.titelzeilen().size(), saetze.size());
    for (int i = 0; i < saetze.size(); ++i)
        EXPECT_EQ(aufbau.titelzeilen()[i], QString::number(kopf[i]) + " #" + saetze[i].first);
    EXPECT_EQ(titel.last(),
              "Aufgeteilte Dateien zusammenfügen:  " + job->datei("Akten_UTF8Dokument3.txt"));
    EXPECT_EQ(QDir(nativ("Datenbank/Temp")).entryList(QDir::Files).size(), 0);
}

// A record's header keeps the path's UTF-8 bytes, "?" for what Windows-1252 cannot hold; its
// title line shows each of those bytes as one character.
TEST_F(DokumentaufbauTest, KopfzeileUndTitelzeileInByteForm) {
    Dokumentaufbau aufbau(job->pfad(), "Akten");
    ASSERT_TRUE(aufbau.eintrag("T:\\Bär\\Жук.pdf", "x"));
    ASSERT_TRUE(aufbau.abschliessen(Pump::still()));
    EXPECT_EQ(Files::lesen(aufbau.dokument()),
              QByteArray(" \r\n \r\n \r\n#T:\\B\xC3\xA4r\\???.pdf\r\n=======\r\nx\r\n"));
    EXPECT_EQ(aufbau.titelzeilen(), QStringList{QString::fromLatin1("9 #T:\\B\xC3\xA4r\\???.pdf")});
}

TEST_F(DokumentaufbauTest, SchreibfehlerNenntDieDatei) {
    const std::tuple<const char*, qsizetype, bool> faelle[] = {
        {"Akten_UTF8Dokument1.txt", 2000000, false},
        {"Akten_UTF8Dokument.txt", 10, true},
        {"Akten_UTF8Dokument.txt", 2000000, true}};
    for (const auto& [versperrt, textgroesse, eintragOk] : faelle) {
        job = Arbeitsordner::anlegen(Programmordner(win()), "Index");
        // A folder in the file's place: no write gets through, not even as root.
        ASSERT_TRUE(QDir().mkpath(imJob(versperrt)));
        Dokumentaufbau aufbau(job->pfad(), "Akten");
        const bool eintrag = aufbau.eintrag("T:\\a.pdf", QByteArray(textgroesse, 'x'));
        EXPECT_EQ(eintrag, eintragOk) << versperrt;
        EXPECT_TRUE(!eintrag || !aufbau.abschliessen(Pump::still()));
        EXPECT_EQ(aufbau.fehlerdatei(), job->datei(versperrt));
    }
}
