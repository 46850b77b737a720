#include "searchwin/TSuchForm.h"

#include "datenbank/Datenbankwechsel.h"
#include "datenbank/Programmdateien.h"
#include "platform/Platform.h"
#include "platform/gui/Farben.h"
#include "search/Browserstart.h"
#include "search/StreamSearch.h"
#include "search/Suchlauf.h"
#include "search/Zeichenkette.h"
#include "searchwin/Lesezeichen.h"
#include "searchwin/Memozeile.h"
#include "searchwin/Suchwortliste.h"
#include "viewer/TextViewer.h"
#include "viewer/ViewerDokument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QPushButton* knopf(const QString& text, const char* name, QWidget* eltern,
                   const QString& hinweis = QString()) {
    auto* k = benannt(new QPushButton(text, eltern), name);
    k->setToolTip(hinweis);
    return k;
}

} // namespace

TSuchForm::TSuchForm(const Dienste& dienste, const Programmordner& ordner, QWidget* parent)
    : QDialog(parent), dienste_(dienste), ordner_(ordner) {
    setObjectName(QStringLiteral("SuchForm"));
    resize(1035, 536);
    QFont schrift(QStringLiteral("Arial Unicode MS"));
    schrift.setPixelSize(15);
    setFont(schrift);
    QFont fett = schrift;
    fett.setBold(true);

    ToolBar1 = benannt(new QToolBar(this), "ToolBar1");
    ToolBar1->setFixedHeight(40);
    SpeedButton3 = benannt(new QToolButton(ToolBar1), "SpeedButton3");
    SpeedButton3->setText(QStringLiteral("  Kelvora-PDF 4.0"));
    SpeedButton3->setFixedSize(172, 33);
    SpeedButton3->setEnabled(false);
    ToolButton1 = benannt(new QWidget(ToolBar1), "ToolButton1");
    SpeedButton1 = benannt(new QToolButton(ToolBar1), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("?"));
    SpeedButton1->setFixedSize(42, 33);
    SpeedButton1->setFont(fett);
    Farben::textfarbe(SpeedButton1, Qt::white);
    SpeedButton2 = benannt(new QToolButton(ToolBar1), "SpeedButton2");
    SpeedButton2->setFixedSize(43, 33);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ToolBar1->addWidget(SpeedButton3);
    ToolBar1->addWidget(ToolButton1);
    ToolBar1->addWidget(SpeedButton1);
    ToolBar1->addWidget(SpeedButton2);

    // Left: the search word and its options, the web search, the sort group.
    PanelLinks = benannt(new QWidget, "PanelLinks");
    TntEdit2 = benannt(new QLineEdit(PanelLinks), "TntEdit2");
    TntEdit2->setToolTip(
        QStringLiteral("Suchworteingabe. Linker Mausklick öffnet/schließt vorhandene Liste."));
    Button1 =
        knopf(QStringLiteral("X"), "Button1", PanelLinks, QStringLiteral("Suchworttext löschen."));
    TntListBox2 = benannt(new QListWidget(PanelLinks), "TntListBox2");
    TntListBox2->hide();
    GrossKleinBeachten =
        benannt(new QCheckBox(QStringLiteral("Groß-/Kleinschreibung beachten"), PanelLinks),
                "GrossKleinBeachten");
    NurGanzeWoerterCheckBox = benannt(new QCheckBox(QStringLiteral("Nur ganze Wörter"), PanelLinks),
                                      "NurGanzeWoerterCheckBox");
    Label1 = benannt(new QLabel(PanelLinks), "Label1");
    Label1->setFont(fett);
    Label1->setWordWrap(true);
    Panel2 = benannt(new QWidget(PanelLinks), "Panel2");
    Label5 = benannt(
        new QLabel(QStringLiteral("Für die Suche im Internet, hier eine Adresse wählen:"), Panel2),
        "Label5");
    TntComboBox1 = benannt(new QComboBox(Panel2), "TntComboBox1");
    TntComboBox1->setMaxVisibleItems(15);
    TntListBox1 = benannt(new QListWidget(Panel2), "TntListBox1");
    TntLabel1 = benannt(new QLabel(QStringLiteral("Suchtext: "), Panel2), "TntLabel1");
    auto* web = new QVBoxLayout(Panel2);
    web->setContentsMargins(0, 0, 0, 0);
    web->addWidget(Label5);
    web->addWidget(TntComboBox1);
    web->addWidget(TntListBox1, 1);
    web->addWidget(TntLabel1);

    Bevel5 = benannt(new QFrame(PanelLinks), "Bevel5");
    Bevel5->setFrameShape(QFrame::Box);
    Label4 = benannt(new QLabel(QStringLiteral("Sortierte Liste von: "), Bevel5), "Label4");
    ProgressBar1 = benannt(new QProgressBar(Bevel5), "ProgressBar1");
    SortierteListenErstellenButton = knopf(QStringLiteral("Sortierte Listen erstellen"),
                                           "SortierteListenErstellenButton", Bevel5);
    SortAbbrechenButton =
        knopf(QStringLiteral("Abbrechen / Schließen"), "SortAbbrechenButton", Bevel5);
    RadioGroup1 = benannt(new QGroupBox(Bevel5), "RadioGroup1");
    nurWoerterButton =
        benannt(new QRadioButton(QStringLiteral("Nur Wörter"), RadioGroup1), "nurWoerterButton");
    nurSaetzeButton = benannt(new QRadioButton(QStringLiteral("Nur Sätze (Phrasen)"), RadioGroup1),
                              "nurSaetzeButton");
    WoerterUndSaetzeButton =
        benannt(new QRadioButton(QStringLiteral("Wörter und Sätze"), RadioGroup1),
                "WoerterUndSaetzeButton");
    WoerterUndSaetzeButton->setChecked(true);
    auto* radios = new QVBoxLayout(RadioGroup1);
    radios->addWidget(nurWoerterButton);
    radios->addWidget(nurSaetzeButton);
    radios->addWidget(WoerterUndSaetzeButton);
    auto* sortKnoepfe = new QHBoxLayout;
    sortKnoepfe->addWidget(SortierteListenErstellenButton);
    sortKnoepfe->addWidget(SortAbbrechenButton);
    auto* sortierung = new QVBoxLayout(Bevel5);
    sortierung->addWidget(Label4);
    sortierung->addWidget(ProgressBar1);
    sortierung->addLayout(sortKnoepfe);
    sortierung->addWidget(RadioGroup1);

    auto* suchZeile = new QHBoxLayout;
    suchZeile->addWidget(TntEdit2, 1);
    suchZeile->addWidget(Button1);
    auto* links = new QVBoxLayout(PanelLinks);
    links->addLayout(suchZeile);
    links->addWidget(GrossKleinBeachten);
    links->addWidget(NurGanzeWoerterCheckBox);
    links->addWidget(Label1);
    links->addWidget(Panel2, 1);
    links->addWidget(Bevel5);
    for (QWidget* w : std::initializer_list<QWidget*>{GrossKleinBeachten, NurGanzeWoerterCheckBox,
                                                      Button1, SortierteListenErstellenButton,
                                                      SortAbbrechenButton, RadioGroup1})
        w->setFont(fett);

    // Hidden work controls read by the search run.
    chkUnicode = benannt(new QCheckBox(this), "chkUnicode");
    chkUnicodeBE = benannt(new QCheckBox(this), "chkUnicodeBE");
    PhraseCheckBox =
        benannt(new QCheckBox(QStringLiteral("Suche als Phrase (Satz)"), this), "PhraseCheckBox");
    OderCheckBox =
        benannt(new QCheckBox(
                    QStringLiteral("die einen oder mehrere Suchbegriffe enthalten (ODER)."), this),
                "OderCheckBox");
    OderCheckBox->setChecked(true);
    SpinEdit1 = benannt(new QSpinBox(this), "SpinEdit1");
    ClipbrdTntEdit = benannt(new QLineEdit(this), "ClipbrdTntEdit");
    for (QWidget* w : std::initializer_list<QWidget*>{chkUnicode, chkUnicodeBE, PhraseCheckBox,
                                                      OderCheckBox, SpinEdit1, ClipbrdTntEdit})
        w->hide();
    // Exactly one of the two is ticked at any time.
    connect(PhraseCheckBox, &QCheckBox::toggled, OderCheckBox,
            [this](bool an) { OderCheckBox->setChecked(!an); });
    connect(OderCheckBox, &QCheckBox::toggled, PhraseCheckBox,
            [this](bool an) { PhraseCheckBox->setChecked(!an); });

    // Right: the in-document search row, the captions and the viewer with its overlay.
    PanelRechts = benannt(new QWidget, "PanelRechts");
    TntEdit1 = benannt(new QLineEdit(PanelRechts), "TntEdit1");
    TntEdit1->setToolTip(QStringLiteral("Suchwort eingeben für Textsuche in Liste"));
    Button2 =
        knopf(QStringLiteral("X"), "Button2", PanelRechts, QStringLiteral("Suchworttext löschen."));
    WeiterSuche = knopf(QStringLiteral("Suchen"), "WeiterSuche", PanelRechts,
                        QStringLiteral("Suche im Dokument beginnen / weiter."));
    LesezeichenBtn =
        knopf(QString(), "LesezeichenBtn", PanelRechts, QStringLiteral("Lesezeichen speichern"));
    LesezeichenBtn->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Label8 = benannt(new QLabel(QStringLiteral("   "), PanelRechts), "Label8");
    Label8->setFont(fett);
    Label2 = benannt(new QLabel(PanelRechts), "Label2");
    Label2->setFont(fett);

    Viewer = benannt(new TTextViewer(dienste_.notifier, PanelRechts), "Viewer");
    Viewer->setTextWrap(true);
    Viewer->setTextWidthFit(true);
    QFont viewerSchrift(QStringLiteral("Arial Unicode MS"));
    viewerSchrift.setPixelSize(15);
    Viewer->setFont(viewerSchrift);
    ViewerMemo = benannt(new QPlainTextEdit(Viewer), "ViewerMemo");
    ViewerMemo->setReadOnly(true);
    // Read-only, yet with a caret: the keys the viewer does not take select in the memo.
    ViewerMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ViewerMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ViewerMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ViewerMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ViewerMemo->setFont(viewerSchrift);
    // The memo lies exactly on the viewer's text area and starts its lines where the viewer
    // draws them; without a frame of its own it looks like the page it mirrors.
    ViewerMemo->setFrameShape(QFrame::NoFrame);
    ViewerMemo->document()->setDocumentMargin(0);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(QStringLiteral("Text in Suchleiste links übertragen"));
    Viewer2 = new TViewerDokument;
    Search = new TStreamSearch(this);

    auto* suche = new QHBoxLayout;
    suche->addWidget(TntEdit1, 1);
    suche->addWidget(Button2);
    suche->addWidget(WeiterSuche);
    suche->addWidget(LesezeichenBtn);
    auto* kopf = new QHBoxLayout;
    kopf->setSpacing(0);
    kopf->addWidget(Label8);
    kopf->addWidget(Label2);
    kopf->addStretch();
    auto* rechts = new QVBoxLayout(PanelRechts);
    rechts->addLayout(suche);
    rechts->addLayout(kopf);
    rechts->addWidget(Viewer, 1);

    Splitter1 = benannt(new QSplitter(Qt::Horizontal, this), "Splitter1");
    Splitter1->setHandleWidth(2);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(PanelLinks);
    Splitter1->addWidget(PanelRechts);
    Splitter1->setStretchFactor(1, 1);
    PanelLinks->setMinimumWidth(460);
    PanelRechts->setMinimumWidth(460);

    // Bottom: the action buttons.
    PanelUnten = benannt(new QWidget(this), "PanelUnten");
    PanelUnten->setFixedHeight(63);
    SuchImInternetBtn = knopf(QStringLiteral("Suche im Internet"), "SuchImInternetBtn", PanelUnten,
                              QStringLiteral("Mit ausgewählter Website -Adresse suchen."));
    OKBtn = knopf(QStringLiteral("Lokale Suche"), "OKBtn", PanelUnten);
    ZeilenAlsListeSortieren =
        knopf(QStringLiteral("Sortierte Textliste laden"), "ZeilenAlsListeSortieren", PanelUnten);
    ZeilenAlsListeSortieren->setEnabled(false);
    UTF8LadenButton = knopf(QStringLiteral("Textinhalt laden"), "UTF8LadenButton", PanelUnten,
                            QStringLiteral("Utf8-Text-Dokument laden"));
    AnsiLadenButton = knopf(QStringLiteral("ANSI-Text"), "AnsiLadenButton", PanelUnten,
                            QStringLiteral("ANSI-Text-Dokument laden"));
    AnsiLadenButton->hide();
    UnicodeLadenButton = knopf(QStringLiteral("Unicode"), "UnicodeLadenButton", PanelUnten,
                               QStringLiteral("Unicode-Text-Dokument laden"));
    UnicodeLadenButton->hide();
    CancelBtn = knopf(QStringLiteral("Abbrechen"), "CancelBtn", PanelUnten,
                      QStringLiteral("Schließt das Fenster"));
    for (QPushButton* k : {SuchImInternetBtn, OKBtn, ZeilenAlsListeSortieren, UTF8LadenButton,
                           AnsiLadenButton, UnicodeLadenButton, CancelBtn})
        k->setFont(fett);
    auto* unten = new QHBoxLayout(PanelUnten);
    unten->setContentsMargins(11, 0, 11, 0);
    unten->addWidget(SuchImInternetBtn);
    unten->addWidget(OKBtn);
    unten->addStretch();
    unten->addWidget(ZeilenAlsListeSortieren);
    unten->addWidget(UTF8LadenButton);
    unten->addWidget(AnsiLadenButton);
    unten->addWidget(UnicodeLadenButton);
    unten->addStretch();
    unten->addWidget(CancelBtn);

    auto* gesamt = new QVBoxLayout(this);
    gesamt->setContentsMargins(0, 0, 0, 0);
    gesamt->setSpacing(0);
    gesamt->addWidget(ToolBar1);
    gesamt->addWidget(Splitter1, 1);
    gesamt->addWidget(PanelUnten);

    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);

    connect(Timer2, &QTimer::timeout, this, &TSuchForm::Timer2Timer);
    connect(Splitter1, &QSplitter::splitterMoved, this, &TSuchForm::Splitter1Moved);
    connect(AnsiLadenButton, &QPushButton::clicked, this, &TSuchForm::AnsiLadenButtonClick);
    connect(UTF8LadenButton, &QPushButton::clicked, this, &TSuchForm::UTF8LadenButtonClick);
    connect(UnicodeLadenButton, &QPushButton::clicked, this, &TSuchForm::UnicodeLadenButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TSuchForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TSuchForm::SpeedButton2Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TSuchForm::CancelBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TSuchForm::OKBtnClick);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState zustand) {
                if (zustand == Qt::ApplicationActive)
                    ApplicationActivate();
            });
    // Hidden from the start, so that the window's least size does not count the group.
    sortiergruppeZeigen(false);
    viewerAnbinden();
    dokumentsucheAnbinden();
    suchfeldAnbinden();
    websucheAnbinden();
    Sortierung = new Sortiergruppe(*this, dienste_, ordner_);
}

