#include "viewer/TextViewer.h"

#include "viewer/KodierungsMenue.h"

#include "platform/Ansi.h"
#include "platform/Notifier.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileSystemWatcher>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int Rand = 2;
constexpr int MaxSeitenzeilen = 200;
constexpr int ZiehSchrittHorz = 20;

QString hex(qint64 wert, int stellen) {
    return QStringLiteral("%1").arg(wert, stellen, 16, QLatin1Char('0')).toUpper();
}

QChar sichtbar(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F ? QLatin1Char('.') : c;
}

} // namespace

TTextViewer::TTextViewer(Notifier& notifier, QWidget* parent)
    : QAbstractScrollArea(parent), notifier_(notifier), fontOem_(QStringLiteral("Terminal"), 9),
      fontFooter_(QStringLiteral("Arial"), 9) {
    dok_.SetNotifier(&notifier_);
    QFont schrift(QStringLiteral("Courier New"), 10);
    schrift.setStyleHint(QFont::TypeWriter);
    setFont(schrift);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 150);

    ziehTimer_ = new QTimer(this);
    ziehTimer_->setInterval(50);
    connect(ziehTimer_, &QTimer::timeout, this, &TTextViewer::ziehTakt);
    schwenkTimer_ = new QTimer(this);
    schwenkTimer_->setInterval(100);
    connect(schwenkTimer_, &QTimer::timeout, this, &TTextViewer::schwenkTakt);

    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &TTextViewer::vertikaleAktion);
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this,
            &TTextViewer::aktualisiereRollbalken);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            &TTextViewer::horizontaleAktion);
}

TTextViewer::~TTextViewer() = default;

// ---- source and mode ----

bool TTextViewer::Open(const QString& nativerDateiname, bool redraw) {
    if (!nativerDateiname.isEmpty() && dok_.ZeigtDieDatei(nativerDateiname))
        return true;
    const bool ok = dok_.Open(nativerDateiname);
    horz_ = 0;
    beobachte();
    if (redraw)
        geaendert();
    else
        aktualisiereRollbalken();
    return ok;
}

bool TTextViewer::OpenStream(QIODevice* stream, bool redraw) {
    const bool ok = dok_.OpenStream(stream);
    horz_ = 0;
    beobachte();
    if (redraw)
        geaendert();
    else
        aktualisiereRollbalken();
    return ok;
}

void TTextViewer::SetMode(TViewerMode modus) {
    if (modus == dok_.Mode())
        return;
    dok_.SetMode(modus);
    horz_ = 0;
    setzePosition(zeilenstartVon(Position()));
    geaendert();
}

void TTextViewer::SetTextEncoding(TTextEncoding kodierung) {
    dok_.SetTextEncoding(kodierung);
    geaendert();
}

void TTextViewer::Reload() {
    dok_.Reload();
    geaendert();
}

void TTextViewer::Redraw() {
    geaendert();
}

// ---- metrics ----

QFont TTextViewer::schrift() const {
    return textOemSpecial_ && TextEncoding() == encOEM ? fontOem_ : font();
}

int TTextViewer::linkerRand() const {
    return Rand + (textGutter_ ? textGutterWidth_ : 0);
}

int TTextViewer::Textbreite() const {
    return std::max(1, viewport()->width() - linkerRand());
}

int TTextViewer::zellbreite() const {
    return std::max(1, QFontMetrics(schrift()).horizontalAdvance(QLatin1Char('0')));
}

int TTextViewer::zeichenbreite() const {
    return std::max(1, QFontMetrics(schrift()).averageCharWidth());
}

// The height a text layout gives a line of this font (its exact height, rounded up), so
// that an edit control over the viewer with the same font shows its lines on the same
// places.
int TTextViewer::Zeilenhoehe() const {
    return std::max(1, int(std::ceil(QFontMetricsF(schrift()).height())));
}

int TTextViewer::LinesPerPage() const {
    return std::clamp((viewport()->height() - 2) / Zeilenhoehe(), 0, MaxSeitenzeilen);
}

// ---- text-mode lines ----

void TTextViewer::bereite(VisuelleZeile& z) const {
    const qsizetype n = z.text.size();
    z.spalten.resize(n + 1);
    z.anzeige.clear();
    z.anzeige.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        z.spalten[i] = int(z.anzeige.size());
        const QChar c = z.text.at(i);
        if (c == QLatin1Char('\t')) {
            const qsizetype bis = (z.anzeige.size() / tabSize_ + 1) * tabSize_;
            z.anzeige.append(QString(bis - z.anzeige.size(), QLatin1Char(' ')));
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            // Control characters get a visible picture only when asked for.
            z.anzeige.append(textNonPrintable_
                                 ? QChar(c.unicode() == 0x7F ? 0x2421 : 0x2400 + c.unicode())
                                 : QChar(QLatin1Char(' ')));
        } else {
            z.anzeige.append(c);
        }
    }
    z.spalten[n] = int(z.anzeige.size());
}

