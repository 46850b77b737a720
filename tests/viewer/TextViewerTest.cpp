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
    void TearDown() override {
        viewer.reset();
        Umgebung::TearDown();
    }

    QString datei(const QString& name, const QByteArray& inhalt) {
        schreibe(name, inhalt);
        return nativ(name);
    }
    QStringList seitentexte() const {
        QStringList out;
        for (const auto& z : viewer->Seite())
            out << z.text;
        return out;
    }
    QString ersteZeile() const { return viewer->Seite().value(0).text; }
    int breite(const QString& text) const {
        return QFontMetrics(viewer->font()).horizontalAdvance(text);
    }
    // The point in the middle of line `zeile`, `zeichen` characters into it.
    QPoint punkt(int zeile, int zeichen) const {
        const auto& z = viewer->Seite().at(zeile);
        const int x = 2 + breite(z.anzeige.left(z.spalten[zeichen]));
        return {x, zeile * viewer->Zeilenhoehe() + viewer->Zeilenhoehe() / 2};
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

QString zeile(int i) {
    return "Zeile " + QString::number(i);
}

} // namespace

// A fresh viewer shows unwrapped 8-bit ANSI text: one line per break, CR LF never two, a line
// of 5,000 characters in three, one 1252 character per byte; tabs to the next multiple of a
// size within 1 to 16.
TEST_F(TextViewerTest, ZeilenUndTabulatoren) {
    EXPECT_EQ(viewer->Mode(), vmText);
    EXPECT_EQ(viewer->TextEncoding(), encANSI);
    EXPECT_FALSE(viewer->TextWrap());
    ASSERT_TRUE(viewer->Open(
        datei("z.txt", "eins\rzwei\ndrei\r\nvier\n\rf\xC3\xBCnf\n" + QByteArray(5000, 'x'))));
    EXPECT_EQ(seitentexte(),
              (QStringList{"eins", "zwei", "drei", "vier", "f\u00C3\u00BCnf", QString(2048, 'x'),
                           QString(2048, 'x'), QString(904, 'x')}));
    ASSERT_TRUE(viewer->Open(datei("tab.txt", "a\tb\n12345678\tc")));
    EXPECT_EQ(viewer->Seite()[0].anzeige, "a       b");
    EXPECT_EQ(viewer->Seite()[1].anzeige, "12345678        c");
    for (auto [groesse, erwartet] :
         {std::pair{4, "a   b"}, {0, "a b"}, {40, "a               b"}}) {
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
            const auto& z = seite[i];
            zusammen += z.text;
            EXPECT_LE(breite(z.anzeige), viewer->Textbreite()) << i;
            if (i + 1 == seite.size())
                continue;
            EXPECT_EQ(z.naechste, seite[i + 1].start);
            const QString weiter = text.contains(' ') ? seite[i + 1].text.section(' ', 0, 0) + ' '
                                                      : seite[i + 1].text.left(1);
            EXPECT_EQ(z.text.endsWith(' '), text.contains(' ')) << i;
            EXPECT_GT(breite(z.anzeige + weiter), viewer->Textbreite()) << i;
        }
        EXPECT_EQ(zusammen, QString::fromLatin1(text));
    }
    // The last character that fits is a blank: the cut comes right after it.
    int n = 1;
    while (breite("a " + QString(n + 1, 'a') + ' ') <= viewer->Textbreite())
        ++n;
    const QString genau = "a " + QString(n, 'a') + ' ';
    ASSERT_TRUE(viewer->Open(datei("genau.txt", (genau + "aaaa").toLatin1())));
    EXPECT_EQ(ersteZeile(), genau);
}

TEST_F(TextViewerTest, StrgEndeZeigtDasEndeEinerFuenfGiBDatei) {
    const QString pfad = nativ("riesig.bin");
    const qint64 groesse = qint64(5) << 30;
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(groesse));
        ASSERT_TRUE(f.seek(groesse - 14));
        f.write("\r\nletzte Zeile");
    }
    QStringList gezeichnet;
    qint64 ansicht = -1;
    viewer->Suchfenster.zeileGezeichnet = [&](const QString& z) { gezeichnet << z; };
    viewer->Suchfenster.memoLeeren = [&] { gezeichnet.clear(); };
    viewer->Suchfenster.ansichtPosition = [&](qint64 p) { ansicht = p; };
    EXPECT_EQ(viewer->Dokument().OffsetStellen(), 8);
    ASSERT_TRUE(viewer->Open(pfad));
    // 140000000 hex has nine digits, rounded up to ten.
    EXPECT_EQ(viewer->Dokument().OffsetStellen(), 10);
    QTest::keyClick(viewer.get(), Qt::Key_End, Qt::ControlModifier);
    viewer->viewport()->repaint();
    ASSERT_EQ(gezeichnet.size(), viewer->LinesPerPage());
    EXPECT_EQ(gezeichnet.last(), "letzte Zeile");
    // Before it, the zeros form lines of 2048 characters.
    EXPECT_EQ(gezeichnet[gezeichnet.size() - 2], QString(2048, QChar(0)));
    EXPECT_EQ(ansicht, viewer->Position());
    // The scroll bar stands at its end, within its 32,767 steps.
    QScrollBar* v = viewer->verticalScrollBar();
    EXPECT_EQ(v->maximum(), 32767);
    EXPECT_GE(v->value(), 32766);
    QTest::keyClick(viewer.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(viewer->Position(), 0);
}

