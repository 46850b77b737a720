#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

void StoerfallUmgebung::SetUp() {
    ASSERT_TRUE(tmp_.isValid());
    konfig_ = tmp_.filePath("config");
    QDir().mkpath(prog("Datenbank"));
    QDir().mkpath(tmp_.filePath("runtime"));
    einstellen("Laufwerk_T", prog());
}

void StoerfallUmgebung::TearDown() {
    for (auto& p : laufende_) {
        p->kill();
        p->waitForFinished();
    }
}

QString StoerfallUmgebung::prog(const QString& relativ) const {
    return relativ.isEmpty() ? tmp_.filePath("prog") : tmp_.filePath("prog/" + relativ);
}

QByteArray StoerfallUmgebung::lies(const QString& relativ) const {
    QFile f(prog(relativ));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void StoerfallUmgebung::schreibe(const QString& relativ, const QByteArray& inhalt) const {
    QDir().mkpath(QFileInfo(prog(relativ)).path());
    QFile f(prog(relativ));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

void StoerfallUmgebung::einstellen(const QString& name, const QString& wert) {
    QSettings s(konfig_ + "/Dorwent/Kelvora-PDF.conf", QSettings::IniFormat);
    s.setValue(name, wert);
    s.sync();
}

namespace {
QProcessEnvironment umgebung(const QString& konfig, const QString& laufzeit) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("XDG_CONFIG_HOME", konfig);
    e.insert("XDG_RUNTIME_DIR", laufzeit);
    return e;
}
} // namespace

StoerfallUmgebung::Ausgang StoerfallUmgebung::kelvora(const QStringList& argumente, int ms) const {
    return programmAusfuehren(KELVORA_CLI, QStringList{"--dir", prog()} + argumente,
                              umgebung(konfig_, tmp_.filePath("runtime")), ms);
}

QProcess& StoerfallUmgebung::kelvoraStarten(const QStringList& argumente) {
    laufende_.push_back(std::make_unique<QProcess>());
    QProcess& p = *laufende_.back();
    p.setProcessEnvironment(umgebung(konfig_, tmp_.filePath("runtime")));
    p.start(KELVORA_CLI, QStringList{"--dir", prog()} + argumente);
    EXPECT_TRUE(p.waitForStarted());
    return p;
}

QStringList StoerfallUmgebung::index(const QString& name, const QString& ordner) const {
    return {"index", name, "T:\\" + ordner};
}

void StoerfallUmgebung::akte(const QString& ordner, int i, int version) const {
    QDir().mkpath(prog(ordner));
    const QString kennung = QString("Kennung%1").arg(i);
    QString seite = kennung + " Suchwort " + kennung + "\nVersion " + QString::number(version);
    for (int z = 0; z < 3 * version + i % 4; ++z)
        seite += QString("\nZeile %1 der Akte %2 in Fassung %3").arg(z).arg(i).arg(version);
    ASSERT_TRUE(PdfSchreiber::schreiben(prog(QString("%1/Akte_%2.pdf").arg(ordner).arg(i)),
                                        {seite, "Zweite Seite " + kennung}));
}

void StoerfallUmgebung::hauptliste() const {
    QStringList pfade;
    QDirIterator it(prog(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pfade << "T:\\" + QDir(prog()).relativeFilePath(it.next()).replace('/', '\\');
    pfade.sort();
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             pfade.isEmpty() ? QByteArray() : (pfade.join("\r\n") + "\r\n").toUtf8());
}

void StoerfallUmgebung::ersatzkonverter(const QByteArray& vorher) {
    schreibe("pdftotext", "#!/bin/sh\n" + vorher + "\nexec " + echterKonverter() + " \"$@\"\n");
    QFile(prog("pdftotext")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray StoerfallUmgebung::echterKonverter() {
    return QFile::encodeName(QStandardPaths::findExecutable("pdftotext"));
}

StoerfallUmgebung::Pruefung StoerfallUmgebung::pruefen(const QString& name) const {
    const QByteArray dok = lies("Datenbank/" + name + "_UTF8Dokument.txt");
    const QStringList titel =
        QString::fromUtf8(lies("Datenbank/" + name + "_Utf8_TitelPositionen.txt"))
            .split("\r\n", Qt::SkipEmptyParts);
    QStringList dat =
        QString::fromUtf8(lies("Datenbank/" + name + ".dat")).split("\r\n", Qt::SkipEmptyParts);
    if (dat.isEmpty() || !dat.takeFirst().startsWith("PFAD_UND_ENDUNGEN= "))
        return {-1, "kein Kopf in der .dat"};
    qint64 vorher = -1;
    int naechsteDatZeile = 0;
    for (const QString& zeile : titel) {
        const qsizetype blank = zeile.indexOf(' ');
        bool ok = false;
        const qint64 offset = zeile.left(blank).toLongLong(&ok);
        // The header line with one character per byte: back to those bytes.
        const QByteArray kopf = zeile.mid(blank + 1).toLatin1();
        const QString pfad = QString::fromUtf8(kopf.mid(1));
        if (!ok || offset <= vorher || !kopf.startsWith("#T:\\"))
            return {-1, "Titelzeile falsch: " + zeile};
        if (dok.mid(offset - 9, 9) != " \r\n \r\n \r\n" ||
            dok.mid(offset, kopf.size() + 2) != kopf + "\r\n" ||
            dok.mid(offset + kopf.size() + 2, pfad.size() / 2 + 2) !=
                QByteArray(pfad.size() / 2, '=') + "\r\n")
            return {-1, "Titelzeile zeigt nicht auf ihren Kopf: " + zeile};
        // The ".dat" holds the path in byte form: its UTF-8 bytes as characters.
        while (naechsteDatZeile < dat.size() && dat[naechsteDatZeile] != zeile.mid(blank + 2))
            ++naechsteDatZeile;
        if (naechsteDatZeile++ >= dat.size())
            return {-1, "Pfad nicht in der .dat oder außer der Reihe: " + pfad};
        vorher = offset;
    }
    if (titel.isEmpty() ? !dok.isEmpty() : vorher < 0)
        return {-1, "Dokument ohne Titel"};
    return {int(titel.size()), {}};
}

StoerfallUmgebung::Pruefung StoerfallUmgebung::trefferPruefen(const QString& ausgabe) const {
    static const QRegularExpression kennung("Kennung(\\d+)");
    static const QRegularExpression datei("Akte_(\\d+)\\.pdf$");
    int treffer = 0;
    for (const QString& zeile : ausgabe.split('\n', Qt::SkipEmptyParts)) {
        if (zeile.startsWith("Ergebnisseite: "))
            continue;
        const QStringList teile = zeile.split('\t');
        const auto k = kennung.match(teile.value(1));
        const auto d = datei.match(teile.value(0));
        if (!k.hasMatch() || !d.hasMatch() || k.captured(1) != d.captured(1))
            return {-1, "Treffer der falschen Datei: " + zeile};
        ++treffer;
    }
    return {treffer, {}};
}

QString StoerfallUmgebung::logOhneZeit(const QString& name) const {
    const QByteArray b = lies("Datenbank/" + name + ".log");
    if (!b.startsWith("\xFF\xFE"))
        return "kein UTF-16-Log";
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData() + 2),
                                      (b.size() - 2) / 2);
    static const QRegularExpression zeit("Zeit: [0-9:]+  ");
    return text.replace(zeit, "Zeit: X  ");
}

bool StoerfallUmgebung::prozessLebt(const QByteArray& pid) {
    QFile stat("/proc/" + QString::fromLatin1(pid.trimmed()) + "/stat");
    if (pid.trimmed().isEmpty() || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = stat.readAll();
    return s.mid(s.lastIndexOf(')') + 2, 1) != "Z";
}
