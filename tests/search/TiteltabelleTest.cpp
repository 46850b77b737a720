#include "search/Titeltabelle.h"
#include "search/Pfadaufloesung.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QRandomGenerator>

namespace {

TTitelTabelle tabelle(const QStringList& zeilen) {
    TTitelTabelle t;
    t.laden(zeilen);
    return t;
}

} // namespace

// The next head at or after a place; the offset before the blank, 0 where there is none; the
// path as the file holds it: its byte form encoded in UTF-8 once more, one decoding gives it.
TEST(Titeltabelle, NaechsterKopfOffsetUndUmlautpfad) {
    const TTitelTabelle t = tabelle({"9 #D:\\a.pdf", "80 #D:\\b.pdf", "200 #D:\\c.pdf"});
    for (const auto& [ab, kopf] : {std::pair{0, 9}, {10, 80}, {80, 80}, {201, -1}})
        EXPECT_EQ(t.naechsterKopf(ab), kopf) << ab;
    EXPECT_EQ(tabelle({}).naechsterKopf(0), -1);
    for (const auto& [zeile, offset] : {std::pair<QString, qint64>{"1234 #x", 1234},
                                        {"ohneblank", 0},
                                        {"abc #x", 0},
                                        {"5000000000 #x", Q_INT64_C(5000000000)}})
        EXPECT_EQ(TTitelTabelle::offsetVon(zeile), offset);
    EXPECT_EQ(TTitelTabelle::pfadVon(Ansi::nachUnicode("9 #T:\\B\xC3\x83\xC2\xA4r.pdf")),
              Ansi::zuByteForm(QStringLiteral("T:\\Bär.pdf")));
}

// Tables in any order, with ties and lines without a path, also empty ones: the line with the
// largest offset at or before the hit, of equal offsets the last in the file; before the first
// line and for a line without a path nothing.
TEST(Titeltabelle, ZufaelligeTabellenWieDieRegelZeileFuerZeile) {
    QRandomGenerator z(20240611);
    for (int runde = 0; runde < 400; ++runde) {
        QStringList zeilen, pfade;
        QList<qint64> offsets{z.bounded(5)};
        for (int i = 0, n = z.bounded(30); i < n; ++i) {
            // Many ties: steps of 0 are common.
            offsets << offsets.last() + (runde % 10 == 9 ? z.bounded(40) - 20 : z.bounded(4) * 3);
            pfade << (z.bounded(4) ? QStringLiteral("D:\\f%1.pdf").arg(i) : QString());
            zeilen << QString::number(offsets.last()) +
                          (pfade.last().isEmpty() ? " ohne" : " #" + pfade.last());
        }
        offsets.removeFirst();
        const TTitelTabelle t = tabelle(zeilen);
        for (qint64 x = -600; x <= 300; ++x) {
            qsizetype beste = -1;
            for (qsizetype i = 0; i < offsets.size(); ++i)
                if (offsets[i] <= x && (beste < 0 || offsets[i] >= offsets[beste]))
                    beste = i;
            ASSERT_EQ(t.pfad(x), beste < 0 ? QString() : pfade[beste])
                << runde << " " << x << "\n"
                << zeilen.join('\n').toStdString();
        }
    }
}

class PfadaufloesungTest : public Umgebung {};

TEST_F(PfadaufloesungTest, JedeVarianteLiestIhreDateiEinmalProLauf) {
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\u.pdf\r\n");
    schreibe("Datenbank/Akten_Ansi_TitelPositionen.txt", "9 #T:\\a.pdf\r\n");
    TPfadaufloesung p{Programmordner(win())};
    p.setDatenbank("Akten");
    const auto pfad = [&p](Dokumentvariante v) { return p.tabelle(v).pfad(20); };
    EXPECT_EQ(pfad(Dokumentvariante::Utf8), QStringLiteral("T:\\u.pdf"));
    EXPECT_EQ(pfad(Dokumentvariante::Ansi), QStringLiteral("T:\\a.pdf"));
    // Without its file a variant resolves nothing.
    EXPECT_TRUE(pfad(Dokumentvariante::Unicode).isEmpty());
    // Within the run the table stays; the next run reads the file again.
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\neu.pdf\r\n");
    EXPECT_EQ(pfad(Dokumentvariante::Utf8), QStringLiteral("T:\\u.pdf"));
    p.neuerLauf();
    EXPECT_EQ(pfad(Dokumentvariante::Utf8), QStringLiteral("T:\\neu.pdf"));
}