int TTextViewer::breiteBis(const VisuelleZeile& z, int k) const {
    return QFontMetrics(schrift()).horizontalAdvance(z.anzeige, z.spalten[k]);
}

// The largest character count whose drawn width stays within breite. Single glyph widths
// give the estimate, the whole-string measure (which also sees kerning) decides.
int TTextViewer::letzteDiePasst(const VisuelleZeile& z, int breite) const {
    const QFontMetrics fm(schrift());
    int x = 0;
    int spalte = 0;
    for (; spalte < z.anzeige.size(); ++spalte) {
        x += fm.horizontalAdvance(z.anzeige.at(spalte));
        if (x > breite)
            break;
    }
    const int n = int(z.text.size());
    int k =
        int(std::upper_bound(z.spalten.begin(), z.spalten.end(), spalte) - z.spalten.begin()) - 1;
    k = std::clamp(k, 0, n);
    while (k > 0 && breiteBis(z, k) > breite)
        --k;
    while (k < n && breiteBis(z, k + 1) <= breite)
        ++k;
    return k;
}

int TTextViewer::zeichenBei(const VisuelleZeile& z, int x) const {
    if (x <= 0)
        return 0;
    const int k = letzteDiePasst(z, x);
    if (k < z.text.size() && breiteBis(z, k + 1) - x < x - breiteBis(z, k))
        return k + 1;
    return k;
}

TTextViewer::VisuelleZeile TTextViewer::zeileAb(qint64 start) const {
    VisuelleZeile z;
    z.start = start;
    z.ende = dok_.ZeilenEnde(start);
    z.text = dok_.Text(start, z.ende);
    bereite(z);
    if (textWrap_ && !z.text.isEmpty()) {
        const int breite = Textbreite();
        if (breiteBis(z, int(z.text.size())) > breite) {
            int k = std::max(1, letzteDiePasst(z, breite));
            const qsizetype leer = z.text.lastIndexOf(QLatin1Char(' '), k - 1);
            if (leer >= 0)
                k = int(leer) + 1;
            z.text.truncate(k);
            z.spalten.resize(k + 1);
            z.anzeige.truncate(z.spalten[k]);
            z.ende = start + qint64(k) * dok_.CharSize();
            z.naechste = z.ende;
            return z;
        }
    }
    z.naechste = dok_.NextLineStart(start);
    return z;
}

qint64 TTextViewer::vorherigeZeile(qint64 pos) const {
    if (pos <= 0)
        return 0;
    const qint64 anfang = dok_.PrevLineStart(pos);
    if (!textWrap_)
        return anfang;
    qint64 s = anfang;
    for (;;) {
        const qint64 weiter = zeileAb(s).naechste;
        if (weiter >= pos || weiter <= s)
            return s;
        s = weiter;
    }
}

qint64 TTextViewer::zeilenstartVon(qint64 pos) const {
    pos = std::clamp<qint64>(pos, 0, Size());
    if (!textmodus()) {
        const qint64 bpl = bytesProZeile();
        return pos / bpl * bpl;
    }
    qint64 s = dok_.ZeilenAnfang(pos);
    if (!textWrap_)
        return s;
    for (;;) {
        const qint64 weiter = zeileAb(s).naechste;
        if (weiter > pos || weiter <= s)
            return s;
        s = weiter;
    }
}

qint64 TTextViewer::letzteSeite() const {
    if (leer())
        return 0;
    const int zeilen = std::max(1, LinesPerPage());
    if (!textmodus()) {
        const qint64 bpl = bytesProZeile();
        const qint64 letzte = (Size() - 1) / bpl * bpl;
        return std::max<qint64>(0, letzte - qint64(zeilen - 1) * bpl);
    }
    qint64 p = Size();
    for (int i = 0; i < zeilen && p > 0; ++i)
        p = vorherigeZeile(p);
    return p;
}

QVector<TTextViewer::VisuelleZeile> TTextViewer::Seite() const {
    QVector<VisuelleZeile> seite;
    if (!textmodus() || leer())
        return seite;
    const int anzahl = std::min(LinesPerPage() + 1, MaxSeitenzeilen);
    qint64 p = Position();
    for (int i = 0; i < anzahl && p < Size(); ++i) {
        VisuelleZeile z = zeileAb(p);
        const qint64 weiter = z.naechste;
        seite.append(std::move(z));
        if (weiter <= p)
            break;
        p = weiter;
    }
    return seite;
}

// ---- dump modes ----

qint64 TTextViewer::bytesProZeile() const {
    const int spalten = std::max(1, Textbreite() / zellbreite());
    const int offset = dok_.OffsetStellen();
    switch (Mode()) {
    case vmBinary:
        return textWidthFit_ ? spalten : std::max(1, textWidth_);
    case vmHex:
        return textWidthFitHex_ ? std::max(1, (spalten - offset - 3) / 4)
                                : std::max(1, textWidthHex_);
    case vmUHex:
        return 2 * qint64(textWidthFitUHex_ ? std::max(1, (spalten - offset - 3) / 6)
                                            : std::max(1, textWidthUHex_));
    default:
        return qint64(TViewerDokument::MaxZeilenlaenge) * dok_.CharSize();
    }
}

