#pragma once

#include <QByteArray>

#include <array>

// Boyer-Moore-Horspool over bytes. Without regard to case, bytes fold by the lower-case
// table of the ANSI code page and the skip table holds both the upper- and the lower-case
// copy of the pattern, so the skip reads the unfolded data byte. The tables are built
// once per pattern, which keeps a scan for every hit of a file cheap.
class Textsuche {
public:
    Textsuche(QByteArray muster, bool ohneGross);

    // Offset of the first match at or after start, or -1. A negative start counts as 0.
    qint64 finde(const unsigned char* daten, qint64 start, qint64 laenge) const;
    qint64 musterlaenge() const { return muster_.size(); }

private:
    QByteArray muster_; // lower-case when case does not count
    std::array<unsigned char, 256> falte_{};
    std::array<qint64, 256> sprung_{};
};

qint64 TextSucheOhneGross(const unsigned char* muster, qint64 musterLaenge,
                          const unsigned char* daten, qint64 start, qint64 datenLaenge);
qint64 TextSucheMitGross(const unsigned char* muster, qint64 musterLaenge,
                         const unsigned char* daten, qint64 start, qint64 datenLaenge);
