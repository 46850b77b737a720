#include "index/Konverterpool.h"

#include "index/Textcache.h"
#include "platform/Files.h"
#include "platform/ProcessRunner.h"
#include "platform/Pump.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <chrono>

Konverterpool::Konverterpool(Einstellungen einstellungen, QList<Auftrag> auftraege)
    : e_(std::move(einstellungen)), auftraege_(std::move(auftraege)),
      ergebnisse_(auftraege_.size()) {
    const int prozesse = std::max(1, e_.prozesse);
    // Enough files ahead that no converter waits for the assembly, few enough that the
    // texts held stay small.
    fenster_ = 4 * prozesse + 4;
    if (!e_.ausgabeordner.endsWith(QLatin1Char('/')))
        e_.ausgabeordner += QLatin1Char('/');
    const int anzahl = std::min<qsizetype>(prozesse, auftraege_.size());
    for (int i = 0; i < anzahl; ++i) {
        arbeiter_.push_back(QThread::create([this] { arbeiten(); }));
        arbeiter_.back()->start();
    }
}

Konverterpool::~Konverterpool() {
    abbrechen();
    for (QThread* t : arbeiter_) {
        t->wait();
        delete t;
    }
}

QStringList Konverterpool::argumente(const QString& pdf, const QString& ausgabe) {
    return {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
            ausgabe};
}

void Konverterpool::abbrechen() {
    {
        std::lock_guard<std::mutex> l(m_);
        abbruch_ = true;
    }
    frei_.notify_all();
    fertig_.notify_all();
}

void Konverterpool::arbeiten() {
    const int anzahl = int(auftraege_.size());
    for (;;) {
        int i = 0;
        {
            std::unique_lock<std::mutex> l(m_);
            frei_.wait(l, [&] {
                return abbruch_ || vergeben_ >= anzahl || vergeben_ < verbraucht_ + fenster_;
            });
            if (abbruch_ || vergeben_ >= anzahl)
                return;
            i = vergeben_++;
        }
        Ergebnis e = bearbeiten(auftraege_.at(i));
        {
            std::lock_guard<std::mutex> l(m_);
            ergebnisse_[i] = std::move(e);
        }
        fertig_.notify_all();
    }
}

Konverterpool::Ergebnis Konverterpool::naechstes(Pump& pump, const std::function<bool()>& abbruch) {
    using namespace std::chrono_literals;
    for (;;) {
        {
            std::unique_lock<std::mutex> l(m_);
            const int i = verbraucht_;
            if (ergebnisse_[i]) {
                Ergebnis e = std::move(*ergebnisse_[i]);
                ergebnisse_[i].reset();
                ++verbraucht_;
                l.unlock();
                frei_.notify_all();
                return e;
            }
            // Cancelled before any worker took it: it will never come.
            if (abbruch_ && i >= vergeben_) {
                ++verbraucht_;
                return {};
            }
            fertig_.wait_for(l, 20ms);
        }
        titelZeigen();
        pump.verarbeiten();
        if (!abbruch_ && abbruch && abbruch())
            abbrechen();
    }
}

void Konverterpool::titelZeigen() {
    QString titel;
    {
        std::lock_guard<std::mutex> l(m_);
        titel.swap(titel_);
    }
    if (!titel.isEmpty() && e_.titel)
        e_.titel(titel);
}

