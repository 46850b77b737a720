#include "app/gui/Anwendung.h"

#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"

#include <QApplication>
#include <QDir>

Anwendung::Anwendung(const QStringList& argumente)
    : einstellungen_(std::make_unique<SettingsStore>()),
      notifier_(std::make_unique<MessageBoxNotifier>()), shell_(std::make_unique<Shell>()),
      pump_(std::make_unique<EventPump>()) {
    DriveMap::global().konfigurieren(*einstellungen_);
    const Programmordner ordner = Programmordner::bestimmen(
        argumente, QDir::currentPath(), QCoreApplication::applicationDirPath(), DriveMap::global());
    const Dienste dienste{*einstellungen_, *notifier_, *shell_, *pump_};

    hauptfenster_ = std::make_unique<TMainForm_Kelvora_PDF>(dienste, ordner);
    einstellform_ = new TEinstellform(*einstellungen_, hauptfenster_.get());
    suchForm_ = new TSuchForm(hauptfenster_.get());
    hauptfenster_->setFenster(suchForm_, einstellform_);
}

Anwendung::~Anwendung() = default;

int Anwendung::ausfuehren() {
    hauptfenster_->show();
    return QApplication::exec();
}
