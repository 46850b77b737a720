#include "viewer/Codepages.h"

#include "platform/Ansi.h"

#include <QMutexLocker>

#include <unicode/ucnv.h>

namespace {

struct Eintrag {
    quint32 codepage;
    quint8 gruppe;
    const char* name;
};

constexpr quint32 K = KeineCodepage;

constexpr std::array<Eintrag, EncodingAnzahl> katalog = {{
    {K, 0, "ANSI (Windows)"},
    {OemCodepage, 0, "OEM (DOS)"},
    {K, 0, "EBCDIC"},
    {K, 0, "KOI8"},
    {K, 0, "ISO"},
    {MacCodepage, 0, "Mac"},
    {850, 1, "IBM-850"},
    {28591, 1, "ISO 8859-1"},
    {28605, 1, "ISO 8859-15"},
    {10000, 1, "MacRoman"},
    {1252, 1, "Windows-1252"},
    {852, 2, "IBM-852"},
    {28592, 2, "ISO 8859-2"},
    {10029, 2, "MacCE"},
    {1250, 2, "Windows-1250"},
    {775, 3, "IBM-775"},
    {28594, 3, "ISO 8859-4"},
    {28603, 3, "ISO 8859-13"},
    {1257, 3, "Windows-1257"},
    {866, 4, "IBM-866"},
    {28595, 4, "ISO 8859-5"},
    {20866, 4, "KOI8-R"},
    {21866, 4, "KOI8-U"},
    {10007, 4, "MacCyrillic"},
    {10017, 4, "MacUkrainian"},
    {1251, 4, "Windows-1251"},
    {737, 5, "IBM-737"},
    {28597, 5, "ISO 8859-7"},
    {10006, 5, "MacGreek"},
    {1253, 5, "Windows-1253"},
    {28593, 6, "ISO 8859-3"},
    {857, 7, "IBM-857"},
    {28599, 7, "ISO 8859-9"},
    {10081, 7, "MacTurkish"},
    {1254, 7, "Windows-1254"},
    {708, 8, "ASMO-708"},
    {720, 8, "DOS-720"},
    {864, 8, "IBM-864"},
    {28596, 8, "ISO 8859-6"},
    {10004, 8, "MacArabic"},
    {1256, 8, "Windows-1256"},
    {862, 9, "IBM-862"},
    {38598, 9, "ISO 8859-8, ISO-Logical"},
    {28598, 9, "ISO 8859-8, ISO-Visual"},
    {10005, 9, "MacHebrew"},
    {1255, 9, "Windows-1255"},
    {874, 10, "Windows-874"},
    {1258, 11, "Windows-1258"},
    {37, 12, "US-Canada"},
    {500, 12, "International"},
    {870, 12, "Multilingual Latin 2"},
    {875, 12, "Greek Modern"},
    {1026, 12, "Turkish (Latin 5)"},
    {1047, 12, "Latin 1/Open System"},
    {20273, 12, "Germany"},
    {20277, 12, "Denmark-Norway"},
    {20278, 12, "Finland-Sweden"},
    {20280, 12, "Italy"},
    {20284, 12, "Latin America-Spain"},
    {20285, 12, "United Kingdom"},
    {20290, 12, "Japanese Katakana Extended"},
    {20297, 12, "France"},
    {20420, 12, "Arabic"},
    {20423, 12, "Greek"},
    {20424, 12, "Hebrew"},
    {20833, 12, "Korean Extended"},
    {20838, 12, "Thai"},
    {20871, 12, "Icelandic"},
    {20880, 12, "Cyrillic Russian"},
    {20905, 12, "Turkish"},
    {21025, 12, "Cyrillic Serbian-Bulgarian"},
    {K, 13, "UTF-16 LE"},
    {K, 13, "UTF-16 BE"},
}};

constexpr std::array<const char*, GruppenAnzahl + 1> gruppen = {
    "",      "Western European", "Central European", "Baltic", "Cyrillic",
    "Greek", "Latin 3",          "Turkish",          "Arabic", "Hebrew",
    "Thai",  "Vietnamese",       "IBM EBCDIC",       "Unicode"};

// The fallbacks for a system without the code page. They map straight to UTF-16, which
// for every character the ANSI page holds is what going through it would give, and keeps
// the characters it lacks.

// EBCDIC US-Canada (037), all 256 bytes.
constexpr std::array<char16_t, 256> ebcdicTabelle = {
    0x00, 0x01, 0x02, 0x03, 0x9C, 0x09, 0x86, 0x7F, 0x97, 0x8D, 0x8E, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x9D, 0x85, 0x08, 0x87, 0x18, 0x19, 0x92, 0x8F, 0x1C, 0x1D, 0x1E, 0x1F,
    0x80, 0x81, 0x82, 0x83, 0x84, 0x0A, 0x17, 0x1B, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x05, 0x06, 0x07,
    0x90, 0x91, 0x16, 0x93, 0x94, 0x95, 0x96, 0x04, 0x98, 0x99, 0x9A, 0x9B, 0x14, 0x15, 0x9E, 0x1A,
    0x20, 0xA0, 0xE2, 0xE4, 0xE0, 0xE1, 0xE3, 0xE5, 0xE7, 0xF1, 0xA2, 0x2E, 0x3C, 0x28, 0x2B, 0x7C,
    0x26, 0xE9, 0xEA, 0xEB, 0xE8, 0xED, 0xEE, 0xEF, 0xEC, 0xDF, 0x21, 0x24, 0x2A, 0x29, 0x3B, 0xAC,
    0x2D, 0x2F, 0xC2, 0xC4, 0xC0, 0xC1, 0xC3, 0xC5, 0xC7, 0xD1, 0xA6, 0x2C, 0x25, 0x5F, 0x3E, 0x3F,
    0xF8, 0xC9, 0xCA, 0xCB, 0xC8, 0xCD, 0xCE, 0xCF, 0xCC, 0x60, 0x3A, 0x23, 0x40, 0x27, 0x3D, 0x22,
    0xD8, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0xAB, 0xBB, 0xF0, 0xFD, 0xFE, 0xB1,
    0xB0, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x71, 0x72, 0xAA, 0xBA, 0xE6, 0xB8, 0xC6, 0xA4,
    0xB5, 0x7E, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0xA1, 0xBF, 0xD0, 0xDD, 0xDE, 0xAE,
    0x5E, 0xA3, 0xA5, 0xB7, 0xA9, 0xA7, 0xB6, 0xBC, 0xBD, 0xBE, 0x5B, 0x5D, 0xAF, 0xA8, 0xB4, 0xD7,
    0x7B, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0xAD, 0xF4, 0xF6, 0xF2, 0xF3, 0xF5,
    0x7D, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0xB9, 0xFB, 0xFC, 0xF9, 0xFA, 0xFF,
    0x5C, 0xF7, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0xB2, 0xD4, 0xD6, 0xD2, 0xD3, 0xD5,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0xB3, 0xDB, 0xDC, 0xD9, 0xDA, 0x9F};

// KOI8-R, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> koi8Tabelle = {
    0x2500, 0x2502, 0x250C, 0x2510, 0x2514, 0x2518, 0x251C, 0x2524, 0x252C, 0x2534, 0x253C, 0x2580,
    0x2584, 0x2588, 0x258C, 0x2590, 0x2591, 0x2592, 0x2593, 0x2320, 0x25A0, 0x2219, 0x221A, 0x2248,
    0x2264, 0x2265, 0x00A0, 0x2321, 0x00B0, 0x00B2, 0x00B7, 0x00F7, 0x2550, 0x2551, 0x2552, 0x0451,
    0x2553, 0x2554, 0x2555, 0x2556, 0x2557, 0x2558, 0x2559, 0x255A, 0x255B, 0x255C, 0x255D, 0x255E,
    0x255F, 0x2560, 0x2561, 0x0401, 0x2562, 0x2563, 0x2564, 0x2565, 0x2566, 0x2567, 0x2568, 0x2569,
    0x256A, 0x256B, 0x256C, 0x00A9, 0x044E, 0x0430, 0x0431, 0x0446, 0x0434, 0x0435, 0x0444, 0x0433,
    0x0445, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x044F, 0x0440, 0x0441,
    0x0442, 0x0443, 0x0436, 0x0432, 0x044C, 0x044B, 0x0437, 0x0448, 0x044D, 0x0449, 0x0447, 0x044A,
    0x042E, 0x0410, 0x0411, 0x0426, 0x0414, 0x0415, 0x0424, 0x0413, 0x0425, 0x0418, 0x0419, 0x041A,
    0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x042F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0416, 0x0412,
    0x042C, 0x042B, 0x0417, 0x0428, 0x042D, 0x0429, 0x0427, 0x042A};