int TTextViewer::hexSpalten() const {
    const int bpl = int(bytesProZeile());
    const int offset = dok_.OffsetStellen() + 2;
    switch (Mode()) {
    case vmHex:
        return offset + bpl * 3 + 1 + bpl;
    case vmUHex:
        return offset + bpl / 2 * 5 + 1 + bpl / 2;
    default:
        return bpl;
    }
}

// ---- drawing ----

void TTextViewer::paintEvent(QPaintEvent*) {
    const qreal dpr = viewport()->devicePixelRatioF();
    const QSize groesse = viewport()->size() * dpr;
    const bool neu = bild_.size() != groesse;
    if (neu) {
        bild_ = QPixmap(groesse);
        bild_.setDevicePixelRatio(dpr);
    }
    QVector<VisuelleZeile> seite = Seite();
    // After a failed read the old picture stays.
    if (!dok_.Lesefehler() || neu) {
        QPainter p(&bild_);
        const QRect flaeche(QPoint(0, 0), viewport()->size());
        p.fillRect(flaeche, palette().color(QPalette::Base));
        if (!dok_.Lesefehler() && !leer()) {
            p.setFont(schrift());
            p.setClipRect(flaeche.adjusted(linkerRand(), 0, 0, 0));
            if (textmodus())
                zeichneText(p, seite);
            else
                zeichneDump(p);
            p.setClipping(false);
        }
        if (textGutter_)
            p.fillRect(QRect(0, 0, textGutterWidth_, flaeche.height()), colorGutter_);
    }
    QPainter(viewport()).drawPixmap(0, 0, bild_);
}

void TTextViewer::zeichneText(QPainter& p, const QVector<VisuelleZeile>& seite) {
    const QFontMetrics fm(schrift());
    const int h = Zeilenhoehe();
    const int x0 = linkerRand() - horz_ * zeichenbreite();
    const int w = dok_.CharSize();
    const qint64 selA = SelStart();
    const qint64 selB = SelStart() + SelLength();
    const bool memo = !(Suchfenster.sucheLaeuft && Suchfenster.sucheLaeuft());
    if (Suchfenster.ansichtPosition)
        Suchfenster.ansichtPosition(Position());
    if (memo && Suchfenster.memoLeeren)
        Suchfenster.memoLeeren();
    const QColor text = palette().color(QPalette::Text);
    for (int i = 0; i < seite.size(); ++i) {
        const VisuelleZeile& z = seite[i];
        const int y = i * h;
        p.setPen(text);
        p.drawText(x0, y + fm.ascent(), z.anzeige);
        const qint64 a = std::max(selA, z.start);
        const qint64 b = std::min(selB, z.ende);
        if (SelLength() > 0 && a < b) {
            const int xa = x0 + breiteBis(z, int((a - z.start) / w));
            const int xb = x0 + breiteBis(z, int((b - z.start) / w));
            const QRect r(xa, y, xb - xa, h);
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            p.fillRect(r, palette().color(QPalette::Highlight));
            p.setPen(palette().color(QPalette::HighlightedText));
            p.drawText(x0, y + fm.ascent(), z.anzeige);
            p.restore();
        }
        if (memo && Suchfenster.zeileGezeichnet)
            Suchfenster.zeileGezeichnet(z.text);
    }
    if (memo && Suchfenster.zeichnenFertig)
        Suchfenster.zeichnenFertig();
}

