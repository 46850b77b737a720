#include "index/Sortierschluessel.h"

#include <unicode/ucol.h>

Sortierschluessel::Sortierschluessel(const QLocale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open(locale.name().toLatin1().constData(), &status);
    if (U_FAILURE(status)) {
        collator_ = nullptr;
        return;
    }
    // Secondary strength: accents still count, letter case does not.
    ucol_setStrength(collator_, UCOL_SECONDARY);
}

Sortierschluessel::~Sortierschluessel() {
    if (collator_)
        ucol_close(collator_);
}

void Sortierschluessel::schluessel(QStringView text, std::string& aus) const {
    const auto* zeichen = reinterpret_cast<const UChar*>(text.utf16());
    const auto laenge = static_cast<int32_t>(text.size());
    if (!collator_) {
        // Without ICU data: case-folded code units, high byte first, still one key per text.
        const QString gefaltet = text.toString().toCaseFolded();
        aus.resize(static_cast<size_t>(gefaltet.size()) * 2);
        for (qsizetype i = 0; i < gefaltet.size(); ++i) {
            aus[2 * i] = static_cast<char>(gefaltet.at(i).unicode() >> 8);
            aus[2 * i + 1] = static_cast<char>(gefaltet.at(i).unicode() & 0xFF);
        }
        return;
    }
    if (aus.size() < 64)
        aus.resize(64);
    auto* ziel = reinterpret_cast<uint8_t*>(aus.data());
    int32_t noetig =
        ucol_getSortKey(collator_, zeichen, laenge, ziel, static_cast<int32_t>(aus.size()));
    if (noetig > static_cast<int32_t>(aus.size())) {
        aus.resize(static_cast<size_t>(noetig));
        ziel = reinterpret_cast<uint8_t*>(aus.data());
        noetig = ucol_getSortKey(collator_, zeichen, laenge, ziel, noetig);
    }
    // The key ends in a zero byte that carries no information.
    aus.resize(noetig > 0 ? static_cast<size_t>(noetig) - 1 : 0);
}