// MacRoman, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> macTabelle = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

QString ueberTabelle(const QByteArray& text, const char16_t* tabelle, int ab) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* o = out.data();
    const auto* d = reinterpret_cast<const unsigned char*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        o[i] = QChar(d[i] < ab ? char16_t(d[i]) : tabelle[d[i] - ab]);
    return out;
}

// ISO 8859-1: the upper half is the first 256 characters of UTF-16 itself.
QString isoFallback(const QByteArray& text) {
    return QString::fromLatin1(text);
}

} // namespace

Codepages::Codepages(quint32 ansiCodepage) : ansi_(ansiCodepage) {
    for (int e = 0; e < EncodingAnzahl; ++e) {
        const quint32 cp = katalog[e].codepage;
        verfuegbar_[e] = e <= encMac || (cp != K && kannKonvertieren(cp));
    }
}

Codepages::~Codepages() {
    for (auto& [cp, k] : konverter_)
        if (k)
            ucnv_close(k);
}

Codepages& Codepages::system() {
    static Codepages katalog;
    return katalog;
}

QByteArray Codepages::icuName(quint32 codepage) {
    switch (codepage) {
    case 708:
        return "ASMO-708";
    case 874:
        return "windows-874";
    case 10000:
        return "macos-0_2-10.2";
    case 10004:
        return "x-mac-arabic";
    case 10005:
        return "x-mac-hebrew";
    case 10006:
        return "macos-6_2-10.4";
    case 10007:
        return "macos-7_3-10.2";
    case 10017:
        return "x-mac-ukrainian";
    case 10029:
        return "macos-29-10.2";
    case 10081:
        return "macos-35-10.2";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 38598:
        return "ISO-8859-8-I";
    case 21025:
        return "ibm-1025";
    case 28605:
        return "ISO-8859-15";
    default:
        break;
    }
    if (codepage >= 1250 && codepage <= 1258)
        return "windows-" + QByteArray::number(codepage);
    if (codepage > 28590 && codepage < 28600)
        return "ISO-8859-" + QByteArray::number(codepage - 28590);
    if (codepage == 28603)
        return "ISO-8859-13";
    // The IBM EBCDIC pages that Windows numbers from 20000 up.
    if (codepage > 20000 && codepage < 21000)
        return "ibm-" + QByteArray::number(codepage - 20000);
    if (codepage < 2000)
        return "ibm-" + QByteArray::number(codepage);
    return {};
}

