#include "tests/common/Programmlauf.h"

#include <QProcess>

Programmlauf Programmlauf::von(QProcess& p) {
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Programmlauf programmAusfuehren(const QString& programm, const QStringList& argumente,
                                const QProcessEnvironment& umgebung, int ms) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(programm, argumente);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromUtf8(p.readAllStandardOutput()),
                programm + " lief länger als " + QString::number(ms) + " ms"};
    }
    return Programmlauf::von(p);
}