void TSuchForm::viewerAnbinden() {
    SuchfensterHaken& h = Viewer->Suchfenster;
    h.sucheLaeuft = [this] { return SucheLaeuft; };
    h.memoLeeren = [this] { memoZeilen_.clear(); };
    h.zeileGezeichnet = [this](const QString& zeile) {
        LesezeichenErlaubt = true;
        memoZeilen_ << Memozeile::ausViewerzeile(zeile, AnzeigeVariante);
    };
    // The memo gets the page in one piece, so no line break is left after its last line.
    // A redraw of the same page keeps the memo, and with it the user's selection.
    h.zeichnenFertig = [this] {
        const QString seite = memoZeilen_.join(QLatin1Char('\n'));
        if (seite != ViewerMemo->toPlainText())
            ViewerMemo->setPlainText(seite);
        Timer2->start();
    };
    h.ansichtPosition = [this](qint64 p) { AnsichtPosition = p; };
    h.mausBewegt = [this] {
        if (!ViewerMemo->isVisible())
            ViewerMemo->show();
    };
    h.zeigtUtf8Variante = [this] { return AnzeigeVariante == Variante::Utf8; };
    h.memoFlaeche = [this](const QRect& flaeche) { ViewerMemo->setGeometry(flaeche); };
    h.inSuchleiste = [this](const QString& text) { TntEdit2->setText(text); };
    Viewer->OnScroll = [this] { ViewerScroll(); };
}

