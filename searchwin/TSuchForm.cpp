#include "searchwin/TSuchForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TSuchForm::TSuchForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SuchForm"));
    resize(1035, 536);

    PanelLinks = benannt(new QWidget(this), "PanelLinks");
    PanelRechts = benannt(new QWidget(this), "PanelRechts");
    PanelUnten = benannt(new QWidget(this), "PanelUnten");
    for (QWidget* p : {PanelLinks, PanelRechts, PanelUnten})
        p->setAutoFillBackground(true);

    TntEdit2 = benannt(new QLineEdit(PanelLinks), "TntEdit2");
    TntListBox2 = benannt(new QListWidget(PanelLinks), "TntListBox2");
    TntListBox2->hide();
    Label1 = benannt(new QLabel(PanelLinks), "Label1");
    auto* links = new QVBoxLayout(PanelLinks);
    links->addWidget(TntEdit2);
    links->addWidget(TntListBox2);
    links->addWidget(Label1);
    links->addStretch();

    Label8 = benannt(new QLabel(QStringLiteral("   "), PanelRechts), "Label8");
    Label2 = benannt(new QLabel(PanelRechts), "Label2");
    ViewerMemo = benannt(new QPlainTextEdit(PanelRechts), "ViewerMemo");
    ViewerMemo->setReadOnly(true);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(Label8);
    kopf->addWidget(Label2);
    kopf->addStretch();
    auto* rechts = new QVBoxLayout(PanelRechts);
    rechts->addLayout(kopf);
    rechts->addWidget(ViewerMemo, 1);

    ZeilenAlsListeSortieren =
        benannt(new QPushButton(QStringLiteral("Sortierte Textliste laden"), PanelUnten),
                "ZeilenAlsListeSortieren");
    ZeilenAlsListeSortieren->setEnabled(false);
    CancelBtn = benannt(new QPushButton(QStringLiteral("Abbrechen"), PanelUnten), "CancelBtn");
    CancelBtn->setToolTip(QStringLiteral("Schließt das Fenster"));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* unten = new QHBoxLayout(PanelUnten);
    unten->addWidget(ZeilenAlsListeSortieren);
    unten->addStretch();
    unten->addWidget(CancelBtn);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(PanelLinks);
    mitte->addWidget(PanelRechts, 1);
    auto* gesamt = new QVBoxLayout(this);
    gesamt->addLayout(mitte, 1);
    gesamt->addWidget(PanelUnten);
}

void TSuchForm::DokumentSchliessen() {
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
}

int TSuchForm::viewerSchriftgroesse() const {
    return ViewerMemo->font().pointSize();
}

void TSuchForm::setFensterfarbe(const QColor& farbe) {
    for (QWidget* w : {static_cast<QWidget*>(this), PanelLinks, PanelRechts, PanelUnten}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, farbe);
        w->setPalette(p);
    }
    setAutoFillBackground(true);
}

void TSuchForm::setHinweisfarbe(const QColor& farbe) {
    for (QLabel* l : {Label1, Label2, Label8}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, farbe);
        l->setPalette(p);
    }
}
