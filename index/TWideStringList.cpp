#include "index/TWideStringList.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Blocks grow with the list from a few hundred bytes up to one megabyte.
constexpr size_t KleinsterBlock = 256;
constexpr size_t GroessterBlock = size_t(1) << 20;

uint64_t hashVon(std::string_view s) {
    return std::hash<std::string_view>{}(s);
}

uint64_t hashVon(QStringView text) {
    return hashVon(std::string_view(reinterpret_cast<const char*>(text.utf16()),
                                    static_cast<size_t>(text.size()) * sizeof(char16_t)));
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

size_t gerade(size_t n) {
    return (n + 1) & ~size_t(1);
}

} // namespace

TWideStringList::TWideStringList() : TWideStringList(std::make_shared<Sortierschluessel>()) {}

TWideStringList::TWideStringList(std::shared_ptr<const Sortierschluessel> schluessel)
    : schluesselGeber_(std::move(schluessel)) {}

QStringView TWideStringList::textVon(const Eintrag& e) {
    return {reinterpret_cast<const char16_t*>(e.daten + gerade(e.schluesselLaenge)),
            static_cast<qsizetype>(e.textLaenge)};
}

char* TWideStringList::ablegen(size_t bytes) {
    // Blocks start at an even address, and every entry takes an even number of bytes.
    bytes = gerade(bytes);
    if (bytes > GroessterBlock / 2) {
        // A long line's phrase gets a block of its own; the current one stays open.
        bloecke_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
        blockBytes_ += bytes;
        return bloecke_.back().get();
    }
    if (bytes > rest_) {
        const size_t groesse =
            std::max(bytes, std::clamp(blockBytes_ / 2, KleinsterBlock, GroessterBlock));
        bloecke_.push_back(std::make_unique_for_overwrite<char[]>(groesse));
        blockBytes_ += groesse;
        frei_ = bloecke_.back().get();
        rest_ = groesse;
    }
    char* ort = frei_;
    frei_ += bytes;
    rest_ -= bytes;
    return ort;
}

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

size_t TWideStringList::textplatz(QStringView text, uint64_t hash) const {
    const size_t maske = textplaetze_.size() - 1;
    for (size_t i = hash & maske;; i = (i + 1) & maske) {
        const uint64_t p = textplaetze_[i];
        if (p == 0)
            return i;
        if ((p & 0xFFFFFFFF00000000ULL) == markeVon(hash) &&
            textVon(eintraege_[(p & 0xFFFFFFFFu) - 1]) == text)
            return i;
    }
}

void TWideStringList::vergroessern() {
    const size_t groesse = std::max<size_t>(64, plaetze_.size() * 2);
    plaetze_ = std::vector<uint64_t>(groesse, 0);
    textplaetze_ = std::vector<uint64_t>(groesse, 0);
    const size_t maske = groesse - 1;
    const auto eintragen = [maske](std::vector<uint64_t>& plaetze, uint64_t hash, size_t n) {
        size_t i = hash & maske;
        while (plaetze[i] != 0)
            i = (i + 1) & maske;
        plaetze[i] = markeVon(hash) | (n + 1);
    };
    for (size_t n = 0; n < eintraege_.size(); ++n) {
        eintragen(plaetze_, hashVon(schluesselVon(eintraege_[n])), n);
        eintragen(textplaetze_, hashVon(textVon(eintraege_[n])), n);
    }
}

bool TWideStringList::hinzufuegen(QStringView eintrag) {
    // At most half the slots in use keeps the probe runs short.
    if ((eintraege_.size() + 1) * 2 > plaetze_.size())
        vergroessern();
    // The very spelling kept is equal without asking the collation.
    const uint64_t texthash = hashVon(eintrag);
    const size_t t = textplatz(eintrag, texthash);
    if (textplaetze_[t] != 0)
        return false;
    schluesselGeber_->schluessel(eintrag, puffer_);
    const uint64_t hash = hashVon(puffer_);
    const size_t i = platz(puffer_, hash);
    if (plaetze_[i] != 0)
        return false;
    const size_t textBytes = static_cast<size_t>(eintrag.size()) * sizeof(char16_t);
    char* ort = ablegen(gerade(puffer_.size()) + textBytes);
    std::memcpy(ort, puffer_.data(), puffer_.size());
    std::memcpy(ort + gerade(puffer_.size()), eintrag.utf16(), textBytes);
    eintraege_.push_back(
        Eintrag{ort, static_cast<uint32_t>(puffer_.size()), static_cast<uint32_t>(eintrag.size())});
    plaetze_[i] = markeVon(hash) | eintraege_.size();
    textplaetze_[t] = markeVon(texthash) | eintraege_.size();
    geordnet_ = false;
    return true;
}

bool TWideStringList::enthaelt(QStringView eintrag) const {
    if (eintraege_.empty())
        return false;
    schluesselGeber_->schluessel(eintrag, puffer_);
    return plaetze_[platz(puffer_, hashVon(puffer_))] != 0;
}

void TWideStringList::leeren() {
    bloecke_ = decltype(bloecke_)();
    blockBytes_ = 0;
    frei_ = nullptr;
    rest_ = 0;
    eintraege_ = decltype(eintraege_)();
    plaetze_ = decltype(plaetze_)();
    textplaetze_ = decltype(textplaetze_)();
    reihenfolge_ = decltype(reihenfolge_)();
    std::string().swap(puffer_);
    geordnet_ = true;
}

qint64 TWideStringList::speicher() const {
    // Putting the list in order takes a pair of 16 bytes and a number of 4 bytes per entry.
    return static_cast<qint64>(blockBytes_ + eintraege_.capacity() * sizeof(Eintrag) +
                               (plaetze_.capacity() + textplaetze_.capacity()) * sizeof(uint64_t) +
                               puffer_.capacity() + eintraege_.size() * 20);
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

QStringView TWideStringList::textAn(qsizetype i) const {
    ordnen();
    return textVon(eintraege_.at(reihenfolge_.at(static_cast<size_t>(i))));
}

std::string_view TWideStringList::schluesselAn(qsizetype i) const {
    ordnen();
    return schluesselVon(eintraege_.at(reihenfolge_.at(static_cast<size_t>(i))));
}

QStringList TWideStringList::eintraege() const {
    ordnen();
    QStringList out;
    out.reserve(anzahl());
    for (uint32_t n : reihenfolge_)
        out.append(textVon(eintraege_[n]).toString());
    return out;
}