void TTextViewer::zeichneDump(QPainter& p) {
    const QFontMetrics fm(schrift());
    const int h = Zeilenhoehe();
    const int zelle = zellbreite();
    const int x0 = linkerRand() - horz_ * zelle;
    const qint64 bpl = bytesProZeile();
    const bool unicode = Mode() == vmUHex;
    const int einheit = unicode ? 2 : 1;
    const int einheiten = int(bpl / einheit);
    const int offset = Mode() == vmBinary ? 0 : dok_.OffsetStellen() + 2;
    const int hexBreite = unicode ? 5 : 3;
    const int textSpalte = Mode() == vmBinary ? 0 : offset + einheiten * hexBreite + 1;
    const int zeilen = std::min(LinesPerPage() + 1, MaxSeitenzeilen);
    const qint64 selA = SelStart();
    const qint64 selB = SelStart() + SelLength();
    const QColor text = palette().color(QPalette::Text);
    const QColor markiert = palette().color(QPalette::Highlight);
    const QColor markierterText = palette().color(QPalette::HighlightedText);
    if (Mode() != vmBinary) {
        const int xa = x0 + offset * zelle - zelle;
        const int xb = x0 + (textSpalte - 1) * zelle;
        p.fillRect(QRect(xa, 0, xb - xa, viewport()->height()), colorHexBack_);
        p.setPen(colorLines_);
        p.drawLine(xa, 0, xa, viewport()->height());
        p.drawLine(xb, 0, xb, viewport()->height());
    }
    auto zelleZeichnen = [&](int spalte, int y, const QString& s, const QColor& farbe, bool sel) {
        const QRect r(x0 + spalte * zelle, y, zelle * int(s.size()), h);
        if (sel)
            p.fillRect(r, markiert);
        p.setPen(sel ? markierterText : farbe);
        p.drawText(r.x(), y + fm.ascent(), s);
    };
    for (int i = 0; i < zeilen; ++i) {
        const qint64 start = Position() + i * bpl;
        if (start >= Size())
            break;
        const qint64 ende = std::min(start + bpl, Size());
        const int y = i * h;
        const QByteArray bytes = dok_.Bytes(start, ende - start);
        const QString zeichen = dok_.Text(start, ende);
        if (Mode() != vmBinary)
            zelleZeichnen(0, y, hex(start, dok_.OffsetStellen()), colorHex_, false);
        for (int j = 0; j < zeichen.size(); ++j) {
            const qint64 pos = start + qint64(j) * einheit;
            const bool sel = SelLength() > 0 && pos >= selA && pos < selB;
            if (Mode() != vmBinary) {
                const int wert =
                    unicode ? zeichen.at(j).unicode() : static_cast<unsigned char>(bytes.at(j));
                const QColor farbe = (j / 4) % 2 ? colorHex2_ : colorHex_;
                zelleZeichnen(offset + j * hexBreite, y, hex(wert, unicode ? 4 : 2), farbe, sel);
            }
            zelleZeichnen(textSpalte + j, y, QString(sichtbar(zeichen.at(j))), text, sel);
        }
    }
}

// ---- position and scroll bars ----

void TTextViewer::setzePosition(qint64 pos) {
    if (!textmodus()) {
        const qint64 bpl = bytesProZeile();
        pos = std::max<qint64>(0, pos) / bpl * bpl;
    }
    dok_.SetPosition(pos);
}

void TTextViewer::geaendert() {
    aktualisiereRollbalken();
    viewport()->update();
}

void TTextViewer::SetPosition(qint64 pos, bool redraw) {
    setzePosition(zeilenstartVon(pos));
    if (redraw)
        geaendert();
    else
        aktualisiereRollbalken();
}

void TTextViewer::aktualisiereRollbalken() {
    if (rollbalkenInArbeit_)
        return;
    rollbalkenInArbeit_ = true;
    // Showing or hiding a bar changes the width, and with it the wrapping: a second round
    // settles that.
    for (int runde = 0; runde < 2; ++runde) {
        const QSize vorher = viewport()->size();
        QScrollBar* v = verticalScrollBar();
        QScrollBar* hz = horizontalScrollBar();
        const qint64 groesse = Size();
        qint64 seitenende = Position();
        breitesteZeile_ = 0;
        if (textmodus()) {
            const QVector<VisuelleZeile> seite = Seite();
            const int voll = std::min<int>(LinesPerPage(), int(seite.size()));
            if (voll > 0)
                seitenende = seite[voll - 1].naechste;
            for (const VisuelleZeile& z : seite)
                breitesteZeile_ = std::max(breitesteZeile_, int(z.anzeige.size()));
        } else {
            seitenende = Position() + LinesPerPage() * bytesProZeile();
        }
        const bool passt = leer() || (Position() == 0 && seitenende >= groesse);
        if (passt) {
            v->setRange(0, 0);
        } else {
            const int schritte = int(std::min<qint64>(32767, groesse));
            v->setRange(0, schritte);
            v->setSingleStep(1);
            const double jeByte = double(schritte) / double(groesse);
            v->setPageStep(std::max(1, int((seitenende - Position()) * jeByte)));
            v->setValue(int(double(Position()) * jeByte));
        }
        const int hMax = horzMaximum();
        horz_ = std::clamp(horz_, 0, hMax);
        hz->setRange(0, hMax);
        hz->setPageStep(std::max(1, Textbreite() / (textmodus() ? zeichenbreite() : zellbreite())));
        hz->setValue(horz_);
        if (Suchfenster.memoFlaeche)
            Suchfenster.memoFlaeche(viewport()->geometry().adjusted(linkerRand(), 0, 0, 0));
        if (viewport()->size() == vorher)
            break;
    }
    rollbalkenInArbeit_ = false;
}

int TTextViewer::horzMaximum() const {
    if (leer())
        return 0;
    if (textmodus()) {
        if (textWrap_)
            return 0;
        return std::max(0, breitesteZeile_ - Textbreite() / zeichenbreite());
    }
    return std::max(0, hexSpalten() - Textbreite() / zellbreite());
}

void TTextViewer::setzeHorz(int spalte) {
    horz_ = std::clamp(spalte, 0, horzMaximum());
    geaendert();
}

