// The file lister against "find ROOT -xdev" over the same tree: best of three runs each.
// Without an argument it lists a generated tree of 200,000 files in 4,000 folders.

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void baumErzeugen(const QString& wurzel) {
    for (int o = 0; o < 4000; ++o) {
        const QString ordner = wurzel + QStringLiteral("/Jahr%1/Akte %2 Müller").arg(o % 40).arg(o);
        QDir().mkpath(ordner);
        for (int d = 0; d < 50; ++d) {
            QFile f(ordner + QStringLiteral("/Bericht_%1.pdf").arg(d));
            f.open(QIODevice::WriteOnly);
        }
    }
}

double besteZeit(const QString& programm, const QStringList& argumente, const QString& ordner,
                 const QString& ausgabe) {
    double beste = 1e18;
    for (int i = 0; i < 3; ++i) {
        QProcess p;
        p.setWorkingDirectory(ordner);
        if (!ausgabe.isEmpty())
            p.setStandardOutputFile(ausgabe);
        QElapsedTimer uhr;
        uhr.start();
        p.start(programm, argumente);
        p.waitForFinished(-1);
        const double ms = uhr.nsecsElapsed() / 1e6;
        if (p.exitCode() != 0) {
            std::fprintf(stderr, "%s ist mit %d beendet worden\n", qPrintable(programm),
                         p.exitCode());
            return -1;
        }
        beste = std::min(beste, ms);
    }
    return beste;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    QString wurzel = app.arguments().value(1);
    if (wurzel.isEmpty()) {
        wurzel = tmp.filePath(QStringLiteral("baum"));
        baumErzeugen(wurzel);
    }
    // The lister finds the drive letter's folder in its settings.
    const QString config = tmp.filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    SettingsStore().SchreibeRegKey(QStringLiteral("Laufwerk_B"), wurzel);
    const QString basis = tmp.filePath(QStringLiteral("prog"));
    QDir().mkpath(basis + QStringLiteral("/Datenbank"));

    const double lister =
        besteZeit(QStringLiteral(KELVORA_LISTER), {QStringLiteral("open B")}, basis, QString());
    const double find = besteZeit(QStringLiteral("find"), {wurzel, QStringLiteral("-xdev")}, basis,
                                  tmp.filePath(QStringLiteral("find.txt")));
    if (lister < 0 || find < 0)
        return 1;
    QFile liste(basis + QStringLiteral("/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_B.txt"));
    const qint64 groesse = liste.size();
    std::printf("lister: %s\n", qPrintable(wurzel));
    std::printf("  ErstelleDateiliste   %8.1f ms  (list %lld bytes)\n", lister,
                static_cast<long long>(groesse));
    std::printf("  find -xdev           %8.1f ms\n", find);
    std::printf("  ratio lister/find    %8.2f  (target <= 1.00)\n", lister / find);
    return 0;
}
