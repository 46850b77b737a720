#include "viewer/TextViewer.h"

#include "platform/Notifier.h"
#include "tests/common/TestUmgebung.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>

namespace {

class TextViewerTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        viewer = std::make_unique<TTextViewer>(notifier);
        viewer->resize(600, 400);
        viewer->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
    }
    QString datei(const QString& name, const QByteArray& inhalt) {
        schreibe(name, inhalt);
        return nativ(name);
    }
    QString zeile(int i) const { return viewer->Seite().value(i).text; }
    int breite(const QString& text) const {
        return QFontMetrics(viewer->font()).horizontalAdvance(text);
    }
    // The point in the middle of line `z`, `zeichen` characters into it.
    QPoint punkt(int z, int zeichen) const {
        const auto& v = viewer->Seite().at(z);
        return {2 + breite(v.anzeige.left(v.spalten[zeichen])),
                z * viewer->Zeilenhoehe() + viewer->Zeilenhoehe() / 2};
    }
    void rad(int schritte, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        QWheelEvent e(QPointF(50, 50), viewer->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, 120 * schritte), Qt::NoButton, tasten, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewer->viewport(), &e);
    }

    ProtokollNotifier notifier;
    std::unique_ptr<TTextViewer> viewer;
};

QByteArray zeilen(int anzahl) {
    QByteArray out;
    for (int i = 0; i < anzahl; ++i)
        out += "Zeile " + QByteArray::number(i) + "\r\n";
    return out;
}

// Every line start from the beginning, as line-down steps see them, with its text.
QString zeilenstarts(const TViewerDokument& d) {
    QStringList out;
    for (qint64 p = 0; p < d.Size(); p = d.NextLineStart(p))
        out << QString::number(p) + ':' + d.Text(p, d.ZeilenEnde(p));
    return out.join(' ');
}

} // namespace

// A fresh viewer shows unwrapped 8-bit ANSI text: one line per break, CR LF never two, a line
// of 5,000 characters in three, one 1252 character per byte; tabs to the next multiple of a
// size within 1 to 16.
TEST_F(TextViewerTest, ZeilenUndTabulatoren) {
    EXPECT_EQ(viewer->TextEncoding(), encANSI);
    EXPECT_FALSE(viewer->TextWrap());
    ASSERT_TRUE(viewer->Open(datei("z.txt", "eins\r\nf\xC3\xBCnf\n" + QByteArray(5000, 'x'))));
    QStringList texte;
    for (const auto& z : viewer->Seite())
        texte << z.text;
    EXPECT_EQ(texte, (QStringList{"eins", "f\u00C3\u00BCnf", QString(2048, 'x'), QString(2048, 'x'),
                                  QString(904, 'x')}));
    ASSERT_TRUE(viewer->Open(datei("tab.txt", "a\tb\n12345678\tc")));
    EXPECT_EQ(viewer->Seite()[1].anzeige, "12345678        c");
    for (auto [groesse, erwartet] :
         {std::pair{8, "a       b"}, {4, "a   b"}, {0, "a b"}, {40, "a               b"}}) {
        viewer->setTextTabSize(groesse);
        EXPECT_EQ(viewer->Seite()[0].anzeige, erwartet) << groesse;
    }
}

// Each visual line fits the text area and the next piece would not have: cut after the last
// blank that fits, or at the last character that fits when the line has no blank.
TEST_F(TextViewerTest, UmbruchAmLetztenLeerzeichenSonstAmLetztenZeichen) {
    QByteArray woerter;
    for (int i = 0; i < 60; ++i)
        woerter += "Wort" + QByteArray::number(i) + ' ';
    viewer->setTextWrap(true);
    for (const QByteArray& text : {woerter, QByteArray(1000, 'm')}) {
        ASSERT_TRUE(viewer->Open(datei(QString::number(text.size()), text)));
        const auto seite = viewer->Seite();
        ASSERT_GT(seite.size(), 2);
        QString zusammen;
        for (int i = 0; i < seite.size(); ++i) {
            zusammen += seite[i].text;
            EXPECT_LE(breite(seite[i].anzeige), viewer->Textbreite()) << i;
            if (i + 1 == seite.size())
                continue;
            const QString weiter = text.contains(' ') ? seite[i + 1].text.section(' ', 0, 0) + ' '
                                                      : seite[i + 1].text.left(1);
            EXPECT_EQ(seite[i].text.endsWith(' '), text.contains(' ')) << i;
            EXPECT_GT(breite(seite[i].anzeige + weiter), viewer->Textbreite()) << i;
        }
        EXPECT_EQ(zusammen, QString::fromLatin1(text));
    }
    // The last character that fits is a blank: the cut comes right after it.
    int n = 1;
    while (breite("a " + QString(n + 1, 'a') + ' ') <= viewer->Textbreite())
        ++n;
    const QString genau = "a " + QString(n, 'a') + ' ';
    ASSERT_TRUE(viewer->Open(datei("genau.txt", (genau + "aaaa").toLatin1())));
    EXPECT_EQ(zeile(0), genau);
}

