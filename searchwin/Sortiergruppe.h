#pragma once

#include "datenbank/Programmordner.h"
#include "index/SortierteListen.h"
#include "platform/Dienste.h"

#include <QChar>
#include <QObject>

class QTimer;
class TSuchForm;

// The sort group of the search window: builds the sorted word and phrase lists of the
// shown database, cancels or closes the group, and loads a finished list into the viewer.
// It works on the window's public widgets; the lists themselves are made by SortierteListen.
class Sortiergruppe : public QObject {
    Q_OBJECT
public:
    Sortiergruppe(TSuchForm& form, const Dienste& dienste, const Programmordner& ordner);

    // The abort flag shared with indexing and searching; without one the group keeps its own.
    void setAbbruchFlag(bool& flag) { abbruch_ = &flag; }
    bool abbruch() const { return *abbruch_; }

    // The settings dialog's "Sortierte Listen erstellen": asks, and on Yes clears the abort
    // flag, shows the group and hides the web search. True when the group was shown.
    bool SortierungAnzeigen();

    void SortierteListenErstellenButtonClick();
    void SortAbbrechenButtonClick();
    void Timer1Timer();
    void ZeilenAlsListeSortierenClick();

    // The one-second timer that finishes a cancel.
    QTimer* Timer1;
    // The drive letter of the collection when the last run had to find it by trying letters.
    QChar Laufwerk;
    // The hidden viewer still held a document when the run released the viewers.
    bool DokumentWarOffen = false;
    int Timerzaehler = 0;

private:
    void gruppeZeigen(bool zeigen);
    // The controls a run locks, without the load buttons and "Lokale Suche".
    void bedienungFreigeben(bool frei);
    void dokumentFreigeben();
    SortierteListen::Rueckmeldung rueckmeldung();
    SortierteListen::Modus modus() const;

    TSuchForm& form_;
    Dienste dienste_;
    Programmordner ordner_;
    SortierteListen listen_;
    bool eigenerAbbruch_ = false;
    bool* abbruch_ = &eigenerAbbruch_;
    bool imLauf_ = false;
    bool gruppeOffen_ = false;
};
