#pragma once

#include "datenbank/Dokumentvariante.h"

#include <QString>

class SettingsStore;

// The reading position kept per document variant and database in the settings values
// "Lesezeichen_Ansi_<DB>", "Lesezeichen_Utf8_<DB>" and "Lesezeichen_Unicode_<DB>", as the
// decimal byte offset into that variant's document.
namespace Lesezeichen {

QString wertname(Dokumentvariante v, const QString& datenbank);

// The stored offset; 0 when the value is missing or not a number.
qint64 lesen(const SettingsStore& einstellungen, Dokumentvariante v, const QString& datenbank);

// Whether a load moves the viewer to the stored offset: only to a positive one, and only
// once the viewer has drawn text.
bool anspringen(qint64 lesezeichen, bool LesezeichenErlaubt);

// LesezeichenBtnClick: writes the view position for the shown variant while the viewer
// has drawn text; true when it wrote.
bool LesezeichenBtnClick(SettingsStore& einstellungen, Dokumentvariante anzeige,
                         const QString& datenbank, qint64 AnsichtPosition, bool LesezeichenErlaubt);

} // namespace Lesezeichen