// Offsets beyond 32 bits: the end of the file is shown, with the scroll bar at its end within
// its 32,767 steps, and the offset column widened to ten digits.
TEST_F(TextViewerTest, StrgEndeZeigtDasEndeEinerFuenfGiBDatei) {
    const QString pfad = nativ("riesig.bin");
    const qint64 groesse = qint64(5) << 30;
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.resize(groesse) && f.seek(groesse - 14));
        f.write("\r\nletzte Zeile");
    }
    ASSERT_TRUE(viewer->Open(pfad));
    EXPECT_EQ(viewer->Dokument().OffsetStellen(), 10);
    QTest::keyClick(viewer.get(), Qt::Key_End, Qt::ControlModifier);
    const int letzte = viewer->LinesPerPage() - 1;
    EXPECT_EQ(zeile(letzte), "letzte Zeile");
    // Before it, the zeros form lines of 2048 characters.
    EXPECT_EQ(zeile(letzte - 1), QString(2048, QChar(0)));
    EXPECT_EQ(viewer->verticalScrollBar()->maximum(), 32767);
    EXPECT_GE(viewer->verticalScrollBar()->value(), 32766);
    QTest::keyClick(viewer.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(viewer->Position(), 0);
}

// Keys and wheel move by lines and pages, never beyond the last page; Ctrl with the wheel
// changes the font.
TEST_F(TextViewerTest, Rollen) {
    ASSERT_TRUE(viewer->Open(datei("viele.txt", zeilen(5000))));
    const int seite = viewer->LinesPerPage();
    const std::pair<Qt::Key, int> tasten[] = {
        {Qt::Key_Down, 1}, {Qt::Key_PageDown, 1 + seite}, {Qt::Key_Up, seite}, {Qt::Key_PageUp, 0}};
    for (auto [taste, oben] : tasten) {
        QTest::keyClick(viewer.get(), taste);
        EXPECT_EQ(zeile(0), "Zeile " + QString::number(oben)) << oben;
    }
    rad(-1);
    EXPECT_EQ(zeile(0), "Zeile " + QString::number(QApplication::wheelScrollLines()));
    viewer->ScrollToEnd();
    viewer->ScrollLineDown(3);
    EXPECT_EQ(zeile(0), "Zeile " + QString::number(5000 - seite));

    const int vorher = viewer->font().pointSize();
    rad(1, Qt::ControlModifier);
    EXPECT_EQ(viewer->font().pointSize(), vorher + 1);
}

// Pressing and dragging selects; dragging below the bottom edge scrolls and extends; a
// selection set with scrolling keeps five lines above it.
TEST_F(TextViewerTest, AuswahlMitMausUndRollen) {
    const QByteArray inhalt = zeilen(500);
    ASSERT_TRUE(viewer->Open(datei("viele.txt", inhalt)));
    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 2));
    QTest::mouseMove(viewer->viewport(), punkt(1, 5));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, punkt(1, 5));
    EXPECT_EQ(viewer->SelText(), "ile 0\r\nZeile");

    // Dragged below the bottom edge: the view follows and the selection grows with it.
    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 0));
    const QPoint unten(50, viewer->viewport()->height() + 20);
    QMouseEvent zug(QEvent::MouseMove, QPointF(unten), viewer->mapToGlobal(QPointF(unten)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewer->viewport(), &zug);
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->Position() > 0; }, 5000));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, unten);
    EXPECT_GE(viewer->SelLength(), viewer->Seite()[viewer->LinesPerPage() - 1].start);

    const qint64 ziel = inhalt.indexOf("Zeile 300\r\n");
    viewer->SetSelection(ziel + 2, 4, true);
    EXPECT_EQ(zeile(0), "Zeile 295");
}

