#include "platform/Ansi.h"

#include <array>

namespace Ansi {
namespace {

// 0x80..0x9F of Windows-1252; the unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> obereSteuerzone = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Tabellen {
    std::array<unsigned char, 256> klein{};
    Tabellen() {
        for (int b = 0; b < 256; ++b)
            klein[b] = static_cast<unsigned char>(b);
        for (int b = 'A'; b <= 'Z'; ++b)
            klein[b] = static_cast<unsigned char>(b + 0x20);
        for (int b = 0xC0; b <= 0xDE; ++b)
            if (b != 0xD7)
                klein[b] = static_cast<unsigned char>(b + 0x20);
        klein[0x8A] = 0x9A; // Š
        klein[0x8C] = 0x9C; // Œ
        klein[0x8E] = 0x9E; // Ž
        klein[0x9F] = 0xFF; // Ÿ
    }
};

const Tabellen& tabellen() {
    static const Tabellen t;
    return t;
}

bool istFolgebyte(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at data[i], or 0 when none starts there.
int gueltigeLaenge(const unsigned char* d, qsizetype i, qsizetype n) {
    const unsigned char b = d[i];
    int laenge;
    unsigned char min2 = 0x80, max2 = 0xBF;
    if (b >= 0xC2 && b <= 0xDF)
        laenge = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        laenge = 3;
        if (b == 0xE0)
            min2 = 0xA0;
        else if (b == 0xED)
            max2 = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        laenge = 4;
        if (b == 0xF0)
            min2 = 0x90;
        else if (b == 0xF4)
            max2 = 0x8F;
    } else
        return 0;
    if (i + laenge > n)
        return 0;
    if (d[i + 1] < min2 || d[i + 1] > max2)
        return 0;
    for (int k = 2; k < laenge; ++k)
        if (!istFolgebyte(d[i + k]))
            return 0;
    return laenge;
}

} // namespace

char16_t zeichen(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return obereSteuerzone[b - 0x80];
    return b;
}

int byteVon(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (obereSteuerzone[i] == c)
            return 0x80 + i;
    return -1;
}

QByteArray ausUnicode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* o = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const int b = c < 0x80 ? c : byteVon(c);
        o[i] = b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

QString nachUnicode(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* o = out.data();
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        o[i] = QChar(zeichen(d[i]));
    return out;
}

QString utf8Tolerant(const char* data, qsizetype n) {
    const auto* d = reinterpret_cast<const unsigned char*>(data);
    QString out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = d[i];
        if (b < 0x80) {
            // Runs of ASCII are the common case in documents and paths.
            qsizetype j = i + 1;
            while (j < n && d[j] < 0x80)
                ++j;
            out.append(QLatin1StringView(data + i, j - i));
            i = j;
            continue;
        }
        const int laenge = gueltigeLaenge(d, i, n);
        if (laenge == 0) {
            out.append(QChar(b));
            ++i;
            continue;
        }
        char32_t cp;
        if (laenge == 2)
            cp = ((b & 0x1F) << 6) | (d[i + 1] & 0x3F);
        else if (laenge == 3)
            cp = ((b & 0x0F) << 12) | ((d[i + 1] & 0x3F) << 6) | (d[i + 2] & 0x3F);
        else
            cp = ((b & 0x07) << 18) | ((d[i + 1] & 0x3F) << 12) | ((d[i + 2] & 0x3F) << 6) |
                 (d[i + 3] & 0x3F);
        if (cp > 0xFFFF) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
        } else
            out.append(QChar(static_cast<char16_t>(cp)));
        i += laenge;
    }
    return out;
}

QString utf8Tolerant(const QByteArray& bytes) {
    return utf8Tolerant(bytes.constData(), bytes.size());
}

QString zuByteForm(const QString& text) {
    return nachUnicode(text.toUtf8());
}

QString ausByteForm(const QString& byteForm) {
    return utf8Tolerant(ausUnicode(byteForm));
}

unsigned char kleinByte(unsigned char b) {
    return tabellen().klein[b];
}

const unsigned char* kleinTabelle() {
    return tabellen().klein.data();
}

QByteArray klein(QByteArray bytes) {
    const unsigned char* t = kleinTabelle();
    char* d = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = static_cast<char>(t[static_cast<unsigned char>(d[i])]);
    return bytes;
}

QString kleinWide(QString text) {
    QChar* d = text.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        d[i] = d[i].toLower();
    return text;
}

} // namespace Ansi
