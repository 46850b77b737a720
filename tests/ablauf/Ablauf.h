#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// What the end-to-end tests share: reading a database back from disk and checking it
// against what the spec of each file says, and running the built or installed programs.
namespace Ablauf {

struct Datenbank {
    QString kopf;      // first line of the ".dat"
    QStringList pfade; // its further lines
    QByteArray dokument;
    QStringList titel; // lines of the title position index
    QStringList log;
};

// The files of database NAME below the native program folder.
Datenbank lesen(const QString& programmordner, const QString& name);

// Every ".dat" path in order has its record in the document (three lines of one blank,
// "#" + path, a rule of half the path's length, then the converter's text), and the
// title position index points at each path line. erwartet: path -> text it holds.
void dokumentPruefen(const Datenbank& db, const std::vector<std::pair<QString, QString>>& erwartet);

// Whether the file is the German manual: several pages, the chapters the user needs.
bool hilfeIstHandbuch(const QString& pdf);

struct Ergebnis {
    int code = -1;
    QString aus;
    QString fehler;
};
// Runs a program to its end, at most a minute.
Ergebnis ausfuehren(const QString& programm, const QStringList& argumente);

// "kelvora index" of the folder akten (native) into the program folder, then
// "kelvora search"; checks the database files and the result page. kelvora is the program
// to run, the files hold textA (a.pdf) and textB (Unter/b.pdf).
void kommandozeilePruefen(const QString& kelvora, const QString& programmordner,
                          const QString& akten, const QString& textA, const QString& textB);

} // namespace Ablauf