// The first item hands a selection over in a Unicode mode only.
TEST_F(TextViewerTest, PopupMenue) {
    QStringList uebergeben;
    viewer->Suchfenster.inSuchleiste = [&](const QString& t) { uebergeben << t; };
    ASSERT_TRUE(viewer->Open(datei("text.txt", "Hallo Welt")));
    viewer->SetSelection(0, 5);
    std::unique_ptr<QMenu> menue(viewer->ErstellePopupMenue());
    QStringList texte;
    for (QAction* a : menue->actions())
        texte << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texte, (QStringList{"Text in Suchleiste links übertragen", "-", "-", "Encoding..."}));
    menue->actions()[0]->trigger();
    EXPECT_TRUE(uebergeben.isEmpty());
    ASSERT_TRUE(viewer->Open(datei("u.txt", utf16le("Grüße", false))));
    viewer->SetMode(vmUnicode);
    viewer->SetSelection(0, 10);
    menue.reset(viewer->ErstellePopupMenue());
    menue->actions()[0]->trigger();
    EXPECT_EQ(uebergeben, QStringList{"Grüße"});
}

// Every catalogue entry is offered once, under its group; choosing one redraws in it; the
// UTF-16 entries switch to the Unicode mode.
TEST_F(TextViewerTest, KodierungsmenueWaehltUndZeichnetNeu) {
    ASSERT_TRUE(viewer->Open(datei("koi.txt", "\xC4\xC1")));
    std::unique_ptr<QMenu> menue(viewer->ErstelleKodierungsMenue());
    QHash<QString, QAction*> eintraege;
    for (QAction* a : menue->actions()) {
        for (QAction* b : a->menu() ? a->menu()->actions() : QList<QAction*>{a})
            eintraege.insert(a->menu() ? a->text() + " (" + b->text() + ")" : a->text(), b);
    }
    eintraege.remove(QString());
    EXPECT_EQ(eintraege.size(), EncodingAnzahl);
    EXPECT_TRUE(eintraege.value("ANSI (Windows)")->isChecked());
    eintraege.value("Cyrillic (KOI8-R)")->trigger();
    EXPECT_EQ(viewer->TextEncoding(), encCyrKOI8R);
    EXPECT_EQ(zeile(0), "да");
    eintraege.value("Unicode (UTF-16 BE)")->trigger();
    EXPECT_EQ(viewer->Mode(), vmUnicode);
    EXPECT_EQ(zeile(0), QString(QChar(0xC4C1)));
}

TEST_F(TextViewerTest, KopierenInDieZwischenablage) {
    QClipboard* ablage = QGuiApplication::clipboard();
    ASSERT_TRUE(viewer->Open(datei("utf8.txt", "\xC3\x84pfel \x8E")));
    viewer->SetSelection(0, 6);
    bool utf8 = true;
    viewer->Suchfenster.zeigtUtf8Variante = [&] { return utf8; };
    viewer->CopyToClipboard();
    EXPECT_EQ(ablage->text(), "Äpfel");
    utf8 = false;
    viewer->CopyToClipboard();
    EXPECT_EQ(ablage->text(), "\u00C3\u201Epfel");
    viewer->CopyToClipboard(true);
    EXPECT_EQ(ablage->text(), "C3 84 70 66 65 6C");
    viewer->SetTextEncoding(encOEM);
    viewer->SetSelection(7, 1);
    QTest::keyClick(viewer.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ablage->text(), "Ä");
    ASSERT_TRUE(viewer->Open(datei("u.txt", utf16le("Ωmega\r\nx", false))));
    viewer->SetMode(vmUnicode);
    QTest::keyClick(viewer.get(), Qt::Key_A, Qt::ControlModifier);
    viewer->CopyToClipboard();
    EXPECT_EQ(ablage->text(), "Ωmega\r\nx");
}

