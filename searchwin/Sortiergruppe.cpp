#include "searchwin/Sortiergruppe.h"

#include "platform/Files.h"
#include "platform/Notifier.h"
#include "searchwin/TSuchForm.h"
#include "viewer/ViewerDokument.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <initializer_list>

namespace {

const QString& abbruchTitel() {
    static const QString titel =
        QStringLiteral("Abbruch durch Benutzer! Bitte Geduld! Ich höre gleich auf!");
    return titel;
}

Dokumentvariante ausPraefix(const QString& praefix) {
    for (Dokumentvariante v : Dokumentvarianten::alle)
        if (praefix == Dokumentvarianten::praefix(v))
            return v;
    return Dokumentvariante::Keine;
}

} // namespace

Sortiergruppe::Sortiergruppe(TSuchForm& form, const Dienste& dienste, const Programmordner& ordner)
    : QObject(&form), form_(form), dienste_(dienste), ordner_(ordner),
      listen_(ordner, dienste.notifier, dienste.pump) {
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    form_.nurWoerterButton->setChecked(true);
    listen_.setAbbruch([this] { return *abbruch_; });
    listen_.setRueckmeldung(rueckmeldung());

    connect(Timer1, &QTimer::timeout, this, &Sortiergruppe::Timer1Timer);
    connect(form_.SortierteListenErstellenButton, &QPushButton::clicked, this,
            &Sortiergruppe::SortierteListenErstellenButtonClick);
    connect(form_.SortAbbrechenButton, &QPushButton::clicked, this,
            &Sortiergruppe::SortAbbrechenButtonClick);
    connect(form_.ZeilenAlsListeSortieren, &QPushButton::clicked, this,
            &Sortiergruppe::ZeilenAlsListeSortierenClick);
    // Closing the window with the group open cancels and closes the group as its own
    // button would, so that the web search comes back on the next showing.
    connect(form_.CancelBtn, &QPushButton::clicked, this, [this] {
        if (gruppeOffen_)
            SortAbbrechenButtonClick();
    });
}

SortierteListen::Rueckmeldung Sortiergruppe::rueckmeldung() {
    SortierteListen::Rueckmeldung r;
    r.fenstertitel = [this](const QString& text) { form_.setWindowTitle(text); };
    r.status = [this](const QString& text) { form_.Label4->setText(text); };
    r.maximum = [this](int wert) { form_.ProgressBar1->setMaximum(wert); };
    // A position outside the range goes to its nearer end, as a progress bar shows it.
    r.position = [this](int wert) {
        QProgressBar* p = form_.ProgressBar1;
        p->setValue(qBound(p->minimum(), wert, qMax(p->minimum(), p->maximum())));
    };
    r.timerStarten = [this] { Timer1->start(); };
    r.sperren = [this] {
        form_.ErgebnisLabelsLeeren();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 form_.ZeilenAlsListeSortieren, form_.AnsiLadenButton, form_.UTF8LadenButton,
                 form_.UnicodeLadenButton, form_.OKBtn})
            w->setEnabled(false);
        bedienungFreigeben(false);
        form_.ProgressBar1->setMinimum(0);
    };
    r.freigeben = [this] { bedienungFreigeben(true); };
    r.ladeknoepfe = [this](bool ansi, bool utf8, bool unicode) {
        if (ansi)
            form_.AnsiLadenButton->setEnabled(true);
        if (utf8)
            form_.UTF8LadenButton->setEnabled(true);
        if (unicode)
            form_.UnicodeLadenButton->setEnabled(true);
    };
    r.sortierungLaeuft = [this](bool laeuft) { form_.SortierungLaeuft = laeuft; };
    r.laufwerk = [this](QChar laufwerk) { Laufwerk = laufwerk; };
    return r;
}

void Sortiergruppe::bedienungFreigeben(bool frei) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             form_.SortierteListenErstellenButton, form_.TntEdit2, form_.GrossKleinBeachten,
             form_.NurGanzeWoerterCheckBox, form_.TntEdit1, form_.SpeedButton2, form_.CancelBtn,
             form_.WeiterSuche, form_.nurWoerterButton, form_.nurSaetzeButton,
             form_.WoerterUndSaetzeButton})
        w->setEnabled(frei);
}

