#pragma once

#include "datenbank/Programmordner.h"

#include <QStringList>

#include <memory>

class EventPump;
class MessageBoxNotifier;
class SettingsStore;
class Shell;
class TEinstellform;
class TMainForm_Kelvora_PDF;
class TSuchForm;

// Program entry: the services and the windows, created in their fixed order.
class Anwendung {
public:
    // The arguments after the program name decide the program folder.
    explicit Anwendung(const QStringList& argumente);
    ~Anwendung();

    TMainForm_Kelvora_PDF& hauptfenster() { return *hauptfenster_; }
    int ausfuehren();

private:
    std::unique_ptr<SettingsStore> einstellungen_;
    std::unique_ptr<MessageBoxNotifier> notifier_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<EventPump> pump_;
    std::unique_ptr<TMainForm_Kelvora_PDF> hauptfenster_;
    TEinstellform* einstellform_ = nullptr;
    TSuchForm* suchForm_ = nullptr;
};