UConverter* Codepages::konverter(quint32 codepage) {
    auto it = konverter_.find(codepage);
    if (it != konverter_.end())
        return it->second;
    UConverter* k = nullptr;
    const QByteArray name = icuName(codepage);
    if (!name.isEmpty()) {
        UErrorCode fehler = U_ZERO_ERROR;
        k = ucnv_open(name.constData(), &fehler);
        if (U_FAILURE(fehler)) {
            if (k)
                ucnv_close(k);
            k = nullptr;
        }
    }
    konverter_.emplace(codepage, k);
    return k;
}

bool Codepages::kannKonvertieren(quint32 codepage) {
    if (codepage == 1252)
        return true;
    QMutexLocker sperre(&mutex_);
    return konverter(codepage) != nullptr;
}

QString Codepages::mitCodepage(const QByteArray& text, quint32 codepage, bool& ok) {
    ok = true;
    if (codepage == 1252)
        return Ansi::nachUnicode(text);
    QMutexLocker sperre(&mutex_);
    UConverter* k = konverter(codepage);
    if (!k) {
        ok = false;
        return {};
    }
    ucnv_reset(k);
    // Single-byte pages give one unit per byte; the margin covers any that give two.
    QString out(text.size() * 2 + 2, Qt::Uninitialized);
    UErrorCode fehler = U_ZERO_ERROR;
    const int32_t n =
        ucnv_toUChars(k, reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                      text.constData(), static_cast<int32_t>(text.size()), &fehler);
    if (U_FAILURE(fehler)) {
        ok = false;
        return {};
    }
    out.truncate(n);
    return out;
}

