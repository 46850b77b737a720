#include "index/gui/TOKBottomDlg.h"

#include "index/Eingabepruefung.h"
#include "index/Hauptliste.h"
#include "index/Hinweistext.h"
#include "platform/Platform.h"
#include "platform/gui/PlatformGui.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

TOKBottomDlg::TOKBottomDlg(const Programmordner& ordner, Notifier& notifier, Pump& pump,
                           QWidget* parent)
    : QDialog(parent), ordner_(ordner), notifier_(notifier), pump_(pump) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Neue Datenbank erstellen"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    EndungEdit = new QLineEdit(QStringLiteral("*.pdf"), this);
    EndungEdit->setObjectName(QStringLiteral("EndungEdit"));
    EndungEdit->setReadOnly(true);
    OrdnerEdit = new QLineEdit(QStringLiteral("C:\\"), this);
    OrdnerEdit->setObjectName(QStringLiteral("OrdnerEdit"));
    OrdnerEdit->setReadOnly(true);
    OrdnerEdit->installEventFilter(this);
    OrdnerwaehlenButton = new QPushButton(QStringLiteral("..."), this);
    OrdnerwaehlenButton->setObjectName(QStringLiteral("OrdnerwaehlenButton"));
    auto beschriftung = [](const QString& text, const char* name, QWidget* eltern) {
        auto* l = new QLabel(text, eltern);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Label1 = beschriftung(QStringLiteral("Name der Datenbank: "), "Label1", this);
    Label2 = beschriftung(QStringLiteral("Endung PDF-Dateien:"), "Label2", this);
    Label3 = beschriftung(QStringLiteral("Ausgewähltes Laufwerk oder Ordner:"), "Label3", this);
    Infotext = new QWidget(this);
    Infotext->setObjectName(QStringLiteral("Infotext"));
    Label4 = beschriftung(QStringLiteral("Nach dem Sie OK betätigt haben, wird eine "
                                         "Hauptdateienliste erstellt.  Dafür wird das "),
                          "Label4", Infotext);
    Label5 = beschriftung(QStringLiteral("Programm \"ErstelleDateienliste.exe\" gestartet. "
                                         "Dieses braucht Administratorrechte."),
                          "Label5", Infotext);
    Label6 = beschriftung(QStringLiteral("Deshalb müssen Sie die Frage der "
                                         "Benutzerkontensteuerung mit \"Ja\" bestätigen."),
                          "Label6", Infotext);
    auto* info = new QVBoxLayout(Infotext);
    info->setContentsMargins(0, 0, 0, 0);
    for (QLabel* l : {Label4, Label5, Label6})
        info->addWidget(l);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Abbruch"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    PopupMenu1 = new QMenu(this);
    QAction* einfuegen = PopupMenu1->addAction(QStringLiteral("Pfad aus Zwischenablage einfügen"));
    connect(einfuegen, &QAction::triggered, this, &TOKBottomDlg::PfadEinfuegenClick);

    auto* ordnerZeile = new QHBoxLayout;
    ordnerZeile->addWidget(OrdnerEdit, 1);
    ordnerZeile->addWidget(OrdnerwaehlenButton);
    auto* form = new QFormLayout;
    form->addRow(Label1, Edit1);
    form->addRow(Label2, EndungEdit);
    form->addRow(Label3, ordnerZeile);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Infotext);
    layout->addWidget(Image1);
    layout->addLayout(knoepfe);
    bildZeigen(true);

    connect(Edit1, &QLineEdit::textChanged, this, &TOKBottomDlg::Edit1Change);
    connect(OrdnerEdit, &QLineEdit::textChanged, this, &TOKBottomDlg::OrdnerEditChange);
    connect(OrdnerwaehlenButton, &QPushButton::clicked, this,
            &TOKBottomDlg::OrdnerwaehlenButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    wahl_ = [this](const QString& start) {
        return Ordnerauswahl::waehlen(this, QStringLiteral("Ordner zum Scannen wählen"), start);
    };
}

void TOKBottomDlg::bildZeigen(bool zeigen) {
    // The picture stands in place of the information text; it speaks of the master list
    // only when there is one for the drive of the folder field.
    const QString ordner = OrdnerEdit->text();
    const bool listeDa =
        !ordner.isEmpty() && Files::existiert(ordner_.datei(Hauptliste::dateiname(ordner.at(0))));
    Image1->setText(listeDa ? QStringLiteral("Die vorhandene Hauptdateiliste wird benutzt.")
                            : QString());
    Image1->setVisible(zeigen);
    Infotext->setVisible(!zeigen);
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!Image1->isHidden())
        bildZeigen(true);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TOKBottomDlg::setFensterfarbe(const QColor& farbe) {
    Farben::hintergrund(this, farbe);
}

