#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QProcess;

// What a program the tests run left behind.
struct Programmlauf {
    int code = -1; // -1: crashed, killed or still running at the limit
    QString aus;
    QString fehler;

    // The outcome of a process that has ended.
    static Programmlauf von(QProcess& p);
};

// Runs a program to its end, at most ms; one still running then is killed.
Programmlauf
programmAusfuehren(const QString& programm, const QStringList& argumente,
                   const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment(),
                   int ms = 60000);
