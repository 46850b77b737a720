#include "app/gui/TMainForm_Kelvora_PDF.h"

#include "app/Anzeigetexte.h"
#include "app/gui/Bilder.h"
#include "app/gui/DatenbankEintragDelegate.h"
#include "datenbank/Datenbanksperre.h"
#include "datenbank/Programmdateien.h"
#include "index/Hauptliste.h"
#include "index/Indexlauf.h"
#include "index/Laufzeit.h"
#include "index/Texterkennung.h"
#include "index/gui/TOKBottomDlg.h"
#include "lister/Dateilister.h"
#include "platform/Platform.h"
#include "platform/gui/Farben.h"
#include "search/Suchknopf.h"
#include "search/Suchlauf.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "viewer/TextViewer.h"
#include "viewer/ViewerDokument.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <chrono>

namespace {

qint64 ticks() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

const QString schliessenText = QStringLiteral("Schli&eßen");

// Resizes a window and centres it on its screen, halves rounded towards zero.
void zentrieren(QWidget* fenster, int hoehe, int weite) {
    fenster->resize(weite, hoehe);
    const QScreen* bildschirm = fenster->screen();
    if (!bildschirm)
        return;
    const QRect r = bildschirm->geometry();
    fenster->move(r.width() / 2 - weite / 2, r.height() / 2 - hoehe / 2);
}

} // namespace

