#include "platform/System.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace System {

bool isElevated() {
    return ::geteuid() == 0;
}

bool prozessLaeuft(const QString& imageName) {
    const QString gesucht = imageName.toUpper();
    const QStringList pids =
        QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool zahl = false;
        pid.toLongLong(&zahl);
        if (!zahl)
            continue;
        const QString exe =
            QFileInfo(QStringLiteral("/proc/") + pid + QStringLiteral("/exe")).symLinkTarget();
        if (!exe.isEmpty() && QFileInfo(exe).fileName().toUpper() == gesucht)
            return true;
        QFile comm(QStringLiteral("/proc/") + pid + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly) &&
            QString::fromLocal8Bit(comm.readAll()).trimmed().toUpper() == gesucht)
            return true;
    }
    return false;
}

} // namespace System
