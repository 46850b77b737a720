// The left search field: what its changes decide (Suchfeld), the suggestion list of the
// search words used before, and the enabling of the search controls.

#include "searchwin/TSuchForm.h"

#include "platform/gui/Farben.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The system colour the web lists take while they are disabled.
const QColor rollbalkenfarbe(0xC8, 0xC8, 0xC8);

void grundfarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, farbe);
    w->setPalette(p);
}

} // namespace

void TSuchForm::suchfeldAnbinden() {
    TntListBox2->setToolTip(QStringLiteral("Linker Mausklick fügt die Auswahl ein."));
    TntListBox2->setStyleSheet(QStringLiteral("QListWidget::item { height: 20px; }"));
    // Qt reports a user's edit before the change itself: typing adds or removes one
    // character at a time, a paste or drop brings more at once.
    connect(TntEdit2, &QLineEdit::textEdited, this,
            [this](const QString& neu) { getippt_ = neu.size() <= feldVorher_.size() + 1; });
    connect(TntEdit2, &QLineEdit::textChanged, this, &TSuchForm::TntEdit2Change);
    connect(Button1, &QPushButton::clicked, this, &TSuchForm::Button1Click);
    connect(TntListBox2, &QListWidget::itemClicked, this, &TSuchForm::TntListBox2Click);
}

void TSuchForm::TntEdit2Change() {
    const bool getippt = getippt_;
    getippt_ = false;
    suchfeldAnwenden(getippt ? Suchfeld::Pfadregel::Warten : Suchfeld::Pfadregel::Anwenden);
}

bool TSuchForm::suchfeldAnwenden(Suchfeld::Pfadregel regel) {
    const Suchfeld::Zustand z = suchfeld_.TntEdit2Change(TntEdit2->text(), regel);
    if (z.feldtext != TntEdit2->text()) {
        // Suchfeld has already followed every rewrite of the text.
        const QSignalBlocker sperre(TntEdit2);
        TntEdit2->setText(z.feldtext);
    }
    if (z.phrase)
        PhraseCheckBox->setChecked(true);
    else
        OderCheckBox->setChecked(true);
    DateiGeoeffnet = z.dateiGeoeffnet;
    TntLabel1->setText(z.suchtextLabel);
    suchsteuerungFreigeben(z.suchbereit);
    feldVorher_ = TntEdit2->text();
    if (z.fensterSchliessen)
        CancelBtnClick();
    return !z.fensterSchliessen && !z.dateiGeoeffnet;
}

void TSuchForm::suchknoepfeFaerben(bool frei) {
    const QColor farbe = frei ? Farben::farbe(Suchfeld::SuchbereitFarbe)
                              : (hinweisfarbe_.isValid() ? hinweisfarbe_ : QColor(Qt::black));
    Farben::textfarbe(OKBtn, farbe);
    Farben::textfarbe(SuchImInternetBtn, farbe);
}

void TSuchForm::suchsteuerungFreigeben(bool frei) {
    suchknoepfeFaerben(frei);
    for (QWidget* w : std::initializer_list<QWidget*>{OKBtn, Label5, TntLabel1, TntComboBox1,
                                                      TntListBox1, SuchImInternetBtn})
        w->setEnabled(frei);
    for (QWidget* w : std::initializer_list<QWidget*>{TntComboBox1, TntListBox1})
        grundfarbe(w, frei ? QApplication::palette().color(QPalette::Base) : rollbalkenfarbe);
}

void TSuchForm::TntEdit2Click() {
    // The list lies over the left panel right under the field.
    TntListBox2->setGeometry(TntEdit2->x(), TntEdit2->geometry().bottom() + 1, Panel2->width(),
                             155);
    if (TntListBox2->count() > 0) {
        TntListBox2->setVisible(!TntListBox2->isVisible());
        TntListBox2->raise();
    }
}

bool TSuchForm::TntEdit2KeyDown(int taste) {
    TntListBox2->hide();
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter)
        return false;
    OKBtn->setFocus();
    if (OKBtn->isEnabled())
        OKBtn->click();
    return true;
}

void TSuchForm::Button1Click() {
    TntEdit2->clear();
}

void TSuchForm::TntListBox2Click(const QListWidgetItem* eintrag) {
    if (!eintrag)
        return;
    TntEdit2->setText(eintrag->text());
    TntListBox2->hide();
    TntEdit2->setFocus();
    TntEdit2->deselect();
    TntEdit2->end(false);
}