TMainForm_Kelvora_PDF::TMainForm_Kelvora_PDF(const Dienste& dienste, const Programmordner& ordner,
                                             QWidget* parent)
    : QMainWindow(parent), dienste_(dienste), ordner_(ordner), katalog_(ordner) {
    setObjectName(QStringLiteral("MainForm_Kelvora_PDF"));
    setMinimumSize(700, 506);

    auto* zentrum = new QWidget(this);
    setCentralWidget(zentrum);

    // Tool bar: caption, spacer, help and settings buttons.
    auto* toolBar = benannt(new QWidget(zentrum), "ToolBar1");
    toolBar->setFixedHeight(40);
    SpeedButton3 = benannt(new QToolButton(toolBar), "SpeedButton3");
    SpeedButton3->setText(QStringLiteral("  Kelvora-PDF 4.0"));
    SpeedButton3->setEnabled(false);
    SpeedButton3->setFixedSize(172, 33);
    ToolButton1 = benannt(new QWidget(toolBar), "ToolButton1");
    SpeedButton1 = benannt(new QToolButton(toolBar), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("?"));
    SpeedButton1->setFixedSize(42, 33);
    QFont fett = SpeedButton1->font();
    fett.setBold(true);
    SpeedButton1->setFont(fett);
    SpeedButton2 = benannt(new QToolButton(toolBar), "SpeedButton2");
    SpeedButton2->setIcon(QIcon(Bilder::einstellungenSymbol()));
    SpeedButton2->setToolTip(QStringLiteral("Einstellungen"));
    SpeedButton2->setFixedSize(43, 33);
    auto* toolLayout = new QHBoxLayout(toolBar);
    toolLayout->setContentsMargins(0, 0, 0, 0);
    toolLayout->setSpacing(0);
    toolLayout->addWidget(SpeedButton3);
    toolLayout->addWidget(ToolButton1);
    toolLayout->addWidget(SpeedButton1);
    toolLayout->addWidget(SpeedButton2);

    Panel1 = benannt(new QWidget(zentrum), "Panel1");
    Panel1->setAutoFillBackground(true);
    Image1 = benannt(new QLabel(Panel1), "Image1");
    Image1->setPixmap(Bilder::logo());
    auto* titel = new QLabel(QStringLiteral("Die Suchmaschine für PDF-Dokumente"), Panel1);
    QFont titelSchrift = titel->font();
    titelSchrift.setPixelSize(20);
    titelSchrift.setBold(true);
    titel->setFont(titelSchrift);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->addWidget(Image1);
    panelLayout->addWidget(titel, 1);

    ListBox1 = benannt(new QListWidget(zentrum), "ListBox1");
    QFont listFont = ListBox1->font();
    listFont.setBold(true);
    listFont.setPixelSize(16);
    ListBox1->setFont(listFont);
    ListBox1->setUniformItemSizes(true);
    delegate_ = new DatenbankEintragDelegate(Bilder::datenbankSymbol(), this);
    ListBox1->setItemDelegate(delegate_);
    ListBox1->viewport()->installEventFilter(this);

    SuchenBtn = benannt(new QPushButton(QStringLiteral("&Suchen"), zentrum), "SuchenBtn");
    SuchenBtn->setMinimumHeight(41);
    SuchenBtn->installEventFilter(this);
    NeuErstellenBtn = benannt(new QPushButton(QStringLiteral("  &Neue DB erstellen "), zentrum),
                              "NeuErstellenBtn");
    DBerneutIndizierenBtn = benannt(
        new QPushButton(QStringLiteral("DB erneut indizieren"), zentrum), "DBerneutIndizierenBtn");
    BitBtn2 = benannt(new QPushButton(schliessenText, zentrum), "BitBtn2");
    for (QPushButton* b : {NeuErstellenBtn, DBerneutIndizierenBtn, BitBtn2})
        b->setMinimumHeight(33);

    Label1 = benannt(new QLabel(zentrum), "Label1");
    Label2 = benannt(new QLabel(zentrum), "Label2");
    GeduldLabel = benannt(new QLabel(zentrum), "GeduldLabel");
    GeduldLabel->setMinimumWidth(80);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(SuchenBtn);
    knoepfe->addWidget(NeuErstellenBtn);
    knoepfe->addWidget(DBerneutIndizierenBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn2);

    auto* raster = new QGridLayout;
    raster->addWidget(ListBox1, 0, 0);
    raster->addLayout(knoepfe, 0, 1);
    raster->addWidget(Label1, 1, 0, 1, 2);
    raster->addWidget(Label2, 2, 0, 1, 2);
    raster->setColumnStretch(0, 1);

    auto* gesamt = new QVBoxLayout(zentrum);
    gesamt->addWidget(toolBar);
    gesamt->addWidget(Panel1);
    gesamt->addLayout(raster, 1);

    PopupMenu1 = benannt(new QMenu(this), "PopupMenu1");
    QAction* loeschen = PopupMenu1->addAction(QStringLiteral("Datenbank löschen"));
    loeschen->setObjectName(QStringLiteral("Datenbankloeschen1"));
    connect(loeschen, &QAction::triggered, this, &TMainForm_Kelvora_PDF::Datenbankloeschen1Click);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] {
        if (SuchenBtn->isEnabled())
            SuchenBtnClick();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &TMainForm_Kelvora_PDF::BitBtn2Click);
    connect(SuchenBtn, &QPushButton::clicked, this, &TMainForm_Kelvora_PDF::SuchenBtnClick);
    connect(NeuErstellenBtn, &QPushButton::clicked, this,
            &TMainForm_Kelvora_PDF::NeuErstellenBtnClick);
    connect(DBerneutIndizierenBtn, &QPushButton::clicked, this,
            &TMainForm_Kelvora_PDF::DBerneutIndizierenBtnClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TMainForm_Kelvora_PDF::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TMainForm_Kelvora_PDF::SpeedButton2Click);

    GedultTimer = new QTimer(this);
    GedultTimer->setInterval(1000);
    connect(GedultTimer, &QTimer::timeout, this, &TMainForm_Kelvora_PDF::GedultTimerTimer);
    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &TMainForm_Kelvora_PDF::Timer1Timer);
    UeberwachTimer = new QTimer(this);
    UeberwachTimer->setInterval(Listerwache::Takt);
    connect(UeberwachTimer, &QTimer::timeout, this, &TMainForm_Kelvora_PDF::UeberwachTimerTimer);
    checkDefenderTimer = new QTimer(this);
    checkDefenderTimer->setInterval(1000);
    connect(checkDefenderTimer, &QTimer::timeout, this,
            &TMainForm_Kelvora_PDF::checkDefenderTimerTimer);

    nachrichten_ = new Fensternachricht(this);
    connect(nachrichten_, &Fensternachricht::empfangen, this,
            &TMainForm_Kelvora_PDF::nachrichtEmpfangen);

    // Start-up.
    SettingsStore& einstellungen = dienste_.einstellungen;
    Registrierwerte::erststartWerteSchreiben(einstellungen);
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    standardBreite_ =
        Registrierwerte::standardBreite(bildschirm ? bildschirm->geometry().width() : 1920);
    Label1->clear();
    Label2->clear();
    anzahlDateien = 0;
    adressenDatei_ = ordner_.datei(QStringLiteral("Adressen_Webseiten.txt"));
    ordner_.ordnerAnlegen(dienste_.notifier);
    steuerordner_ = einstellungen.LeseRegKey(QStringLiteral("Kelvora_Control"));
    steuerordnerWirksam_ = ordner_.steuerordnerWirksam(steuerordner_);
    groessen_ = Registrierwerte::groessenLesen(einstellungen, standardBreite_);

    OKBottomDlg = new TOKBottomDlg(ordner_, dienste_.notifier, dienste_.pump, this);
    OKBottomDlg->setDatenbanknamen([this] { return katalog_.namen(); });
    OKBottomDlg->setSteuerordner(wirksamerSteuerordner());
    dialogName_ = [this] { return OKBottomDlg->Edit1->text(); };

    registrierung_ = std::make_unique<WindowRegistry::Eintrag>(
        QStringLiteral("Kelvora-PDF"), QStringLiteral("TMainForm_Kelvora_PDF"));
}

TMainForm_Kelvora_PDF::~TMainForm_Kelvora_PDF() = default;

