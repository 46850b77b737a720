#include "settings/TEinstellform.h"

#include "index/Texterkennung.h"
#include "platform/Farbtext.h"
#include "platform/SettingsStore.h"
#include "platform/gui/Farben.h"
#include "settings/Browserbild.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TEinstellform::TEinstellform(SettingsStore& einstellungen, QWidget* parent)
    : QDialog(parent), einstellungen_(einstellungen) {
    setObjectName(QStringLiteral("Einstellform"));
    setWindowTitle(QStringLiteral("Einstellungen"));

    SuchtextInClipbrdCheckBox = benannt(
        new QCheckBox(QStringLiteral("Suchtext nach Suche in Zwischenablage kopieren"), this),
        "SuchtextInClipbrdCheckBox");
    SuchtextInClipbrdCheckBox->setChecked(true);
    FarbenAendernButton =
        benannt(new QPushButton(QStringLiteral("Fenster Hintergrund Farben ändern"), this),
                "FarbenAendernButton");
    HinweistexteFarbenAendernButton =
        benannt(new QPushButton(QStringLiteral("Hinweistexte Farben ändern"), this),
                "HinweistexteFarbenAendernButton");
    Button1 =
        benannt(new QPushButton(QStringLiteral("Standard wieder herstellen"), this), "Button1");
    SortierungAnzeigenBitBtn =
        benannt(new QPushButton(QStringLiteral("       Sortierte Listen erstellen       "), this),
                "SortierungAnzeigenBitBtn");
    KurzhinweisImViewerZeigenCheckBox =
        benannt(new QCheckBox(QStringLiteral("Kurzhinweis im Viewer an Mauscursor anzeigen"), this),
                "KurzhinweisImViewerZeigenCheckBox");
    KurzhinweisImViewerZeigenCheckBox->setChecked(true);
    TexterkennungCheckBox = benannt(
        new QCheckBox(QStringLiteral("Texterkennung für gescannte PDF-Dateien (langsam)"), this),
        "TexterkennungCheckBox");

    SpeedButton1 = benannt(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Label1 = benannt(new QLabel(QStringLiteral("Schriftgröße Text-Viewer"), this), "Label1");
    SpeedButton2 = benannt(new QToolButton(this), "SpeedButton2");
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    for (QToolButton* b : {SpeedButton1, SpeedButton2})
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    Label2 = benannt(
        new QLabel(QStringLiteral("Diese Browser sind auf Ihrem PC installiert:"), this), "Label2");
    Label3 = benannt(new QLabel(QStringLiteral("Symbol anklicken für Browser Auswahl."), this),
                     "Label3");
    Label4 = benannt(
        new QLabel(QStringLiteral("Ihre Browser Standardeinstellung wird NICHT geändert."), this),
        "Label4");
    Label5 = benannt(
        new QLabel(QStringLiteral("Dieser Browser zeigt aktuell die Suchergebnisse an:"), this),
        "Label5");

    OkButton = benannt(new QPushButton(QStringLiteral("OK"), this), "OkButton");
    OkButton->setDefault(true);
    AbbruchButton = benannt(new QPushButton(QStringLiteral("&Abbruch"), this), "AbbruchButton");

    connect(FarbenAendernButton, &QPushButton::clicked, this,
            &TEinstellform::FarbenAendernButtonClick);
    connect(HinweistexteFarbenAendernButton, &QPushButton::clicked, this,
            &TEinstellform::HinweistexteFarbenAendernButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TEinstellform::Button1Click);
    SortierungAnzeigenBitBtn->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    connect(SortierungAnzeigenBitBtn, &QPushButton::clicked, this,
            &TEinstellform::SortierungAnzeigenBitBtnClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TEinstellform::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TEinstellform::SpeedButton2Click);
    connect(OkButton, &QPushButton::clicked, this, &TEinstellform::OkButtonClick);
    connect(AbbruchButton, &QPushButton::clicked, this, &TEinstellform::AbbruchButtonClick);

    auto* schrift = new QHBoxLayout;
    schrift->addWidget(SpeedButton1);
    schrift->addWidget(Label1);
    schrift->addWidget(SpeedButton2);
    schrift->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SuchtextInClipbrdCheckBox);
    layout->addWidget(FarbenAendernButton);
    layout->addWidget(HinweistexteFarbenAendernButton);
    layout->addWidget(Button1);
    layout->addWidget(SortierungAnzeigenBitBtn);
    layout->addWidget(KurzhinweisImViewerZeigenCheckBox);
    layout->addWidget(TexterkennungCheckBox);
    layout->addLayout(schrift);
    browserzeileAnlegen();
    auto* browser = new QHBoxLayout;
    for (Browserbild* b : browserbilder_)
        browser->addWidget(b);
    browser->addStretch();
    auto* aktuell = new QHBoxLayout;
    aktuell->addWidget(Label5);
    aktuell->addWidget(AktuellerBrowser_Image);
    aktuell->addStretch();
    layout->addWidget(Label2);
    layout->addLayout(browser);
    layout->addWidget(Label3);
    layout->addWidget(Label4);
    layout->addLayout(aktuell);
    layout->addStretch();
    layout->addLayout(knoepfe);

    farbwahl_ = [this](const QColor& start) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(start, this, QStringLiteral("Farbe wählen"));
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    knoepfeAnpassen();
    PruefeWelcheBrowserInstalliert(TBrowsererkennung::Quellen::system());
}