void Sortiergruppe::gruppeZeigen(bool zeigen) {
    gruppeOffen_ = zeigen;
    for (QWidget* w : std::initializer_list<QWidget*>{
             form_.Bevel5, form_.Label4, form_.ProgressBar1, form_.SortierteListenErstellenButton,
             form_.SortAbbrechenButton, form_.RadioGroup1, form_.nurWoerterButton,
             form_.nurSaetzeButton, form_.WoerterUndSaetzeButton})
        w->setVisible(zeigen);
}

SortierteListen::Modus Sortiergruppe::modus() const {
    if (form_.nurSaetzeButton->isChecked())
        return SortierteListen::Modus::Saetze;
    if (form_.WoerterUndSaetzeButton->isChecked())
        return SortierteListen::Modus::Beide;
    return SortierteListen::Modus::Woerter;
}

bool Sortiergruppe::SortierungAnzeigen() {
    const QString frage =
        QStringLiteral("Möchten Sie die Dokumente von \"") + form_.Datenbankname +
        QStringLiteral("\" sortieren?\r\nVorhandene sortierte Listen werden überschrieben! Wenn "
                       "JA, dann \r\nklicken Sie anschließend auf den Schalter \"Sortierte Listen "
                       "erstellen\"");
    if (!dienste_.notifier.frage(frage))
        return false;
    *abbruch_ = false;
    gruppeZeigen(true);
    form_.Panel2->hide();
    return true;
}

void Sortiergruppe::dokumentFreigeben() {
    form_.DokumentSchliessen();
    form_.ViewerMemoLeeren();
    form_.Label2->clear();
    DokumentWarOffen = form_.Viewer2->IstOffen();
    if (DokumentWarOffen) {
        form_.ViewerMemoLeeren();
        form_.Viewer2->Close();
    }
}

void Sortiergruppe::SortierteListenErstellenButtonClick() {
    // The pump lets clicks through while a run lasts; one run at a time.
    if (imLauf_)
        return;
    imLauf_ = true;
    QPalette farbe = form_.ProgressBar1->palette();
    farbe.setColor(QPalette::Highlight, QColor(0, 255, 0));
    form_.ProgressBar1->setPalette(farbe);
    dokumentFreigeben();
    listen_.setModus(modus());
    listen_.SortierteListenErstellen(form_.Datenbankname);
    imLauf_ = false;
    // The timer stops itself after ten ticks for good; a cancel noticed later would leave
    // the run flag set and the group impossible to close, so the run finishes it here.
    if (*abbruch_ && form_.SortierungLaeuft) {
        form_.SortierungLaeuft = false;
        SortAbbrechenButtonClick();
    }
}

void Sortiergruppe::SortAbbrechenButtonClick() {
    *abbruch_ = true;
    form_.setWindowTitle(abbruchTitel());
    if (form_.SortierungLaeuft)
        return;
    gruppeZeigen(false);
    for (Dokumentvariante v : Dokumentvarianten::alle)
        if (SortierteListen::ladbar(ordner_, form_.Datenbankname, v))
            form_.ladeknopf(v)->setEnabled(true);
    bedienungFreigeben(true);
    form_.Label4->setText(QStringLiteral("Sortierte Liste von: "));
    form_.ProgressBar1->setValue(0);
    form_.setWindowTitle(QString());
    if (form_.Panel2->isHidden())
        form_.Panel2->show();
}

void Sortiergruppe::Timer1Timer() {
    ++Timerzaehler;
    if (*abbruch_) {
        form_.SortierungLaeuft = false;
        SortAbbrechenButtonClick();
    }
    if (Timerzaehler >= 10)
        Timer1->stop();
}

void Sortiergruppe::ZeilenAlsListeSortierenClick() {
    form_.TntEdit1Change();
    form_.LesezeichenBtn->hide();
    form_.WeiterSuche->setEnabled(true);
    const Dokumentvariante v = ausPraefix(form_.VariantenPraefix);
    const QString& name = form_.Datenbankname;
    const QString liste = ordner_.datenbank(name + Dokumentvarianten::sortierteListe(v));
    if (v != Dokumentvariante::Keine && Files::existiert(liste)) {
        form_.DokumentOeffnen(liste);
        form_.SortierteListeAngezeigt = true;
        const QString titel = QStringLiteral("Sortierte ") + Dokumentvarianten::anzeigename(v) +
                              QStringLiteral("-Liste von ");
        form_.setWindowTitle(titel);
        form_.Label8->setText(titel + QStringLiteral("DB: \"") + name + QLatin1Char('"'));
        form_.Label2->clear();
    }
    // The search field's change handler starts the in-document search anew, now on the list.
    form_.TntEdit1Change();
}