void TMainForm_Kelvora_PDF::setFenster(TSuchForm* suchForm, TEinstellform* einstellform) {
    suchForm_ = suchForm;
    einstellform_ = einstellform;
    if (suchForm_) {
        suchForm_->setSteuerordner(steuerordnerWirksam_ ? steuerordner_ : QString());
        suchForm_->setEinstellungenZeigen([this] { SpeedButton2Click(); });
        TSuchForm::SuchlaufHaken haken;
        haken.status = [this](const QString& text) { Label1->setText(text); };
        haken.beschaeftigt = [this](bool an) { geduldAnzeigen(an); };
        haken.suchtextInZwischenablage = [this] {
            return einstellform_ && einstellform_->SuchtextInClipbrdCheckBox->isChecked();
        };
        suchForm_->setSuchlaufHaken(haken);
        // Closing and the close button stop a sort run as they stop every other job.
        suchForm_->Sortierung->setAbbruchFlag(lauf.abbruch);
        suchForm_->setSucheAbbrechen([this] {
            lauf.abbruch = true;
            GedultTimer->stop();
            Label1->clear();
        });
    }
    if (!einstellform_)
        return;
    Einstellziele ziele;
    ziele.fensterfarbe = [this](const QColor& c) {
        setFensterfarbe(c);
        Image1->setAttribute(Qt::WA_TranslucentBackground);
    };
    ziele.hinweisfarbe = [this](const QColor& c) { setHinweisfarbe(c); };
    // Larger scrolls one line down, smaller one line up.
    ziele.schriftgroesseAendern = [this](int punkte) {
        if (!suchForm_)
            return;
        suchForm_->setViewerSchriftgroesse(suchForm_->viewerSchriftgroesse() + punkte);
        if (punkte > 0)
            suchForm_->Viewer->ScrollLineDown(1);
        else
            suchForm_->Viewer->ScrollLineUp(1);
    };
    ziele.schriftgroesseSetzen = [this](int punkte) {
        if (!suchForm_)
            return;
        suchForm_->setViewerSchriftgroesse(punkte);
        suchForm_->Viewer->ScrollLineDown(1);
    };
    ziele.kurzhinweisAnzeigen = [this](bool an) {
        if (suchForm_)
            suchForm_->setKurzhinweis(an);
    };
    ziele.fenstergroessen = [this](int hoehe, int weite, int suchHoehe, int suchWeite) {
        zentrieren(this, hoehe, weite);
        if (suchForm_)
            zentrieren(suchForm_, suchHoehe, suchWeite);
    };
    ziele.suchfensterSichtbar = [this] { return suchForm_ && suchForm_->isVisible(); };
    ziele.sortierungAnzeigen = [this] {
        return suchForm_ && suchForm_->Sortierung->SortierungAnzeigen();
    };
    ziele.neuAusrichten = [this] {
        resize(width() + 1, height());
        resize(width() - 1, height());
    };
    einstellform_->setZiele(std::move(ziele));
    einstellform_->setStandardBreite(standardBreite_);
}

void TMainForm_Kelvora_PDF::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (lauf.ersterShow)
        erstesZeigen();
}

void TMainForm_Kelvora_PDF::erstesZeigen() {
    SettingsStore& e = dienste_.einstellungen;

    const QString schrift = e.LeseRegKey(QStringLiteral("SchriftsizeTextViewer"));
    if (suchForm_)
        suchForm_->setViewerSchriftgroesse(Registrierwerte::ganzzahl(schrift, 10));

    if (e.LeseRegKey(QStringLiteral("Browser")).isEmpty())
        e.SchreibeRegKey(QStringLiteral("Browser"), QStringLiteral("standard"));

    const QString farbe = e.LeseRegKey(QStringLiteral("Farbe"));
    setFensterfarbe(farbe.isEmpty()
                        ? QGuiApplication::palette().color(QPalette::Highlight)
                        : Farben::ausText(farbe, Farben::farbe(Farbtext::Standardfarbe)));
    QString hinweis = e.LeseRegKey(QStringLiteral("HinweistextFarbe"));
    if (hinweis.isEmpty())
        hinweis = QStringLiteral("ClBlack");
    setHinweisfarbe(Farben::ausText(hinweis, Qt::black));

    if (einstellform_) {
        const QString zwischenablage =
            e.LeseRegKey(QStringLiteral("Suchwort_in_Zwischenablage_kopieren"));
        if (!zwischenablage.isEmpty())
            einstellform_->suchtextInZwischenablage()->setChecked(zwischenablage ==
                                                                  QLatin1String("1"));
        const QString kurzhinweis = e.LeseRegKey(QStringLiteral("Kurzhinweis_imViewer_anzeigen"));
        if (!kurzhinweis.isEmpty())
            einstellform_->kurzhinweisImViewer()->setChecked(kurzhinweis == QLatin1String("1"));
        if (suchForm_)
            suchForm_->setKurzhinweis(einstellform_->kurzhinweisImViewer()->isChecked());
    }

    resize(groessen_.weite, groessen_.hoehe);
    LiesNamenDatenbanken();

    const int index = Registrierwerte::auswahlIndex(
        e.LeseRegKey(QStringLiteral("Ausgewaehlte_Datenbank")), ListBox1->count());
    if (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(index);
        ausgewaehlterIndex_ = index;
        ausgewaehlteDatenbank_ = ListBox1->item(index)->text();
    }

    const QString suchwoerter =
        ordner_.datei(ausgewaehlteDatenbank_ + QStringLiteral("_Suchwoerterliste.txt"));
    if (suchForm_ && Files::existiert(suchwoerter)) {
        suchForm_->vorschlagsliste()->clear();
        suchForm_->vorschlagsliste()->addItems(Suchwortliste::laden(suchwoerter));
    }

    const QString endungen = ordner_.datei(QStringLiteral("AuswahlEndungen.txt"));
    if (Files::existiert(endungen))
        auswahlEndungen_ = TextFiles::zeilen(ReadTextFile(endungen));

    BitBtn2->setText(schliessenText);

    lauf.administrator = System::isElevated();
    setWindowTitle(lauf.administrator
                       ? QStringLiteral("Kelvora-PDF - Mit Administratorberechtigung gestartet.")
                       : QStringLiteral("  Kelvora-PDF -  Die Suchmaschine für PDF-Dokumente."));

    if (suchForm_)
        suchForm_->resize(groessen_.suchWeite, groessen_.suchHoehe);

    if (ListBox1->count() > 0)
        ListBox1Click();

    lauf.ersterShow = false;
}

