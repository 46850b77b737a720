#include "searchwin/Weitersuche.h"

#include "platform/Ansi.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <utility>
#include <vector>
class WeitersucheTest : public Umgebung {
protected:
    Weitersuche::Umgebung umgebung(Dokumentvariante v, bool sortiert = false) {
        return {Programmordner(win()),
                QStringLiteral("Akten"),
                v,
                v,
                sortiert,
                notifier_,
                Pump::still(),
                {}};
    }
    Weitersuche::Anzeige anzeige() {
        return {[this](qint64 start, qint64 laenge) {
                    viewer_.emplace_back(start, laenge);
                    return seite_;
                },
                [this](qsizetype start, qsizetype laenge) { memo_.emplace_back(start, laenge); }};
    }
    // The viewer shows the whole 8-bit document as one line, one ANSI character per byte.
    void einzeilig(const QByteArray& dokument) { seite_ = {{{0, Ansi::nachUnicode(dokument)}}, 1}; }
    void klick(Dokumentvariante v, bool sortiert = false) {
        suche_.WeiterSucheClick(umgebung(v, sortiert), anzeige());
    }

    ProtokollNotifier notifier_;
    Weitersuche suche_;
    Weitersuche::Seite seite_;
    std::vector<std::pair<qint64, qint64>> viewer_;
    std::vector<std::pair<qsizetype, qsizetype>> memo_;
};

TEST_F(WeitersucheTest, BaerImUtf8DokumentMarkiertDreiBytes) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QStringLiteral("Ein Bär und ein bär.").toUtf8());
    einzeilig(QStringLiteral("Ein Bär und ein bär.").toUtf8());
    EXPECT_TRUE(suche_.TntEdit1Change(QStringLiteral("Bär")));
    klick(Dokumentvariante::Utf8);
    ASSERT_EQ(viewer_.size(), 1u);
    EXPECT_EQ(viewer_[0], (std::pair<qint64, qint64>(4, 3)));
    ASSERT_EQ(memo_.size(), 1u);
    EXPECT_EQ(memo_[0], (std::pair<qsizetype, qsizetype>(4, 3)));
    EXPECT_TRUE(notifier_.meldungen().empty());
    // Characters plus half the extra UTF-8 bytes, rounded down.
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bärenäpfel"), Dokumentvariante::Utf8), 11);
}

TEST_F(WeitersucheTest, LetzteFundstelleUndDannWiederDieErste) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Test eins, TEST zwei"));
    einzeilig("Test eins, TEST zwei");
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
    // The memo marks each hit where it stands, also when it goes back to the first.
    using Bereich = std::pair<qsizetype, qsizetype>;
    EXPECT_EQ(memo_, (std::vector<Bereich>{{0, 4}, {11, 4}, {0, 4}}));
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

TEST(Weitersuche, MemobereichAusZeileUndSpalteDesTreffers) {
    // "Bär und" (8 bytes), CR LF, "Äpfel Bär": the second Bär starts at byte 10 + 7.
    const QByteArray text = QStringLiteral("Bär und\r\nÄpfel Bär").toUtf8();
    const Weitersuche::Seite seite{
        {{0, Ansi::nachUnicode(text.left(8))}, {10, Ansi::nachUnicode(text.mid(10))}}, 1};
    const auto b = Weitersuche::memobereich(seite, 17, 21, Dokumentvariante::Utf8);
    ASSERT_TRUE(b.has_value());
    // The memo line "Bär und" and its break are 8 characters; "Äpfel " 6 more.
    EXPECT_EQ(b->start, 14);
    EXPECT_EQ(b->laenge, 3);
    const auto erster = Weitersuche::memobereich(seite, 0, 4, Dokumentvariante::Utf8);
    ASSERT_TRUE(erster.has_value());
    EXPECT_EQ(erster->start, 0);
    EXPECT_EQ(erster->laenge, 3);
    // A hit that is not on the page is not marked.
    EXPECT_FALSE(Weitersuche::memobereich(seite, 40, 44, Dokumentvariante::Utf8).has_value());
}

TEST(Weitersuche, MemobereichUeberDenUmbruchUndImUtf16Dokument) {
    // A wrapped line goes on without a line break in the file: "abc de" and "fgh".
    const Weitersuche::Seite umbrochen{{{0, QStringLiteral("abc de")}, {6, QStringLiteral("fgh")}},
                                       1};
    const auto b = Weitersuche::memobereich(umbrochen, 4, 8, Dokumentvariante::Ansi);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->start, 4);
    EXPECT_EQ(b->laenge, 5); // "de", the memo's line break, "fg"
    // Past the page's end the mark stops at the memo's last character.
    const auto rest = Weitersuche::memobereich(umbrochen, 7, 20, Dokumentvariante::Ansi);
    ASSERT_TRUE(rest.has_value());
    EXPECT_EQ(rest->start, 8);
    EXPECT_EQ(rest->laenge, 2);
    // Two bytes per character after the byte-order mark: "TEST" starts at byte 2 + 6.
    const Weitersuche::Seite utf16{{{2, QStringLiteral("ab TEST")}}, 2};
    const auto u = Weitersuche::memobereich(utf16, 8, 16, Dokumentvariante::Unicode);
    ASSERT_TRUE(u.has_value());
    EXPECT_EQ(u->start, 3);
    EXPECT_EQ(u->laenge, 4);
}
