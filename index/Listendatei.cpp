#include "index/Listendatei.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/TextFiles.h"

namespace {

// Characters gathered before they are converted and written.
constexpr qsizetype Puffergroesse = qsizetype(1) << 20;

} // namespace

Listendatei::Listendatei(const QString& pfad, int codePage, bool byteForm)
    : datei_(Files::nativ(pfad)), codePage_(codePage), byteForm_(byteForm) {}

bool Listendatei::oeffnen() {
    puffer_.reserve(Puffergroesse + 1024);
    ok_ = !datei_.fileName().isEmpty() && datei_.open(QIODevice::WriteOnly);
    return ok_;
}

bool Listendatei::zeile(QStringView text) {
    puffer_ += text;
    puffer_ += QLatin1String("\r\n");
    return puffer_.size() < Puffergroesse || schreibePuffer();
}

bool Listendatei::schreibePuffer() {
    // Every line ends in CR LF, so no character and no UTF-8 sequence spans two pieces and
    // the pieces convert as the whole text would.
    const QByteArray bytes =
        TextFiles::kodieren(byteForm_ ? Ansi::ausByteForm(puffer_) : puffer_, codePage_);
    // The byte-order mark of UTF-16 goes only before the first piece.
    const qsizetype ab = codePage_ == TextFiles::Utf16Le && markeGeschrieben_ ? 2 : 0;
    markeGeschrieben_ = true;
    puffer_.resize(0);
    ok_ = ok_ && datei_.write(bytes.constData() + ab, bytes.size() - ab) == bytes.size() - ab;
    return ok_;
}

bool Listendatei::abschliessen() {
    if (!ok_ || !schreibePuffer() || !datei_.commit()) {
        datei_.cancelWriting();
        return false;
    }
    return true;
}
