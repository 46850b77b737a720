#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStringList>

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Dorwent"),
                                            QStringLiteral("Kelvora-PDF"))) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::LeseRegKey(const QString& name) const {
    // Another process of this system (the command line, a second window) may have
    // written meanwhile.
    settings_->sync();
    const QVariant wert = settings_->value(name);
    // A hand-edited INI line with commas comes back as a list; keep its text.
    if (wert.typeId() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

void SettingsStore::SchreibeRegKey(const QString& name, const QString& text) {
    settings_->setValue(name, text);
    settings_->sync();
}
