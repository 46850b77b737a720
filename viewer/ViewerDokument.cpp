#include "viewer/ViewerDokument.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/Notifier.h"

#include <QFile>

#include <algorithm>

TViewerDokument::TViewerDokument() = default;

TViewerDokument::~TViewerDokument() {
    Close();
}

void TViewerDokument::melde(const QString& text) const {
    fehler_ = text;
    if (notifier_)
        notifier_->fehler(text, QStringLiteral("Error"));
}

bool TViewerDokument::Open(const QString& nativerDateiname) {
    if (nativerDateiname.isEmpty()) {
        Close();
        return true;
    }
    if (ZeigtDieDatei(nativerDateiname))
        return true;
    Close();
    auto datei = std::make_unique<QFile>(nativerDateiname);
    if (!datei->open(QIODevice::ReadOnly)) {
        melde(QStringLiteral("Cannot open file: \"") + nativerDateiname + QLatin1Char('"'));
        return false;
    }
    QIODevice* q = datei.get();
    return oeffne(std::move(datei), q, nativerDateiname);
}

bool TViewerDokument::ZeigtDieDatei(const QString& nativerDateiname) const {
    const auto* datei = qobject_cast<const QFile*>(eigeneQuelle_.get());
    return IstOffen() && datei && nativerDateiname == name_ &&
           Files::istDieselbeDatei(*datei, nativerDateiname);
}

bool TViewerDokument::OpenStream(QIODevice* stream) {
    Close();
    if (!stream)
        return false;
    if (!stream->isOpen() && !stream->open(QIODevice::ReadOnly)) {
        melde(QStringLiteral("Cannot read stream"));
        return false;
    }
    return oeffne(nullptr, stream, QString());
}

bool TViewerDokument::oeffne(std::unique_ptr<QIODevice> eigene, QIODevice* quelle,
                             const QString& name) {
    eigeneQuelle_ = std::move(eigene);
    quelle_ = quelle;
    name_ = name;
    fehler_.clear();
    groesse_ = std::max<qint64>(0, quelle_->size());
    position_ = 0;
    selStart_ = 0;
    selLaenge_ = 0;
    puffer_.clear();
    pufferStart_ = 0;
    lesefehler_ = false;
    if (groesse_ > 0 && !sichere(0)) {
        // The message has been given; the source stays closed.
        const QString meldung = fehler_;
        Close();
        fehler_ = meldung;
        return false;
    }
    return true;
}

void TViewerDokument::Close() {
    if (eigeneQuelle_)
        eigeneQuelle_->close();
    eigeneQuelle_.reset();
    quelle_ = nullptr;
    name_.clear();
    groesse_ = 0;
    position_ = 0;
    selStart_ = 0;
    selLaenge_ = 0;
    puffer_ = QByteArray();
    pufferStart_ = 0;
    lesefehler_ = false;
}

bool TViewerDokument::Reload() {
    if (!IstOffen())
        return false;
    const qint64 pos = position_;
    const qint64 start = selStart_;
    const qint64 laenge = selLaenge_;
    bool ok;
    if (eigeneQuelle_) {
        const QString name = name_;
        Close();
        ok = Open(name);
    } else {
        QIODevice* q = quelle_;
        Close();
        ok = oeffne(nullptr, q, QString());
    }
    if (!ok)
        return false;
    SetPosition(pos);
    SetSelection(start, laenge);
    return true;
}

void TViewerDokument::SetMode(TViewerMode modus) {
    if (modus == modus_)
        return;
    modus_ = modus;
    // The block size follows the character size.
    puffer_ = QByteArray();
    pufferStart_ = 0;
    position_ = aufZeichen(position_);
    selStart_ = aufZeichen(selStart_);
    selLaenge_ = aufZeichen(selLaenge_);
}

qint64 TViewerDokument::aufZeichen(qint64 pos) const {
    return CharSize() == 2 ? pos & ~qint64(1) : pos;
}

void TViewerDokument::SetPosition(qint64 pos) {
    position_ = aufZeichen(std::clamp<qint64>(pos, 0, groesse_));
}

void TViewerDokument::SetSelection(qint64 start, qint64 length) {
    if (start < 0 || length < 0 || start > groesse_)
        return;
    start = aufZeichen(start);
    length = std::min(aufZeichen(length), groesse_ - start + CharSize());
    selStart_ = start;
    selLaenge_ = length;
}

void TViewerDokument::SelectLineAtPos(qint64 pos) {
    if (!IstOffen())
        return;
    pos = std::clamp<qint64>(pos, 0, groesse_);
    const qint64 anfang = ZeilenAnfang(pos);
    SetSelection(anfang, ZeilenEnde(pos) - anfang);
}

void TViewerDokument::SelectAll() {
    SetSelection(0, groesse_);
}

QByteArray TViewerDokument::SelText() const {
    const qint64 laenge =
        std::min({selLaenge_, SelTextGrenze, std::max<qint64>(0, groesse_ - selStart_)});
    return Bytes(selStart_, laenge);
}

