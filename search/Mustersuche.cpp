#include "search/Mustersuche.h"

#include "platform/Ansi.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Mustersuche {

namespace {

// How often a byte turns up in German and English prose as the converter writes it (UTF-8,
// laid-out lines), on a rough scale: the rarer the byte, the fewer places pass the sieve.
int haeufigkeit(unsigned char b) {
    static const char* const rangfolge = "enisrtadhulcogmbfwkzpvyjxq";
    if (b == ' ')
        return 255;
    if (b >= 'a' && b <= 'z')
        return 250 - 5 * int(std::strchr(rangfolge, b) - rangfolge);
    if (b >= 'A' && b <= 'Z')
        return 100;
    if (b >= '0' && b <= '9')
        return 110;
    switch (b) {
    case '\n':
        return 200;
    case ',':
    case '.':
        return 150;
    case '-':
    case ':':
    case '\r':
        return 120;
    case 0xC3:
        return 140;
    case 0xA4:
    case 0xB6:
    case 0xBC:
    case 0x9F:
        return 90;
    default:
        return b >= 0x80 ? 20 : 30;
    }
}

// The raw bytes that fold onto c: c alone, or with folding c and its upper-case partner.
void variantenVon(unsigned char c, bool klein, unsigned char (&v)[2]) {
    v[0] = v[1] = c;
    if (!klein)
        return;
    const unsigned char* t = Ansi::kleinTabelle();
    int n = 0;
    for (int b = 0; b < 256 && n < 2; ++b)
        if (t[b] == c)
            v[n++] = static_cast<unsigned char>(b);
    if (n == 1)
        v[1] = v[0];
}

struct Plan {
    const unsigned char* muster;
    qsizetype m;
    bool klein;
    qsizetype a0, a1;
    const unsigned char (*v)[2];
};

bool gleich(const Plan& p, const unsigned char* s) {
    if (!p.klein)
        return std::memcmp(s, p.muster, size_t(p.m)) == 0;
    const unsigned char* t = Ansi::kleinTabelle();
    for (qsizetype j = 0; j < p.m; ++j)
        if (t[s[j]] != p.muster[j])
            return false;
    return true;
}

bool ankerPassen(const Plan& p, const unsigned char* s) {
    const unsigned char x = s[p.a0], y = s[p.a1];
    return (x == p.v[0][0] || x == p.v[0][1]) && (y == p.v[1][0] || y == p.v[1][1]);
}

qsizetype skalar(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte) {
    for (; i <= letzte; ++i)
        if (ankerPassen(p, s + i) && gleich(p, s + i))
            return i;
    return -1;
}

#if defined(__x86_64__)

// Thirty-two places at a time: both anchors compared with their variants, the places that
// pass checked in full in increasing order.
__attribute__((target("avx2"))) qsizetype avx2(const Plan& p, const unsigned char* s, qsizetype i,
                                               qsizetype letzte) {
    const __m256i v00 = _mm256_set1_epi8(char(p.v[0][0])), v01 = _mm256_set1_epi8(char(p.v[0][1]));
    const __m256i v10 = _mm256_set1_epi8(char(p.v[1][0])), v11 = _mm256_set1_epi8(char(p.v[1][1]));
    for (; i + 31 <= letzte; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + p.a0));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + p.a1));
        const __m256i k =
            _mm256_and_si256(_mm256_or_si256(_mm256_cmpeq_epi8(x, v00), _mm256_cmpeq_epi8(x, v01)),
                             _mm256_or_si256(_mm256_cmpeq_epi8(y, v10), _mm256_cmpeq_epi8(y, v11)));
        for (quint32 bits = quint32(_mm256_movemask_epi8(k)); bits; bits &= bits - 1) {
            const qsizetype j = i + __builtin_ctz(bits);
            if (gleich(p, s + j))
                return j;
        }
    }
    return skalar(p, s, i, letzte);
}

qsizetype sse2(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte) {
    const __m128i v00 = _mm_set1_epi8(char(p.v[0][0])), v01 = _mm_set1_epi8(char(p.v[0][1]));
    const __m128i v10 = _mm_set1_epi8(char(p.v[1][0])), v11 = _mm_set1_epi8(char(p.v[1][1]));
    for (; i + 15 <= letzte; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + p.a0));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + p.a1));
        const __m128i k =
            _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(x, v00), _mm_cmpeq_epi8(x, v01)),
                          _mm_or_si128(_mm_cmpeq_epi8(y, v10), _mm_cmpeq_epi8(y, v11)));
        for (quint32 bits = quint32(_mm_movemask_epi8(k)); bits; bits &= bits - 1) {
            const qsizetype j = i + __builtin_ctz(bits);
            if (gleich(p, s + j))
                return j;
        }
    }
    return skalar(p, s, i, letzte);
}