TSuchForm::~TSuchForm() {
    delete Viewer2;
}

QPushButton* TSuchForm::ladeknopf(Variante v) const {
    switch (v) {
    case Variante::Ansi:
        return AnsiLadenButton;
    case Variante::Unicode:
        return UnicodeLadenButton;
    default:
        return UTF8LadenButton;
    }
}

void TSuchForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormPaint();
}

void TSuchForm::FormPaint() {
    if (TntEdit1->text().isEmpty())
        WeiterSuche->setEnabled(false);
    if (ErsterPaint) {
        erstesZeigen();
        ErsterPaint = false;
    }
    if (!SortierungLaeuft) {
        for (Variante v : {Variante::Ansi, Variante::Utf8, Variante::Unicode})
            ladeknopf(v)->setEnabled(Files::groesse(ordner_.datenbank(
                                         Datenbankname + Dokumentvarianten::dokument(v))) >= 4);
        TntEdit2->setEnabled(true);
        OKBtn->setEnabled(!TntEdit2->text().trimmed().isEmpty());
    }
    if (!TntEdit2->hasFocus() && !ViewerMemo->toPlainText().isEmpty() && ViewerMemo->isVisible())
        ViewerMemo->setFocus();
}

void TSuchForm::erstesZeigen() {
    Label2->hide();
    sortiergruppeZeigen(false);
    if (kurzhinweis_)
        ViewerMemo->setToolTip(memoHinweis());
    TntEdit2->setFocus();
    // The words of the instruction flow in the label's own width; the example path has a
    // line of its own and is never broken.
    Label1->setText(QStringLiteral(
        "Geben Sie oben den Text ein, den Sie suchen.   Bei der Suche nach einem Pfadeintrag "
        "mit Dateinamen, setzen Sie das Raute-Zeichen # davor:\n"
        "#C:\u2060\\Windows\u2060\\Dies\u00A0ist\u00A0ein\u00A0Beispiel.txt"));
    ZeilenAlsListeSortieren->setEnabled(false);
    suchsteuerungFreigeben(false);
    ThemenFuellen();
    const QString splitter = dienste_.einstellungen.LeseRegKey(QStringLiteral("SplitterPos"));
    bool ok = false;
    const int breite = splitter.toInt(&ok);
    const int links = ok ? breite : 483;
    layout()->activate();
    Splitter1->setSizes({links, qMax(0, Splitter1->width() - links - Splitter1->handleWidth())});
}

