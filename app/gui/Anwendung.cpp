#include "app/gui/Anwendung.h"

#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/THinweisForm.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"

#include <QApplication>
#include <QDir>

Anwendung::Anwendung(const QStringList& argumente, Aussenwelt aussenwelt)
    : einstellungen_(std::make_unique<SettingsStore>()), pump_(std::make_unique<EventPump>()) {
    QApplication::setApplicationName(QStringLiteral("Kelvora-PDF"));
    if (!aussenwelt.notifier) {
        meldungen_ = std::make_unique<MessageBoxNotifier>();
        aussenwelt.notifier = meldungen_.get();
    }
    if (!aussenwelt.shell) {
        eigeneShell_ = std::make_unique<Shell>();
        aussenwelt.shell = eigeneShell_.get();
    }
    DriveMap::global().konfigurieren(*einstellungen_);
    // Started from the menu the user's own folder is made on the first start; a failure
    // shows as the warning about the data folders below it.
    if (argumente.contains(Programmordner::menueSchalter()))
        QDir().mkpath(Programmordner::benutzerordner(QDir::homePath()));
    const Programmordner ordner = Programmordner::bestimmen(argumente, QDir::currentPath(),
                                                            QCoreApplication::applicationDirPath(),
                                                            QDir::homePath(), DriveMap::global());
    const Dienste dienste{*einstellungen_, *aussenwelt.notifier, *aussenwelt.shell, *pump_};

    hauptfenster_ = std::make_unique<TMainForm_Kelvora_PDF>(dienste, ordner);
    einstellform_ = new TEinstellform(*einstellungen_, hauptfenster_.get());
    auto* hinweis = new THinweisForm(hauptfenster_.get());
    hauptfenster_->neueDatenbankDialog()->setHinweisFrage(
        [hinweis](const QString& text) { return hinweis->fragen(text); });
    suchForm_ = new TSuchForm(dienste, ordner, hauptfenster_.get());
    hauptfenster_->setFenster(suchForm_, einstellform_);
}

Anwendung::~Anwendung() = default;

int Anwendung::ausfuehren() {
    hauptfenster_->show();
    return QApplication::exec();
}