void TTextViewer::scrollContentsBy(int, int) {
    // The view moves through the position, not by shifting pixels.
}

void TTextViewer::vertikaleAktion(int aktion) {
    QScrollBar* v = verticalScrollBar();
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd:
        ScrollLineDown(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        ScrollLineUp(1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        ScrollPageDown();
        break;
    case QAbstractSlider::SliderPageStepSub:
        ScrollPageUp();
        break;
    case QAbstractSlider::SliderToMinimum:
        ScrollToBegin();
        break;
    case QAbstractSlider::SliderToMaximum:
        ScrollToEnd();
        break;
    case QAbstractSlider::SliderMove: {
        const qint64 ziel = qint64(double(v->sliderPosition()) * double(Size()) /
                                   double(std::max(1, v->maximum())));
        setzePosition(std::min(zeilenstartVon(ziel), letzteSeite()));
        viewport()->update();
        break;
    }
    default:
        return;
    }
    if (aktion != QAbstractSlider::SliderMove)
        v->setSliderPosition(v->value());
    if (OnScroll)
        OnScroll();
}

void TTextViewer::horizontaleAktion(int aktion) {
    QScrollBar* hz = horizontalScrollBar();
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd:
        ScrollRight();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        ScrollLeft();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        setzeHorz(horz_ + hz->pageStep());
        break;
    case QAbstractSlider::SliderPageStepSub:
        setzeHorz(horz_ - hz->pageStep());
        break;
    case QAbstractSlider::SliderToMinimum:
        ScrollHome();
        break;
    case QAbstractSlider::SliderToMaximum:
        ScrollEnd();
        break;
    case QAbstractSlider::SliderMove:
        horz_ = std::clamp(hz->sliderPosition(), 0, horzMaximum());
        viewport()->update();
        break;
    default:
        return;
    }
    if (aktion != QAbstractSlider::SliderMove)
        hz->setSliderPosition(hz->value());
    if (OnScroll)
        OnScroll();
}

void TTextViewer::ScrollLineDown(int n) {
    if (leer())
        return;
    const qint64 grenze = letzteSeite();
    qint64 p = Position();
    for (int i = 0; i < n && p < grenze; ++i)
        p = textmodus() ? zeileAb(p).naechste : p + bytesProZeile();
    setzePosition(std::min(p, std::max(grenze, Position())));
    geaendert();
}

void TTextViewer::ScrollLineUp(int n) {
    qint64 p = Position();
    for (int i = 0; i < n && p > 0; ++i)
        p = textmodus() ? vorherigeZeile(p) : std::max<qint64>(0, p - bytesProZeile());
    setzePosition(p);
    geaendert();
}

void TTextViewer::ScrollPageDown() {
    ScrollLineDown(std::max(1, LinesPerPage()));
}

void TTextViewer::ScrollPageUp() {
    ScrollLineUp(std::max(1, LinesPerPage()));
}

void TTextViewer::ScrollToBegin() {
    setzePosition(0);
    geaendert();
}

void TTextViewer::ScrollToEnd() {
    setzePosition(letzteSeite());
    geaendert();
}

void TTextViewer::ScrollLeft() {
    setzeHorz(horz_ - 1);
}

void TTextViewer::ScrollRight() {
    setzeHorz(horz_ + 1);
}

void TTextViewer::ScrollHome() {
    setzeHorz(0);
}

void TTextViewer::ScrollEnd() {
    setzeHorz(horzMaximum());
}

// ---- selection ----

void TTextViewer::meldeAuswahl(qint64 alterStart, qint64 alteLaenge) {
    if ((alterStart != SelStart() || alteLaenge != SelLength()) && OnSelectionChange)
        OnSelectionChange();
}

void TTextViewer::SetSelection(qint64 start, qint64 length, bool scroll, bool redraw) {
    const qint64 s0 = SelStart();
    const qint64 l0 = SelLength();
    dok_.SetSelection(start, length);
    if (scroll && start >= 0 && length >= 0 && start <= Size())
        zeigePosition(SelStart());
    meldeAuswahl(s0, l0);
    if (redraw)
        geaendert();
}

