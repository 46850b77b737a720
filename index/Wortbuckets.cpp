#include "index/Wortbuckets.h"

#include "index/Sortierlaeufe.h"

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

Wortbuckets::~Wortbuckets() = default;

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

void Wortbuckets::auslagernNach(const QString& ordner, qint64 grenze, Pump& pump,
                                std::function<bool()> abbruch) {
    auslagerung_ = std::make_unique<Sortierlaeufe>(ordner, pump, std::move(abbruch));
    grenze_ = grenze;
}

void Wortbuckets::einordnen(QStringView eintrag) {
    if (!eintrag.isEmpty())
        hinzufuegen(fuerZeichen(eintrag.front()), eintrag);
}

void Wortbuckets::titel(QStringView zeile) {
    hinzufuegen(Titel, zeile);
}

void Wortbuckets::hinzufuegen(Liste l, QStringView eintrag) {
    // After a failed run the lists are incomplete anyway; the run ends at the next check.
    if (gescheitert() || !listen_[l].hinzufuegen(eintrag) || !auslagerung_)
        return;
    qint64 speicher = 0;
    for (const TWideStringList& liste : listen_)
        speicher += liste.speicher();
    if (speicher > grenze_)
        auslagern();
}

bool Wortbuckets::auslagern() {
    std::array<const TWideStringList*, Anzahl> listen{};
    for (int l = 0; l < Anzahl; ++l)
        listen[l] = &listen_[l];
    if (!auslagerung_->schreiben(listen)) {
        fehler_ = auslagerung_->fehler();
        return false;
    }
    ++laeufe_;
    for (TWideStringList& liste : listen_)
        liste.leeren();
    return true;
}

void Wortbuckets::leeren() {
    for (TWideStringList& liste : listen_)
        liste.leeren();
    if (auslagerung_)
        auslagerung_->leeren();
    laeufe_ = 0;
    fehler_.clear();
}

bool Wortbuckets::ausgeben(const Ziel& ziel) {
    if (gescheitert())
        return false;
    if (!auslagerung_ || auslagerung_->anzahl() == 0) {
        for (int l = 0; l < Anzahl; ++l)
            for (qsizetype i = 0; i < listen_[l].anzahl(); ++i)
                if (!ziel(static_cast<Liste>(l), listen_[l].textAn(i)))
                    return false;
        return true;
    }
    // The entries still in memory are the latest run; the merge then takes them all.
    if (!auslagern())
        return false;
    const bool ok = auslagerung_->mischen(
        [&ziel](int liste, QStringView text) { return ziel(static_cast<Liste>(liste), text); });
    if (!ok)
        fehler_ = auslagerung_->fehler();
    return ok;
}