TTextEncoding Codepages::isoZuAnsi() const {
    switch (ansi_) {
    case 1250:
        return encCEuroISO;
    case 1251:
        return encCyrISO;
    case 1253:
        return encGreekISO;
    case 1254:
        return encTurISO;
    case 1255:
        return encHebISO1;
    case 1256:
        return encArISO;
    case 1257:
        return encBalISO1;
    default:
        return encWEuroISO1;
    }
}

QString Codepages::ToWide(const QByteArray& text, TTextEncoding e) {
    if (text.isEmpty())
        return {};
    if (e >= EncodingAnzahl)
        return QStringLiteral("?");
    bool ok = true;
    QString out;
    switch (e) {
    case encANSI:
        out = mitCodepage(text, ansi_, ok);
        break;
    case encEBCDIC:
        if (verfuegbar(encEBUSCanada))
            out = mitCodepage(text, 37, ok);
        else
            out = ueberTabelle(text, ebcdicTabelle.data(), 0);
        break;
    case encKOI8:
        if (verfuegbar(encCyrKOI8R))
            out = mitCodepage(text, 20866, ok);
        else
            out = ueberTabelle(text, koi8Tabelle.data(), 0x80);
        break;
    case encISO: {
        const TTextEncoding iso = isoZuAnsi();
        if (verfuegbar(iso))
            out = mitCodepage(text, katalog[iso].codepage, ok);
        else
            out = isoFallback(text);
        break;
    }
    case encMac:
        if (verfuegbar(encWEuroMac))
            out = mitCodepage(text, macCodepage(), ok);
        else
            out = ueberTabelle(text, macTabelle.data(), 0x80);
        break;
    default: {
        quint32 cp = katalog[e].codepage;
        if (cp == OemCodepage)
            cp = oemCodepage();
        if (!verfuegbar(e) || cp == K)
            return QStringLiteral("?");
        out = mitCodepage(text, cp, ok);
        break;
    }
    }
    return ok ? out : QStringLiteral("?");
}

quint32 CodepageOf(TTextEncoding e) {
    return e < EncodingAnzahl ? katalog[e].codepage : K;
}

int EncodingGroup(TTextEncoding e) {
    return e < EncodingAnzahl ? katalog[e].gruppe : 0;
}

QString GroupName(int gruppe) {
    if (gruppe < 0 || gruppe > GruppenAnzahl)
        return {};
    return QString::fromLatin1(gruppen[gruppe]);
}

QString EncodingShortName(TTextEncoding e) {
    return e < EncodingAnzahl ? QString::fromLatin1(katalog[e].name) : QString();
}

QString EncodingName(TTextEncoding e) {
    const int g = EncodingGroup(e);
    if (g == 0)
        return EncodingShortName(e);
    return GroupName(g) + QStringLiteral(" (") + EncodingShortName(e) + QLatin1Char(')');
}

bool EncodingAvailable(TTextEncoding e) {
    return e < EncodingAnzahl && Codepages::system().verfuegbar(e);
}

QString ToWide(const QByteArray& text, TTextEncoding e) {
    return Codepages::system().ToWide(text, e);
}

int EncodingCharSize(TTextEncoding e) {
    return e == encUnicodeLE || e == encUnicodeBE ? 2 : 1;
}

QByteArray CharLowerBuffA(const QByteArray& text) {
    return Ansi::klein(text);
}

QString CharLowerBuffW(const QString& text) {
    return Ansi::kleinWide(text);
}
