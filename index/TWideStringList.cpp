#include "index/TWideStringList.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

uint64_t hashVon(std::string_view s) {
    return std::hash<std::string_view>{}(s);
}

uint64_t markeVon(uint64_t hash) {
    return hash & 0xFFFFFFFF00000000ULL;
}

// The first eight key bytes as a number: compares like the bytes themselves, and keys
// hold no zero bytes, so a shorter key padded with zeros stays in front.
uint64_t anfang(std::string_view s) {
    uint64_t wert = 0;
    for (size_t i = 0; i < 8; ++i)
        wert = (wert << 8) | (i < s.size() ? static_cast<unsigned char>(s[i]) : 0u);
    return wert;
}

} // namespace

TWideStringList::TWideStringList() : TWideStringList(std::make_shared<Sortierschluessel>()) {}

TWideStringList::TWideStringList(std::shared_ptr<const Sortierschluessel> schluessel)
    : schluesselGeber_(std::move(schluessel)) {}

size_t TWideStringList::platz(std::string_view schluessel, uint64_t hash) const {
    const size_t maske = plaetze_.size() - 1;
    for (size_t i = hash & maske;; i = (i + 1) & maske) {
        const uint64_t p = plaetze_[i];
        if (p == 0)
            return i;
        if ((p & 0xFFFFFFFF00000000ULL) == markeVon(hash) &&
            schluesselVon(eintraege_[(p & 0xFFFFFFFFu) - 1]) == schluessel)
            return i;
    }
}

void TWideStringList::vergroessern() {
    std::vector<uint64_t> alt(std::max<size_t>(64, plaetze_.size() * 2), 0);
    alt.swap(plaetze_);
    const size_t maske = plaetze_.size() - 1;
    for (size_t n = 0; n < eintraege_.size(); ++n) {
        const uint64_t hash = hashVon(schluesselVon(eintraege_[n]));
        size_t i = hash & maske;
        while (plaetze_[i] != 0)
            i = (i + 1) & maske;
        plaetze_[i] = markeVon(hash) | (n + 1);
    }
}

bool TWideStringList::hinzufuegen(const QString& eintrag) {
    schluesselGeber_->schluessel(eintrag, puffer_);
    // At most half the slots in use keeps the probe runs short.
    if ((eintraege_.size() + 1) * 2 > plaetze_.size())
        vergroessern();
    const uint64_t hash = hashVon(puffer_);
    const size_t i = platz(puffer_, hash);
    if (plaetze_[i] != 0)
        return false;
    Eintrag e{schluessel_.size(), texte_.size(), static_cast<uint32_t>(puffer_.size()),
              static_cast<uint32_t>(eintrag.size())};
    schluessel_ += puffer_;
    texte_.append(reinterpret_cast<const char16_t*>(eintrag.utf16()),
                  static_cast<size_t>(eintrag.size()));
    eintraege_.push_back(e);
    plaetze_[i] = markeVon(hash) | eintraege_.size();
    geordnet_ = false;
    return true;
}

bool TWideStringList::enthaelt(const QString& eintrag) const {
    if (eintraege_.empty())
        return false;
    schluesselGeber_->schluessel(eintrag, puffer_);
    return plaetze_[platz(puffer_, hashVon(puffer_))] != 0;
}

void TWideStringList::leeren() {
    schluessel_ = std::string();
    texte_ = std::u16string();
    eintraege_ = std::vector<Eintrag>();
    plaetze_ = std::vector<uint64_t>();
    reihenfolge_ = std::vector<uint32_t>();
    geordnet_ = true;
}

QString TWideStringList::textVon(const Eintrag& e) const {
    return QString(reinterpret_cast<const QChar*>(texte_.data() + e.textAb), e.textLaenge);
}

void TWideStringList::ordnen() const {
    if (geordnet_)
        return;
    std::vector<std::pair<uint64_t, uint32_t>> paare;
    paare.reserve(eintraege_.size());
    for (size_t n = 0; n < eintraege_.size(); ++n)
        paare.emplace_back(anfang(schluesselVon(eintraege_[n])), static_cast<uint32_t>(n));
    // Keys are unique, so their byte order is a total order.
    std::sort(paare.begin(), paare.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return schluesselVon(eintraege_[a.second]) < schluesselVon(eintraege_[b.second]);
    });
    reihenfolge_.resize(paare.size());
    for (size_t n = 0; n < paare.size(); ++n)
        reihenfolge_[n] = paare[n].second;
    geordnet_ = true;
}

QString TWideStringList::eintrag(qsizetype i) const {
    ordnen();
    return textVon(eintraege_.at(reihenfolge_.at(static_cast<size_t>(i))));
}

QStringList TWideStringList::eintraege() const {
    ordnen();
    QStringList out;
    out.reserve(anzahl());
    for (uint32_t n : reihenfolge_)
        out.append(textVon(eintraege_[n]));
    return out;
}

QString TWideStringList::text() const {
    ordnen();
    QString out;
    out.reserve(static_cast<qsizetype>(texte_.size() + 2 * eintraege_.size()));
    for (uint32_t n : reihenfolge_) {
        const Eintrag& e = eintraege_[n];
        out.append(reinterpret_cast<const QChar*>(texte_.data() + e.textAb), e.textLaenge);
        out += QLatin1String("\r\n");
    }
    return out;
}
