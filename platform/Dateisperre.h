#pragma once

#include <QString>

// An exclusive lock on a file (Windows path) that lasts while the object holds it and ends
// with the process, so a job that crashed never leaves its lock behind.
class Dateisperre {
public:
    Dateisperre() = default;
    ~Dateisperre();
    Dateisperre(Dateisperre&& andere) noexcept;
    Dateisperre& operator=(Dateisperre&& andere) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // Creates the file when missing and takes the lock without waiting; false when another
    // holder (this process included) has it or the file cannot be created. A holder may
    // delete the file before it lets go: the lock is then taken on the file the path names.
    bool nehmen(const QString& pfad);
    bool gehalten() const { return fd_ >= 0; }
    void freigeben();

private:
    int fd_ = -1;
};