void TSuchForm::sortiergruppeZeigen(bool zeigen) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             Bevel5, Label4, ProgressBar1, SortierteListenErstellenButton, SortAbbrechenButton,
             RadioGroup1, nurWoerterButton, nurSaetzeButton, WoerterUndSaetzeButton})
        w->setVisible(zeigen);
}

void TSuchForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    TntListBox2->hide();
    if (height() < 499 || width() < 1043)
        resize(qMax(width(), 1043), height() < 499 ? 500 : height());
    ToolButton1->setFixedWidth(
        qMax(0, width() - 3 * SpeedButton1->width() - SpeedButton3->width() + 2));
}

void TSuchForm::Splitter1Moved() {
    dienste_.einstellungen.SchreibeRegKey(QStringLiteral("SplitterPos"),
                                          QString::number(PanelLinks->width()));
}

void TSuchForm::AnsiLadenButtonClick() {
    laden(Variante::Ansi);
}

void TSuchForm::UTF8LadenButtonClick() {
    laden(Variante::Utf8);
}

void TSuchForm::UnicodeLadenButtonClick() {
    laden(Variante::Unicode);
}

void TSuchForm::laden(Variante v) {
    TntListBox2->setPalette(QPalette());
    SucheLaeuft = false;
    if (v == Variante::Unicode)
        ViewerMemo->show();
    if (GeladeneVariante != v) {
        DokumentSchliessen();
        ViewerMemoLeeren();
    }
    SortierteListeAngezeigt = false;
    LesezeichenBtn->show();
    // Title positions and document of one and the same index run.
    const Dateisperre lesend = Datenbankwechsel(ordner_, Datenbankname).lesen(dienste_.pump);
    const QString titel = ordner_.datenbank(Datenbankname + Dokumentvarianten::titelpositionen(v));
    if (Files::existiert(titel))
        TitelPositionen.laden(Files::lesen(titel));
    else
        TitelPositionen.leeren();
    const QString suchwoerter = Suchwortliste::datei(ordner_, Datenbankname, v);
    TntListBox2->clear();
    if (Files::existiert(suchwoerter))
        TntListBox2->addItems(Suchwortliste::laden(suchwoerter));
    LesezeichenErlaubt = false;
    WeiterSuche->setEnabled(true);
    AnzeigeVariante = v;
    if (v != Variante::Unicode)
        Label2->clear();
    Label8->setText(Dokumentvarianten::ladetext(v));
    dienste_.pump.pause(100);
    ladeknopf(v)->setEnabled(false);
    ladeschritt(v);
    ladeknopf(v)->setEnabled(true);
    Viewer->setFocus();
    TntEdit1Change();
    if (TntEdit1->text().isEmpty())
        WeiterSuche->setEnabled(false);
    Lesezeichen = Lesezeichen::lesen(dienste_.einstellungen, v, Datenbankname);
    if (Lesezeichen::anspringen(Lesezeichen, LesezeichenErlaubt))
        Viewer->SetPosition(Lesezeichen, true);
    GeladeneVariante = v;
}