// Scrolls only when pos lies outside the fully visible lines, then keeps
// TextSearchIndentVert lines above it and TextSearchIndentHorz characters left of it.
void TTextViewer::zeigePosition(qint64 pos) {
    const int zeilen = std::max(1, LinesPerPage());
    if (!textmodus()) {
        const qint64 bpl = bytesProZeile();
        const qint64 zeile = pos / bpl * bpl;
        if (zeile < Position() || zeile >= Position() + zeilen * bpl)
            setzePosition(std::max<qint64>(0, zeile - indentVert_ * bpl));
        return;
    }
    const QVector<VisuelleZeile> seite = Seite();
    const int voll = std::min<int>(zeilen, int(seite.size()));
    const qint64 ende = voll > 0 ? seite[voll - 1].naechste : Position();
    const bool sichtbar = pos >= Position() && (pos < ende || (ende >= Size() && pos <= Size()));
    if (!sichtbar) {
        qint64 p = zeilenstartVon(pos);
        for (int i = 0; i < indentVert_ && p > 0; ++i)
            p = vorherigeZeile(p);
        setzePosition(p);
    }
    if (textWrap_)
        return;
    const VisuelleZeile z = zeileAb(zeilenstartVon(pos));
    const int k = int(std::min<qint64>((pos - z.start) / dok_.CharSize(), z.text.size()));
    const int spalte = z.spalten[k];
    const int sichtbareSpalten = Textbreite() / zeichenbreite();
    if (spalte < horz_ || spalte >= horz_ + sichtbareSpalten) {
        breitesteZeile_ = std::max(breitesteZeile_, int(z.anzeige.size()));
        horz_ = std::max(0, spalte - indentHorz_);
    }
}

void TTextViewer::SelectLineAtPos(qint64 pos) {
    const qint64 s0 = SelStart();
    const qint64 l0 = SelLength();
    dok_.SelectLineAtPos(pos);
    meldeAuswahl(s0, l0);
    viewport()->update();
}

void TTextViewer::SelectAll() {
    const qint64 s0 = SelStart();
    const qint64 l0 = SelLength();
    dok_.SelectAll();
    meldeAuswahl(s0, l0);
    viewport()->update();
}

void TTextViewer::CopyToClipboard(bool asHex) {
    if (SelLength() <= 0 || leer())
        return;
    QString text;
    if (Suchfenster.zeigtUtf8Variante && Suchfenster.zeigtUtf8Variante())
        text = Ansi::utf8Tolerant(SelText());
    else if (TViewerDokument::IstUnicodemodus(Mode()))
        text = SelTextW();
    else if (asHex)
        text = QString::fromLatin1(SelText().toHex(' ').toUpper());
    else
        text = dok_.Text(SelStart(), SelStart() + SelText().size());
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ablage)
        ablage->setText(text);
    if (!ablage || ablage->text() != text)
        notifier_.fehler(QStringLiteral("Cannot copy data to Clipboard"), QStringLiteral("Error"));
}

qint64 TTextViewer::PositionBei(const QPoint& punkt) const {
    if (leer())
        return 0;
    const int h = Zeilenhoehe();
    const int zeile = std::max(0, punkt.y() / h);
    if (textmodus()) {
        const QVector<VisuelleZeile> seite = Seite();
        if (seite.isEmpty())
            return Position();
        if (zeile >= seite.size())
            return seite.last().ende;
        const VisuelleZeile& z = seite[zeile];
        const int x = punkt.x() - (linkerRand() - horz_ * zeichenbreite());
        return z.start + qint64(zeichenBei(z, x)) * dok_.CharSize();
    }
    const qint64 bpl = bytesProZeile();
    const int einheit = Mode() == vmUHex ? 2 : 1;
    const int einheiten = int(bpl / einheit);
    const int zelle = zellbreite();
    const int spalte = std::max(0, (punkt.x() - linkerRand()) / zelle + horz_);
    int j = spalte;
    if (Mode() != vmBinary) {
        const int offset = dok_.OffsetStellen() + 2;
        const int hexBreite = einheit == 2 ? 5 : 3;
        const int textSpalte = offset + einheiten * hexBreite + 1;
        j = spalte >= textSpalte ? spalte - textSpalte : std::max(0, spalte - offset) / hexBreite;
    }
    j = std::min(j, einheiten);
    const qint64 start = Position() + qint64(std::min(zeile, LinesPerPage())) * bpl;
    return std::min(Size(), start + qint64(j) * einheit);
}

void TTextViewer::waehleBis(qint64 pos) {
    const qint64 a = std::min(anker_, pos);
    const qint64 b = std::max(anker_, pos);
    SetSelection(a, b - a, false, true);
}

// ---- input ----

void TTextViewer::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mod =
        event->modifiers() &
        (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mod == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_PageDown:
            ScrollPageDown();
            return;
        case Qt::Key_PageUp:
            ScrollPageUp();
            return;
        case Qt::Key_Down:
            ScrollLineDown(1);
            return;
        case Qt::Key_Up:
            ScrollLineUp(1);
            return;
        case Qt::Key_Left:
            ScrollLeft();
            return;
        case Qt::Key_Right:
            ScrollRight();
            return;
        case Qt::Key_Home:
            ScrollHome();
            return;
        case Qt::Key_End:
            ScrollEnd();
            return;
        default:
            break;
        }
    } else if (mod == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Home:
            ScrollToBegin();
            return;
        case Qt::Key_End:
            ScrollToEnd();
            return;
        case Qt::Key_A:
            SelectAll();
            return;
        case Qt::Key_C:
        case Qt::Key_Insert:
            CopyToClipboard();
            return;
        default:
            break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TTextViewer::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    mausPunkt_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        anker_ = PositionBei(mausPunkt_);
        zieht_ = true;
        SetSelection(anker_, 0, false, true);
    } else if (event->button() == Qt::MiddleButton) {
        schwenkt_ = true;
        schwenkStart_ = mausPunkt_;
        viewport()->setCursor(Qt::SizeAllCursor);
        schwenkTimer_->start();
    }
}

