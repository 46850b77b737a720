#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Notifier;

// What the main window's "Suchen" button decides around the modal search window: which
// database is searched, and the follow-up once the window has closed.
class TSuchknopf {
public:
    struct Haken {
        // The main status label.
        std::function<void(const QString&)> status;
        // Starts (true) or stops (false) the busy timer.
        std::function<void(bool)> beschaeftigt;
        // Records the search text in the search word lists.
        std::function<void(const QString&)> suchwortAufnehmen;
    };

    TSuchknopf(Notifier& notifier, const Haken& haken);

    // The last selected entry; with none selected the user is told and the name is empty.
    QString datenbankWaehlen(const QStringList& eintraege, const QList<int>& markiert);
    // The caption label text when the companion handed a search text over, which is then
    // deleted; empty when there is none. The control folder ends in "\".
    static QString uebergabeBeschriftung(const QString& steuerordner, const QString& name);
    // After the search window closed with OK: the empty text is reported, any other is
    // recorded. False when nothing was searched.
    bool nachDemSuchfenster(const QString& suchtext);

    static QString keinSuchtextMeldung() {
        return QStringLiteral("Sie haben keinen Suchtext eingegeben!");
    }

private:
    void melde(const QString& text);

    Notifier& notifier_;
    Haken haken_;
};
