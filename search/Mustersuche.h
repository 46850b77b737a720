#pragma once

#include <QByteArray>
#include <QString>

// Finding a text in memory the way the stream search compares: bytes of 1252 text folded
// with the 1252 lower-case table, or UTF-16 units folded one by one, or compared exactly
// when case counts. Whole words are the caller's business: it knows the neighbours.
namespace Mustersuche {

// Codes 0-47, 58-64, 91-94, 96 and 123-127 end a word; everything else, also every code of
// 128 or more, belongs to one.
inline bool istTrenner(char16_t c) {
    return c <= 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 94) || c == 96 ||
           (c >= 123 && c <= 127);
}

// A text of 8-bit characters, prepared once for many searches.
class Bytemuster {
public:
    Bytemuster() = default;
    // The text as it stands; folded here when case does not count. A probe of the text to
    // be searched chooses the places the sieve looks at; without one a rough table of the
    // bytes of prose does.
    Bytemuster(const QByteArray& text, bool grossKlein, const QByteArray* probe = nullptr);

    qsizetype laenge() const { return muster_.size(); }
    bool leer() const { return muster_.isEmpty(); }

    // The first position i >= ab with the whole text in s[i, i + laenge()) and i + laenge()
    // <= n; -1 when there is none.
    qsizetype finde(const unsigned char* s, qsizetype n, qsizetype ab) const;
    // The last such position i <= bis; -1 when there is none.
    qsizetype findeRueckwaerts(const unsigned char* s, qsizetype n, qsizetype bis) const;
    // Whether the text stands at s[0, laenge()).
    bool passt(const unsigned char* s) const;

private:
    QByteArray muster_;
    bool klein_ = false;
    // Two places of the text whose bytes rarely stand together at that distance, each with
    // the one or two raw bytes that compare equal to it: candidates are sifted on these
    // before a full compare.
    qsizetype anker_[2] = {0, 0};
    unsigned char varianten_[2][2] = {};
};

// A UTF-16 text, prepared once; units of the searched text are folded as they are read.
class Widemuster {
public:
    Widemuster() = default;
    Widemuster(const QString& text, bool grossKlein);

    qsizetype laenge() const { return muster_.size(); }
    bool leer() const { return muster_.isEmpty(); }

    qsizetype finde(const char16_t* s, qsizetype n, qsizetype ab) const;
    qsizetype findeRueckwaerts(const char16_t* s, qsizetype n, qsizetype bis) const;
    bool passt(const char16_t* s) const;

private:
    QString muster_;
    bool klein_ = false;
};

} // namespace Mustersuche
