#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Notifier;
class SettingsStore;
class Shell;

// Shows a result page or a web address in the browser the setting "Browser" names.
class TBrowserstart {
public:
    // One row of the launch table: the shell's "open", or a browser program started with
    // the page as its one parameter (written as the Windows command line has it).
    struct Befehl {
        bool oeffnen = true;
        QString programm;
        QString parameter;
    };

    TBrowserstart(SettingsStore& einstellungen, Shell& shell, Notifier& notifier);

    // The first row whose name occurs in the setting wins; anything else opens through the
    // shell.
    static Befehl befehl(const QString& einstellung, const QString& pfad);
    // The programs that stand for a Windows browser program on this system, in order of
    // preference; empty when there is none.
    static QStringList programmeFuer(const QString& windowsProgramm);

    // An empty setting becomes "standard". A browser that cannot be started is reported,
    // and so is a shell "open" that finds no browser, naming the page or address.
    void StarteInternetBrowser(const QString& pfad);
    // The page as a native path (a web address as it is), for the user to open it.
    static QString keinBrowserMeldung(const QString& pfad);

    // Whether a program can be found on the search path; tests put in their own.
    void setProgrammDa(std::function<bool(const QString&)> da) { programmDa_ = std::move(da); }

private:
    QString programmAufDiesemSystem(const QString& windowsProgramm) const;

    SettingsStore& einstellungen_;
    Shell& shell_;
    Notifier& notifier_;
    std::function<bool(const QString&)> programmDa_;
};