void TSuchForm::ladeschritt(Variante v) {
    VariantenPraefix = Dokumentvarianten::praefix(v);
    const QString dokument = ordner_.datenbank(Datenbankname + Dokumentvarianten::dokument(v));
    if (!Files::existiert(dokument))
        return;
    Label8->setText(VariantenPraefix + QStringLiteral("DB: \"") + Datenbankname +
                    QStringLiteral("\"  Position: "));
    DokumentOeffnen(dokument);
    // The first page is drawn now, so that the bookmark step knows text was shown.
    if (Viewer->isVisible())
        Viewer->viewport()->repaint();
    ZeilenAlsListeSortieren->setEnabled(
        Files::existiert(ordner_.datenbank(Datenbankname + Dokumentvarianten::sortierteListe(v))));
}

bool TSuchForm::DokumentOeffnen(const QString& datei) {
    Viewer->SetMode(vmText);
    QFile f(Files::nativ(datei));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray anfang = f.read(3);
    const qint64 groesse = f.size();
    f.close();
    const bool utf16 = anfang.startsWith("\xFF\xFE") || anfang.startsWith("\xFE\xFF");
    if (utf16)
        Viewer->SetMode(vmUnicode);
    chkUnicode->setChecked(utf16);
    chkUnicodeBE->setChecked(utf16);
    if (groesse < 4) {
        const QString leer = QStringLiteral("Dokument enthält keine Einträge:");
        const QString variante = Dokumentvarianten::anzeigename(AnzeigeVariante);
        if (AnzeigeVariante != Variante::Unicode || utf16)
            Label8->setText(variante.isEmpty() ? leer : variante + QLatin1Char('-') + leer);
        else if (anfang.startsWith("\xEF\xBB\xBF"))
            Label8->setText(leer);
    }
    DokumentDatei = datei;
    return Viewer->Open(Files::nativ(datei), true);
}

