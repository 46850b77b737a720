#include "datenbank/Datenbanksperre.h"

#include "platform/Files.h"

Datenbanksperre::~Datenbanksperre() {
    freigeben();
}

QString Datenbanksperre::datei(const Programmordner& ordner, const QString& name) {
    return ordner.datenbank(name + QStringLiteral(".sperre"));
}

Datenbanksperre::Ergebnis Datenbanksperre::nehmen(const Programmordner& ordner,
                                                  const QString& name) {
    freigeben();
    const QString pfad = datei(ordner, name);
    if (!sperre_.nehmen(pfad))
        // The file is there when someone holds it; a missing one could not be created.
        return Files::existiert(pfad) ? Ergebnis::Belegt : Ergebnis::NichtAnlegbar;
    pfad_ = pfad;
    name_ = name;
    return Ergebnis::Genommen;
}

void Datenbanksperre::freigeben() {
    if (!sperre_.gehalten())
        return;
    // Deleted before the lock ends, so nobody takes over a file that is about to go.
    Files::loeschen(pfad_);
    sperre_.freigeben();
    pfad_.clear();
    name_.clear();
}

QString Datenbanksperre::indexMeldung(Ergebnis ergebnis, const Programmordner& ordner,
                                      const QString& name) {
    if (ergebnis == Ergebnis::NichtAnlegbar)
        return QStringLiteral("Die Datei ") + datei(ordner, name) +
               QStringLiteral(" kann nicht angelegt werden! Die Datenbank wird nicht indiziert.");
    return QStringLiteral("Die Datenbank \"") + name +
           QStringLiteral("\" wird gerade indiziert. Ein zweiter Lauf für diese Datenbank ist "
                          "erst möglich, wenn der erste fertig ist.");
}

QString Datenbanksperre::loeschMeldung(Ergebnis ergebnis, const Programmordner& ordner,
                                       const QString& name) {
    if (ergebnis == Ergebnis::NichtAnlegbar)
        return QStringLiteral("Die Datei ") + datei(ordner, name) +
               QStringLiteral(" kann nicht angelegt werden! Die Datenbank wird nicht gelöscht.");
    return QStringLiteral("Die Datenbank \"") + name +
           QStringLiteral("\" wird gerade indiziert und kann erst danach gelöscht werden.");
}