// A position goes back to its line start; opening the same name again keeps it and the
// selection; an empty name only closes; a missing file is reported each time.
TEST_F(TextViewerTest, PositionUndGleicherName) {
    const QByteArray inhalt = zeilen(500);
    const QString pfad = datei("viele.txt", inhalt);
    ASSERT_TRUE(viewer->Open(pfad));
    const qint64 z = inhalt.indexOf("Zeile 200\r\n");
    viewer->SetPosition(z + 4);
    EXPECT_EQ(viewer->Position(), z);
    viewer->SetSelection(10, 5);
    EXPECT_TRUE(viewer->Open(pfad, true));
    EXPECT_EQ(viewer->Position(), z);
    EXPECT_EQ(viewer->SelStart(), 10);
    EXPECT_TRUE(viewer->Open(QString()));
    EXPECT_EQ(viewer->FileName(), "");
    // A second try is no success just because the name was tried before.
    const QString fehlt = nativ("fehlt.txt");
    EXPECT_FALSE(viewer->Open(fehlt) || viewer->Open(fehlt) || viewer->Size() != 0);
    EXPECT_EQ(notifier.texte(), QStringList(2, "Cannot open file: \"" + fehlt + "\""));
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
}

TEST_F(TextViewerTest, ZeilenendenVorUndZurueck) {
    TViewerDokument d;
    // CR, LF, CR LF, LF CR, then CR CR (two breaks: one empty line) and LF LF.
    ASSERT_TRUE(d.Open(datei("gemischt.txt", "a\rb\nc\r\nd\n\re\r\rf\n\ng")));
    EXPECT_EQ(zeilenstarts(d), "0:a 2:b 4:c 7:d 10:e 12: 13:f 15: 16:g");
    // Backwards over the same breaks; CR LF is never taken as two.
    for (auto [von, erwartet] :
         {std::pair<qint64, qint64>{16, 15}, {10, 7}, {7, 4}, {4, 2}, {2, 0}, {0, 0}})
        EXPECT_EQ(d.PrevLineStart(von), erwartet) << von;

    ASSERT_TRUE(d.Open(datei("le.txt", utf16le("Zeile1\r\nÄrger\nEnde", false))));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeLE);
    EXPECT_EQ(zeilenstarts(d), "0:Zeile1 16:Ärger 28:Ende");
    EXPECT_EQ(d.PrevLineStart(28), 16);
}

// A file renamed over the one shown under the same name (an index run's new document) is
// opened anew: the old view would give the old document's bytes for the new offsets.
TEST_F(TextViewerTest, ErsetzteDateiWirdNeuGeoeffnet) {
    TViewerDokument d;
    const QString a = datei("dok.txt", "alter Text\r\n");
    ASSERT_TRUE(d.Open(a));
    const QString neu = datei("neu.txt", "ein neuer, laengerer Text\r\n");
    ASSERT_EQ(::rename(QFile::encodeName(neu).constData(), QFile::encodeName(a).constData()), 0);
    EXPECT_TRUE(d.Open(a));
    d.SetSelection(0, 25);
    EXPECT_EQ(d.SelText(), "ein neuer, laengerer Text");
    // Gone under its name: not shown any longer either.
    QFile::remove(a);
    EXPECT_FALSE(d.ZeigtDieDatei(a));
}

// A selection is at most 16 MiB of text, cut at the end plus one character; a bad one is
// ignored; the Unicode modes go down to even offsets; ANSI keeps every byte, other pages
// give "?" for what ANSI lacks.
TEST_F(TextViewerTest, AuswahlRegeln) {
    TViewerDokument d;
    QByteArray inhalt(20 << 20, '\0');
    for (qsizetype i = 0; i < inhalt.size(); ++i)
        inhalt[i] = char(i % 256);
    ASSERT_TRUE(d.Open(datei("gross.txt", inhalt)));
    d.SetSelection(3, 20 << 20);
    EXPECT_EQ(d.SelTextAnsi(), inhalt.mid(3, 16 << 20));
    d.SetTextEncoding(encWEuroDOS);
    d.SetSelection(0x8E, 1);
    EXPECT_EQ(d.SelTextAnsi(), "\xC4");

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

    ASSERT_TRUE(d.Open(datei("be.txt", QByteArray("\x00\xC4\x00z\x04\x10", 6))));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeBE);
    d.SetSelection(0, 6);
    EXPECT_EQ(d.SelTextW(), QString::fromUtf16(u"\u00C4z\u0410"));
    EXPECT_EQ(d.SelTextAnsi(), QByteArray("\xC4z?"));
}
