#include "searchwin/Weitersuche.h"

#include "platform/Ansi.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <utility>
#include <vector>

class WeitersucheTest : public Umgebung {
protected:
    Weitersuche::Umgebung umgebung(Dokumentvariante v, bool sortiert) {
        return {Programmordner(win()), "Akten", v, v, sortiert, notifier_, Pump::still(), {}};
    }

    ProtokollNotifier notifier_;
};

TEST_F(WeitersucheTest, JedeVarianteSuchtIhreDateiUndMarkiertImMemo) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", QByteArray("Ein B\xC4R"));
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le("ab TEST"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", QByteArray("Ein B\xC3\xA4r"));
    schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt", QByteArray("Apfel\r\nRose\r\n"));
    const std::tuple<Dokumentvariante, bool, const char*, std::pair<qint64, qint64>> faelle[] = {
        {Dokumentvariante::Ansi, false, "bär", {4, 3}},
        {Dokumentvariante::Unicode, false, "Test", {2 + 2 * 3, 8}},
        // Characters plus half the extra UTF-8 bytes, rounded down.
        {Dokumentvariante::Utf8, false, "bär", {4, 3}},
        {Dokumentvariante::Utf8, true, "rose", {7, 4}}};
    for (const auto& [v, sortiert, text, erwartet] : faelle) {
        Weitersuche suche;
        std::vector<std::pair<qint64, qint64>> auswahl;
        const auto viewer = [&auswahl](qint64 start, qint64 laenge) {
            auswahl.emplace_back(start, laenge);
            return Weitersuche::Seite{};
        };
        suche.TntEdit1Change(QString::fromUtf8(text));
        suche.WeiterSucheClick(umgebung(v, sortiert), {viewer, [](qsizetype, qsizetype) {}});
        EXPECT_EQ(auswahl, (std::vector{erwartet})) << text;
    }
    EXPECT_EQ(Weitersuche::suchdatei(umgebung(Dokumentvariante::Unicode, true)),
              "T:\\Datenbank\\Akten_Phrasen_Woerter_UnicodeListe.txt");
    // The memo range of a hit from its line and column on the viewer's page.
    // "Bär und" (8 bytes), CR LF, "Äpfel Bär": the second Bär starts at byte 10 + 7.
    const QByteArray text = QStringLiteral("Bär und\r\nÄpfel Bär").toUtf8();
    const Weitersuche::Seite utf8{
        {{0, Ansi::nachUnicode(text.left(8))}, {10, Ansi::nachUnicode(text.mid(10))}}, 1};
    // A wrapped line goes on without a line break in the file: "abc de" and "fgh".
    const Weitersuche::Seite umbrochen{{{0, QStringLiteral("abc de")}, {6, QStringLiteral("fgh")}},
                                       1};
    // Two bytes per character after the byte-order mark.
    const Weitersuche::Seite utf16{{{2, QStringLiteral("ab TEST")}}, 2};
    using Bereich = std::pair<qsizetype, qsizetype>;
    const std::tuple<const Weitersuche::Seite*, qint64, qint64, Dokumentvariante, Bereich>
        bereiche[] = {
            // The memo line "Bär und" and its break are 8 characters; "Äpfel " 6 more.
            {&utf8, 17, 21, Dokumentvariante::Utf8, {14, 3}},
            {&utf8, 0, 4, Dokumentvariante::Utf8, {0, 3}},
            // A hit that is not on the page is not marked.
            {&utf8, 40, 44, Dokumentvariante::Utf8, {-1, -1}},
            // "de", the memo's line break, "fg".
            {&umbrochen, 4, 8, Dokumentvariante::Ansi, {4, 5}},
            // Past the page's end the mark stops at the memo's last character.
            {&umbrochen, 7, 20, Dokumentvariante::Ansi, {8, 2}},
            {&utf16, 8, 16, Dokumentvariante::Unicode, {3, 4}},
        };
    for (const auto& [seite, von, bis, v, bereich] : bereiche) {
        const auto b = Weitersuche::memobereich(*seite, von, bis, v);
        EXPECT_EQ((b ? Bereich(b->start, b->laenge) : Bereich(-1, -1)), bereich) << von;
    }
    EXPECT_EQ(Weitersuche::auswahllaenge(QStringLiteral("Bärenäpfel"), Dokumentvariante::Utf8), 11);
}
