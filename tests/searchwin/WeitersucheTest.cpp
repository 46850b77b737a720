#include "searchwin/Weitersuche.h"

#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <utility>
#include <vector>

namespace {} // namespace

class WeitersucheTest : public Umgebung {
protected:
    Weitersuche::Umgebung umgebung(Dokumentvariante v, bool sortiert = false) {
        return {Programmordner(win()),
                QStringLiteral("Akten"),
                v,
                sortiert,
                notifier_,
                Pump::still(),
                {}};
    }
    Weitersuche::Anzeige anzeige() {
        return {[this](qint64 start, qint64 laenge) {
                    viewer_.emplace_back(start, laenge);
                    return memotext_;
                },
                [this](qsizetype start, qsizetype laenge) { memo_.emplace_back(start, laenge); }};
    }
    void klick(Dokumentvariante v, bool sortiert = false) {
        suche_.WeiterSucheClick(umgebung(v, sortiert), anzeige());
    }

    ProtokollNotifier notifier_;
    Weitersuche suche_;
    QString memotext_;
    std::vector<std::pair<qint64, qint64>> viewer_;
    std::vector<std::pair<qsizetype, qsizetype>> memo_;
};

TEST_F(WeitersucheTest, BaerImUtf8DokumentMarkiertDreiBytes) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QStringLiteral("Ein Bär und ein bär.").toUtf8());
    memotext_ = QStringLiteral("Ein Bär und ein bär.");
    EXPECT_TRUE(suche_.TntEdit1Change(QStringLiteral("Bär")));
    klick(Dokumentvariante::Utf8);
    ASSERT_EQ(viewer_.size(), 1u);
    EXPECT_EQ(viewer_[0], (std::pair<qint64, qint64>(4, 3)));
    ASSERT_EQ(memo_.size(), 1u);
    EXPECT_EQ(memo_[0], (std::pair<qsizetype, qsizetype>(4, 3)));
    EXPECT_EQ(suche_.LetzteMemoPosition, 4);
    EXPECT_TRUE(notifier_.meldungen().empty());
}

TEST_F(WeitersucheTest, LetzteFundstelleUndDannWiederDieErste) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Test eins, TEST zwei"));
    suche_.TntEdit1Change(QStringLiteral("test"));
    klick(Dokumentvariante::Utf8);
    EXPECT_TRUE(notifier_.meldungen().empty());
    klick(Dokumentvariante::Utf8);
    EXPECT_EQ(notifier_.texte(), QStringList{"Dies ist die letzte Fundstelle."});
    klick(Dokumentvariante::Utf8);
    ASSERT_EQ(viewer_.size(), 3u);
    EXPECT_EQ(viewer_[0].first, 0);
    EXPECT_EQ(viewer_[1].first, 11);
    EXPECT_EQ(viewer_[2].first, 0);
    EXPECT_EQ(notifier_.meldungen().size(), 1u);
    EXPECT_EQ(suche_.FundListe(), QList<qint64>{11});
}

TEST_F(WeitersucheTest, NichtGefunden) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", QByteArray("nichts hier"));
    suche_.TntEdit1Change(QStringLiteral("Rose"));
    klick(Dokumentvariante::Ansi);
    EXPECT_EQ(notifier_.texte(), QStringList{"Nicht gefunden!"});
    EXPECT_TRUE(viewer_.empty());
    EXPECT_TRUE(memo_.empty());
}

TEST_F(WeitersucheTest, OhneGeladenesDokumentGeschiehtNichts) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Test"));
    suche_.TntEdit1Change(QStringLiteral("Test"));
    klick(Dokumentvariante::Keine);
    EXPECT_TRUE(notifier_.meldungen().empty());
    EXPECT_TRUE(viewer_.empty());
}

