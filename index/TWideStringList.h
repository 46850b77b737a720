#pragma once

#include "index/Sortierschluessel.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A sorted list of UTF-16 strings: entries are ordered by the user's locale without regard
// to letter case, and an entry that compares equal to one already present is not added, so
// the first spelling met stays. Inserting costs one collation key and one hash lookup, and
// the order is made once when the entries are read, so millions of words stay cheap: keys
// and texts lie in two contiguous stores, the hash table holds only numbers.
class TWideStringList {
public:
    // Uses the collation of the user's default locale.
    TWideStringList();
    // Lists that share one key generator share its collation.
    explicit TWideStringList(std::shared_ptr<const Sortierschluessel> schluessel);

    // False when an equal entry is already there.
    bool hinzufuegen(const QString& eintrag);
    bool enthaelt(const QString& eintrag) const;
    qsizetype anzahl() const { return static_cast<qsizetype>(eintraege_.size()); }
    bool leer() const { return eintraege_.empty(); }
    void leeren();

    // The entry at position i of the sorted order.
    QString eintrag(qsizetype i) const;
    QStringList eintraege() const;
    // Every entry in order, each followed by CR LF.
    QString text() const;

private:
    struct Eintrag {
        size_t schluesselAb;
        size_t textAb;
        uint32_t schluesselLaenge;
        uint32_t textLaenge;
    };

    std::string_view schluesselVon(const Eintrag& e) const {
        return {schluessel_.data() + e.schluesselAb, e.schluesselLaenge};
    }
    QString textVon(const Eintrag& e) const;
    // The slot of the key: the one holding it, or the empty one where it belongs.
    size_t platz(std::string_view schluessel, uint64_t hash) const;
    void vergroessern();
    void ordnen() const;

    std::shared_ptr<const Sortierschluessel> schluesselGeber_;
    std::string schluessel_;
    std::u16string texte_;
    std::vector<Eintrag> eintraege_;
    // 0 = free, else the upper half of the hash above and the entry number + 1 below.
    std::vector<uint64_t> plaetze_;
    mutable std::string puffer_;
    mutable std::vector<uint32_t> reihenfolge_;
    mutable bool geordnet_ = true;
};
