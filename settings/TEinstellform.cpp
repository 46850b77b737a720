#include "settings/TEinstellform.h"

#include "platform/Farbtext.h"
#include "platform/SettingsStore.h"
#include "platform/gui/Farben.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QHBoxLayout>
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
    connect(SortierungAnzeigenBitBtn, &QPushButton::clicked, this, [this] {
        if (ziele_.sortierungAnzeigen)
            ziele_.sortierungAnzeigen();
    });
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
    layout->addLayout(schrift);
    for (QLabel* l : {Label2, Label3, Label4, Label5})
        layout->addWidget(l);
    layout->addStretch();
    layout->addLayout(knoepfe);

    ziele_.farbeWaehlen = [this](const QColor& start) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(start, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    knoepfeAnpassen();
}

void TEinstellform::showEvent(QShowEvent* event) {
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
    QPalette p = palette();
    p.setColor(QPalette::Window, farbe);
    setPalette(p);
    setAutoFillBackground(true);
}

void TEinstellform::setHinweisfarbe(const QColor& farbe) {
    for (QWidget* w : std::initializer_list<QWidget*>{SuchtextInClipbrdCheckBox,
                                                      KurzhinweisImViewerZeigenCheckBox, Label1,
                                                      Label2, Label3, Label4, Label5}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, farbe);
        w->setPalette(p);
    }
}

void TEinstellform::fensterfarbeAnwenden(const QColor& farbe) {
    if (ziele_.fensterfarbe)
        ziele_.fensterfarbe(farbe);
    else
        setFensterfarbe(farbe);
}

void TEinstellform::FarbenAendernButtonClick() {
    const auto c = ziele_.farbeWaehlen(palette().color(QPalette::Window));
    if (!c)
        return;
    fensterfarbeAnwenden(*c);
    farbeGeaendert_ = true;
    einstellungen_.SchreibeRegKey(QStringLiteral("Farbe"), Farbtext::text(Farben::wert(*c)));
    if (ziele_.neuAusrichten)
        ziele_.neuAusrichten();
}

void TEinstellform::HinweistexteFarbenAendernButtonClick() {
    const auto c = ziele_.farbeWaehlen(Label1->palette().color(QPalette::WindowText));
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
