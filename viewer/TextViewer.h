#pragma once

#include "viewer/ViewerDokument.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QVector>

#include <functional>

class Notifier;
class QFileSystemWatcher;
class QMenu;
class QTimer;

enum TViewerPopupCommand {
    pcCopy = 0x01,
    pcCopyHex = 0x02,
    pcSelectLine = 0x04,
    pcSelectAll = 0x08,
    pcEncMenu = 0x10
};
Q_DECLARE_FLAGS(TViewerPopupCommands, TViewerPopupCommand)
Q_DECLARE_OPERATORS_FOR_FLAGS(TViewerPopupCommands)

// What the search window hangs into the viewer; every hook may stay empty.
struct SuchfensterHaken {
    // While a search runs, drawing leaves the memo alone.
    std::function<bool()> sucheLaeuft;
    std::function<void()> memoLeeren;
    // Each visual line as it is drawn.
    std::function<void(const QString& zeile)> zeileGezeichnet;
    std::function<void()> zeichnenFertig;
    // The view position at every text-mode draw.
    std::function<void(qint64)> ansichtPosition;
    std::function<void()> mausBewegt;
    // True while the search window shows the UTF-8 variant of a document.
    std::function<bool()> zeigtUtf8Variante;
    // The text area (in the viewer's coordinates, right of the left margin) the memo is to
    // cover: the whole page without the scroll bars, so that nothing of the viewer's own
    // drawing shows beside it and the scroll bars stay usable.
    std::function<void(const QRect& flaeche)> memoFlaeche;
    // The popup's first item hands the UTF-16 selection to the search-word edit.
    std::function<void(const QString&)> inSuchleiste;
};

// Shows a file of any size without loading it: text in a code page or UTF-16, or a
// binary or hexadecimal dump. The document holds the data; this control draws it and
// turns keys, mouse and scroll bars into moves of the view and the selection.
class TTextViewer : public QAbstractScrollArea {
    Q_OBJECT
public:
    // One visual line: the characters from start to ende, the next line at naechste.
    struct VisuelleZeile {
        qint64 start = 0;
        qint64 ende = 0;
        qint64 naechste = 0;
        QString text;
        // Drawn form: tabs expanded, control characters replaced.
        QString anzeige;
        // Column in anzeige where each character of text begins (one more at the end).
        QVector<int> spalten;
    };

    explicit TTextViewer(Notifier& notifier, QWidget* parent = nullptr);
    ~TTextViewer() override;

    TViewerDokument& Dokument() { return dok_; }
    const TViewerDokument& Dokument() const { return dok_; }

    bool Open(const QString& nativerDateiname, bool redraw = true);
    bool OpenStream(QIODevice* stream, bool redraw = true);
    QString FileName() const { return dok_.FileName(); }
    qint64 Size() const { return dok_.Size(); }

    TViewerMode Mode() const { return dok_.Mode(); }
    void SetMode(TViewerMode modus);
    TTextEncoding TextEncoding() const { return dok_.TextEncoding(); }
    void SetTextEncoding(TTextEncoding kodierung);

    qint64 Position() const { return dok_.Position(); }
    // Moves the view to the visual line that holds pos.
    void SetPosition(qint64 pos, bool redraw = true);
    qint64 PosHorz() const { return horz_; }

    void SetSelection(qint64 start, qint64 length, bool scroll = false, bool redraw = true);
    qint64 SelStart() const { return dok_.SelStart(); }
    qint64 SelLength() const { return dok_.SelLength(); }
    QByteArray SelText() const { return dok_.SelText(); }
    QString SelTextW() const { return dok_.SelTextW(); }
    QByteArray SelTextAnsi() const { return dok_.SelTextAnsi(); }
    void SelectLineAtPos(qint64 pos);
    void SelectAll();
    void CopyToClipboard(bool asHex = false);

    void ScrollLineUp(int n = 1);
    void ScrollLineDown(int n = 1);
    void ScrollPageUp();
    void ScrollPageDown();
    void ScrollToBegin();
    void ScrollToEnd();
    void ScrollLeft();
    void ScrollRight();
    void ScrollHome();
    void ScrollEnd();
    void Redraw();
    void Reload();

    // (height of the text area - 2) div line height, 0 to 200.
    int LinesPerPage() const;
    int Zeilenhoehe() const;
    // Width for text: the viewport less the left margin and the gutter.
    int Textbreite() const;
    // The visual lines the current page shows, as drawing produces them.
    QVector<VisuelleZeile> Seite() const;
    // The byte offset under a point of the viewport.
    qint64 PositionBei(const QPoint& punkt) const;

    // The popup menu and its code page submenu; the caller owns them.
    QMenu* ErstellePopupMenue();
    QMenu* ErstelleKodierungsMenue();

