#pragma once

#include <QString>
#include <QStringList>

class DriveMap;

// The checks of the new-database dialog, without the dialog.
namespace Eingabepruefung {

// The name without / \ * ? " < > | : ^ and without characters 1252 cannot hold.
QString nameBereinigen(const QString& name);
QString ungueltigeZeichenMeldung();

// The message for a drive path whose drive the lister cannot walk; empty when it can.
QString laufwerkMeldung(const QString& ordner, const DriveMap& laufwerke);

// Every message the OK button shows, in order; empty when the input is good. For a new
// database a name that exists (compared in upper case) is refused too.
QStringList okMeldungen(const QString& name, const QString& ordner, const QString& endungen,
                        const QStringList& vorhandeneNamen, bool neueDatenbank);

} // namespace Eingabepruefung
