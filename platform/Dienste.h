#pragma once

class Notifier;
class Pump;
class SettingsStore;
class Shell;

// What the program's logic needs of its surroundings, handed to each part that uses it.
struct Dienste {
    SettingsStore& einstellungen;
    Notifier& notifier;
    Shell& shell;
    Pump& pump;
};
