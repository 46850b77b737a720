#pragma once

#include <QString>

// Trimming as the program has always done it: every character up to the blank (codes 0
// to 32) counts as white space, nothing else does.
namespace Zeichenkette {

inline QString trimLinks(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i).unicode() <= u' ')
        ++i;
    return s.mid(i);
}

inline QString trimRechts(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).unicode() <= u' ')
        --n;
    return s.left(n);
}

inline QString trim(const QString& s) {
    return trimRechts(trimLinks(s));
}

} // namespace Zeichenkette