// Keys, wheel and scroll bar move by lines and pages, never beyond the last page.
TEST_F(TextViewerTest, Rollen) {
    ASSERT_TRUE(viewer->Open(datei("viele.txt", zeilen(5000))));
    const int seite = viewer->LinesPerPage();
    ASSERT_GT(seite, 3);
    int gerollt = 0;
    viewer->OnScroll = [&] { ++gerollt; };
    const std::pair<Qt::Key, int> tasten[] = {
        {Qt::Key_Down, 1}, {Qt::Key_PageDown, 1 + seite}, {Qt::Key_Up, seite}, {Qt::Key_PageUp, 0}};
    for (auto [taste, oben] : tasten) {
        QTest::keyClick(viewer.get(), taste);
        EXPECT_EQ(ersteZeile(), zeile(oben)) << oben;
    }
    rad(-1);
    EXPECT_EQ(ersteZeile(), zeile(QApplication::wheelScrollLines()));
    viewer->ScrollToEnd();
    const qint64 ende = viewer->Position();
    EXPECT_EQ(ersteZeile(), zeile(5000 - seite));
    viewer->ScrollLineDown(3);
    EXPECT_EQ(viewer->Position(), ende);

    gerollt = 0;
    QScrollBar* v = viewer->verticalScrollBar();
    v->triggerAction(QAbstractSlider::SliderToMinimum);
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ersteZeile(), zeile(1));
    // Dragging the thumb to the middle lands on a line start near the middle.
    v->setSliderDown(true);
    v->setSliderPosition(v->maximum() / 2);
    v->setSliderDown(false);
    EXPECT_EQ(gerollt, 3);
    EXPECT_NEAR(double(viewer->Position()), double(viewer->Size()) / 2, 20.0);
    EXPECT_TRUE(ersteZeile().startsWith("Zeile "));

    int optionen = 0;
    viewer->OnOptionsChange = [&] { ++optionen; };
    const int vorher = viewer->font().pointSize();
    rad(1, Qt::ControlModifier);
    EXPECT_EQ(viewer->font().pointSize(), vorher + 1);
    EXPECT_EQ(optionen, 1);

    ASSERT_TRUE(viewer->Open(datei("breit.txt", QByteArray(1500, 'w') + "\n")));
    rad(-1, Qt::ShiftModifier);
    EXPECT_EQ(viewer->PosHorz(), QApplication::wheelScrollLines());
    QTest::keyClick(viewer.get(), Qt::Key_End);
    EXPECT_EQ(viewer->PosHorz(), viewer->horizontalScrollBar()->maximum());
    EXPECT_GT(viewer->PosHorz(), 1000);
    QTest::keyClick(viewer.get(), Qt::Key_Home);
    EXPECT_EQ(viewer->PosHorz(), 0);
}

// Pressing and dragging selects; dragging below the bottom edge scrolls and extends; a
// selection set with scrolling keeps five lines above it.
TEST_F(TextViewerTest, AuswahlMitMausUndRollen) {
    const QByteArray inhalt = zeilen(500);
    ASSERT_TRUE(viewer->Open(datei("viele.txt", inhalt)));
    int meldungen = 0;
    viewer->OnSelectionChange = [&] { ++meldungen; };
    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 2));
    EXPECT_EQ(viewer->SelStart(), 2);
    EXPECT_EQ(viewer->SelLength(), 0);
    QTest::mouseMove(viewer->viewport(), punkt(1, 5));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, punkt(1, 5));
    EXPECT_EQ(viewer->SelText(), "ile 0\r\nZeile");
    EXPECT_GE(meldungen, 2);

    QTest::mousePress(viewer->viewport(), Qt::LeftButton, {}, punkt(0, 0));
    const QPoint unten(50, viewer->viewport()->height() + 20);
    QMouseEvent zug(QEvent::MouseMove, QPointF(unten),
                    viewer->viewport()->mapToGlobal(QPointF(unten)), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(viewer->viewport(), &zug);
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->Position() > 0; }, 5000));
    QTest::mouseRelease(viewer->viewport(), Qt::LeftButton, {}, unten);
    EXPECT_EQ(viewer->SelStart(), 0);
    EXPECT_GE(viewer->SelLength(), viewer->Seite()[viewer->LinesPerPage() - 1].start);

    const qint64 ziel = inhalt.indexOf("Zeile 300\r\n");
    viewer->SetSelection(ziel + 2, 4, true);
    EXPECT_EQ(ersteZeile(), zeile(295));
    EXPECT_EQ(viewer->Seite()[5].start, ziel);
    // Already visible: no scrolling.
    viewer->SetSelection(ziel + 11 * 2, 2, true);
    EXPECT_EQ(ersteZeile(), zeile(295));
}

