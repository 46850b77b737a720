#pragma once

#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// Which topic and address of the address list are selected, kept in the settings values
// "Themen-Webseite" and "Ausgewaehlte_Webseite" (indexes into the sorted lists) from one
// program run to the next.
class Webseitenauswahl {
public:
    struct Stand {
        bool dateiVorhanden = false;
        QStringList themen;
        int thema = -1;
        QStringList adressen;
        int adresse = -1;
    };

    Webseitenauswahl(SettingsStore& einstellungen, const Programmordner& ordner);

    // First paint: the topics of the file and the stored selection. Without the file
    // nothing is read or written and both lists stay empty.
    Stand fuellen();
    // TntComboBox1Click: the addresses of the topic with the first one selected; both
    // indexes are stored.
    Stand TntComboBox1Click(const QStringList& themen, int thema);
    // TntListBox1Click: stores both indexes.
    void TntListBox1Click(int thema, int adresse);

private:
    static int index(const QString& wert, int vorgabe, qsizetype anzahl);
    void merken(int thema, int adresse);

    SettingsStore& einstellungen_;
    Programmordner ordner_;
};
