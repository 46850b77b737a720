#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <sys/mount.h>
#include <unistd.h>

// The real "kelvora sort" on a full disk: the program folder is a small tmpfs (as root
// only). Whatever cannot be written ends the job with a message naming the file and a
// non-zero exit status, the old list stays, and no scratch file is left behind.
class SortPlatteVollTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        if (geteuid() != 0)
            GTEST_SKIP() << "nur als root: tmpfs";
        QFile konfig(tmp_.filePath("config/Dorwent/Kelvora-PDF.conf"));
        QDir().mkpath(QFileInfo(konfig).path());
        ASSERT_TRUE(konfig.open(QIODevice::WriteOnly));
        konfig.write("[General]\nLaufwerk_T=" + QFile::encodeName(nativ()) + "\n");
    }
    void TearDown() override {
        if (eingehaengt)
            umount2(QFile::encodeName(nativ()).constData(), MNT_DETACH);
        Umgebung::TearDown();
    }

    // A database whose document holds only distinct words and phrases, so that its list of
    // both is about twice the document; the disk gets the given share of the document's
    // size on top of it. The document's size.
    qint64 datenbank(double zusatz) {
        QByteArray dokument = " \r\n \r\n \r\n#T:\\Akten\\a.pdf\r\n==========\r\n";
        for (int i = 0; dokument.size() < 1'000'000; ++i) {
            QByteArray zeile = "Eintrag";
            for (int k = 0; k < 8; ++k) {
                zeile += k % 4 == 3 ? ", " : " ";
                for (int n = i * 8 + k + 100000; n > 0; n /= 26)
                    zeile += char('a' + n % 26);
            }
            dokument += zeile + ".\r\n";
        }
        const QByteArray groesse =
            "size=" + QByteArray::number(qint64(dokument.size() * (1 + zusatz)) + 64 * 1024);
        if (mount("tmpfs", QFile::encodeName(nativ()).constData(), "tmpfs", 0,
                  groesse.constData()) != 0)
            return 0;
        eingehaengt = true;
        schreibe("Akten/a.pdf", "%PDF");
        schreibe("Datenbank/Akten.dat",
                 "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\nT:\\Akten\\a.pdf\r\n");
        schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt", "alt");
        schreibe("Datenbank/Akten_UTF8Dokument.txt", dokument);
        return dokument.size();
    }

    int sortiere() {
        QProcess p;
        p.start(QStringLiteral(KELVORA_CLI),
                {"--dir", nativ(), "sort", "Akten", "--modus", "beide"});
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished(5000);
            return -1;
        }
        fehler = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    void nichtsBleibtLiegen() {
        EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), QByteArray("alt"));
        EXPECT_TRUE(QDir(nativ("Datenbank/Temp"))
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                        .isEmpty());
        EXPECT_EQ(QDir(nativ("Datenbank")).entryList(QDir::Files),
                  (QStringList{"Akten.dat", "Akten_Phrasen_Woerter_Utf8Liste.txt",
                               "Akten_UTF8Dokument.txt"}));
    }

    bool eingehaengt = false;
    QString fehler;
};

TEST_F(SortPlatteVollTest, ListePasstNichtMehr) {
    // Room for the document and its piece, not for the list beside the old one.
    if (datenbank(1.5) == 0)
        GTEST_SKIP() << "tmpfs lässt sich nicht einhängen";
    EXPECT_EQ(sortiere(), 1);
    EXPECT_EQ(fehler, QStringLiteral("Warnung: Die sortierte Liste T:\\Datenbank\\Akten_Phrasen_"
                                     "Woerter_Utf8Liste.txt kann nicht geschrieben werden!\n"));
    nichtsBleibtLiegen();
}

TEST_F(SortPlatteVollTest, TeilstueckPasstNichtMehr) {
    if (datenbank(0.5) == 0)
        GTEST_SKIP() << "tmpfs lässt sich nicht einhängen";
    EXPECT_EQ(sortiere(), 1);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^Warnung: Das Teilstück T:\\Datenbank\\Temp\\)"
                                          R"(Sortierung_\d+_\d+\\SplitDokument001\.txt kann nicht )"
                                          R"(geschrieben werden!\n$)"))
            .match(fehler)
            .hasMatch())
        << fehler.toStdString();
    nichtsBleibtLiegen();
}
