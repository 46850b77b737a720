#include "searchwin/Weitersuche.h"

#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <utility>
#include <vector>
class WeitersucheTest : public Umgebung {
protected:
    Weitersuche::Umgebung umgebung(Dokumentvariante v, bool sortiert = false) {
        return {Programmordner(win()), "Akten", v, sortiert, notifier_, Pump::still(), {}};
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
    // Characters plus half the extra UTF-8 bytes, rounded down.
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bärenäpfel"), Dokumentvariante::Utf8), 11);
}

TEST_F(WeitersucheTest, LetzteFundstelleUndDannWiederDieErste) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Test eins, TEST zwei"));
    suche_.TntEdit1Change("test");
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
    // A changed text starts a new search.
    EXPECT_FALSE(suche_.TntEdit1Change(QString()));
    EXPECT_TRUE(suche_.FundListe().isEmpty());
    suche_.TntEdit1Change("zwei");
    klick(Dokumentvariante::Utf8);
    EXPECT_EQ(viewer_.back().first, 16);
}

TEST_F(WeitersucheTest, NichtGefundenUndOhneDokumentNichts) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", QByteArray("nichts hier"));
    suche_.TntEdit1Change("Rose");
    klick(Dokumentvariante::Keine);
    EXPECT_TRUE(notifier_.meldungen().empty());
    klick(Dokumentvariante::Ansi);
    EXPECT_EQ(notifier_.texte(), QStringList{"Nicht gefunden!"});
    EXPECT_TRUE(viewer_.empty());
    EXPECT_TRUE(memo_.empty());
}

// Each variant searches its own file in its own key form and selects the hit's bytes; while
// the sorted list is shown, that list is searched.
TEST_F(WeitersucheTest, JedeVarianteSuchtIhreDatei) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", QByteArray("Ein B\xC4R"));
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le("ab TEST"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Rose"));
    schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt", QByteArray("Apfel\r\nRose\r\n"));
    const struct {
        Dokumentvariante v;
        bool sortiert;
        const char* text;
        std::pair<qint64, qint64> auswahl;
    } faelle[] = {{Dokumentvariante::Ansi, false, "bär", {4, 3}},
                  {Dokumentvariante::Unicode, false, "Test", {2 + 2 * 3, 8}},
                  {Dokumentvariante::Utf8, true, "rose", {7, 4}}};
    for (const auto& f : faelle) {
        viewer_.clear();
        suche_.TntEdit1Change(QString::fromUtf8(f.text));
        klick(f.v, f.sortiert);
        ASSERT_EQ(viewer_.size(), 1u) << f.text;
        EXPECT_EQ(viewer_[0], f.auswahl) << f.text;
    }
    EXPECT_EQ(Weitersuche::suchdatei(umgebung(Dokumentvariante::Unicode, true)),
              "T:\\Datenbank\\Akten_Phrasen_Woerter_UnicodeListe.txt");
}

TEST(Weitersuche, MemopositionBevorzugtDieStelleAbDemLetztenSchritt) {
    const QString memo = QStringLiteral("x bär y BÄR");
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 0), 2);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 9), 8);
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 8), 8);
    // Too far from the first occurrence: the first one counts.
    EXPECT_EQ(Weitersuche::memoposition(memo, QStringLiteral("Bär"), Dokumentvariante::Utf8, 20),
              2);
    EXPECT_EQ(Weitersuche::memoposition(memo, "Rose", Dokumentvariante::Utf8, 0), 0);
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
