#pragma once

#include "tests/common/Programmlauf.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A program folder for the real "kelvora", with drive T: mapped to it through the program's
// own settings file, PDFs below it and the master list of drive T:, so that no lister runs.
class StoerfallUmgebung : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Native path below the program folder.
    QString prog(const QString& relativ = QString()) const;
    QByteArray lies(const QString& relativ) const;
    void schreibe(const QString& relativ, const QByteArray& inhalt) const;
    // A value of the settings the program reads.
    void einstellen(const QString& name, const QString& wert);

    using Ausgang = Programmlauf;
    Ausgang kelvora(const QStringList& argumente, int ms = 180000) const;
    // Started and left running; the fixture ends it at the end of the test.
    QProcess& kelvoraStarten(const QStringList& argumente);
    QStringList index(const QString& name, const QString& ordner) const;

    // "<ordner>/Akte_<i>.pdf": "Kennung<i> Suchwort Kennung<i>", then more lines the higher the
    // version, so that a new version changes the text's length.
    void akte(const QString& ordner, int i, int version = 1) const;
    // The master list of drive T: with every PDF below the program folder, in name order.
    void hauptliste() const;
    // A converter in the program folder: a shell script in front of the real one.
    void ersatzkonverter(const QByteArray& vorher);
    static QByteArray echterKonverter();

    // The database checked as a reader sees it: every title entry points at its own header
    // (three blank lines, the path line, its rule line), in document order, for a path of the
    // ".dat" in ".dat" order. The number of records, -1 with a reason when something is off.
    struct Pruefung {
        int saetze = -1;
        QString fehler;
    };
    Pruefung pruefen(const QString& name) const;
    // What "kelvora search" printed: the number of hits; every hit's file must be the one
    // whose "Kennung<i>" the excerpt shows, else the reason is in fehler.
    Pruefung trefferPruefen(const QString& ausgabe) const;
    // A process that has ended but was not yet reaped by its new parent counts as ended.
    static bool prozessLebt(const QByteArray& pid);
    // The log as text, its time replaced by "X".
    QString logOhneZeit(const QString& name) const;

    QTemporaryDir tmp_;
    QString konfig_;
    std::vector<std::unique_ptr<QProcess>> laufende_;
};
