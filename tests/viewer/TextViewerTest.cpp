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
    int breite(const QString& t) const { return QFontMetrics(viewer->font()).horizontalAdvance(t); }
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

// Every line start from the beginning, as line-down steps see them, with its text.
QString zeilenstarts(const TViewerDokument& d) {
    QStringList out;
    for (qint64 p = 0; p < d.Size(); p = d.NextLineStart(p))
        out << QString::number(p) + ':' + d.Text(p, d.ZeilenEnde(p));
    return out.join(' ');
}

} // namespace

// Fresh: unwrapped ANSI, one line per break (CR LF one), 5,000 characters in three lines, one
// character per byte; tabs to a multiple of 1 to 16. Wrapped, each line fits and the next piece
// would not: cut after the last blank that fits, else at the last character that fits.
TEST_F(TextViewerTest, ZeilenTabulatorenUndUmbruch) {
    EXPECT_TRUE(viewer->TextEncoding() == encANSI && !viewer->TextWrap());
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
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.resize(groesse) && f.seek(groesse - 14));
    ASSERT_EQ(f.write("\r\nletzte Zeile"), 14);
    f.close();
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

// Keys, wheel and a drag below the edge scroll, never beyond the last page; a selection set
// with scrolling keeps five lines above it; Ctrl with the wheel changes the font. A position
// goes back to its line start and survives opening the same name again.
TEST_F(TextViewerTest, RollenAuswahlUndPosition) {
    QByteArray inhalt;
    for (int i = 0; i < 5000; ++i)
        inhalt += "Zeile " + QByteArray::number(i) + "\r\n";
    const QString pfad = datei("viele.txt", inhalt);
    ASSERT_TRUE(viewer->Open(pfad));
    const int seite = viewer->LinesPerPage();
    for (auto [taste, oben] : {std::pair{Qt::Key_Down, 1},
                               {Qt::Key_PageDown, 1 + seite},
                               {Qt::Key_Up, seite},
                               {Qt::Key_PageUp, 0}}) {
        QTest::keyClick(viewer.get(), taste);
        EXPECT_EQ(zeile(0), "Zeile " + QString::number(oben)) << oben;
    }
    rad(-1);
    EXPECT_EQ(zeile(0), "Zeile " + QString::number(QApplication::wheelScrollLines()));
    viewer->ScrollToEnd();
    viewer->ScrollLineDown(3);
    EXPECT_EQ(zeile(0), "Zeile " + QString::number(5000 - seite));

    viewer->ScrollToBegin();
    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 2));
    QTest::mouseMove(viewer->viewport(), punkt(1, 5));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, punkt(1, 5));
    EXPECT_EQ(viewer->SelText(), "ile 0\r\nZeile");
    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 0));
    const QPoint unten(50, viewer->viewport()->height() + 20);
    QMouseEvent zug(QEvent::MouseMove, QPointF(unten), viewer->mapToGlobal(QPointF(unten)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewer->viewport(), &zug);
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->Position() > 0; }, 5000));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, unten);
    EXPECT_GE(viewer->SelLength(), viewer->Seite()[viewer->LinesPerPage() - 1].start);
    viewer->SetSelection(inhalt.indexOf("Zeile 300\r\n") + 2, 4, true);
    EXPECT_EQ(zeile(0), "Zeile 295");
    const int vorher = viewer->font().pointSize();
    rad(1, Qt::ControlModifier);
    EXPECT_EQ(viewer->font().pointSize(), vorher + 1);

    const qint64 z = inhalt.indexOf("Zeile 200\r\n");
    viewer->SetPosition(z + 4);
    EXPECT_EQ(viewer->Position(), z);
    viewer->SetSelection(10, 5);
    EXPECT_TRUE(viewer->Open(pfad, true));
    EXPECT_EQ(std::pair(viewer->Position(), viewer->SelStart()), std::pair(z, qint64(10)));
    EXPECT_TRUE(viewer->Open(QString()) && viewer->FileName().isEmpty());
    // A second try is no success just because the name was tried before.
    const QString fehlt = nativ("fehlt.txt");
    EXPECT_FALSE(viewer->Open(fehlt) || viewer->Open(fehlt) || viewer->Size() != 0);
    EXPECT_EQ(notifier.texte(), QStringList(2, "Cannot open file: \"" + fehlt + "\""));
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
}

