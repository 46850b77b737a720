#include "index/Wortbuckets.h"

#include <memory>

namespace {

std::array<TWideStringList, Wortbuckets::Anzahl> gemeinsam() {
    const auto s = std::make_shared<const Sortierschluessel>();
    return {TWideStringList(s), TWideStringList(s), TWideStringList(s),
            TWideStringList(s), TWideStringList(s), TWideStringList(s)};
}

bool zwischen(char16_t c, char16_t von, char16_t bis) {
    return c >= von && c <= bis;
}

} // namespace

Wortbuckets::Wortbuckets() : listen_(gemeinsam()) {}

Wortbuckets::Liste Wortbuckets::fuerZeichen(QChar erstes) {
    const char16_t c = erstes.unicode();
    if (zwischen(c, u'A', u'F') || zwischen(c, u'a', u'f') || c == 0xC4 || c == 0xE4)
        return AbisF;
    if (zwischen(c, u'G', u'L') || zwischen(c, u'g', u'l'))
        return GbisL;
    if (zwischen(c, u'M', u'R') || zwischen(c, u'm', u'r') || c == 0xD6 || c == 0xF6)
        return MbisR;
    if (zwischen(c, u'S', u'Z') || zwischen(c, u's', u'z') || c == 0xDC || c == 0xFC)
        return SbisZ;
    return Rest;
}

void Wortbuckets::einordnen(const QString& eintrag) {
    if (!eintrag.isEmpty())
        listen_[fuerZeichen(eintrag.front())].hinzufuegen(eintrag);
}

void Wortbuckets::woerterLeeren() {
    for (int l = AbisF; l <= Rest; ++l)
        listen_[l].leeren();
}

QString Wortbuckets::text() const {
    QString out;
    for (const TWideStringList& l : listen_)
        out += l.text();
    return out;
}