void TTextViewer::mouseMoveEvent(QMouseEvent* event) {
    mausPunkt_ = event->position().toPoint();
    if (Suchfenster.mausBewegt)
        Suchfenster.mausBewegt();
    if (!zieht_)
        return;
    const QRect flaeche = viewport()->rect().adjusted(linkerRand(), 0, 0, 0);
    if (flaeche.contains(mausPunkt_)) {
        ziehTimer_->stop();
        waehleBis(PositionBei(mausPunkt_));
    } else if (!ziehTimer_->isActive()) {
        ziehTimer_->start();
    }
}

void TTextViewer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        zieht_ = false;
        ziehTimer_->stop();
    } else if (event->button() == Qt::MiddleButton) {
        schwenkt_ = false;
        schwenkTimer_->stop();
        viewport()->setCursor(Qt::IBeamCursor);
    }
}

void TTextViewer::ziehTakt() {
    if (!zieht_) {
        ziehTimer_->stop();
        return;
    }
    const QRect vp = viewport()->rect();
    if (mausPunkt_.y() < 0)
        ScrollLineUp(1);
    else if (mausPunkt_.y() >= vp.height())
        ScrollLineDown(1);
    if (mausPunkt_.x() < linkerRand())
        setzeHorz(horz_ - ZiehSchrittHorz);
    else if (mausPunkt_.x() >= vp.width())
        setzeHorz(horz_ + ZiehSchrittHorz);
    const QPoint rand(
        std::clamp(mausPunkt_.x(), linkerRand(), std::max(linkerRand(), vp.width() - 1)),
        std::clamp(mausPunkt_.y(), 0, std::max(0, vp.height() - 1)));
    waehleBis(PositionBei(rand));
}

void TTextViewer::schwenkTakt() {
    if (!schwenkt_) {
        schwenkTimer_->stop();
        return;
    }
    constexpr int Ruhe = 8;
    const QPoint d = mausPunkt_ - schwenkStart_;
    Qt::CursorShape form = Qt::SizeAllCursor;
    if (std::abs(d.y()) > Ruhe) {
        const int n = 1 + (std::abs(d.y()) - Ruhe) / 16;
        if (d.y() < 0)
            ScrollLineUp(n);
        else
            ScrollLineDown(n);
        form = d.y() < 0 ? Qt::UpArrowCursor : Qt::SizeVerCursor;
    }
    if (std::abs(d.x()) > Ruhe) {
        const int n = 1 + (std::abs(d.x()) - Ruhe) / 8;
        setzeHorz(horz_ + (d.x() < 0 ? -n : n));
        form = Qt::SizeHorCursor;
    }
    viewport()->setCursor(form);
}

void TTextViewer::wheelEvent(QWheelEvent* event) {
    const QPoint winkel = event->angleDelta();
    radRest_ += winkel.y() != 0 ? winkel.y() : winkel.x();
    const int stufen = radRest_ / 120;
    radRest_ -= stufen * 120;
    event->accept();
    if (stufen == 0)
        return;
    const Qt::KeyboardModifiers mod = event->modifiers();
    if (mod & Qt::ControlModifier) {
        QFont f = font();
        if (f.pointSizeF() > 0)
            f.setPointSizeF(std::max(1.0, f.pointSizeF() + stufen));
        else
            f.setPixelSize(std::max(1, f.pixelSize() + stufen));
        setFont(f);
        if (OnOptionsChange)
            OnOptionsChange();
        return;
    }
    const int n = std::abs(stufen) * QApplication::wheelScrollLines();
    if (mod & Qt::ShiftModifier)
        setzeHorz(horz_ + (stufen > 0 ? -n : n));
    else if (stufen > 0)
        ScrollLineUp(n);
    else
        ScrollLineDown(n);
}

void TTextViewer::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    aktualisiereRollbalken();
}

void TTextViewer::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        geaendert();
}

// ---- popup menu ----

void TTextViewer::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menue(ErstellePopupMenue());
    menue->exec(event->globalPos());
}

QMenu* TTextViewer::ErstellePopupMenue() {
    auto* menue = new QMenu(this);
    menue->setSeparatorsCollapsible(false);
    QAction* uebertragen = menue->addAction(QStringLiteral("Text in Suchleiste links übertragen"));
    uebertragen->setVisible(popupCommands_.testFlag(pcCopy));
    uebertragen->setEnabled(!leer() && SelLength() > 0);
    connect(uebertragen, &QAction::triggered, this, [this] {
        if (TViewerDokument::IstUnicodemodus(Mode()) && Suchfenster.inSuchleiste)
            Suchfenster.inSuchleiste(SelTextW());
    });
    menue->addSeparator();
    menue->addSeparator();
    QAction* kodierung = menue->addAction(QStringLiteral("Encoding..."));
    kodierung->setVisible(popupCommands_.testFlag(pcEncMenu));
    kodierung->setEnabled(!leer());
    connect(kodierung, &QAction::triggered, this, [this] {
        QMenu* seiten = ErstelleKodierungsMenue();
        seiten->setAttribute(Qt::WA_DeleteOnClose);
        seiten->popup(mapToGlobal(rect().center()));
    });
    return menue;
}

