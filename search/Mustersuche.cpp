#include "search/Mustersuche.h"

#include "platform/Ansi.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

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

using Haeufigkeiten = std::array<quint32, 256>;

Haeufigkeiten zaehlen(const unsigned char* s, qsizetype n) {
    Haeufigkeiten h{};
    for (qsizetype i = 0; i < n; ++i)
        ++h[s[i]];
    return h;
}

struct Plan {
    const unsigned char* tabelle;
    const unsigned char* muster;
    qsizetype m;
    bool klein;
    qsizetype a0, a1;
    const unsigned char (*v)[2];
};

bool gleich(const Plan& p, const unsigned char* s) {
    if (!p.klein)
        return std::memcmp(s, p.muster, size_t(p.m)) == 0;
    for (qsizetype j = 0; j < p.m; ++j)
        if (p.tabelle[s[j]] != p.muster[j])
            return false;
    return true;
}

bool ankerPassen(const Plan& p, const unsigned char* s) {
    const unsigned char x = s[p.a0], y = s[p.a1];
    return (x == p.v[0][0] || x == p.v[0][1]) && (y == p.v[1][0] || y == p.v[1][1]);
}

// The sieve: pruefen(j) is called for every place j from i to letzte whose anchors fit, in
// increasing order, until it says yes; that place, or -1.
template <typename Pruefen>
qsizetype skalar(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte,
                 Pruefen& pruefen) {
    for (; i <= letzte; ++i)
        if (ankerPassen(p, s + i) && pruefen(i))
            return i;
    return -1;
}

#if defined(__x86_64__)

// Thirty-two places at a time.
template <typename Pruefen>
__attribute__((target("avx2"))) qsizetype avx2(const Plan& p, const unsigned char* s, qsizetype i,
                                               qsizetype letzte, Pruefen& pruefen) {
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
            if (pruefen(j))
                return j;
        }
    }
    return skalar(p, s, i, letzte, pruefen);
}

template <typename Pruefen>
qsizetype sse2(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte,
               Pruefen& pruefen) {
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
            if (pruefen(j))
                return j;
        }
    }
    return skalar(p, s, i, letzte, pruefen);
}

template <typename Pruefen>
qsizetype sieb(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte,
               Pruefen&& pruefen) {
    static const bool mitAvx2 = __builtin_cpu_supports("avx2");
    return mitAvx2 ? avx2(p, s, i, letzte, pruefen) : sse2(p, s, i, letzte, pruefen);
}

#else

template <typename Pruefen>
qsizetype sieb(const Plan& p, const unsigned char* s, qsizetype i, qsizetype letzte,
               Pruefen&& pruefen) {
    return skalar(p, s, i, letzte, pruefen);
}

#endif

char16_t falte(char16_t c, bool klein) {
    return klein ? char16_t(QChar(c).toLower().unicode()) : c;
}

} // namespace

Bytemuster::Bytemuster(const QByteArray& text, bool grossKlein, const QByteArray* probe)
    : muster_(grossKlein ? text : Ansi::klein(text)), klein_(!grossKlein) {
    const qsizetype m = muster_.size();
    const auto* p = reinterpret_cast<const unsigned char*>(muster_.constData());
    if (m < 2) {
        if (m == 1)
            variantenVon(p[0], klein_, varianten_[0]);
        varianten_[1][0] = varianten_[0][0];
        varianten_[1][1] = varianten_[0][1];
        return;
    }
    unsigned char v[64][2];
    const qsizetype stellen = std::min<qsizetype>(m, 64);
    for (qsizetype j = 0; j < stellen; ++j)
        variantenVon(p[j], klein_, v[j]);
    const bool mitProbe = probe && probe->size() > m;
    const auto* probeDaten =
        mitProbe ? reinterpret_cast<const unsigned char*>(probe->constData()) : nullptr;
    const Haeufigkeiten h = mitProbe ? zaehlen(probeDaten, probe->size()) : Haeufigkeiten{};
    // How often a place passes the sieve on its own: the share of the bytes that compare
    // equal to the text's byte there, in the probe or else in prose.
    auto anteil = [&](qsizetype j) {
        auto einzeln = [&](unsigned char b) {
            return mitProbe ? double(h[b]) : std::exp2(haeufigkeit(b) / 16.0);
        };
        return einzeln(v[j][0]) + (v[j][1] != v[j][0] ? einzeln(v[j][1]) : 0);
    };
    // The rarest places are paired; with a probe the pair that lets fewest of its places
    // through wins, otherwise the pair of the rarest bytes, neighbours counted four times,
    // as letters of a word go together more often than their shares say.
    std::vector<qsizetype> kandidaten(static_cast<size_t>(stellen));
    std::iota(kandidaten.begin(), kandidaten.end(), 0);
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [&](qsizetype a, qsizetype b) { return anteil(a) < anteil(b); });
    kandidaten.resize(std::min<size_t>(kandidaten.size(), 8));
    double bester = -1;
    for (size_t x = 0; x < kandidaten.size(); ++x)
        for (size_t y = x + 1; y < kandidaten.size(); ++y) {
            const qsizetype j = std::min(kandidaten[x], kandidaten[y]);
            const qsizetype k = std::max(kandidaten[x], kandidaten[y]);
            double wert;
            if (mitProbe) {
                const unsigned char paar[2][2] = {{v[j][0], v[j][1]}, {v[k][0], v[k][1]}};
                qsizetype durch = 0;
                sieb(Plan{nullptr, p, m, klein_, j, k, paar}, probeDaten, 0, probe->size() - m,
                     [&durch](qsizetype) {
                         ++durch;
                         return false;
                     });
                wert = double(durch);
            } else {
                wert = anteil(j) * anteil(k) * (k == j + 1 ? 4 : 1);
            }
            if (bester < 0 || wert < bester || (wert == bester && k - j > anker_[1] - anker_[0])) {
                bester = wert;
                anker_[0] = j;
                anker_[1] = k;
            }
        }
    for (int a = 0; a < 2; ++a)
        variantenVon(p[anker_[a]], klein_, varianten_[a]);
}

bool Bytemuster::passt(const unsigned char* s) const {
    const Plan p{Ansi::kleinTabelle(),
                 reinterpret_cast<const unsigned char*>(muster_.constData()),
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
    const Plan p{Ansi::kleinTabelle(),
                 reinterpret_cast<const unsigned char*>(muster_.constData()),
                 m,
                 klein_,
                 anker_[0],
                 anker_[1],
                 varianten_};
    return sieb(p, s, ab, n - m, [&p, s](qsizetype j) { return gleich(p, s + j); });
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