void TMainForm_Kelvora_PDF::LiesNamenDatenbanken() {
    ListBox1->clear();
    const QIcon symbol(Bilder::datenbankSymbol());
    for (const QString& name : katalog_.namen())
        ListBox1->addItem(new QListWidgetItem(symbol, name));

    const int gespeichert = Registrierwerte::ganzzahl(
        dienste_.einstellungen.LeseRegKey(QStringLiteral("Ausgewaehlte_Datenbank")), 0);
    if (lauf.aktualisierung) {
        if (ListBox1->count() > 0)
            ListBox1->setCurrentRow(gespeichert);
        return;
    }
    const QString dialogName = dialogName_ ? dialogName_() : QString();
    QStringList eintraege;
    for (int i = 0; i < ListBox1->count(); ++i)
        eintraege.append(ListBox1->item(i)->text());
    for (int i : DatenbankKatalog::eintraegeMitDialogname(eintraege, dialogName))
        eintragWaehlen(i);
}

void TMainForm_Kelvora_PDF::eintragWaehlen(int index) {
    ListBox1->setCurrentRow(index);
    ListBox1Click();
}

void TMainForm_Kelvora_PDF::SuchenBtnClick() {
    TSuchknopf::Haken haken;
    haken.status = [this](const QString& text) {
        Label1->setText(text);
        if (text.isEmpty())
            Label2->clear();
    };
    haken.beschaeftigt = [this](bool an) { geduldAnzeigen(an); };
    QString name;
    haken.suchwortAufnehmen = [this, &name](const QString&) { suchwortAufnehmen(name); };
    TSuchknopf knopf(dienste_.notifier, haken);

    QStringList eintraege;
    for (int i = 0; i < ListBox1->count(); ++i)
        eintraege.append(ListBox1->item(i)->text());
    QList<int> markiert;
    for (const QModelIndex& m : ListBox1->selectionModel()->selectedRows())
        markiert.append(m.row());
    std::sort(markiert.begin(), markiert.end());
    name = knopf.datenbankWaehlen(eintraege, markiert);
    if (name.isEmpty() || !suchForm_)
        return;

    suchForm_->setDatenbank(name);
    suchForm_->TntEdit2->clear();
    QString steuer = steuerordnerWirksam_ ? steuerordner_ : QString();
    if (!steuer.isEmpty() && !steuer.endsWith(QLatin1Char('\\')))
        steuer += QLatin1Char('\\');
    const QString beschriftung = TSuchknopf::uebergabeBeschriftung(steuer, name);
    if (!beschriftung.isEmpty())
        suchForm_->Label8->setText(beschriftung);
    if (ausgewaehlterIndex_ != letzteSuchposition_)
        suchForm_->TntEdit1->clear();
    letzteSuchposition_ = ausgewaehlterIndex_;

    QListWidget* liste = suchForm_->vorschlagsliste();
    const QString ohneDokument = Suchwortliste::datei(ordner_, name, Dokumentvariante::Keine);
    if (suchForm_->GeladeneVariante == Dokumentvariante::Keine && Files::existiert(ohneDokument)) {
        liste->clear();
        liste->addItems(Suchwortliste::laden(ohneDokument));
        QPalette p = liste->palette();
        p.setColor(QPalette::Base, QColor(128, 128, 128));
        liste->setPalette(p);
    }
    liste->hide();

    if (suchForm_->exec() != QDialog::Accepted)
        return;
    knopf.nachDemSuchfenster(suchForm_->TntEdit2->text());
}

void TMainForm_Kelvora_PDF::suchwortAufnehmen(const QString& datenbank) {
    QListWidget* anzeige = suchForm_->vorschlagsliste();
    QStringList liste;
    for (int i = 0; i < anzeige->count(); ++i)
        liste.append(anzeige->item(i)->text());
    if (!Suchwortliste::aufnehmen(liste, suchForm_->TntEdit2->text()))
        return;
    anzeige->clear();
    anzeige->addItems(liste);

    const Dokumentvariante geladen = suchForm_->GeladeneVariante;
    QList<Dokumentvariante> mitTreffer;
    const TSuchlauf* lauf = suchForm_->letzterSuchlauf();
    if (lauf && !lauf->NichtsGefunden()) {
        if (geladen == Dokumentvariante::Keine)
            mitTreffer.append(Dokumentvariante::Keine);
        for (Dokumentvariante v : Dokumentvarianten::alle)
            if (geladen != Dokumentvariante::Keine && lauf->TrefferInVariante(v))
                mitTreffer.append(v);
    }
    Suchwortliste::schreiben(liste, ordner_, datenbank, geladen, mitTreffer);
}