    // Published properties.
    int TextWidth() const { return textWidth_; }
    void setTextWidth(int v);
    int TextWidthHex() const { return textWidthHex_; }
    void setTextWidthHex(int v);
    int TextWidthUHex() const { return textWidthUHex_; }
    void setTextWidthUHex(int v);
    bool TextWidthFit() const { return textWidthFit_; }
    void setTextWidthFit(bool v);
    bool TextWidthFitHex() const { return textWidthFitHex_; }
    void setTextWidthFitHex(bool v);
    bool TextWidthFitUHex() const { return textWidthFitUHex_; }
    void setTextWidthFitUHex(bool v);
    bool TextWrap() const { return textWrap_; }
    void setTextWrap(bool v);
    bool TextNonPrintable() const { return textNonPrintable_; }
    void setTextNonPrintable(bool v);
    bool TextOemSpecial() const { return textOemSpecial_; }
    void setTextOemSpecial(bool v);
    bool TextGutter() const { return textGutter_; }
    void setTextGutter(bool v);
    int TextGutterWidth() const { return textGutterWidth_; }
    void setTextGutterWidth(int v);
    QColor TextColorHex() const { return colorHex_; }
    void setTextColorHex(const QColor& c);
    QColor TextColorHex2() const { return colorHex2_; }
    void setTextColorHex2(const QColor& c);
    QColor TextColorHexBack() const { return colorHexBack_; }
    void setTextColorHexBack(const QColor& c);
    QColor TextColorLines() const { return colorLines_; }
    void setTextColorLines(const QColor& c);
    QColor TextColorError() const { return colorError_; }
    void setTextColorError(const QColor& c);
    QColor TextColorGutter() const { return colorGutter_; }
    void setTextColorGutter(const QColor& c);
    int TextSearchIndentVert() const { return indentVert_; }
    void setTextSearchIndentVert(int v) { indentVert_ = qMax(0, v); }
    int TextSearchIndentHorz() const { return indentHorz_; }
    void setTextSearchIndentHorz(int v) { indentHorz_ = qMax(0, v); }
    int TextTabSize() const { return tabSize_; }
    void setTextTabSize(int v);
    TViewerPopupCommands TextPopupCommands() const { return popupCommands_; }
    void setTextPopupCommands(TViewerPopupCommands v) { popupCommands_ = v; }
    QFont FontOEM() const { return fontOem_; }
    void setFontOEM(const QFont& f);
    QFont FontFooter() const { return fontFooter_; }
    void setFontFooter(const QFont& f) { fontFooter_ = f; }
    bool AutoReload() const { return autoReload_; }
    void setAutoReload(bool v);
    bool AutoReloadBeep() const { return autoReloadBeep_; }
    void setAutoReloadBeep(bool v) { autoReloadBeep_ = v; }
    bool AutoReloadFollowTail() const { return autoReloadFollowTail_; }
    void setAutoReloadFollowTail(bool v) { autoReloadFollowTail_ = v; }

    std::function<void()> OnScroll;
    std::function<void()> OnSelectionChange;
    std::function<void()> OnOptionsChange;
    std::function<void()> OnFileReload;
    // ACurrentPos, AMaximalPos, AContinueSearching; kept for a search run on this viewer.
    std::function<void(qint64, qint64, bool&)> OnSearchProgress;

    SuchfensterHaken Suchfenster;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QFont schrift() const;
    int linkerRand() const;
    int zellbreite() const;
    int zeichenbreite() const;
    bool textmodus() const { return TViewerDokument::IstTextmodus(dok_.Mode()); }
    bool leer() const { return dok_.Size() < dok_.CharSize(); }

    // Text modes.
    VisuelleZeile zeileAb(qint64 start) const;
    void bereite(VisuelleZeile& z) const;
    int breiteBis(const VisuelleZeile& z, int k) const;
    int zeichenBei(const VisuelleZeile& z, int x) const;
    int letzteDiePasst(const VisuelleZeile& z, int breite) const;
    qint64 vorherigeZeile(qint64 pos) const;
    qint64 zeilenstartVon(qint64 pos) const;
    qint64 letzteSeite() const;

    // Dump modes.
    qint64 bytesProZeile() const;
    int hexSpalten() const;

    void zeichneText(QPainter& p, const QVector<VisuelleZeile>& seite);
    void zeichneDump(QPainter& p);
    void setzePosition(qint64 pos);
    void zeigePosition(qint64 pos);
    void geaendert();
    void aktualisiereRollbalken();
    void vertikaleAktion(int aktion);
    void horizontaleAktion(int aktion);
    void setzeHorz(int spalte);
    int horzMaximum() const;
    void waehleBis(qint64 pos);
    void ziehTakt();
    void schwenkTakt();
    void dateiGeaendert();
    void beobachte();
    void meldeAuswahl(qint64 alterStart, qint64 alteLaenge);
    void kodierungGewaehlt(TTextEncoding e);

    Notifier& notifier_;
    TViewerDokument dok_;
    int horz_ = 0;
    QPixmap bild_;

    int textWidth_ = 80;
    int textWidthHex_ = 16;
    int textWidthUHex_ = 8;
    bool textWidthFit_ = false;
    bool textWidthFitHex_ = false;
    bool textWidthFitUHex_ = false;
    bool textWrap_ = false;
    bool textNonPrintable_ = false;
    bool textOemSpecial_ = false;
    bool textGutter_ = false;
    int textGutterWidth_ = 10;
    QColor colorHex_{0x00, 0x00, 0x80};
    QColor colorHex2_{0x00, 0x00, 0xFF};
    QColor colorHexBack_{0xEC, 0xEC, 0xEC};
    QColor colorLines_{0x80, 0x80, 0x80};
    QColor colorError_{0xFF, 0x00, 0x00};
    QColor colorGutter_{0xC0, 0xC0, 0xC0};
    int indentVert_ = 5;
    int indentHorz_ = 5;
    int tabSize_ = 8;
    TViewerPopupCommands popupCommands_ =
        pcCopy | pcCopyHex | pcSelectLine | pcSelectAll | pcEncMenu;
    QFont fontOem_;
    QFont fontFooter_;
    bool autoReload_ = false;
    bool autoReloadBeep_ = false;
    bool autoReloadFollowTail_ = true;

    QTimer* ziehTimer_;
    QTimer* schwenkTimer_;
    QFileSystemWatcher* waechter_ = nullptr;
    bool zieht_ = false;
    qint64 anker_ = 0;
    QPoint mausPunkt_;
    bool schwenkt_ = false;
    QPoint schwenkStart_;
    bool rollbalkenInArbeit_ = false;
    int breitesteZeile_ = 0;
    int radRest_ = 0;
};
