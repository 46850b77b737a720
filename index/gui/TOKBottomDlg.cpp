#include "index/gui/TOKBottomDlg.h"

#include "index/Eingabepruefung.h"
#include "index/Hauptliste.h"
#include "index/Hinweistext.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
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
    Infotext = new QLabel(
        QStringLiteral("Nach dem Sie OK betätigt haben, wird eine Hauptdateienliste erstellt.  "
                       "Dafür wird das \n"
                       "Programm \"ErstelleDateienliste.exe\" gestartet. Dieses braucht "
                       "Administratorrechte.\n"
                       "Deshalb müssen Sie die Frage der Benutzerkontensteuerung mit \"Ja\" "
                       "bestätigen."),
        this);
    Infotext->setObjectName(QStringLiteral("Infotext"));
    Image1 = new QLabel(QStringLiteral("Die vorhandene Hauptdateiliste wird benutzt."), this);
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
    form->addRow(QStringLiteral("Name der Datenbank: "), Edit1);
    form->addRow(QStringLiteral("Endung PDF-Dateien:"), EndungEdit);
    form->addRow(QStringLiteral("Ausgewähltes Laufwerk oder Ordner:"), ordnerZeile);
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
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Ordner zum Scannen wählen"),
                                                 start);
    };
}

void TOKBottomDlg::bildZeigen(bool zeigen) {
    // The picture stands in place of the information text.
    Image1->setVisible(zeigen);
    Infotext->setVisible(!zeigen);
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

void TOKBottomDlg::OrdnerwaehlenButtonClick() {
    const QString start = letzterOrdner_.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                              : Files::nativ(letzterOrdner_);
    const QString gewaehlt = wahl_(start);
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