void TMainForm_Kelvora_PDF::ListBox1Click() {
    const int index = ListBox1->currentRow();
    if (suchForm_) {
        suchForm_->DokumentSchliessen();
        suchForm_->ViewerMemoLeeren();
    }
    ausgewaehlterIndex_ = index;
    ausgewaehlteDatenbank_ = index >= 0 ? ListBox1->item(index)->text() : QString();
    dienste_.einstellungen.SchreibeRegKey(QStringLiteral("Ausgewaehlte_Datenbank"),
                                          QString::number(index));
    if (!suchForm_)
        return;
    suchForm_->ErgebnisLabelsLeeren();
    suchForm_->sortierteListeLadenKnopf()->setEnabled(false);
    suchForm_->SuchzustandZuruecksetzen();
    if (suchForm_->viewerMemoLeer()) {
        QListWidget* liste = suchForm_->vorschlagsliste();
        liste->clear();
        const QString datei =
            Suchwortliste::datei(ordner_, ausgewaehlteDatenbank_, Dokumentvariante::Keine);
        if (Files::existiert(datei)) {
            liste->addItems(Suchwortliste::laden(datei));
            QPalette p = liste->palette();
            p.setColor(QPalette::Base, QColor(128, 128, 128));
            liste->setPalette(p);
        }
    }
}

bool TMainForm_Kelvora_PDF::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* maus = static_cast<QMouseEvent*>(event);
        if (maus->button() == Qt::RightButton) {
            ListBox1MouseDown(maus->globalPosition().toPoint());
            return true; // the selection does not move to the clicked entry
        }
    }
    if (objekt == SuchenBtn && event->type() == QEvent::Resize)
        suchenSchriftAnpassen();
    return QMainWindow::eventFilter(objekt, event);
}

void TMainForm_Kelvora_PDF::ListBox1MouseDown(const QPoint& position) {
    if (ListBox1->count() > 0)
        PopupMenu1->popup(position + QPoint(10, 10));
}

void TMainForm_Kelvora_PDF::Datenbankloeschen1Click() {
    const int index = ListBox1->currentRow();
    if (index < 0) {
        dienste_.notifier.information(QStringLiteral(
            "Sie müssen zuerst eine Datenbank auswählen! Mit linker Maustaste anklicken!"));
        return;
    }
    const QString name = ListBox1->item(index)->text();
    // Held until the files are gone, so no index run starts on them meanwhile.
    Datenbanksperre sperre;
    const Datenbanksperre::Ergebnis gesperrt = sperre.nehmen(ordner_, name);
    if (gesperrt != Datenbanksperre::Ergebnis::Genommen) {
        dienste_.notifier.warnung(Datenbanksperre::loeschMeldung(gesperrt, ordner_, name));
        return;
    }
    if (dienste_.notifier.frage(QStringLiteral("Möchten Sie die Datenbank \"") + name +
                                QStringLiteral("\" wirklich löschen?"))) {
        if (suchForm_) {
            suchForm_->DokumentSchliessen();
            suchForm_->ViewerMemoLeeren();
            suchForm_->sortierteListeLadenKnopf()->setEnabled(false);
            suchForm_->ErgebnisLabelsLeeren();
        }
        katalog_.loeschen(name);
    }
    LiesNamenDatenbanken();
    if (ListBox1->count() > 0)
        eintragWaehlen(0);
    else {
        ausgewaehlterIndex_ = -1;
        ausgewaehlteDatenbank_.clear();
    }
}

void TMainForm_Kelvora_PDF::BitBtn2Click() {
    if (!lauf.indizierung && !lauf.sucheLaeuft && !lauf.aktualisierung) {
        close();
        return;
    }
    if (lauf.aktualisierung) {
        Label1->setText(QStringLiteral("Aktualisierung wurde abgebrochen! "));
        lauf.abbruch = true;
        lauf.aktualisierung = false;
    }
    if (lauf.sucheLaeuft) {
        BitBtn2->setText(schliessenText);
        lauf.abbruch = true;
        lauf.sucheLaeuft = false;
    }
    if (lauf.indizierung) {
        Label1->setText(
            QStringLiteral("Indizierung wurde abgebrochen! Die Daten werden gespeichert"));
        lauf.abbruch = true;
        lauf.indizierung = false;
        BitBtn2->setEnabled(false);
    }
    if (Label1->text().contains(QLatin1String("Fertig mit der"))) {
        lauf.abbruchMeldung = true;
        for (QPushButton* b : {SuchenBtn, NeuErstellenBtn, DBerneutIndizierenBtn, BitBtn2})
            b->setEnabled(true);
    }
}

void TMainForm_Kelvora_PDF::closeEvent(QCloseEvent* event) {
    if (!schliessenNachLauf_ &&
        !dienste_.notifier.frage(QStringLiteral("Kelvora-PDF wirklich schließen?"))) {
        event->ignore();
        return;
    }
    if (indexlauf_ && wartetAufLister()) {
        // Nothing has been converted while the lister works; the run just ends.
        UeberwachTimer->stop();
        indizierungBeenden(QString());
    } else if (indexlauf_) {
        // Cancelled as the close button cancels; the window closes once the run has written
        // what it finished, so nothing is taken from under it.
        schliessenNachLauf_ = true;
        if (lauf.indizierung || lauf.aktualisierung)
            BitBtn2Click();
        lauf.abbruch = true;
        event->ignore();
        return;
    }
    schliessen();
    event->accept();
}