void TSuchForm::ZeigDieTitelAn() {
    Label2->show();
    Label2->setText(Titelanzeige::positionText(AnsichtPosition));
    if (TitelPositionen.leer() || Label8->text().contains(QStringLiteral("Sortierte ")))
        return;
    const QString titel = TitelPositionen.titel(AnsichtPosition);
    if (titel.isEmpty())
        return;
    Label2->setToolTip(titel);
    // The label's room reaches from its left edge to the panel's inner right edge.
    const int raum = PanelRechts->contentsRect().right() -
                     PanelRechts->layout()->contentsMargins().right() - Label2->x();
    const QFontMetrics fm(Label2->font());
    Label2->setText(
        Titelanzeige::gekuerzt(TitelPositionen.beschriftung(AnsichtPosition),
                               [&](const QString& t) { return fm.horizontalAdvance(t) <= raum; }));
}

void TSuchForm::Timer2Timer() {
    if (SortierteListeAngezeigt)
        return;
    Timer2->stop();
    ZeigDieTitelAn();
}

void TSuchForm::ViewerScroll() {
    ViewerMemo->hide();
    Viewer->SetSelection(0, 0, false, true);
}

void TSuchForm::ApplicationActivate() {
    if (steuerordner_.isEmpty() ||
        !WindowRegistry::klasseVorhanden(QStringLiteral("TMainform_Kelvora_PLUS")))
        return;
    const QString datei = steuerordner_ + QStringLiteral("Datenbank\\Suchtext.txt");
    if (!Files::existiert(datei))
        return;
    TntEdit2->setText(TextFiles::zeilen(ReadTextFile(datei)).join(QLatin1Char('\n')));
}

