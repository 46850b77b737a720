#include "index/Sortierlaeufe.h"

#include "index/TWideStringList.h"
#include "platform/Files.h"
#include "platform/Pump.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr size_t Puffergroesse = size_t(1) << 19;
// The pump runs and the abort is asked once per this many entries.
constexpr qint64 Takt = 4096;

// Writes entries as: key length, key bytes, text length, text code units; the lengths as
// numbers of seven bits per byte, lowest first, the high bit marking that more follow.
class Laufschreiber {
public:
    explicit Laufschreiber(const QString& pfad) : datei_(Files::nativ(pfad)) {}

    bool oeffnen() {
        puffer_.reserve(Puffergroesse + 1024);
        return datei_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    }
    bool eintrag(std::string_view schluessel, QStringView text) {
        zahl(schluessel.size());
        puffer_.append(schluessel);
        zahl(static_cast<uint64_t>(text.size()));
        puffer_.append(reinterpret_cast<const char*>(text.utf16()),
                       static_cast<size_t>(text.size()) * sizeof(char16_t));
        return puffer_.size() < Puffergroesse || leeren();
    }
    qint64 position() const { return geschrieben_ + static_cast<qint64>(puffer_.size()); }
    bool abschliessen() {
        if (!leeren())
            return false;
        datei_.close();
        return datei_.error() == QFileDevice::NoError;
    }

private:
    void zahl(uint64_t n) {
        for (; n >= 0x80; n >>= 7)
            puffer_.push_back(static_cast<char>(n | 0x80));
        puffer_.push_back(static_cast<char>(n));
    }
    bool leeren() {
        const auto laenge = static_cast<qint64>(puffer_.size());
        if (datei_.write(puffer_.data(), laenge) != laenge)
            return false;
        geschrieben_ += laenge;
        puffer_.clear();
        return true;
    }

    QFile datei_;
    std::string puffer_;
    qint64 geschrieben_ = 0;
};