TEST_F(TextViewerTest, SuchfensterHakenBeimZeichnen) {
    ASSERT_TRUE(viewer->Open(datei("drei.txt", "eins\r\nzwei\r\ndrei")));
    QStringList protokoll;
    QRect memo;
    bool sucht = false;
    viewer->Suchfenster.sucheLaeuft = [&] { return sucht; };
    viewer->Suchfenster.memoLeeren = [&] { protokoll << "leeren"; };
    viewer->Suchfenster.zeileGezeichnet = [&](const QString& z) { protokoll << z; };
    viewer->Suchfenster.zeichnenFertig = [&] { protokoll << "fertig"; };
    viewer->Suchfenster.memoFlaeche = [&](const QRect& r) { memo = r; };
    viewer->Redraw();
    viewer->viewport()->repaint();
    EXPECT_EQ(protokoll, (QStringList{"leeren", "eins", "zwei", "drei", "fertig"}));
    // Without a scroll bar the memo fills the frame's inside; with one it stops left of the
    // bar, which stays usable.
    EXPECT_EQ(memo.top(), 1);
    EXPECT_EQ(memo.bottomRight(), QPoint(viewer->width() - 2, viewer->height() - 2));
    protokoll.clear();
    sucht = true;
    viewer->viewport()->repaint();
    EXPECT_TRUE(protokoll.isEmpty());
    ASSERT_TRUE(viewer->Open(datei("viele.txt", zeilen(500))));
    // The bar shows up once the event loop has laid the area out anew.
    QCoreApplication::processEvents();
    const QScrollBar* balken = viewer->verticalScrollBar();
    ASSERT_TRUE(balken->isVisible());
    EXPECT_LT(memo.right(), balken->mapTo(viewer.get(), QPoint(0, 0)).x());
    EXPECT_EQ(memo.bottom(), viewer->height() - 2);
}

TEST_F(TextViewerTest, PopupMenue) {
    ASSERT_TRUE(viewer->Open(datei("text.txt", "Hallo Welt")));
    std::unique_ptr<QMenu> menue(viewer->ErstellePopupMenue());
    QStringList texte;
    for (QAction* a : menue->actions())
        texte << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texte, (QStringList{"Text in Suchleiste links übertragen", "-", "-", "Encoding..."}));
    EXPECT_FALSE(menue->actions()[0]->isEnabled());
    EXPECT_TRUE(menue->actions()[3]->isEnabled() && menue->actions()[3]->isVisible());

    viewer->SetSelection(0, 5);
    viewer->setTextPopupCommands(pcCopy | pcCopyHex | pcSelectLine | pcSelectAll);
    menue.reset(viewer->ErstellePopupMenue());
    EXPECT_TRUE(menue->actions()[0]->isEnabled());
    EXPECT_FALSE(menue->actions()[3]->isVisible());

    // In 8-bit modes the first item does nothing; in a Unicode mode it hands over UTF-16.
    QStringList uebergeben;
    viewer->Suchfenster.inSuchleiste = [&](const QString& t) { uebergeben << t; };
    menue->actions()[0]->trigger();
    EXPECT_TRUE(uebergeben.isEmpty());
    ASSERT_TRUE(viewer->Open(datei("u.txt", utf16le("Grüße", false))));
    viewer->SetMode(vmUnicode);
    viewer->SetSelection(0, 10);
    menue.reset(viewer->ErstellePopupMenue());
    menue->actions()[0]->trigger();
    EXPECT_EQ(uebergeben, QStringList{"Grüße"});

    // An empty source disables both items, draws nothing and does not scroll.
    ASSERT_TRUE(viewer->Open(datei("leer.txt", "")));
    menue.reset(viewer->ErstellePopupMenue());
    EXPECT_FALSE(menue->actions()[0]->isEnabled() || menue->actions()[3]->isEnabled());
    EXPECT_TRUE(viewer->Seite().isEmpty());
    viewer->ScrollToEnd();
    viewer->ScrollLineDown(5);
    EXPECT_EQ(viewer->Position(), 0);
}