QString TViewerDokument::SelTextW() const {
    const QByteArray b = SelText();
    if (!IstUnicodemodus(modus_))
        return ToWide(b, kodierung_);
    QString out(b.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = QChar(einheit(b.constData() + 2 * i));
    return out;
}

QByteArray TViewerDokument::SelTextAnsi() const {
    if (IstUnicodemodus(modus_))
        return Ansi::ausUnicode(SelTextW());
    return Ansi::ausUnicode(ToWide(SelText(), kodierung_));
}

char16_t TViewerDokument::einheit(const char* p) const {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return kodierung_ == encUnicodeBE ? char16_t((b[0] << 8) | b[1]) : char16_t(b[0] | (b[1] << 8));
}

qint64 TViewerDokument::lies(qint64 pos, char* ziel, qint64 laenge) const {
    ++lesevorgaenge_;
    if (!quelle_->seek(pos))
        return -1;
    qint64 gelesen = 0;
    while (gelesen < laenge) {
        const qint64 n = quelle_->read(ziel + gelesen, laenge - gelesen);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        gelesen += n;
    }
    return gelesen;
}

bool TViewerDokument::sichere(qint64 pos) const {
    if (pos >= pufferStart_ && pos < pufferStart_ + puffer_.size())
        return true;
    if (!quelle_ || pos < 0 || pos >= groesse_)
        return false;
    // Three blocks with pos in the middle one.
    const qint64 block = Blockgroesse();
    const qint64 start = std::max<qint64>(0, (pos / block - 1) * block);
    const qint64 laenge = std::min(3 * block, groesse_ - start);
    puffer_.resize(laenge);
    const qint64 n = lies(start, puffer_.data(), laenge);
    if (n < 0) {
        puffer_.clear();
        pufferStart_ = 0;
        if (!lesefehler_) {
            lesefehler_ = true;
            melde(name_.isEmpty()
                      ? QStringLiteral("Cannot read stream")
                      : QStringLiteral("Cannot read file: \"") + name_ + QLatin1Char('"'));
        }
        return false;
    }
    lesefehler_ = false;
    puffer_.resize(n);
    pufferStart_ = start;
    return pos < start + n;
}

char16_t TViewerDokument::Zeichen(qint64 pos) const {
    const int w = CharSize();
    if (pos < 0 || pos + w > groesse_ || !sichere(pos))
        return 0;
    const qint64 i = pos - pufferStart_;
    if (w == 1)
        return static_cast<unsigned char>(puffer_.at(i));
    if (i + 1 >= puffer_.size())
        return 0;
    return einheit(puffer_.constData() + i);
}

QByteArray TViewerDokument::Bytes(qint64 pos, qint64 laenge) const {
    if (!quelle_ || pos < 0 || laenge <= 0 || pos >= groesse_)
        return {};
    laenge = std::min(laenge, groesse_ - pos);
    // Within the buffer no read is needed.
    if (sichere(pos) && pos + laenge <= pufferStart_ + puffer_.size())
        return puffer_.mid(pos - pufferStart_, laenge);
    QByteArray out(laenge, Qt::Uninitialized);
    const qint64 n = lies(pos, out.data(), laenge);
    if (n < 0) {
        melde(name_.isEmpty() ? QStringLiteral("Cannot read stream")
                              : QStringLiteral("Cannot read file: \"") + name_ + QLatin1Char('"'));
        return {};
    }
    out.resize(n);
    return out;
}

QString TViewerDokument::Text(qint64 von, qint64 bis) const {
    von = aufZeichen(std::max<qint64>(0, von));
    bis = aufZeichen(std::min(bis, groesse_));
    if (bis <= von)
        return {};
    const QByteArray b = Bytes(von, bis - von);
    if (CharSize() == 2) {
        QString out(b.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < out.size(); ++i)
            out[i] = QChar(einheit(b.constData() + 2 * i));
        return out;
    }
    QString out = ToWide(b, kodierung_);
    // Every catalogue page is single-byte; anything else (a UTF-16 entry chosen for 8-bit
    // text, a page the system lacks) is shown byte for byte so offsets stay right.
    if (out.size() != b.size())
        out = Ansi::nachUnicode(b);
    return out;
}

qint64 TViewerDokument::ZeilenEnde(qint64 pos) const {
    const int w = CharSize();
    pos = aufZeichen(std::max<qint64>(0, pos));
    for (int n = 0; pos + w <= groesse_ && n < MaxZeilenlaenge && !IstUmbruch(Zeichen(pos)); ++n)
        pos += w;
    return pos;
}

qint64 TViewerDokument::ZeilenAnfang(qint64 pos) const {
    const int w = CharSize();
    pos = aufZeichen(std::min(pos, groesse_));
    for (int n = 0; pos > 0 && n < MaxZeilenlaenge && !IstUmbruch(Zeichen(pos - w)); ++n)
        pos -= w;
    return std::max<qint64>(0, pos);
}

qint64 TViewerDokument::NextLineStart(qint64 pos) const {
    const int w = CharSize();
    pos = ZeilenEnde(pos);
    if (pos + w <= groesse_) {
        const char16_t c = Zeichen(pos);
        if (IstUmbruch(c)) {
            pos += w;
            // CR LF and LF CR are one break; CR CR and LF LF are two.
            if (pos + w <= groesse_) {
                const char16_t d = Zeichen(pos);
                if (IstUmbruch(d) && d != c)
                    pos += w;
            }
        }
    }
    return pos;
}

qint64 TViewerDokument::PrevLineStart(qint64 pos) const {
    const int w = CharSize();
    pos = aufZeichen(std::min(pos, groesse_));
    if (pos <= 0)
        return 0;
    const char16_t c = Zeichen(pos - w);
    if (IstUmbruch(c)) {
        pos -= w;
        if (pos > 0) {
            const char16_t d = Zeichen(pos - w);
            if (IstUmbruch(d) && d != c)
                pos -= w;
        }
    }
    return ZeilenAnfang(pos);
}

int TViewerDokument::OffsetStellen() const {
    int stellen = 1;
    for (quint64 g = static_cast<quint64>(groesse_) >> 4; g; g >>= 4)
        ++stellen;
    stellen = std::max(stellen, 8);
    return (stellen + 1) / 2 * 2;
}
