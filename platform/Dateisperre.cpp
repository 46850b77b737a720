#include "platform/Dateisperre.h"

#include "platform/Files.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
int sperreOeffnen(const QString& pfad) {
    const QString n = Files::nativ(pfad);
    if (n.isEmpty())
        return -1;
    return ::open(QFile::encodeName(n).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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

bool Dateisperre::nehmen(const QString& pfad) {
    freigeben();
    const int fd = sperreOeffnen(pfad);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void Dateisperre::freigeben() {
    if (fd_ < 0)
        return;
    ::close(fd_); // closing the descriptor releases the lock
    fd_ = -1;
}