void TMainForm_Kelvora_PDF::schliessen() {
    SettingsStore& e = dienste_.einstellungen;
    int index = ListBox1->currentRow();
    if (index == -1 && ListBox1->count() > 0)
        index = 0;
    e.SchreibeRegKey(QStringLiteral("Ausgewaehlte_Datenbank"), QString::number(index));
    if (e.LeseRegKey(QStringLiteral("Farbe")).isEmpty())
        e.SchreibeRegKey(QStringLiteral("Farbe"), Farbtext::text(Farbtext::Standardfarbe));
    if (suchForm_)
        e.SchreibeRegKey(QStringLiteral("SchriftsizeTextViewer"),
                         QString::number(suchForm_->viewerSchriftgroesse()));
    e.SchreibeRegKey(QStringLiteral("Hoehe"), QString::number(height()));
    e.SchreibeRegKey(QStringLiteral("Weite"), QString::number(width()));
    if (suchForm_ && !suchForm_->isMaximized()) {
        e.SchreibeRegKey(QStringLiteral("SHoehe"), QString::number(suchForm_->height()));
        e.SchreibeRegKey(QStringLiteral("SWeite"), QString::number(suchForm_->width()));
    }
    ordner_.tempLeeren();
}

void TMainForm_Kelvora_PDF::SpeedButton1Click() {
    Programmdateien::hilfeOeffnen(ordner_, QCoreApplication::applicationDirPath(), dienste_.shell,
                                  dienste_.notifier);
}

void TMainForm_Kelvora_PDF::SpeedButton2Click() {
    if (einstellform_)
        einstellform_->exec();
}

void TMainForm_Kelvora_PDF::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ToolButton1->setFixedWidth(
        qMax(0, width() - 3 * SpeedButton1->width() - SpeedButton3->width() + 2));
    geduldLabelPlatzieren();
}

void TMainForm_Kelvora_PDF::suchenSchriftAnpassen() {
    const int hoehe = SuchenBtn->height();
    const int groesse = hoehe > 60 ? 16 : hoehe <= 44 ? 10 : 12;
    QFont f = SuchenBtn->font();
    if (f.pointSize() != groesse) {
        f.setPointSize(groesse);
        SuchenBtn->setFont(f);
    }
}

void TMainForm_Kelvora_PDF::geduldLabelPlatzieren() {
    GeduldLabel->move(BitBtn2->x() + BitBtn2->width() / 2 - 20, Label1->y() + 2);
    GeduldLabel->raise();
}

void TMainForm_Kelvora_PDF::geduldAnzeigen(bool an) {
    if (an) {
        GedultTimer->start();
        geduldLabelPlatzieren();
    } else {
        GedultTimer->stop();
        GeduldLabel->clear();
    }
}

void TMainForm_Kelvora_PDF::jobAnzeigeStarten() {
    startTicks_ = ticks();
    geduldZaehler_ = 0;
    Timer1->start();
    GedultTimer->start();
}

void TMainForm_Kelvora_PDF::jobAnzeigeStoppen() {
    Timer1->stop();
    GedultTimer->stop();
    GeduldLabel->clear();
}

QString TMainForm_Kelvora_PDF::zeitText() const {
    return laufzeitText(Anzeigetexte::vergangeneSekunden(startTicks_, ticks()));
}

void TMainForm_Kelvora_PDF::GedultTimerTimer() {
    ++geduldZaehler_;
    if (geduldZaehler_ >= 6) {
        GeduldLabel->clear();
        geduldZaehler_ = 0;
    } else
        GeduldLabel->setText(Anzeigetexte::geduldPunkte(geduldZaehler_));
    geduldLabelPlatzieren();
}

void TMainForm_Kelvora_PDF::Timer1Timer() {
    Label2->setText(Anzeigetexte::zaehlerZeile(anzahlDateien, zeitText()));
}

void TMainForm_Kelvora_PDF::checkDefenderTimerStarten() {
    virenscanner_.zuruecksetzen();
    checkDefenderTimer->start();
}

void TMainForm_Kelvora_PDF::checkDefenderTimerTimer() {
    const auto schritt = virenscanner_.tick(System::prozessLaeuft(Virenscannerwache::scannerName()),
                                            Label1->text(), windowTitle(), lauf.aktualisierung);
    if (schritt.anhalten)
        checkDefenderTimer->stop();
    if (schritt.titel)
        setWindowTitle(*schritt.titel);
    if (schritt.status)
        Label1->setText(*schritt.status);
}

void TMainForm_Kelvora_PDF::setFensterfarbe(const QColor& farbe) {
    for (QWidget* w : {static_cast<QWidget*>(this), Panel1})
        Farben::hintergrund(w, farbe);
    delegate_->setHauptfarbe(farbe);
    ListBox1->viewport()->update();
    OKBottomDlg->setFensterfarbe(farbe);
    if (suchForm_)
        suchForm_->setFensterfarbe(farbe);
    if (einstellform_)
        einstellform_->setFensterfarbe(farbe);
}