void TSuchForm::SpeedButton1Click() {
    Programmdateien::hilfeOeffnen(ordner_, QCoreApplication::applicationDirPath(), dienste_.shell,
                                  dienste_.notifier);
}

void TSuchForm::SpeedButton2Click() {
    if (einstellungenZeigen_)
        einstellungenZeigen_();
}

void TSuchForm::CancelBtnClick() {
    if (SucheLaeuft && suchlauf_)
        suchlauf_->abbrechen();
    if (SucheLaeuft && sucheAbbrechen_)
        sucheAbbrechen_();
    sortiergruppeZeigen(false);
    reject();
}

void TSuchForm::DokumentSchliessen() {
    Viewer->Open(QString(), true);
    DokumentDatei.clear();
}

void TSuchForm::ViewerMemoLeeren() {
    ViewerMemo->clear();
}

bool TSuchForm::viewerMemoLeer() const {
    return ViewerMemo->document()->isEmpty();
}

void TSuchForm::ErgebnisLabelsLeeren() {
    Label8->clear();
    Label2->clear();
}

void TSuchForm::SuchzustandZuruecksetzen() {
    GeladeneVariante = Variante::Keine;
    AnzeigeVariante = Variante::Keine;
    SortierteListeAngezeigt = false;
    SucheLaeuft = false;
    LesezeichenErlaubt = false;
}

void TSuchForm::setViewerSchriftgroesse(int punkte) {
    QFont f = ViewerMemo->font();
    f.setPointSize(punkte > 0 ? punkte : 1);
    ViewerMemo->setFont(f);
    Viewer->setFont(f);
}

int TSuchForm::viewerSchriftgroesse() const {
    return ViewerMemo->font().pointSize();
}

void TSuchForm::setFensterfarbe(const QColor& farbe) {
    fensterfarbe_ = farbe;
    for (QWidget* w : std::initializer_list<QWidget*>{this, PanelLinks, PanelRechts, PanelUnten,
                                                      ToolBar1, Panel2})
        Farben::hintergrund(w, farbe);
}

void TSuchForm::setHinweisfarbe(const QColor& farbe) {
    hinweisfarbe_ = farbe;
    for (QWidget* w : std::initializer_list<QWidget*>{
             GrossKleinBeachten, NurGanzeWoerterCheckBox, nurWoerterButton, nurSaetzeButton,
             WoerterUndSaetzeButton, Label1, Label2, Label5, TntLabel1, Label8, OderCheckBox,
             PhraseCheckBox, SpeedButton1, SpeedButton2})
        Farben::textfarbe(w, farbe);
    // The two search buttons carry the hint colour while there is nothing to search for.
    suchknoepfeFaerben(!Zeichenkette::trim(TntEdit2->text()).isEmpty());
}

void TSuchForm::setKurzhinweis(bool anzeigen) {
    kurzhinweis_ = anzeigen;
    ViewerMemo->setToolTip(anzeigen && !ErsterPaint ? memoHinweis() : QString());
}

QString TSuchForm::memoHinweis() {
    return QStringLiteral("Markieren Sie den Text mit der linken Maustaste. Danach rechter "
                          "Maustastenklick.\r\nText kann dann über Popup-Menü in linkes "
                          "Sucheingabefeld eingefügt werden.");
}
