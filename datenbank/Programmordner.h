#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class DriveMap;
class Notifier;

// The base folder of every data path, in Windows form and always ending in "\".
class Programmordner {
public:
    Programmordner() = default;
    explicit Programmordner(const QString& windowsPfad);

    // Without any command-line argument it is the current folder; with at least one, the
    // folder of the program's own executable (native paths in, Windows form out). The menu
    // entry passes the switch below: then it is the user's own folder "Kelvora-PDF" in the
    // home folder, as a program started from a menu has no current folder of its choosing.
    static Programmordner bestimmen(const QStringList& argumente, const QString& aktuellerOrdner,
                                    const QString& programmVerzeichnis, const QString& heimOrdner,
                                    const DriveMap& laufwerke);
    static const QString& menueSchalter();
    // The user's own folder below the home folder (native).
    static QString benutzerordner(const QString& heimOrdner);

    const QString& pfad() const { return pfad_; }
    QString datei(const QString& relativ) const { return pfad_ + relativ; }
    // "Datenbank\" + relative path.
    QString datenbank(const QString& relativ) const;
    // "Datenbank\Temp\" + relative path.
    QString temp(const QString& relativ = QString()) const;

    // The data folders, created at start-up in this order.
    static const QStringList& datenordner();
    // Creates the missing data folders; a failure is reported and start-up goes on.
    void ordnerAnlegen(Notifier& notifier) const;
    // Deletes every file and subfolder of "Datenbank\Temp" except the folders of jobs that
    // are still running.
    void tempLeeren() const { tempLeeren({}); }
    // The same, sparing the files whose names behalten accepts; returns their names.
    QStringList tempLeeren(const std::function<bool(const QString& name)>& behalten) const;

    // The control folder named by "Kelvora_Control" is in effect when the value is not
    // empty and this folder, in lower case, contains it in lower case.
    bool steuerordnerWirksam(const QString& kelvoraControl) const;

private:
    QString pfad_;
};