QMenu* TTextViewer::ErstelleKodierungsMenue() {
    const bool unicode = TViewerDokument::IstUnicodemodus(Mode());
    const TTextEncoding aktuell =
        unicode ? (TextEncoding() == encUnicodeBE ? encUnicodeBE : encUnicodeLE) : TextEncoding();
    return new TKodierungsMenue(
        aktuell, [this](TTextEncoding e) { kodierungGewaehlt(e); }, this);
}

void TTextViewer::kodierungGewaehlt(TTextEncoding e) {
    const bool unicode = EncodingCharSize(e) == 2;
    if (unicode && !TViewerDokument::IstUnicodemodus(Mode()))
        SetMode(Mode() == vmHex ? vmUHex : vmUnicode);
    else if (!unicode && TViewerDokument::IstUnicodemodus(Mode()))
        SetMode(Mode() == vmUHex ? vmHex : vmText);
    SetTextEncoding(e);
    if (OnOptionsChange)
        OnOptionsChange();
}

// ---- automatic reload ----

void TTextViewer::setAutoReload(bool v) {
    autoReload_ = v;
    if (v && !waechter_) {
        waechter_ = new QFileSystemWatcher(this);
        connect(waechter_, &QFileSystemWatcher::fileChanged, this, &TTextViewer::dateiGeaendert);
    }
    beobachte();
}

void TTextViewer::beobachte() {
    if (!waechter_)
        return;
    if (!waechter_->files().isEmpty())
        waechter_->removePaths(waechter_->files());
    if (autoReload_ && !FileName().isEmpty())
        waechter_->addPath(FileName());
}

void TTextViewer::dateiGeaendert() {
    if (!autoReload_ || !dok_.IstOffen())
        return;
    const bool amEnde = Position() >= letzteSeite();
    if (!dok_.Reload())
        return;
    if (autoReloadFollowTail_ && amEnde)
        setzePosition(letzteSeite());
    if (autoReloadBeep_)
        QApplication::beep();
    geaendert();
    beobachte();
    if (OnFileReload)
        OnFileReload();
}

// ---- plain property setters ----

void TTextViewer::setTextWidth(int v) {
    textWidth_ = std::max(1, v);
    geaendert();
}

void TTextViewer::setTextWidthHex(int v) {
    textWidthHex_ = std::max(1, v);
    geaendert();
}

void TTextViewer::setTextWidthUHex(int v) {
    textWidthUHex_ = std::max(1, v);
    geaendert();
}

void TTextViewer::setTextWidthFit(bool v) {
    textWidthFit_ = v;
    geaendert();
}

void TTextViewer::setTextWidthFitHex(bool v) {
    textWidthFitHex_ = v;
    geaendert();
}

void TTextViewer::setTextWidthFitUHex(bool v) {
    textWidthFitUHex_ = v;
    geaendert();
}

void TTextViewer::setTextWrap(bool v) {
    textWrap_ = v;
    setzePosition(zeilenstartVon(Position()));
    geaendert();
}

void TTextViewer::setTextNonPrintable(bool v) {
    textNonPrintable_ = v;
    geaendert();
}

void TTextViewer::setTextOemSpecial(bool v) {
    textOemSpecial_ = v;
    geaendert();
}

void TTextViewer::setTextGutter(bool v) {
    textGutter_ = v;
    geaendert();
}

void TTextViewer::setTextGutterWidth(int v) {
    textGutterWidth_ = std::max(0, v);
    geaendert();
}

void TTextViewer::setTextColorHex(const QColor& c) {
    colorHex_ = c;
    geaendert();
}

void TTextViewer::setTextColorHex2(const QColor& c) {
    colorHex2_ = c;
    geaendert();
}

void TTextViewer::setTextColorHexBack(const QColor& c) {
    colorHexBack_ = c;
    geaendert();
}

void TTextViewer::setTextColorLines(const QColor& c) {
    colorLines_ = c;
    geaendert();
}

void TTextViewer::setTextColorError(const QColor& c) {
    colorError_ = c;
    geaendert();
}

void TTextViewer::setTextColorGutter(const QColor& c) {
    colorGutter_ = c;
    geaendert();
}

void TTextViewer::setTextTabSize(int v) {
    tabSize_ = std::clamp(v, 1, 16);
    geaendert();
}

void TTextViewer::setFontOEM(const QFont& f) {
    fontOem_ = f;
    geaendert();
}