QColor TMainForm_Kelvora_PDF::fensterfarbe() const {
    return palette().color(QPalette::Window);
}

void TMainForm_Kelvora_PDF::setHinweisfarbe(const QColor& farbe) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, Label1, Label2, GeduldLabel})
        Farben::textfarbe(w, farbe);
    OKBottomDlg->setHinweisfarbe(farbe);
    if (suchForm_)
        suchForm_->setHinweisfarbe(farbe);
    if (einstellform_)
        einstellform_->setHinweisfarbe(farbe);
}

void TMainForm_Kelvora_PDF::nachrichtEmpfangen(int nachricht, int parameter) {
    if (nachricht == Fensternachricht::Schliessnachricht && parameter == 99)
        close();
}

void TMainForm_Kelvora_PDF::knoepfeFreigeben(bool frei) {
    for (QPushButton* b : {SuchenBtn, NeuErstellenBtn, DBerneutIndizierenBtn})
        b->setEnabled(frei);
}

void TMainForm_Kelvora_PDF::NeuErstellenBtnClick() {
    lauf.aktualisierung = false;
    indizierungStarten();
}

void TMainForm_Kelvora_PDF::DBerneutIndizierenBtnClick() {
    lauf.abbruch = false;
    if (ListBox1->currentRow() < 0) {
        dienste_.notifier.information(
            ListBox1->count() > 0
                ? QStringLiteral(
                      "Sie müssen zuerst eine Datenbank auswählen! Mit linker Maustaste anklicken!")
                : QStringLiteral(
                      "Es existiert noch keine Datenbank! Betätigen Sie bitte den Schalter "
                      "\"Neue Datenbank erstellen\"."));
        return;
    }
    lauf.aktualisierung = true;
    indizierungStarten();
    BitBtn2->setText(schliessenText);
}

QString TMainForm_Kelvora_PDF::wirksamerSteuerordner() const {
    if (!steuerordnerWirksam_)
        return QString();
    return steuerordner_.endsWith(QLatin1Char('\\')) ? steuerordner_
                                                     : steuerordner_ + QLatin1Char('\\');
}

void TMainForm_Kelvora_PDF::indizierungStarten() {
    const bool aktualisierung = lauf.aktualisierung;
    lauf.indizierung = false;
    lauf.abbruch = false;
    lauf.abbruchMeldung = false;
    Label1->clear();
    Label2->clear();
    OKBottomDlg->Edit1->clear();
    OKBottomDlg->OrdnerEdit->blockSignals(true);
    OKBottomDlg->OrdnerEdit->clear();
    if (aktualisierung) {
        const QString name = ListBox1->currentItem()->text();
        OKBottomDlg->Edit1->setText(name);
        QString kopf =
            TextFiles::zeilen(ReadTextFile(ordner_.datenbank(name + QStringLiteral(".dat"))))
                .value(0);
        kopf.remove(QStringLiteral("PFAD_UND_ENDUNGEN="));
        // The header keeps the folder in byte form; the dialog shows the folder itself.
        const qsizetype stern = kopf.indexOf(QLatin1String("*."));
        const QString endungen = stern < 0 ? QString() : kopf.mid(stern);
        OKBottomDlg->OrdnerEdit->setText(
            Ansi::ausByteForm(kopf.left(stern < 0 ? kopf.size() : stern).trimmed()));
        OKBottomDlg->EndungEdit->setText(endungen.toUpper());
    }
    OKBottomDlg->OrdnerEdit->blockSignals(false);
    OKBottomDlg->setAktualisierung(aktualisierung);
    OKBottomDlg->setAdministrator(lauf.administrator);
    const int ergebnis = OKBottomDlg->exec();
    ordner_.tempLeeren();
    if (ergebnis != QDialog::Accepted) {
        jobAnzeigeStoppen();
        lauf.aktualisierung = false;
        return;
    }
    auftrag_ = {};
    auftrag_.name = OKBottomDlg->ausgewaehlteDatenbank();
    auftrag_.ordner = OKBottomDlg->OrdnerEdit->text();
    auftrag_.endungen = OKBottomDlg->EndungEdit->text();
    indexlauf_ = std::make_unique<Indexlauf>(ordner_, dienste_.notifier, dienste_.pump);
    // Another run of this database, in this window or another program, keeps it.
    if (!indexlauf_->sperren(auftrag_.name)) {
        indexlauf_.reset();
        lauf.aktualisierung = false;
        return;
    }
    laufIstAktualisierung_ = aktualisierung;
    auswahlEndungen_ << indexlauf_->auswahlEndungenErgaenzen(auftrag_);
    anzahlDateien = 0;
    jobAnzeigeStarten();
    Label1->setText(aktualisierung ? QStringLiteral("Datenbank wird aktualisiert.")
                                   : QStringLiteral("Datenbank wird neu erstellt."));
    lauf.indizierung = true;
    knoepfeFreigeben(false);
    BitBtn2->setText(QStringLiteral("&Abbruch"));

    const QString steuer = wirksamerSteuerordner();
    indexlauf_->setSteuerordner(steuer);
    indexlauf_->setAbbruch([this] { return lauf.abbruch; });
    indexlauf_->setFortschritt([this](const QString& t) { setWindowTitle(t); });
    indexlauf_->setStatus([this](const QString& t) { Label1->setText(t); });
    indexlauf_->setListeGelesen([this](qint64 n) {
        anzahlDateien = n;
        Timer1Timer();
    });
    indexlauf_->setLaufzeit([this] { return zeitText(); });
    indexlauf_->setKonverter(Konvertereinstellungen::lesen(dienste_.einstellungen));
    indexlauf_->setTexterkennung(Texterkennung::gespeichert(dienste_.einstellungen));
    if (!OKBottomDlg->listerNoetig()) {
        LiesDieListeEin();
        return;
    }
    const Programmdateien::Suche lister =
        Indexlauf::listerSuchen(ordner_, steuer, QCoreApplication::applicationDirPath());
    // Without a lister there is nothing to wait for; say so instead of a minute's watch.
    if (lister.gefunden.isEmpty()) {
        dienste_.notifier.fehler(Indexlauf::listerFehltMeldung(lister));
        indizierungBeenden(QString());
        return;
    }
    listerProzess_ = dienste_.shell.alsAdministratorStarten(
        lister.gefunden, {QStringLiteral("open ") + auftrag_.ordner.at(0)},
        indexlauf_->listerBasis());
    if (!listerProzess_) {
        dienste_.notifier.fehler(Listerwache::startFehlerMeldung(lister.gefunden));
        indizierungBeenden(QString());
        return;
    }
    listerwache_ = Listerwache();
    UeberwachTimer->start();
}