// The popup's first item hands a selection over in a Unicode mode only; copying follows the
// variant shown, as hex on demand; every encoding is offered once, under its group, and
// choosing one redraws in it, the UTF-16 entries in the Unicode mode.
TEST_F(TextViewerTest, MenuesUndZwischenablage) {
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

    ASSERT_TRUE(viewer->Open(datei("utf8.txt", "\xC3\x84pfel \x8E")));
    viewer->SetSelection(0, 6);
    bool utf8 = true;
    viewer->Suchfenster.zeigtUtf8Variante = [&] { return utf8; };
    viewer->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Äpfel");
    utf8 = false;
    viewer->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "\u00C3\u201Epfel");
    viewer->CopyToClipboard(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "C3 84 70 66 65 6C");
    viewer->SetTextEncoding(encOEM);
    viewer->SetSelection(7, 1);
    QTest::keyClick(viewer.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ä");
    ASSERT_TRUE(viewer->Open(datei("u.txt", utf16le("Ωmega\r\nx", false))));
    viewer->SetMode(vmUnicode);
    QTest::keyClick(viewer.get(), Qt::Key_A, Qt::ControlModifier);
    viewer->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ωmega\r\nx");
    viewer->SetSelection(0, 10);
    menue.reset(viewer->ErstellePopupMenue());
    menue->actions()[0]->trigger();
    EXPECT_EQ(uebergeben, QStringList{"Ωmega"});

    viewer->SetMode(vmText);
    viewer->SetTextEncoding(encANSI);
    ASSERT_TRUE(viewer->Open(datei("koi.txt", "\xC4\xC1")));
    menue.reset(viewer->ErstelleKodierungsMenue());
    QHash<QString, QAction*> eintraege;
    for (QAction* a : menue->actions())
        for (QAction* b : a->menu() ? a->menu()->actions() : QList<QAction*>{a})
            eintraege.insert(a->menu() ? a->text() + " (" + b->text() + ")" : a->text(), b);
    eintraege.remove(QString());
    EXPECT_EQ(eintraege.size(), EncodingAnzahl);
    EXPECT_TRUE(eintraege.value("ANSI (Windows)")->isChecked());
    eintraege.value("Cyrillic (KOI8-R)")->trigger();
    EXPECT_EQ(std::pair(viewer->TextEncoding(), zeile(0)), std::pair(encCyrKOI8R, QString("да")));
    eintraege.value("Unicode (UTF-16 BE)")->trigger();
    EXPECT_EQ(std::pair(viewer->Mode(), zeile(0)), std::pair(vmUnicode, QString(QChar(0xC4C1))));
}

// Line breaks of every kind both ways; a file renamed over the one shown is opened anew; a
// selection is at most 16 MiB, cut at the end plus one, a bad one ignored, even in the Unicode
// modes; ANSI keeps every byte, other pages give "?" for what ANSI lacks.
TEST_F(TextViewerTest, DokumentZeilenErsetzteDateiUndAuswahl) {
    TViewerDokument d;
    ASSERT_TRUE(d.Open(datei("gemischt.txt", "a\rb\nc\r\nd\n\re\r\rf\n\ng")));
    EXPECT_EQ(zeilenstarts(d), "0:a 2:b 4:c 7:d 10:e 12: 13:f 15: 16:g");
    for (auto [von, erwartet] :
         {std::pair<qint64, qint64>{16, 15}, {10, 7}, {7, 4}, {4, 2}, {2, 0}, {0, 0}})
        EXPECT_EQ(d.PrevLineStart(von), erwartet) << von;
    ASSERT_TRUE(d.Open(datei("le.txt", utf16le("Zeile1\r\nÄrger\nEnde", false))));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeLE);
    EXPECT_EQ(zeilenstarts(d), "0:Zeile1 16:Ärger 28:Ende");
    EXPECT_EQ(d.PrevLineStart(28), 16);
    d.SetMode(vmText);
    d.SetTextEncoding(encANSI);

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
    EXPECT_EQ(std::pair(d.SelStart(), d.SelLength()), std::pair(qint64(10), qint64(20)));
    d.SetSelection(90, 1000);
    EXPECT_EQ(std::pair(d.SelLength(), d.SelText().size()), std::pair(qint64(11), qsizetype(10)));
    d.SetMode(vmUnicode);
    d.SetSelection(5, 7);
    EXPECT_EQ(std::pair(d.SelStart(), d.SelLength()), std::pair(qint64(4), qint64(6)));

    ASSERT_TRUE(d.Open(datei("be.txt", QByteArray("\x00\xC4\x00z\x04\x10", 6))));
    d.SetMode(vmUnicode);
    d.SetTextEncoding(encUnicodeBE);
    d.SetSelection(0, 6);
    EXPECT_EQ(d.SelTextW(), QString::fromUtf16(u"\u00C4z\u0410"));
    EXPECT_EQ(d.SelTextAnsi(), QByteArray("\xC4z?"));
}