TEST_F(WeitersucheTest, AnsiDokumentSuchtDieAnsiForm) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", QByteArray("Ein B\xC4R"));
    suche_.TntEdit1Change(QStringLiteral("bär"));
    klick(Dokumentvariante::Ansi);
    ASSERT_EQ(viewer_.size(), 1u);
    EXPECT_EQ(viewer_[0], (std::pair<qint64, qint64>(4, 3)));
}

TEST_F(WeitersucheTest, UnicodeDokumentZweiBytesJeZeichen) {
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le(QStringLiteral("ab TEST")));
    suche_.TntEdit1Change(QStringLiteral("Test"));
    klick(Dokumentvariante::Unicode);
    ASSERT_EQ(viewer_.size(), 1u);
    EXPECT_EQ(viewer_[0], (std::pair<qint64, qint64>(2 + 2 * 3, 8)));
}

TEST_F(WeitersucheTest, SortierteListeWirdDurchsucht) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Rose"));
    schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt", QByteArray("Apfel\r\nRose\r\n"));
    suche_.TntEdit1Change(QStringLiteral("rose"));
    klick(Dokumentvariante::Utf8, true);
    ASSERT_EQ(viewer_.size(), 1u);
    EXPECT_EQ(viewer_[0].first, 7);
    EXPECT_EQ(Weitersuche::suchdatei(umgebung(Dokumentvariante::Unicode, true)),
              QStringLiteral("T:\\Datenbank\\Akten_Phrasen_Woerter_UnicodeListe.txt"));
    EXPECT_EQ(Weitersuche::suchdatei(umgebung(Dokumentvariante::Ansi)),
              QStringLiteral("T:\\Datenbank\\Akten_AnsiDokument.txt"));
}

TEST_F(WeitersucheTest, NeuerTextBeginntNeueSuche) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("a b a"));
    suche_.TntEdit1Change(QStringLiteral("a"));
    klick(Dokumentvariante::Utf8);
    EXPECT_EQ(suche_.FundListe().size(), 1);
    EXPECT_FALSE(suche_.TntEdit1Change(QString()));
    EXPECT_TRUE(suche_.FundListe().isEmpty());
    suche_.TntEdit1Change(QStringLiteral("b"));
    klick(Dokumentvariante::Utf8);
    EXPECT_EQ(viewer_.back().first, 2);
}

TEST(Weitersuche, Auswahllaengen) {
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bär"), Dokumentvariante::Utf8), 3);
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bärenäpfel"), Dokumentvariante::Utf8), 11);
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bär"), Dokumentvariante::Ansi), 3);
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bär"), Dokumentvariante::Unicode), 6);
}

TEST(Weitersuche, SchluesselJeVariante) {
    EXPECT_EQ(Weitersuche::schluessel(QStringLiteral("Bär"), Dokumentvariante::Ansi),
              QByteArray("B\xE4r"));
    EXPECT_EQ(Weitersuche::schluessel(QStringLiteral("Bär"), Dokumentvariante::Utf8),
              QByteArray("B\xC3\xA4r"));
    EXPECT_EQ(Weitersuche::schluessel(QStringLiteral("Bär"), Dokumentvariante::Unicode),
              QByteArray("B\0\xE4\0r\0", 6));
}

TEST(Weitersuche, MemopositionBevorzugtDieStelleAbDemLetztenSchritt) {
    const QString memo = QStringLiteral("x bär y BÄR");
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 0), 2);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 9), 8);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 8), 8);
    // Too far from the first occurrence: the first one counts.
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 20),
              2);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Rose"), Dokumentvariante::Utf8, 0),
              0);
}

TEST(Weitersuche, AnsiFaltetNurWasDieCodepageKennt) {
    const QString memo = QStringLiteral("x ΩMEGA");
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("ωmega"), Dokumentvariante::Utf8, 0),
              2);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("ωmega"), Dokumentvariante::Ansi, 0),
              0);
    EXPECT_EQ(Weitersuche::memoposition(QStringLiteral("ein ÄPFEL"), QStringLiteral("äpfel"),
                                        Dokumentvariante::Ansi, 0),
              4);
}