void TOKBottomDlg::setHinweisfarbe(const QColor& farbe) {
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6})
        Farben::textfarbe(l, farbe);
}

bool TOKBottomDlg::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == OrdnerEdit) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* maus = static_cast<QMouseEvent*>(event);
            if (maus->button() == Qt::RightButton)
                PopupMenu1->popup(maus->globalPosition().toPoint());
            else
                OrdnerwaehlenButtonClick();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            OrdnerwaehlenButtonClick();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

void TOKBottomDlg::Edit1Change() {
    if (aendertSich_)
        return;
    const QString alt = Edit1->text();
    const QString rein = Eingabepruefung::nameBereinigen(alt);
    if (rein == alt)
        return;
    notifier_.information(Eingabepruefung::ungueltigeZeichenMeldung());
    aendertSich_ = true;
    Edit1->setText(rein);
    aendertSich_ = false;
}

void TOKBottomDlg::OrdnerEditChange() {
    const QString meldung =
        Eingabepruefung::laufwerkMeldung(OrdnerEdit->text(), DriveMap::global());
    if (meldung.isEmpty())
        return;
    notifier_.information(meldung);
    OrdnerEdit->clear();
}

void TOKBottomDlg::hauptlisteFragen(const QString& liste, int pauseMs) {
    const QChar x = OrdnerEdit->text().isEmpty() ? QChar() : OrdnerEdit->text().at(0);
    const QString text = Hinweistext::hauptliste(x, Files::geaendert(liste));
    const bool neu =
        hinweisFrage_ ? hinweisFrage_(text) : notifier_.frage(text, QStringLiteral("Information"));
    if (!neu) {
        bildZeigen(true);
        listerNoetig_ = false;
        pump_.pause(pauseMs);
    }
}

QString TOKBottomDlg::startordner() const {
    for (const QString& ordner : {OrdnerEdit->text(), letzterOrdner_}) {
        if (ordner.isEmpty())
            continue;
        const QString nativ = Files::nativ(ordner);
        if (!nativ.isEmpty() && QFileInfo(nativ).isDir())
            return nativ;
    }
    return QDir::homePath();
}

void TOKBottomDlg::OrdnerwaehlenButtonClick() {
    const QString gewaehlt = wahl_(startordner());
    if (gewaehlt.isEmpty())
        return;
    const QString windows = DriveMap::global().windows(gewaehlt);
    if (windows.isEmpty()) {
        notifier_.information(QStringLiteral("Für den Ordner ") + gewaehlt +
                              QStringLiteral(" ist kein Laufwerksbuchstabe eingerichtet."));
        return;
    }
    letzterOrdner_ = windows;
    OrdnerEdit->setText(windows);
    if (windows.toUpper().contains(QLatin1String("C:\\")) && !administrator_ &&
        !adminHinweisGezeigt_) {
        notifier_.information(Hinweistext::administratorHinweis());
        adminHinweisGezeigt_ = true;
    }
    listerNoetig_ = true;
    bildZeigen(false);
    const QString liste = ordner_.datei(Hauptliste::dateiname(windows.at(0)));
    if (Files::existiert(liste))
        hauptlisteFragen(liste, 2000);
}

void TOKBottomDlg::PfadEinfuegenClick() {
    QString text = QApplication::clipboard()->text();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    letzterOrdner_ = text;
    OrdnerEdit->setText(text);
    OrdnerwaehlenButtonClick();
}

void TOKBottomDlg::OKBtnClick() {
    const QStringList namen = namen_ ? namen_() : QStringList();
    const QString name = Edit1->text();
    const QStringList meldungen = Eingabepruefung::okMeldungen(
        name, OrdnerEdit->text(), EndungEdit->text(), namen, !aktualisierung_);
    for (const QString& m : meldungen)
        notifier_.information(m);
    if (!meldungen.isEmpty()) {
        reject();
        return;
    }
    if (aktualisierung_) {
        listerNoetig_ = true;
        bildZeigen(false);
        const QString basis = steuerordner_.isEmpty() ? ordner_.pfad() : steuerordner_;
        const QString liste = basis + Hauptliste::dateiname(OrdnerEdit->text().at(0));
        if (Files::existiert(liste))
            hauptlisteFragen(liste, 1000);
    }
    ausgewaehlt_ = name;
    accept();
}
