#include "platform/Dateisperre.h"

#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int sperreOeffnen(const QString& pfad) {
    const QString n = Files::nativ(pfad);
    if (n.isEmpty())
        return -1;
    const QByteArray name = QFile::encodeName(n);
    if (QFileInfo(n).isDir())
        return ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
}

// Whether the path still names the locked file: a holder that deletes its lock file (or
// the folder around it) before letting go leaves the lock on a file without a name.
bool nochDieselbe(int fd, const QString& pfad) {
    struct stat offen {};
    struct stat benannt {};
    return ::fstat(fd, &offen) == 0 &&
           ::stat(QFile::encodeName(Files::nativ(pfad)).constData(), &benannt) == 0 &&
           offen.st_dev == benannt.st_dev && offen.st_ino == benannt.st_ino;
}
} // namespace

Dateisperre::~Dateisperre() {
    freigeben();
}

Dateisperre::Dateisperre(Dateisperre&& andere) noexcept : fd_(andere.fd_) {
    andere.fd_ = -1;
}

Dateisperre& Dateisperre::operator=(Dateisperre&& andere) noexcept {
    if (this != &andere) {
        freigeben();
        fd_ = andere.fd_;
        andere.fd_ = -1;
    }
    return *this;
}

bool Dateisperre::nehmen(const QString& pfad, Art art) {
    freigeben();
    belegt_ = false;
    // A lock won on a file that was deleted meanwhile protects nothing: try the file that
    // the path names now.
    for (int versuch = 0; versuch < 10; ++versuch) {
        const int fd = sperreOeffnen(pfad);
        if (fd < 0)
            return false;
        if (::flock(fd, (art == Art::Exklusiv ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            belegt_ = errno == EWOULDBLOCK;
            ::close(fd);
            return false;
        }
        if (nochDieselbe(fd, pfad)) {
            fd_ = fd;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void Dateisperre::freigeben() {
    if (fd_ < 0)
        return;
    ::close(fd_); // closing the descriptor releases the lock
    fd_ = -1;
}
