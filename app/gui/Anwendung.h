#pragma once

#include "datenbank/Programmordner.h"

#include <QStringList>

#include <memory>

class EventPump;
class MessageBoxNotifier;
class Notifier;
class SettingsStore;
class Shell;
class TEinstellform;
class TMainForm_Kelvora_PDF;
class TSuchForm;

// Program entry: the services and the windows, created in their fixed order. main() and the
// tests of the whole program build the windows through this one class.
class Anwendung {
public:
    // What stands between the program and the person at the screen: the answers to message
    // boxes and the programs the shell starts (browser, help document, file lister). Empty
    // fields take the real ones; a test answers and records in their place.
    struct Aussenwelt {
        Notifier* notifier;
        Shell* shell;
    };

    // The arguments after the program name decide the program folder.
    explicit Anwendung(const QStringList& argumente, Aussenwelt aussenwelt = {});
    ~Anwendung();

    TMainForm_Kelvora_PDF& hauptfenster() { return *hauptfenster_; }
    TSuchForm& suchfenster() { return *suchForm_; }
    TEinstellform& einstellform() { return *einstellform_; }
    int ausfuehren();

private:
    std::unique_ptr<SettingsStore> einstellungen_;
    std::unique_ptr<MessageBoxNotifier> meldungen_;
    std::unique_ptr<Shell> eigeneShell_;
    std::unique_ptr<EventPump> pump_;
    std::unique_ptr<TMainForm_Kelvora_PDF> hauptfenster_;
    TEinstellform* einstellform_ = nullptr;
    TSuchForm* suchForm_ = nullptr;
};
