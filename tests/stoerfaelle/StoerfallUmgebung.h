#pragma once

#include "tests/common/Datensatz.h"
#include "tests/common/Programmlauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <memory>
#include <vector>

// A program folder for the real "kelvora", with drive T: mapped to it through the program's
// own settings file, PDFs below it and the master list of drive T:, so that no lister runs.
class StoerfallUmgebung : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        QDir().mkpath(nativ("Datenbank"));
        einstellen("Laufwerk_T", nativ());
    }
    void einstellen(const QString& name, const QString& wert) {
        QSettings(tmp_.filePath("config/Dorwent/Kelvora-PDF.conf"), QSettings::IniFormat)
            .setValue(name, wert);
    }
    Programmlauf kelvora(const QStringList& argumente, const QString& ordner = {}) const {
        return programmAusfuehren(
            KELVORA_CLI, QStringList{"--dir", ordner.isEmpty() ? nativ() : ordner} + argumente,
            QProcessEnvironment::systemEnvironment(), 180000);
    }
    // Left running; the fixture's QProcess kills it at the end.
    QProcess& kelvoraStarten(const QStringList& argumente) {
        QProcess& p = *laufende_.emplace_back(std::make_unique<QProcess>());
        p.start(KELVORA_CLI, QStringList{"--dir", nativ()} + argumente);
        EXPECT_TRUE(p.waitForStarted());
        return p;
    }
    static QStringList index(const QString& name, const QString& ordner = "Akten") {
        return {"index", name, "T:\\" + ordner};
    }

    // "<ordner>/Akte_<i>.pdf": "Kennung<i> Suchwort Kennung<i>", then more lines the higher the
    // version, so that a new version changes the text's length.
    void akte(const QString& ordner, int i, int version = 1) const {
        const QString kennung = QString("Kennung%1").arg(i);
        QString seite = kennung + " Suchwort " + kennung + "\nVersion " + QString::number(version);
        for (int z = 0; z < 3 * version + i % 4; ++z)
            seite += QString("\nZeile %1 der Akte %2 in Fassung %3").arg(z).arg(i).arg(version);
        QDir().mkpath(nativ(ordner));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ(QString("%1/Akte_%2.pdf").arg(ordner).arg(i)),
                                            {seite, "Zweite Seite " + kennung}));
    }
    // Files 0 to 2 changed, the last two of the first `bisher` gone, new ones up to `bis`.
    void aendern(int bisher, int bis) {
        for (int i = 0; i < bis; ++i)
            if (i < 3 || i >= bisher)
                akte("Akten", i, 2);
        QFile::remove(nativ(QString("Akten/Akte_%1.pdf").arg(bisher - 1)));
        QFile::remove(nativ(QString("Akten/Akte_%1.pdf").arg(bisher - 2)));
    }
    // The master list of drive T: with every PDF below the program folder, in name order.
    void hauptliste() const {
        QStringList pfade;
        QDirIterator it(nativ(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            pfade << "T:\\" + QDir(nativ()).relativeFilePath(it.next()).replace('/', '\\') + "\r\n";
        pfade.sort();
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", pfade.join("").toUtf8());
    }
    // A shell script in front of the real converter.
    void ersatzkonverter(const QByteArray& vorher) {
        schreibe("pdftotext", "#!/bin/sh\n" + vorher + "\nexec " +
                                  QFile::encodeName(QStandardPaths::findExecutable("pdftotext")) +
                                  " \"$@\"\n");
        QFile::setPermissions(nativ("pdftotext"), QFile::ReadOwner | QFile::ExeOwner);
    }

    struct Pruefung {
        int saetze = -1; // -1: see fehler
        QString fehler;
    };
    // The database as a reader sees it: every title entry points at its own record head, in
    // document order, for a path of the ".dat" (in byte form) in ".dat" order.
    Pruefung pruefen(const QString& name) const {
        const QByteArray dok = lies("Datenbank/" + name + "_UTF8Dokument.txt");
        const QStringList titel =
            QString::fromUtf8(lies("Datenbank/" + name + "_Utf8_TitelPositionen.txt"))
                .split("\r\n", Qt::SkipEmptyParts);
        QStringList dat =
            QString::fromUtf8(lies("Datenbank/" + name + ".dat")).split("\r\n", Qt::SkipEmptyParts);
        if (dat.isEmpty() || !dat.takeFirst().startsWith("PFAD_UND_ENDUNGEN= "))
            return {-1, "kein Kopf in der .dat"};
        qint64 vorher = -1;
        for (const QString& zeile : titel) {
            const qint64 offset = zeile.section(' ', 0, 0).toLongLong();
            const QString pfad = zeile.mid(zeile.indexOf(' ') + 2);
            // The header line with one character per byte: back to those bytes.
            const QByteArray kopf = satzkopf(QString::fromUtf8(pfad.toLatin1())).toUtf8();
            const qsizetype inDat = dat.indexOf(pfad);
            if (offset <= vorher || inDat < 0 || !dok.mid(offset - 9).startsWith(kopf))
                return {-1, "Titelzeile ohne ihren Kopf oder außer der Reihe: " + zeile};
            dat = dat.mid(inDat + 1);
            vorher = offset;
        }
        if (titel.isEmpty() != dok.isEmpty())
            return {-1, "Dokument ohne Titel"};
        return {int(titel.size()), {}};
    }
    // What "kelvora search" printed: the number of hits, each of whose file must be the one
    // whose "Kennung<i>" the excerpt shows.
    static Pruefung trefferPruefen(const QString& ausgabe) {
        static const QRegularExpression treffer("Akte_(\\d+)\\.pdf\t.*Kennung\\1\\b");
        int n = 0;
        for (const QString& zeile : ausgabe.split('\n', Qt::SkipEmptyParts)) {
            if (!zeile.startsWith("Ergebnisseite: ") && !treffer.match(zeile).hasMatch())
                return {-1, "Treffer der falschen Datei: " + zeile};
            n += !zeile.startsWith("Ergebnisseite: ");
        }
        return {n, {}};
    }
    // The log as text, its time replaced by "X".
    QString logOhneZeit(const QString& name) const {
        const QByteArray b = lies("Datenbank/" + name + ".log");
        if (!b.startsWith("\xFF\xFE"))
            return "kein UTF-16-Log";
        static const QRegularExpression zeit("Zeit: [0-9:]+  ");
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData() + 2),
                                  (b.size() - 2) / 2)
            .replace(zeit, "Zeit: X  ");
    }

    std::vector<std::unique_ptr<QProcess>> laufende_;
};
