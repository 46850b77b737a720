#include "viewer/ViewerDokument.h"

#include "platform/Notifier.h"
#include "tests/common/TestUmgebung.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>

namespace {

class ViewerDokumentTest : public Umgebung {
protected:
    QString datei(const QString& name, const QByteArray& inhalt) {
        schreibe(name, inhalt);
        return nativ(name);
    }
    // Every line start from the beginning, as line-down steps see them, with its text.
    static QStringList zeilen(const TViewerDokument& d) {
        QStringList out;
        for (qint64 p = 0; p < d.Size(); p = d.NextLineStart(p))
            out << QString::number(p) + ':' + d.Text(p, d.ZeilenEnde(p));
        return out;
    }
};

// A stream whose reads fail.
class KaputterStrom : public QIODevice {
public:
    KaputterStrom() { open(QIODevice::ReadOnly); }
    qint64 size() const override { return 1000; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

TEST_F(ViewerDokumentTest, ZeilenendenVorUndZurueck) {
    TViewerDokument d;
    // CR, LF, CR LF, LF CR, then CR CR (two breaks: one empty line) and LF LF.
    ASSERT_TRUE(d.Open(datei("gemischt.txt", "a\rb\nc\r\nd\n\re\r\rf\n\ng")));
    EXPECT_EQ(zeilen(d).join(' '), "0:a 2:b 4:c 7:d 10:e 12: 13:f 15: 16:g");
    // Backwards over the same breaks; CR LF is never taken as two.
    for (auto [von, erwartet] :
         {std::pair<qint64, qint64>{16, 15}, {10, 7}, {7, 4}, {4, 2}, {2, 0}, {0, 0}})
        EXPECT_EQ(d.PrevLineStart(von), erwartet) << von;

    QByteArray be;
    for (QChar c : QStringLiteral("Zeile1\r\nÄrger\nEnde"))
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    ASSERT_TRUE(d.Open(datei("be.txt", be)));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeBE);
    EXPECT_EQ(zeilen(d).join(' '), "0:Zeile1 16:Ärger 28:Ende");
    EXPECT_EQ(d.PrevLineStart(28), 16);
}

TEST_F(ViewerDokumentTest, ZeileAnPositionVonUmbruchZuUmbruchHoechstens2048JeSeite) {
    const QByteArray kurz = "eins\r\nzwei drei\r\nvier";
    const QByteArray lang = "x\n" + QByteArray(10000, 'a') + "\ny";
    const struct {
        QByteArray inhalt;
        qint64 pos, start, laenge;
    } faelle[] = {{kurz, 9, 6, 9},
                  {kurz, 20, 17, 4},
                  {kurz, 0, 0, 4},
                  {lang, 5002, 5002 - 2048, 4096},
                  // Near the start the break before the position ends the walk.
                  {lang, 100, 2, 98 + 2048}};
    for (const auto& f : faelle) {
        TViewerDokument d;
        ASSERT_TRUE(d.Open(datei("z.txt", f.inhalt)));
        d.SelectLineAtPos(f.pos);
        EXPECT_EQ(d.SelStart(), f.start) << f.pos;
        EXPECT_EQ(d.SelLength(), f.laenge) << f.pos;
    }
}

// A file renamed over the one shown under the same name (an index run's new document) is
// opened anew: the old view would give the old document's bytes for the new offsets. A file
// that grew keeps its position on reloading.
TEST_F(ViewerDokumentTest, ErsetzteUndGewachseneDatei) {
    TViewerDokument d;
    const QString a = datei("dok.txt", "alter Text\r\n");
    ASSERT_TRUE(d.Open(a));
    const QString neu = datei("neu.txt", "ein neuer, laengerer Text\r\n");
    ASSERT_EQ(::rename(QFile::encodeName(neu).constData(), QFile::encodeName(a).constData()), 0);
    EXPECT_TRUE(d.Open(a));
    d.SelectLineAtPos(0);
    EXPECT_EQ(d.SelText(), "ein neuer, laengerer Text");
    d.SetPosition(20);
    {
        QFile f(a);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(1000, 'x'));
    }
    ASSERT_TRUE(d.Reload());
    EXPECT_EQ(d.Size(), 1027);
    EXPECT_EQ(d.Position(), 20);
    EXPECT_EQ(d.Zeichen(1026), u'x');
    // Gone under its name: not shown any longer either.
    QFile::remove(a);
    EXPECT_FALSE(d.ZeigtDieDatei(a));
}

TEST_F(ViewerDokumentTest, OeffnenUndLesefehlerMelden) {
    ProtokollNotifier n;
    TViewerDokument d;
    d.SetNotifier(&n);
    ASSERT_TRUE(d.Open(datei("a.txt", "abc")));
    const QString fehlt = nativ("fehlt.txt");
    // A second try is no success just because the name was tried before.
    EXPECT_FALSE(d.Open(fehlt) || d.Open(fehlt) || d.IstOffen());
    KaputterStrom strom;
    EXPECT_FALSE(d.OpenStream(&strom) || d.IstOffen());
    EXPECT_EQ(n.texte(),
              (QStringList{"Cannot open file: \"" + fehlt + "\"",
                           "Cannot open file: \"" + fehlt + "\"", "Cannot read stream"}));
    EXPECT_EQ(n.meldungen()[0].titel, "Error");
    EXPECT_EQ(n.meldungen()[0].art, Notifier::Art::Fehler);
    QByteArray inhalt = "eins\nzwei\n";
    QBuffer puffer(&inhalt);
    ASSERT_TRUE(d.OpenStream(&puffer));
    d.SelectLineAtPos(6);
    EXPECT_EQ(d.SelText(), "zwei");
}

// A selection is at most 16 MiB of text, cut at the end plus one character; a bad one is
// ignored; the Unicode modes go down to even offsets; ANSI keeps every byte, other pages
// give "?" for what ANSI lacks.
TEST_F(ViewerDokumentTest, AuswahlRegeln) {
    TViewerDokument d;
    QByteArray inhalt(20 << 20, '\0');
    for (qsizetype i = 0; i < inhalt.size(); ++i)
        inhalt[i] = char(i % 256);
    ASSERT_TRUE(d.Open(datei("gross.txt", inhalt)));
    d.SetSelection(3, 20 << 20);
    EXPECT_EQ(d.SelTextAnsi(), inhalt.mid(3, 16 << 20));
    const struct {
        TTextEncoding e;
        qint64 pos;
        QByteArray ansi;
    } faelle[] = {{encWEuroDOS, 0x8E, "\xC4"}, {encCyrWin, 0xC0, "?"}};
    for (const auto& f : faelle) {
        d.SetTextEncoding(f.e);
        d.SetSelection(f.pos, 1);
        EXPECT_EQ(d.SelTextAnsi(), f.ansi) << int(f.e);
    }

    ASSERT_TRUE(d.Open(datei("a.txt", QByteArray(100, 'a'))));
    d.SetSelection(10, 20);
    for (auto [start, laenge] : {std::pair{-1, 5}, {5, -1}, {101, 1}})
        d.SetSelection(start, laenge);
    EXPECT_EQ(d.SelStart(), 10);
    EXPECT_EQ(d.SelLength(), 20);
    d.SetSelection(90, 1000);
    EXPECT_EQ(d.SelLength(), 11);
    EXPECT_EQ(d.SelText().size(), 10);
    d.SetMode(vmUnicode);
    d.SetSelection(5, 7);
    EXPECT_EQ(d.SelStart(), 4);
    EXPECT_EQ(d.SelLength(), 6);
    d.SetMode(vmText);
    d.SetPosition(41);
    d.SetMode(vmUHex);
    EXPECT_EQ(d.Position(), 40);

    ASSERT_TRUE(d.Open(datei("be.txt", QByteArray("\x00\xC4\x00z\x04\x10", 6))));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeBE);
    d.SetSelection(0, 6);
    EXPECT_EQ(d.SelTextW(), QString::fromUtf16(u"\u00C4z\u0410"));
    EXPECT_EQ(d.SelTextAnsi(), QByteArray("\xC4z?"));
}
