#include "tests/ablauf/Ablauf.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>

namespace Ablauf {

namespace {

QByteArray bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lines ended by CR LF; the last end is part of the format, so nothing follows it.
QStringList zeilen(const QString& text) {
    QStringList z = text.split(QStringLiteral("\r\n"));
    if (!z.isEmpty() && z.last().isEmpty())
        z.removeLast();
    return z;
}

} // namespace

Datenbank lesen(const QString& programmordner, const QString& name) {
    const QString ordner = programmordner + QStringLiteral("/Datenbank/") + name;
    Datenbank db;
    const QStringList dat = zeilen(QString::fromUtf8(bytes(ordner + QStringLiteral(".dat"))));
    db.kopf = dat.value(0);
    db.pfade = dat.mid(1);
    db.dokument = bytes(ordner + QStringLiteral("_UTF8Dokument.txt"));
    db.titel =
        zeilen(QString::fromUtf8(bytes(ordner + QStringLiteral("_Utf8_TitelPositionen.txt"))));
    const QByteArray log = bytes(ordner + QStringLiteral(".log"));
    // UTF-16 little-endian with its byte-order mark.
    if (log.startsWith("\xFF\xFE"))
        db.log = zeilen(QStringDecoder(QStringDecoder::Utf16LE)(log.mid(2)));
    return db;
}

void dokumentPruefen(const Datenbank& db,
                     const std::vector<std::pair<QString, QString>>& erwartet) {
    QStringList sortiert = db.pfade;
    sortiert.sort();
    QStringList erwartetePfade;
    for (const auto& [pfad, text] : erwartet)
        erwartetePfade << pfad;
    erwartetePfade.sort();
    ASSERT_EQ(sortiert, erwartetePfade);
    ASSERT_EQ(db.titel.size(), db.pfade.size());
    qsizetype pos = 0;
    for (qsizetype i = 0; i < db.pfade.size(); ++i) {
        const QString& pfad = db.pfade.at(i);
        const QByteArray kopf =
            " \r\n \r\n \r\n#" + pfad.toUtf8() + "\r\n" + QByteArray(pfad.size() / 2, '=') + "\r\n";
        const qsizetype k = db.dokument.indexOf(kopf, pos);
        ASSERT_GE(k, pos) << pfad.toStdString();
        const qsizetype marke = k + 9;
        EXPECT_EQ(db.titel.at(i), QString::number(marke) + QStringLiteral(" #") + pfad);
        pos = k + kopf.size();
        const qsizetype naechster = db.dokument.indexOf(" \r\n \r\n \r\n#", pos);
        const QByteArray text = db.dokument.mid(pos, naechster < 0 ? -1 : naechster - pos);
        for (const auto& [p, t] : erwartet) {
            if (p == pfad) {
                EXPECT_TRUE(text.contains(t.toUtf8())) << text.toStdString();
            }
        }
    }
}

bool hilfeIstHandbuch(const QString& pdf) {
    const Ergebnis info = ausfuehren(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch seiten =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.aus);
    if (info.code != 0 || !seiten.hasMatch() || seiten.captured(1).toInt() < 5)
        return false;
    const Ergebnis text = ausfuehren(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* kapitel :
         {"Datenbanken und Laufwerksbuchstaben", "Laufwerk_X", "Eine Datenbank erstellen",
          "Groß-/Kleinschreibung beachten", "Existiert nicht!", "25 Dateien",
          "Adressen_Webseiten.txt", "Einstellungen", "Die Kommandozeile", "ErstelleDateiliste"})
        if (!text.aus.contains(QString::fromUtf8(kapitel)))
            return false;
    return true;
}

Ergebnis ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    Ergebnis e;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return e;
    }
    e.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    e.aus = QString::fromUtf8(p.readAllStandardOutput());
    e.fehler = QString::fromUtf8(p.readAllStandardError());
    return e;
}

void kommandozeilePruefen(const QString& kelvora, const QString& programmordner,
                          const QString& akten, const QString& textA, const QString& textB) {
    const Ergebnis index =
        ausfuehren(kelvora, {QStringLiteral("--dir"), programmordner, QStringLiteral("index"),
                             QStringLiteral("Akten"), akten});
    ASSERT_EQ(index.code, 0) << index.fehler.toStdString();
    EXPECT_TRUE(index.aus.contains(QStringLiteral("Dateien insgesamt: 2\n")))
        << index.aus.toStdString();
    const Datenbank db = lesen(programmordner, QStringLiteral("Akten"));
    // The folder is named in its Windows form: T: is the program folder's drive.
    EXPECT_EQ(db.kopf, QStringLiteral("PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    "));
    dokumentPruefen(db, {{QStringLiteral("T:\\Akten\\a.pdf"), textA},
                         {QStringLiteral("T:\\Akten\\Unter\\b.pdf"), textB}});
    EXPECT_TRUE(QFile::exists(programmordner +
                              QStringLiteral("/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt")));

    const Ergebnis suche =
        ausfuehren(kelvora, {QStringLiteral("--dir"), programmordner, QStringLiteral("search"),
                             QStringLiteral("Akten"), QStringLiteral("Nummer")});
    ASSERT_EQ(suche.code, 0) << suche.fehler.toStdString();
    const QString seite = programmordner + QStringLiteral("/Datenbank/Temp/Kelvora_Ergebnis.htm");
    EXPECT_TRUE(suche.aus.endsWith(QStringLiteral("Ergebnisseite: ") + seite + '\n'))
        << suche.aus.toStdString();
    const QString html = QString::fromUtf8(bytes(seite));
    EXPECT_TRUE(html.contains(QStringLiteral("Datenbankname: \"Akten\"<br>")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("\"<u>Nummer\"</u><font color=\"#000000\"> wurde in 2 Dateien gefunden.")));
    for (const char* pdf : {"/Akten/a.pdf", "/Akten/Unter/b.pdf"})
        EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"file://") + programmordner +
                                  QString::fromUtf8(pdf) + QStringLiteral("\" target=\"_blank\">")))
            << pdf;
    EXPECT_EQ(html.count(QStringLiteral("<b>Nummer</b>")), 2);
}

} // namespace Ablauf