bool TMainForm_Kelvora_PDF::wartetAufLister() const {
    return UeberwachTimer->isActive();
}

void TMainForm_Kelvora_PDF::setUeberwachIntervall(int ms) {
    UeberwachTimer->setInterval(ms);
}

void TMainForm_Kelvora_PDF::UeberwachTimerTimer() {
    const QChar laufwerk = auftrag_.ordner.at(0);
    const bool gefunden =
        WindowRegistry::findfenster(Dateilister::fenstertitel(laufwerk)).has_value();
    if (gefunden) {
        setWindowTitle(QString());
    } else {
        knoepfeFreigeben(false);
        BitBtn2->setEnabled(false);
        setWindowTitle(QStringLiteral("Kelvora-PDF wartet auf Erstellung der Hauptdatei-Liste! ") +
                       zeitText());
        if (listerwache_.gesehen())
            BitBtn2->setEnabled(true);
    }
    const QString liste = indexlauf_->hauptliste(auftrag_);
    switch (listerwache_.tick({gefunden, listerProzess_->stand(), Files::existiert(liste)})) {
    case Listerwache::Zustand::Wartet:
        return;
    case Listerwache::Zustand::Aufgegeben:
        UeberwachTimer->stop();
        listerProzess_.reset();
        lauf.indizierung = false;
        indizierungBeenden(Listerwache::abbruchStatus());
        dienste_.notifier.information(Listerwache::abbruchMeldung());
        return;
    case Listerwache::Zustand::Gescheitert: {
        UeberwachTimer->stop();
        const QString meldung = Listerwache::gescheitertMeldung(*listerProzess_, liste);
        listerProzess_.reset();
        indizierungBeenden(Listerwache::gescheitertStatus());
        dienste_.notifier.fehler(meldung);
        return;
    }
    case Listerwache::Zustand::Fertig:
        UeberwachTimer->stop();
        listerProzess_.reset();
        setWindowTitle(QString());
        LiesDieListeEin();
        return;
    }
}

void TMainForm_Kelvora_PDF::LiesDieListeEin() {
    knoepfeFreigeben(false);
    checkDefenderTimerStarten();
    const Indexlauf::Ergebnis r = indexlauf_->nachListe(auftrag_);
    anzahlDateien = r.dateien;
    // The list is refilled while the run still counts as a re-index, so the re-indexed
    // database stays selected; a cancel has cleared the flag meanwhile.
    lauf.aktualisierung = laufIstAktualisierung_;
    LiesNamenDatenbanken();
    indizierungBeenden(
        r.keineDatei   ? QStringLiteral("Keine Datei gefunden. Es wurde nichts indiziert.")
        : !r.ok        ? QStringLiteral("Die Indizierung ist gescheitert. Die bisherige Datenbank "
                                               "bleibt unverändert.")
        : lauf.abbruch ? QStringLiteral("Fertig mit der abgebrochenen Indizierung.")
                       : QStringLiteral("Fertig mit der Indizierung."));
    if (schliessenNachLauf_)
        close();
}

void TMainForm_Kelvora_PDF::indizierungBeenden(const QString& status) {
    lauf.indizierung = false;
    if (!status.isEmpty())
        Label1->setText(status);
    setWindowTitle(QString());
    jobAnzeigeStoppen();
    Timer1Timer();
    knoepfeFreigeben(true);
    BitBtn2->setEnabled(true);
    BitBtn2->setText(schliessenText);
    lauf.aktualisierung = false;
    indexlauf_.reset();
}
