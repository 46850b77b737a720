#pragma once

#include <QString>
#include <QStringView>

class Pump;
class Wortbuckets;

// Takes the words, the phrases or both out of one trimmed line of a database document and
// adds them to the sorted lists.
class Zeilenextraktor {
public:
    enum class Modus { Woerter, Saetze, Beide };

    Zeilenextraktor(Wortbuckets& eimer, Pump& pump);

    void setModus(Modus modus) { modus_ = modus; }
    Modus modus() const { return modus_; }
    // "#" + drive letter + ":\"; a line starting with it holds no words.
    void setDateimarke(const QString& marke) { marke_ = marke; }
    // Trimming only ASCII blanks and controls; for text that is UTF-8 bytes seen one per
    // character, where 0x81, 0x8D, 0x8F, 0x90, 0x9D and 0xA0 are the last byte of letters
    // such as "Á" or "à" and must not be cut off.
    void setNurAsciiTrimmen(bool nurAscii) { nurAscii_ = nurAscii; }
    bool nurAsciiTrimmen() const { return nurAscii_; }

    void VerarbeiteTextzeile(const QString& zeile);

    // White space and control characters off both ends.
    static QString trimmen(QStringView text, bool nurAscii);

private:
    // The line with tabs made blanks, empty when it holds no words.
    QString woerter(QString zeile, bool ohneFragezeichen);
    void saetze(const QString& zeile);
    bool ohneInhalt(const QString& zeile) const;

    Wortbuckets& eimer_;
    Pump& pump_;
    Modus modus_ = Modus::Woerter;
    QString marke_;
    bool nurAscii_ = false;
};
