#pragma once

#include <QString>

#include <memory>

class QSettings;

// The program's settings key "Software\Dorwent\Kelvora-PDF\": the registry on Windows,
// an INI file under the XDG config folder elsewhere. Every value is a string; a missing
// value reads as the empty string.
class SettingsStore {
public:
    SettingsStore();
    virtual ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    virtual QString LeseRegKey(const QString& name) const;
    virtual void SchreibeRegKey(const QString& name, const QString& text);

private:
    std::unique_ptr<QSettings> settings_;
};
