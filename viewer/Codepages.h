#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <array>
#include <map>

// The text encodings the viewer and the stream search understand, in catalogue order.
enum TTextEncoding : quint8 {
    encANSI = 0,
    encOEM,
    encEBCDIC,
    encKOI8,
    encISO,
    encMac,
    encWEuroDOS,
    encWEuroISO1,
    encWEuroISO2,
    encWEuroMac,
    encWEuroWin,
    encCEuroDOS,
    encCEuroISO,
    encCEuroMac,
    encCEuroWin,
    encBalDOS,
    encBalISO1,
    encBalISO2,
    encBalWin,
    encCyrDOS,
    encCyrISO,
    encCyrKOI8R,
    encCyrKOI8U,
    encCyrMacC,
    encCyrMacU,
    encCyrWin,
    encGreekDOS,
    encGreekISO,
    encGreekMac,
    encGreekWin,
    encLatin3,
    encTurDOS,
    encTurISO,
    encTurMac,
    encTurWin,
    encArDOS1,
    encArDOS2,
    encArDOS3,
    encArISO,
    encArMac,
    encArWin,
    encHebDOS,
    encHebISO1,
    encHebISO2,
    encHebMac,
    encHebWin,
    encThai,
    encViet,
    encEBUSCanada,
    encEBInternational,
    encEBMultiLatin2,
    encEBGreekModern,
    encEBTurkishLatin5,
    encEBLatin1,
    encEBGermany,
    encEBDenmarkNorway,
    encEBFinlandSweden,
    encEBItaly,
    encEBLatinAmerica,
    encEBUnitedKingdom,
    encEBJapaneseKatExt,
    encEBFrance,
    encEBArabic,
    encEBGreek,
    encEBHebrew,
    encEBKoreanExt,
    encEBThai,
    encEBIcelandic,
    encEBCyrRussian,
    encEBTurkish,
    encEBCyrSerbian,
    encUnicodeLE,
    encUnicodeBE = 72
};

constexpr int EncodingAnzahl = 73;
// Entries without a single code page carry this number.
constexpr quint32 KeineCodepage = 0xFFFFFFFFu;
// Pseudo code pages of the catalogue: the system's OEM and Macintosh pages.
constexpr quint32 OemCodepage = 1;
constexpr quint32 MacCodepage = 2;
constexpr int GruppenAnzahl = 13;

struct UConverter;

// The catalogue: names, groups, availability and conversion to UTF-16. One instance
// serves the program; tests make their own to choose the system code page or to take
// a code page away.
class Codepages {
public:
    // A German Windows: ANSI 1252, OEM 850, Macintosh 10000.
    explicit Codepages(quint32 ansiCodepage = 1252);
    ~Codepages();
    Codepages(const Codepages&) = delete;
    Codepages& operator=(const Codepages&) = delete;

    static Codepages& system();

    quint32 ansiCodepage() const { return ansi_; }
    static constexpr quint32 oemCodepage() { return 850; }
    static constexpr quint32 macCodepage() { return 10000; }

    bool verfuegbar(TTextEncoding e) const { return verfuegbar_[e]; }
    // Marks an entry as missing, as on a system without that code page.
    void setVerfuegbar(TTextEncoding e, bool ja) { verfuegbar_[e] = ja; }

    QString ToWide(const QByteArray& text, TTextEncoding e);
    // The ISO page entry that goes with the ANSI code page (encISO).
    TTextEncoding isoZuAnsi() const;
    // Converter name ICU knows the code page by; empty when there is none to try.
    static QByteArray icuName(quint32 codepage);

private:
    QString mitCodepage(const QByteArray& text, quint32 codepage, bool& ok);
    UConverter* konverter(quint32 codepage);
    bool kannKonvertieren(quint32 codepage);

    quint32 ansi_;
    std::array<bool, EncodingAnzahl> verfuegbar_{};
    QMutex mutex_;
    std::map<quint32, UConverter*> konverter_;
};

quint32 CodepageOf(TTextEncoding e);
// Group index 0 (none) to 13 and the group's display name.
int EncodingGroup(TTextEncoding e);
QString GroupName(int gruppe);
// The name column alone, e.g. "Windows-1252".
QString EncodingShortName(TTextEncoding e);
// "Western European (Windows-1252)"; entries without a group give the name alone.
QString EncodingName(TTextEncoding e);
bool EncodingAvailable(TTextEncoding e);
QString ToWide(const QByteArray& text, TTextEncoding e);
// 2 for the UTF-16 entries, 1 for all others.
int EncodingCharSize(TTextEncoding e);

// Lower-casing for the stream search: 1252 bytes and UTF-16 units, lengths unchanged.
QByteArray CharLowerBuffA(const QByteArray& text);
QString CharLowerBuffW(const QString& text);