void TEinstellform::browserzeileAnlegen() {
    static constexpr const char* namen[] = {"standard_Image", "ie_Image",    "edge_Image",
                                            "chrome_Image",   "opera_Image", "safari_Image",
                                            "firefox_Image"};
    for (int i = 0; i < TBrowsererkennung::Anzahl; ++i) {
        auto* bild = benannt(new Browserbild(this), namen[i]);
        browserbilder_[i] = bild;
        const auto art = static_cast<TBrowsererkennung::Bild>(i);
        connect(bild, &Browserbild::angeklickt, this, [this, art] { BrowserbildKlick(art); });
    }
    standard_Image = browserbilder_[TBrowsererkennung::Standard];
    ie_Image = browserbilder_[TBrowsererkennung::Ie];
    edge_Image = browserbilder_[TBrowsererkennung::Edge];
    chrome_Image = browserbilder_[TBrowsererkennung::Chrome];
    opera_Image = browserbilder_[TBrowsererkennung::Opera];
    safari_Image = browserbilder_[TBrowsererkennung::Safari];
    firefox_Image = browserbilder_[TBrowsererkennung::Firefox];
    AktuellerBrowser_Image = benannt(new QLabel(this), "AktuellerBrowser_Image");
    AktuellerBrowser_Image->setPixmap(leeresBild());
    leer_Image = benannt(new QLabel(this), "leer_Image");
    leer_Image->setPixmap(leeresBild());
    leer_Image->hide();
}

QPixmap TEinstellform::browserbildDatei(TBrowsererkennung::Bild bild) {
    static constexpr const char* dateien[] = {"standard", "ie",     "edge",   "chrome",
                                              "opera",    "safari", "firefox"};
    return QPixmap(QStringLiteral(":/browser/") + QLatin1String(dateien[bild]) +
                   QStringLiteral(".jpg"));
}

QPixmap TEinstellform::leeresBild() {
    return QPixmap(QStringLiteral(":/browser/leer.jpg"));
}

void TEinstellform::PruefeWelcheBrowserInstalliert(const TBrowsererkennung::Quellen& quellen) {
    const TBrowsererkennung::Bilder b =
        TBrowsererkennung::PruefeWelcheBrowserInstalliert(einstellungen_, quellen);
    for (int i = 0; i < TBrowsererkennung::Anzahl; ++i) {
        const auto art = static_cast<TBrowsererkennung::Bild>(i);
        Browserbild* bild = browserbilder_[i];
        // Every position stays visible; only the browsers found carry a hint and react.
        bild->setPixmap(b.sichtbar[i] ? browserbildDatei(art) : leer_Image->pixmap());
        bild->setToolTip(b.sichtbar[i] ? b.hinweis[i] : QString());
        bild->show();
    }
    if (b.aktuell >= 0)
        AktuellerBrowser_Image->setPixmap(
            browserbildDatei(static_cast<TBrowsererkennung::Bild>(b.aktuell)));
}

void TEinstellform::BrowserbildKlick(TBrowsererkennung::Bild bild) {
    Browserbild* b = browserbilder_[bild];
    if (TBrowsererkennung::BildKlick(bild, b->toolTip(), einstellungen_))
        AktuellerBrowser_Image->setPixmap(b->pixmap());
}

void TEinstellform::paintEvent(QPaintEvent* event) {
    knoepfeAnpassen();
    QDialog::paintEvent(event);
}

void TEinstellform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        AbbruchButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TEinstellform::SortierungAnzeigenBitBtnClick() {
    if (ziele_.sortierungAnzeigen && ziele_.sortierungAnzeigen())
        QDialog::reject();
}

void TEinstellform::showEvent(QShowEvent* event) {
    // Not when the window only comes back from being minimised.
    if (!event->spontaneous())
        TexterkennungCheckBox->setChecked(Texterkennung::eingeschaltet(einstellungen_));
    knoepfeAnpassen();
    QDialog::showEvent(event);
}

