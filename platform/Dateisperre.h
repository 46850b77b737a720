#pragma once

#include <QString>

// A lock on a file or folder (Windows path) that lasts while the object holds it and ends
// with the process, so a job that crashed never leaves its lock behind.
class Dateisperre {
public:
    // Many holders may share a lock, or one holds it alone.
    enum class Art { Exklusiv, Geteilt };

    Dateisperre() = default;
    ~Dateisperre();
    Dateisperre(Dateisperre&& andere) noexcept;
    Dateisperre& operator=(Dateisperre&& andere) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // Creates the file when missing (a folder must exist) and takes the lock without waiting;
    // false when another holder (this process included) has it in the way or the file cannot
    // be created. A holder may delete the file before it lets go: the lock is then taken on
    // the file the path names.
    bool nehmen(const QString& pfad, Art art = Art::Exklusiv);
    bool gehalten() const { return fd_ >= 0; }
    // The last nehmen failed only because another holder had the lock: worth waiting for.
    bool belegt() const { return belegt_; }
    void freigeben();

private:
    int fd_ = -1;
    bool belegt_ = false;
};
