#pragma once

#include "viewer/Codepages.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

class Notifier;

enum TViewerMode { vmText = 0, vmBinary = 1, vmHex = 2, vmUnicode = 3, vmUHex = 4 };

// The viewer's source without painting: the file or stream, the three read blocks around
// the place last looked at, the text-mode line structure and the byte selection. The
// visible viewer draws from it; the document search drives one directly as its hidden
// second viewer. Each instance owns its file handle.
class TViewerDokument {
public:
    static constexpr int MaxZeilenlaenge = 2048;
    static constexpr int ZeilenProBlock = 200;
    static constexpr qint64 SelTextGrenze = qint64(16) << 20;

    TViewerDokument();
    ~TViewerDokument();
    TViewerDokument(const TViewerDokument&) = delete;
    TViewerDokument& operator=(const TViewerDokument&) = delete;

    // The same name again: true, nothing happens, unless the file under that name was
    // replaced (an index run renames a new document over the old): then it is opened anew.
    // An empty name only closes. Failure: false, the source stays closed and Fehler() holds
    // the message.
    bool Open(const QString& nativerDateiname);
    // The open file is still the one its name denotes.
    bool ZeigtDieDatei(const QString& nativerDateiname) const;
    // A stream the caller owns; it is opened for reading when it is not open yet.
    bool OpenStream(QIODevice* stream);
    void Close();
    // Opens the same source again for its new size, keeping the position.
    bool Reload();
    QString Fehler() const { return fehler_; }
    QString FileName() const { return name_; }
    bool IstOffen() const { return quelle_ != nullptr; }
    qint64 Size() const { return groesse_; }

    // Reports open and read failures to the user; without one they are only recorded.
    void SetNotifier(Notifier* notifier) { notifier_ = notifier; }

    TViewerMode Mode() const { return modus_; }
    void SetMode(TViewerMode modus);
    static bool IstTextmodus(TViewerMode m) { return m == vmText || m == vmUnicode; }
    static bool IstUnicodemodus(TViewerMode m) { return m == vmUnicode || m == vmUHex; }
    TTextEncoding TextEncoding() const { return kodierung_; }
    void SetTextEncoding(TTextEncoding kodierung) { kodierung_ = kodierung; }
    int CharSize() const { return IstUnicodemodus(modus_) ? 2 : 1; }
    qint64 Blockgroesse() const { return qint64(ZeilenProBlock) * MaxZeilenlaenge * CharSize(); }

    // Byte offset of the first visible line, kept on a character boundary inside the source.
    qint64 Position() const { return position_; }
    void SetPosition(qint64 pos);

    // A negative start or length, or a start beyond the end, leaves the selection as it is.
    void SetSelection(qint64 start, qint64 length);
    qint64 SelStart() const { return selStart_; }
    qint64 SelLength() const { return selLaenge_; }
    void SelectLineAtPos(qint64 pos);
    void SelectAll();
    // The selected bytes, at most 16 MiB.
    QByteArray SelText() const;
    // Unicode modes: the selected UTF-16 units (big-endian swapped); else SelText decoded.
    QString SelTextW() const;
    // SelText decoded with TextEncoding and converted to 1252.
    QByteArray SelTextAnsi() const;

    // Text-mode lines: at most 2048 characters, a break is CR, LF, CR LF or LF CR.
    qint64 NextLineStart(qint64 pos) const;
    qint64 PrevLineStart(qint64 pos) const;
    // From pos to the next break, at most 2048 characters.
    qint64 ZeilenEnde(qint64 pos) const;
    // Back from pos to the character after a break, at most 2048 characters.
    qint64 ZeilenAnfang(qint64 pos) const;
    static bool IstUmbruch(char16_t c) { return c == 13 || c == 10; }

    // The character unit at pos (a byte in 8-bit modes); 0 outside the source.
    char16_t Zeichen(qint64 pos) const;
    // Bytes of the source from pos, cut at its end.
    QByteArray Bytes(qint64 pos, qint64 laenge) const;
    // The characters between two offsets, one UTF-16 unit per character.
    QString Text(qint64 von, qint64 bis) const;
    // Hexadecimal digits of the offset column: enough for the size, at least 8, even.
    int OffsetStellen() const;

    // Reads from the source so far; a re-open of the same name adds none.
    qint64 Lesevorgaenge() const { return lesevorgaenge_; }
    // True after a read failed, until a read succeeds.
    bool Lesefehler() const { return lesefehler_; }

private:
    bool oeffne(std::unique_ptr<QIODevice> eigene, QIODevice* quelle, const QString& name);
    bool sichere(qint64 pos) const;
    qint64 lies(qint64 pos, char* ziel, qint64 laenge) const;
    void melde(const QString& text) const;
    qint64 aufZeichen(qint64 pos) const;
    char16_t einheit(const char* p) const;

    std::unique_ptr<QIODevice> eigeneQuelle_;
    QIODevice* quelle_ = nullptr;
    QString name_;
    mutable QString fehler_;
    Notifier* notifier_ = nullptr;
    qint64 groesse_ = 0;
    TViewerMode modus_ = vmText;
    TTextEncoding kodierung_ = encANSI;
    qint64 position_ = 0;
    qint64 selStart_ = 0;
    qint64 selLaenge_ = 0;

    mutable QByteArray puffer_;
    mutable qint64 pufferStart_ = 0;
    mutable qint64 lesevorgaenge_ = 0;
    mutable bool lesefehler_ = false;
};