void TEinstellform::knoepfeAnpassen() {
    const bool sichtbar = ziele_.suchfensterSichtbar && ziele_.suchfensterSichtbar();
    for (QWidget* w :
         std::initializer_list<QWidget*>{SortierungAnzeigenBitBtn, SpeedButton1, SpeedButton2})
        w->setEnabled(sichtbar);
    SpeedButton1->setText(sichtbar ? QString() : QStringLiteral("+    "));
    SpeedButton2->setText(sichtbar ? QString() : QStringLiteral("-    "));
}

void TEinstellform::setFensterfarbe(const QColor& farbe) {
    Farben::hintergrund(this, farbe);
}

void TEinstellform::setHinweisfarbe(const QColor& farbe) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             SuchtextInClipbrdCheckBox, KurzhinweisImViewerZeigenCheckBox, TexterkennungCheckBox,
             Label1, Label2, Label3, Label4, Label5})
        Farben::textfarbe(w, farbe);
}

void TEinstellform::fensterfarbeAnwenden(const QColor& farbe) {
    if (ziele_.fensterfarbe)
        ziele_.fensterfarbe(farbe);
    else
        setFensterfarbe(farbe);
}

void TEinstellform::FarbenAendernButtonClick() {
    const auto c = farbwahl_(palette().color(QPalette::Window));
    if (!c)
        return;
    fensterfarbeAnwenden(*c);
    farbeGeaendert_ = true;
    einstellungen_.SchreibeRegKey(QStringLiteral("Farbe"), Farbtext::text(Farben::wert(*c)));
    if (ziele_.neuAusrichten)
        ziele_.neuAusrichten();
}

void TEinstellform::HinweistexteFarbenAendernButtonClick() {
    const auto c = farbwahl_(Label1->palette().color(QPalette::WindowText));
    if (!c)
        return;
    einstellungen_.SchreibeRegKey(QStringLiteral("HinweistextFarbe"),
                                  Farbtext::text(Farben::wert(*c)));
    if (ziele_.hinweisfarbe)
        ziele_.hinweisfarbe(*c);
    else
        setHinweisfarbe(*c);
}

void TEinstellform::Button1Click() {
    const QString standard = Farbtext::text(Farbtext::Standardfarbe);
    fensterfarbeAnwenden(Farben::farbe(Farbtext::Standardfarbe));
    einstellungen_.SchreibeRegKey(QStringLiteral("SchriftsizeTextViewer"), QStringLiteral("10"));
    if (ziele_.schriftgroesseSetzen)
        ziele_.schriftgroesseSetzen(10);
    einstellungen_.SchreibeRegKey(QStringLiteral("Farbe"), standard);
    const QString breite = QString::number(standardBreite_);
    einstellungen_.SchreibeRegKey(QStringLiteral("Hoehe"), QStringLiteral("506"));
    einstellungen_.SchreibeRegKey(QStringLiteral("Weite"), breite);
    einstellungen_.SchreibeRegKey(QStringLiteral("SHoehe"), QStringLiteral("500"));
    einstellungen_.SchreibeRegKey(QStringLiteral("SWeite"), breite);
    if (ziele_.fenstergroessen)
        ziele_.fenstergroessen(506, standardBreite_, 500, standardBreite_);
    einstellungen_.SchreibeRegKey(QStringLiteral("HinweistextFarbe"), QStringLiteral("clBlack"));
    if (ziele_.hinweisfarbe)
        ziele_.hinweisfarbe(Qt::black);
    else
        setHinweisfarbe(Qt::black);
    if (ziele_.neuAusrichten)
        ziele_.neuAusrichten();
}

void TEinstellform::SpeedButton1Click() {
    if (ziele_.schriftgroesseAendern)
        ziele_.schriftgroesseAendern(1);
}

void TEinstellform::SpeedButton2Click() {
    if (ziele_.schriftgroesseAendern)
        ziele_.schriftgroesseAendern(-1);
}

void TEinstellform::OkButtonClick() {
    auto wert = [](QCheckBox* c) {
        return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    einstellungen_.SchreibeRegKey(QStringLiteral("Suchwort_in_Zwischenablage_kopieren"),
                                  wert(SuchtextInClipbrdCheckBox));
    einstellungen_.SchreibeRegKey(QStringLiteral("Kurzhinweis_imViewer_anzeigen"),
                                  wert(KurzhinweisImViewerZeigenCheckBox));
    Texterkennung::setEingeschaltet(einstellungen_, TexterkennungCheckBox->isChecked());
    if (ziele_.kurzhinweisAnzeigen)
        ziele_.kurzhinweisAnzeigen(KurzhinweisImViewerZeigenCheckBox->isChecked());
    accept();
}

void TEinstellform::AbbruchButtonClick() {
    if (farbeGeaendert_) {
        fensterfarbeAnwenden(Farben::farbe(Farbtext::Standardfarbe));
        einstellungen_.SchreibeRegKey(QStringLiteral("Farbe"),
                                      Farbtext::text(Farbtext::Standardfarbe));
    }
    reject();
}