Konverterpool::Ergebnis Konverterpool::bearbeiten(const Auftrag& a) {
    Ergebnis e;
    const std::optional<Files::Stand> stand = Files::lesbarerStand(a.nativ);
    if (!stand) {
        e.art = Ergebnis::Art::NichtLesbar;
        return e;
    }
    e.pdfGroesse = stand->groesse;
    if (e_.cache) {
        if (std::optional<QByteArray> text = e_.cache->holen(a.pfad, *stand)) {
            e.art = Ergebnis::Art::AusCache;
            e.text = std::move(*text);
            nachbearbeiten(a, *stand, e);
            return e;
        }
    }
    if (abbruch_)
        return e;
    e.ausgabe = e_.ausgabeordner + QString::number(a.position) + QStringLiteral(".txt");
    const ProcessRunner::Grenze grenze{QDeadlineTimer(qint64(e_.zeitlimitSekunden) * 1000),
                                       [this] { return abbruch_.load(); }};
    const ProcessRunner::Ergebnis r =
        ProcessRunner::ausfuehrenBegrenzt(e_.konverter, argumente(a.nativ, e.ausgabe), grenze);
    bool gelesen = false;
    {
        QFile ausgabe(e.ausgabe);
        if (ausgabe.open(QIODevice::ReadOnly)) {
            e.text = ausgabe.readAll();
            gelesen = ausgabe.error() == QFileDevice::NoError;
            ausgabe.close();
            ausgabe.remove();
        }
    }
    e.code = r.code;
    if (!r.gestartet)
        e.art = Ergebnis::Art::NichtGestartet;
    else if (r.ende == ProcessRunner::Ende::Zeitlimit)
        e.art = Ergebnis::Art::Zeitlimit;
    else if (r.ende == ProcessRunner::Ende::Abgebrochen)
        e.art = Ergebnis::Art::Abgebrochen;
    else if (r.code == 2)
        e.art = Ergebnis::Art::AusgabeNichtSchreibbar;
    else if (r.code != 0 || !gelesen)
        e.art = Ergebnis::Art::Fehlgeschlagen;
    else
        e.art = Ergebnis::Art::Umgewandelt;
    if (e.art != Ergebnis::Art::Umgewandelt) {
        e.text.clear();
        return e;
    }
    if (e_.cache)
        e.cacheFehler = !e_.cache->ablegen(a.pfad, *stand, e.text);
    nachbearbeiten(a, *stand, e);
    return e;
}

void Konverterpool::nachbearbeiten(const Auftrag& a, const Files::Stand& stand, Ergebnis& e) {
    const Nachbearbeitung& n = e_.nachbearbeitung;
    if (!n.schritt || !n.betrifft(e.text))
        return;
    // The other workers wait here until the first has checked.
    std::call_once(vorbereitet_, [&] {
        const Nachbearbeitung::Bereitschaft b = n.vorbereiten();
        schrittBereit_ = b.bereit;
        // Said once, with the file that asked first.
        e.meldung = b.meldung;
        if (b.bereit && e_.nachbearbeitungscache)
            schrittcache_ = e_.nachbearbeitungscache(b.kennung);
    });
    if (!schrittBereit_)
        return;
    if (schrittcache_) {
        if (std::optional<QByteArray> text = schrittcache_->holen(a.pfad, stand)) {
            e.nachbearbeitet = *text != e.text;
            e.text = std::move(*text);
            return;
        }
    }
    // The step runs: the text did not come from the cache alone.
    e.art = Ergebnis::Art::Umgewandelt;
    const QByteArray vorher = e.text;
    const Nachbearbeitung::Ausgang ausgang =
        n.schritt({a.pfad, a.nativ, e_.ausgabeordner, e_.zeitlimitSekunden,
                   [this] { return abbruch_.load(); },
                   [this, &a](const QString& titel) {
                       std::lock_guard<std::mutex> l(m_);
                       titel_ = titel;
                       titelVon_ = a.position;
                   }},
                  e.text);
    {
        // A title of this file not shown by now would only mislead later.
        std::lock_guard<std::mutex> l(m_);
        if (titelVon_ == a.position)
            titel_.clear();
    }
    e.nachbearbeitet = e.text != vorher;
    e.meldung = ausgang.meldung;
    if (ausgang.vollstaendig && schrittcache_ && !schrittcache_->ablegen(a.pfad, stand, e.text))
        e.cacheFehler = true;
}
