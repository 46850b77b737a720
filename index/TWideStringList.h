#pragma once

#include "index/Sortierschluessel.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A sorted list of UTF-16 strings: entries are ordered by the user's locale without regard
// to letter case, and an entry that compares equal to one already present is not added, so
// the first spelling met stays. Inserting costs one collation key and one hash lookup (a word
// met again in the spelling kept needs no key at all), and the order is made once when the
// entries are read, so millions of words stay cheap: keys
// and texts lie in blocks of a fixed size that are never moved, the hash table holds only
// numbers, and the memory held grows in small steps that speicher() tells.
class TWideStringList {
public:
    // Uses the collation of the user's default locale.
    TWideStringList();
    // Lists that share one key generator share its collation.
    explicit TWideStringList(std::shared_ptr<const Sortierschluessel> schluessel);

    // False when an equal entry is already there.
    bool hinzufuegen(QStringView eintrag);
    bool enthaelt(QStringView eintrag) const;
    qsizetype anzahl() const { return static_cast<qsizetype>(eintraege_.size()); }
    bool leer() const { return eintraege_.empty(); }
    // Gives all memory back.
    void leeren();

    // The entry at position i of the sorted order, its text and its collation key.
    QString eintrag(qsizetype i) const { return textAn(i).toString(); }
    QStringView textAn(qsizetype i) const;
    std::string_view schluesselAn(qsizetype i) const;
    QStringList eintraege() const;

    // Bytes the list holds, with what putting it in order will take.
    qint64 speicher() const;

private:
    // Key bytes, then the text's code units at the next even address.
    struct Eintrag {
        const char* daten;
        uint32_t schluesselLaenge;
        uint32_t textLaenge;
    };

    static std::string_view schluesselVon(const Eintrag& e) {
        return {e.daten, e.schluesselLaenge};
    }
    static QStringView textVon(const Eintrag& e);
    // Room for an entry of the given size in the current block or a new one.
    char* ablegen(size_t bytes);
    // The slot of the key: the one holding it, or the empty one where it belongs.
    size_t platz(std::string_view schluessel, uint64_t hash) const;
    // The slot of the spelling kept: the one holding it, or the empty one where it belongs.
    size_t textplatz(QStringView text, uint64_t hash) const;
    void vergroessern();
    void ordnen() const;

    std::shared_ptr<const Sortierschluessel> schluesselGeber_;
    std::vector<std::unique_ptr<char[]>> bloecke_;
    size_t blockBytes_ = 0;
    char* frei_ = nullptr;
    size_t rest_ = 0;
    std::vector<Eintrag> eintraege_;
    // 0 = free, else the upper half of the hash above and the entry number + 1 below; by
    // key, and by the text of the spelling kept.
    std::vector<uint64_t> plaetze_;
    std::vector<uint64_t> textplaetze_;
    mutable std::string puffer_;
    mutable std::vector<uint32_t> reihenfolge_;
    mutable bool geordnet_ = true;
};
