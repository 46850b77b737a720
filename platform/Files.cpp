#include "platform/Files.h"

#include "platform/DriveMap.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Files {

QString nativ(const QString& pfad) {
    return DriveMap::global().nativ(pfad);
}

bool existiert(const QString& pfad) {
    const QString n = nativ(pfad);
    return !n.isEmpty() && QFileInfo(n).isFile();
}

bool ordnerExistiert(const QString& pfad) {
    const QString n = nativ(pfad);
    return !n.isEmpty() && QFileInfo(n).isDir();
}

qint64 groesse(const QString& pfad) {
    const QFileInfo info(nativ(pfad));
    return info.isFile() ? info.size() : -1;
}

QDateTime geaendert(const QString& pfad) {
    const QFileInfo info(nativ(pfad));
    return info.isFile() ? info.lastModified().toUTC() : QDateTime();
}

std::optional<Stand> lesbarerStand(const QString& pfad) {
    const QString n = nativ(pfad);
    if (n.isEmpty())
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(n).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return Stand{qint64(st.st_size),
                 qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

bool istDieselbeDatei(const QFileDevice& offen, const QString& nativerPfad) {
    struct stat a {
    }, b{};
    const int fd = offen.handle();
    return fd >= 0 && ::fstat(fd, &a) == 0 &&
           ::stat(QFile::encodeName(nativerPfad).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool ordnerAnlegen(const QString& pfad) {
    const QString n = nativ(pfad);
    if (n.isEmpty())
        return false;
    return QFileInfo(n).isDir() || QDir().mkdir(n);
}

bool loeschen(const QString& pfad) {
    const QString n = nativ(pfad);
    return !n.isEmpty() && QFileInfo(n).isFile() && QFile::remove(n);
}

bool verschieben(const QString& von, const QString& nach) {
    const QString a = nativ(von), b = nativ(nach);
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (QFileInfo::exists(b) && !QFile::remove(b))
        return false;
    return QFile::rename(a, b);
}

bool ersetzen(const QString& von, const QString& nach) {
    const QString a = nativ(von), b = nativ(nach);
    return !a.isEmpty() && !b.isEmpty() &&
           ::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0;
}

bool ordnerSichern(const QString& ordner) {
    const QString n = nativ(ordner);
    if (n.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(n).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool ordnerEntfernen(const QString& ordner) {
    const QString n = nativ(ordner);
    if (n.isEmpty())
        return false;
    const QFileInfo info(n);
    if (!info.exists() && !info.isSymLink())
        return true;
    return info.isDir() && !info.isSymLink() && QDir(n).removeRecursively();
}

void ordnerLeeren(const QString& ordner) {
    const QString n = nativ(ordner);
    if (n.isEmpty())
        return;
    QDir dir(n);
    const QFileInfoList eintraege =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : eintraege) {
        if (e.isDir() && !e.isSymLink())
            QDir(e.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(e.absoluteFilePath());
    }
}

QStringList dateien(const QString& ordner, const QString& endung) {
    QStringList out;
    const QString n = nativ(ordner);
    if (n.isEmpty())
        return out;
    QDirIterator it(n, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.endsWith(endung, Qt::CaseInsensitive))
            out.append(name);
    }
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) {
        const QString ga = a.toUpper(), gb = b.toUpper();
        return ga != gb ? ga < gb : a < b;
    });
    return out;
}

QByteArray lesen(const QString& pfad) {
    QFile f(nativ(pfad));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool schreiben(const QString& pfad, const QByteArray& bytes) {
    const QString n = nativ(pfad);
    if (n.isEmpty())
        return false;
    QSaveFile f(n);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool schreibenFluechtig(const QString& pfad, const QByteArray& bytes) {
    const QString n = nativ(pfad);
    if (n.isEmpty())
        return false;
    // Written over the old file and cut to length: file systems such as ext4 take far longer
    // to empty a file, or to delete it and create it anew, than to write over its blocks.
    QFile f(n);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const bool ok = f.write(bytes) == bytes.size() && f.resize(bytes.size());
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

bool anhaengen(const QString& pfad, const QByteArray& bytes) {
    const QString n = nativ(pfad);
    if (n.isEmpty())
        return false;
    QFile f(n);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return f.write(bytes) == bytes.size();
}

} // namespace Files