// Every catalogue entry is offered once, under its group, and can be chosen when its code page
// is there; choosing redraws in it; the UTF-16 entries switch to the Unicode mode.
TEST_F(TextViewerTest, KodierungsmenueWaehltUndZeichnetNeu) {
    ASSERT_TRUE(viewer->Open(datei("koi.txt", "\xC4\xC1")));
    std::unique_ptr<QMenu> menue(viewer->ErstelleKodierungsMenue());
    QHash<QString, QAction*> eintraege;
    for (QAction* a : menue->actions()) {
        if (a->menu()) {
            for (QAction* b : a->menu()->actions())
                eintraege.insert(a->text() + " (" + b->text() + ")", b);
        } else if (!a->isSeparator()) {
            eintraege.insert(a->text(), a);
        }
    }
    ASSERT_EQ(eintraege.size(), EncodingAnzahl);
    for (int e = 0; e < EncodingAnzahl; ++e) {
        QAction* a = eintraege.value(EncodingName(TTextEncoding(e)));
        ASSERT_NE(a, nullptr) << e;
        EXPECT_EQ(a->isEnabled(), EncodingAvailable(TTextEncoding(e)) || e >= encUnicodeLE) << e;
        EXPECT_EQ(a->isChecked(), e == encANSI) << e;
    }
    int optionen = 0;
    viewer->OnOptionsChange = [&] { ++optionen; };
    eintraege.value("Cyrillic (KOI8-R)")->trigger();
    EXPECT_EQ(viewer->TextEncoding(), encCyrKOI8R);
    EXPECT_EQ(optionen, 1);
    EXPECT_EQ(ersteZeile(), "да");
    eintraege.value("Unicode (UTF-16 BE)")->trigger();
    EXPECT_EQ(viewer->Mode(), vmUnicode);
    EXPECT_EQ(ersteZeile(), QString(QChar(0xC4C1)));
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
    EXPECT_EQ(viewer->SelStart(), 0);
    viewer->CopyToClipboard();
    EXPECT_EQ(ablage->text(), "Ωmega\r\nx");
    EXPECT_TRUE(notifier.meldungen().empty());
}

// A position goes back to its line start; opening the same name again keeps it and the
// selection without reading; an empty name only closes.
TEST_F(TextViewerTest, PositionAufZeilenanfangUndGleicherNameBehaeltSie) {
    const QByteArray inhalt = zeilen(500);
    const QString pfad = datei("viele.txt", inhalt);
    ASSERT_TRUE(viewer->Open(pfad));
    const qint64 z = inhalt.indexOf("Zeile 200\r\n");
    viewer->SetPosition(z + 4);
    EXPECT_EQ(viewer->Position(), z);
    viewer->SetSelection(10, 5);
    const qint64 gelesen = viewer->Dokument().Lesevorgaenge();
    EXPECT_TRUE(viewer->Open(pfad, true));
    EXPECT_EQ(viewer->Position(), z);
    EXPECT_EQ(viewer->SelStart(), 10);
    EXPECT_EQ(viewer->Dokument().Lesevorgaenge(), gelesen);
    EXPECT_TRUE(viewer->Open(QString()));
    EXPECT_EQ(viewer->FileName(), "");
    const QString fehlt = nativ("gibtsnicht.txt");
    EXPECT_FALSE(viewer->Open(fehlt));
    EXPECT_EQ(viewer->Size(), 0);
    EXPECT_EQ(notifier.texte(), QStringList{"Cannot open file: \"" + fehlt + "\""});
}

// The dump modes show 16 bytes a line: the last page starts on such a line.
TEST_F(TextViewerTest, DumpZeilenZuSechzehnBytes) {
    ASSERT_TRUE(viewer->Open(datei("bin.dat", QByteArray(1000, 'b'))));
    viewer->SetMode(vmHex);
    viewer->ScrollToEnd();
    EXPECT_EQ(viewer->Position(), 992 - (viewer->LinesPerPage() - 1) * 16);
}

TEST_F(TextViewerTest, NeuLadenBeiAenderungFolgtDemEnde) {
    const QString pfad = datei("log.txt", zeilen(300));
    ASSERT_TRUE(viewer->Open(pfad));
    int neuGeladen = 0;
    viewer->OnFileReload = [&] { ++neuGeladen; };
    viewer->setAutoReload(true);
    viewer->ScrollToEnd();
    const qint64 alteGroesse = viewer->Size();
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("Zeile neu\r\n");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->Size() > alteGroesse; }, 5000));
    EXPECT_EQ(neuGeladen, 1);
    EXPECT_EQ(seitentexte().size(), viewer->LinesPerPage());
    EXPECT_EQ(seitentexte().last(), "Zeile neu");
}