qsizetype vorwaerts(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte) {
    static const bool mitAvx2 = __builtin_cpu_supports("avx2");
    return mitAvx2 ? avx2(p, s, i, letzte) : sse2(p, s, i, letzte);
}

#else

qsizetype vorwaerts(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte) {
    return skalar(p, s, i, letzte);
}

#endif

char16_t falte(char16_t c, bool klein) {
    return klein ? char16_t(QChar(c).toLower().unicode()) : c;
}

} // namespace

Bytemuster::Bytemuster(const QByteArray& text, bool grossKlein)
    : muster_(grossKlein ? text : Ansi::klein(text)), klein_(!grossKlein) {
    const qsizetype m = muster_.size();
    if (m == 0)
        return;
    const auto* p = reinterpret_cast<const unsigned char*>(muster_.constData());
    auto gewicht = [&](qsizetype j) {
        unsigned char v[2];
        variantenVon(p[j], klein_, v);
        return haeufigkeit(v[0]) + (v[1] != v[0] ? haeufigkeit(v[1]) : 0);
    };
    qsizetype besterRang[2] = {0, -1};
    for (qsizetype j = 1; j < m; ++j)
        if (gewicht(j) < gewicht(besterRang[0]))
            besterRang[0] = j;
    for (qsizetype j = 0; j < m; ++j)
        if (j != besterRang[0] && (besterRang[1] < 0 || gewicht(j) < gewicht(besterRang[1])))
            besterRang[1] = j;
    anker_[0] = besterRang[0];
    anker_[1] = besterRang[1] < 0 ? besterRang[0] : besterRang[1];
    for (int a = 0; a < 2; ++a)
        variantenVon(p[anker_[a]], klein_, varianten_[a]);
}

bool Bytemuster::passt(const unsigned char* s) const {
    const Plan p{reinterpret_cast<const unsigned char*>(muster_.constData()),
                 muster_.size(),
                 klein_,
                 anker_[0],
                 anker_[1],
                 varianten_};
    return gleich(p, s);
}

qsizetype Bytemuster::finde(const unsigned char* s, qsizetype n, qsizetype ab) const {
    const qsizetype m = muster_.size();
    if (m == 0 || ab < 0 || n - m < ab)
        return -1;
    const Plan p{reinterpret_cast<const unsigned char*>(muster_.constData()),
                 m,
                 klein_,
                 anker_[0],
                 anker_[1],
                 varianten_};
    return vorwaerts(p, s, ab, n - m);
}

qsizetype Bytemuster::findeRueckwaerts(const unsigned char* s, qsizetype n, qsizetype bis) const {
    const qsizetype m = muster_.size();
    if (m == 0 || m > n)
        return -1;
    for (qsizetype i = std::min(bis, n - m); i >= 0; --i)
        if (passt(s + i))
            return i;
    return -1;
}

Widemuster::Widemuster(const QString& text, bool grossKlein)
    : muster_(grossKlein ? text : Ansi::kleinWide(text)), klein_(!grossKlein) {}

bool Widemuster::passt(const char16_t* s) const {
    const auto* p = reinterpret_cast<const char16_t*>(muster_.constData());
    for (qsizetype j = 0; j < muster_.size(); ++j)
        if (falte(s[j], klein_) != p[j])
            return false;
    return true;
}

qsizetype Widemuster::finde(const char16_t* s, qsizetype n, qsizetype ab) const {
    const qsizetype m = muster_.size();
    if (m == 0 || ab < 0)
        return -1;
    const char16_t erstes = muster_.at(0).unicode();
    for (qsizetype i = ab; i <= n - m; ++i)
        if (falte(s[i], klein_) == erstes && passt(s + i))
            return i;
    return -1;
}

qsizetype Widemuster::findeRueckwaerts(const char16_t* s, qsizetype n, qsizetype bis) const {
    const qsizetype m = muster_.size();
    if (m == 0 || m > n)
        return -1;
    for (qsizetype i = std::min(bis, n - m); i >= 0; --i)
        if (passt(s + i))
            return i;
    return -1;
}

} // namespace Mustersuche