// Reads the entries of one list of a run.
class Laufleser {
public:
    bool oeffnen(const QString& pfad, qint64 von, qint64 bis) {
        datei_.setFileName(Files::nativ(pfad));
        if (!datei_.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !datei_.seek(von))
            return false;
        rest_ = bis - von;
        puffer_.resize(Puffergroesse);
        return true;
    }
    // The next entry; false at the end of the list, or when the file cannot be read or is
    // cut short (then fehlerhaft()).
    bool naechster() {
        if (pos_ == ende_ && rest_ == 0)
            return false;
        // Offsets count from pos_, which stays until the whole entry is in the buffer.
        size_t i = 0;
        uint64_t schluesselLaenge = 0, textLaenge = 0;
        if (!zahl(i, schluesselLaenge))
            return kaputt();
        const size_t schluesselAb = i;
        i += schluesselLaenge;
        if (!zahl(i, textLaenge) || !fuellen(i + textLaenge * sizeof(char16_t)))
            return kaputt();
        schluessel_ = std::string_view(puffer_.data() + pos_ + schluesselAb, schluesselLaenge);
        text_.resize(textLaenge);
        std::memcpy(text_.data(), puffer_.data() + pos_ + i, textLaenge * sizeof(char16_t));
        pos_ += i + textLaenge * sizeof(char16_t);
        return true;
    }
    std::string_view schluessel() const { return schluessel_; }
    QStringView text() const { return text_; }
    bool fehlerhaft() const { return fehlerhaft_; }

private:
    bool kaputt() {
        fehlerhaft_ = true;
        return false;
    }
    bool zahl(size_t& i, uint64_t& wert) {
        wert = 0;
        for (int schieben = 0; schieben < 64; schieben += 7) {
            if (!fuellen(i + 1))
                return false;
            const auto b = static_cast<unsigned char>(puffer_[pos_ + i++]);
            wert |= uint64_t(b & 0x7F) << schieben;
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    // At least n bytes from pos_ on in the buffer; the buffer grows for a long entry.
    bool fuellen(size_t n) {
        if (ende_ - pos_ >= n)
            return true;
        if (static_cast<qint64>(n - (ende_ - pos_)) > rest_)
            return false;
        std::memmove(puffer_.data(), puffer_.data() + pos_, ende_ - pos_);
        ende_ -= pos_;
        pos_ = 0;
        if (puffer_.size() < n)
            puffer_.resize(n);
        while (ende_ < n) {
            const qint64 gelesen =
                datei_.read(puffer_.data() + ende_,
                            std::min<qint64>(rest_, static_cast<qint64>(puffer_.size() - ende_)));
            if (gelesen <= 0)
                return false;
            ende_ += static_cast<size_t>(gelesen);
            rest_ -= gelesen;
        }
        return true;
    }

    QFile datei_;
    std::string puffer_;
    size_t pos_ = 0;
    size_t ende_ = 0;
    qint64 rest_ = 0;
    std::string_view schluessel_;
    std::u16string text_;
    bool fehlerhaft_ = false;
};

QString schreibfehler(const QString& pfad) {
    return QStringLiteral("Die Zwischendatei ") + pfad +
           QStringLiteral(" der Sortierung kann nicht geschrieben werden!");
}

QString lesefehler(const QString& pfad) {
    return QStringLiteral("Die Zwischendatei ") + pfad +
           QStringLiteral(" der Sortierung kann nicht gelesen werden!");
}

} // namespace

Sortierlaeufe::Sortierlaeufe(const QString& ordner, Pump& pump, std::function<bool()> abbruch)
    : ordner_(ordner), pump_(pump), abbruch_(std::move(abbruch)) {}

Sortierlaeufe::~Sortierlaeufe() {
    leeren();
}

QString Sortierlaeufe::neuerPfad() {
    return ordner_ + QStringLiteral("Sortierlauf%1.lauf").arg(++nummer_);
}

bool Sortierlaeufe::scheitern(const QString& meldung) {
    fehler_ = meldung;
    return false;
}

bool Sortierlaeufe::weiter() {
    if (++schritte_ % Takt != 0)
        return true;
    pump_.verarbeiten();
    return !(abbruch_ && abbruch_());
}

void Sortierlaeufe::leeren() {
    for (const Lauf& lauf : laeufe_)
        Files::loeschen(lauf.pfad);
    laeufe_.clear();
}

bool Sortierlaeufe::schreiben(const std::array<const TWideStringList*, Listen>& listen) {
    Lauf lauf;
    lauf.pfad = neuerPfad();
    Laufschreiber schreiber(lauf.pfad);
    bool ok = schreiber.oeffnen();
    for (int l = 0; ok && l < Listen; ++l) {
        lauf.grenzen[l] = schreiber.position();
        const TWideStringList& liste = *listen[l];
        for (qsizetype i = 0; ok && i < liste.anzahl(); ++i) {
            ok = schreiber.eintrag(liste.schluesselAn(i), liste.textAn(i));
            if (++schritte_ % Takt == 0)
                pump_.verarbeiten();
        }
    }
    lauf.grenzen[Listen] = schreiber.position();
    if (!ok || !schreiber.abschliessen()) {
        Files::loeschen(lauf.pfad);
        return scheitern(schreibfehler(lauf.pfad));
    }
    laeufe_.push_back(lauf);
    return true;
}

bool Sortierlaeufe::mischeListe(size_t von, size_t bis, int liste, const Abnehmer& abnehmer) {
    std::vector<std::unique_ptr<Laufleser>> leser;
    std::vector<size_t> haufen;
    for (size_t k = von; k < bis; ++k) {
        const Lauf& lauf = laeufe_[k];
        leser.push_back(std::make_unique<Laufleser>());
        Laufleser& l = *leser.back();
        if (!l.oeffnen(lauf.pfad, lauf.grenzen[liste], lauf.grenzen[liste + 1]))
            return scheitern(lesefehler(lauf.pfad));
        if (l.naechster())
            haufen.push_back(k - von);
        else if (l.fehlerhaft())
            return scheitern(lesefehler(lauf.pfad));
    }
    // The top of the heap is the smallest key, and of equal keys the earliest run's.
    const auto spaeter = [&leser](size_t a, size_t b) {
        const int c = leser[a]->schluessel().compare(leser[b]->schluessel());
        return c > 0 || (c == 0 && a > b);
    };
    std::make_heap(haufen.begin(), haufen.end(), spaeter);
    std::string letzter;
    bool erster = true;
    while (!haufen.empty()) {
        std::pop_heap(haufen.begin(), haufen.end(), spaeter);
        const size_t k = haufen.back();
        haufen.pop_back();
        Laufleser& l = *leser[k];
        if (erster || l.schluessel() != letzter) {
            if (!abnehmer(l.schluessel(), l.text()))
                return false;
            letzter.assign(l.schluessel());
            erster = false;
        }
        if (!weiter())
            return false;
        if (l.naechster()) {
            haufen.push_back(k);
            std::push_heap(haufen.begin(), haufen.end(), spaeter);
        } else if (l.fehlerhaft())
            return scheitern(lesefehler(laeufe_[von + k].pfad));
    }
    return true;
}

bool Sortierlaeufe::zusammenlegen(size_t von, size_t bis, Lauf& neu) {
    neu.pfad = neuerPfad();
    Laufschreiber schreiber(neu.pfad);
    bool ok = schreiber.oeffnen();
    for (int l = 0; ok && l < Listen; ++l) {
        neu.grenzen[l] = schreiber.position();
        ok = mischeListe(von, bis, l, [&](std::string_view schluessel, QStringView text) {
            return schreiber.eintrag(schluessel, text) || scheitern(schreibfehler(neu.pfad));
        });
    }
    neu.grenzen[Listen] = schreiber.position();
    if (ok && !schreiber.abschliessen())
        ok = scheitern(schreibfehler(neu.pfad));
    if (!ok)
        Files::loeschen(neu.pfad);
    return ok;
}

bool Sortierlaeufe::mischen(const Ziel& ziel) {
    fehler_.clear();
    while (laeufe_.size() > static_cast<size_t>(Faecher)) {
        std::vector<Lauf> neu;
        bool ok = true;
        for (size_t von = 0; ok && von < laeufe_.size(); von += Faecher) {
            const size_t bis = std::min(von + Faecher, laeufe_.size());
            if (bis - von == 1) {
                neu.push_back(laeufe_[von]);
                continue;
            }
            Lauf lauf;
            ok = zusammenlegen(von, bis, lauf);
            if (ok)
                neu.push_back(lauf);
            for (size_t k = von; ok && k < bis; ++k)
                Files::loeschen(laeufe_[k].pfad);
        }
        if (!ok) {
            // The runs merged so far are gone from the old list; all are removed now.
            for (const Lauf& lauf : neu)
                Files::loeschen(lauf.pfad);
            return false;
        }
        laeufe_ = std::move(neu);
    }
    for (int l = 0; l < Listen; ++l)
        if (!mischeListe(0, laeufe_.size(), l,
                         [&](std::string_view, QStringView text) { return ziel(l, text); }))
            return false;
    return true;
}
