#include "index/PdfTextExtraktion.h"

#include "datenbank/DatenbankKatalog.h"
#include "index/ConvertBytes.h"
#include "index/Textcache.h"
#include "platform/Platform.h"

#include <QLocale>
#include <QStandardPaths>

namespace {

QString endungVon(const QString& pfad) {
    const qsizetype trenner =
        qMax(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char(':')));
    const QString name = pfad.mid(trenner + 1);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : name.mid(punkt);
}

// What made a cached text: the converter program as it is now and its arguments. Another
// converter version gives other texts, so its entries do not count.
QByteArray cachekennung(const QString& konverter) {
    const std::optional<Files::Stand> stand = Files::lesbarerStand(konverter);
    return konverter.toUtf8() + '\n' + QByteArray::number(stand ? stand->groesse : -1) + ' ' +
           QByteArray::number(stand ? stand->geaendertNs : 0) + '\n' +
           Konverterpool::argumente(QStringLiteral("PDF"), QStringLiteral("TXT"))
               .join(QLatin1Char(' '))
               .toUtf8() +
           '\n';
}

} // namespace

PdfTextExtraktion::PdfTextExtraktion(Umgebung umgebung, const QString& name,
                                     const QStringList& endungen, const QStringList& ausnahmen,
                                     Ausstattung ausstattung)
    : u_(std::move(umgebung)), name_(name), endungen_(endungen), ausnahmen_(ausnahmen),
      a_(std::move(ausstattung)), aufbau_(a_.arbeitsordner, name, u_.titel) {}

PdfTextExtraktion::~PdfTextExtraktion() = default;

QString PdfTextExtraktion::konverter(const Programmordner& ordner) {
    for (const char* name : {"pdftotext.exe", "pdftotext"}) {
        const QString pfad = ordner.datei(QString::fromLatin1(name));
        if (Files::existiert(pfad))
            return pfad;
    }
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString PdfTextExtraktion::konverterFehltMeldung(const Programmordner& ordner) {
    return QStringLiteral("Der PDF-Konverter \"pdftotext\" ist nicht vorhanden! Gesucht wurde im "
                          "Programmordner ") +
           ordner.pfad() +
           QStringLiteral(" und im Suchpfad (PATH). Installieren Sie das Paket poppler-utils; "
                          "es wurde nichts indiziert.");
}

QString PdfTextExtraktion::schreibfehlerMeldung(const QString& datei) {
    return QStringLiteral("Die Datei ") + datei +
           QStringLiteral(" kann nicht geschrieben werden! Die Indizierung ist gescheitert, die "
                          "bisherige Datenbank bleibt unverändert.");
}

bool PdfTextExtraktion::dateiPasst(const QString& pfad) const {
    const QString klein = pfad.toLower();
    for (const QString& a : ausnahmen_)
        if (!a.isEmpty() && klein.startsWith(a.toLower()))
            return false;
    if (!(klein.contains(QLatin1String(".pdf")) && pfad.size() > 1))
        return false;
    const QString e = QLatin1Char('*') + endungVon(pfad).toLower();
    for (const QString& slot : endungen_)
        // An empty slot is "." and would be contained in every extension.
        if (slot.size() > 1 && e.contains(QLatin1Char('*') + slot))
            return true;
    return false;
}

bool PdfTextExtraktion::ErstelleDiePDFtextDokumente(const QStringList& datZeilen) {
    n_ = 0;
    ausCache_ = 0;
    nachbearbeitet_ = 0;
    gesamtgroesse_ = 0;
    abgebrochen_ = false;
    cacheFehler_ = false;
    pfade_.clear();
    const QString programm = konverter(u_.ordner);
    if (programm.isEmpty()) {
        u_.notifier.fehler(konverterFehltMeldung(u_.ordner));
        return false;
    }
    // Native paths are resolved here, once: the drive map is not for the workers' threads.
    Konverterpool::Einstellungen einstellungen;
    einstellungen.konverter = Files::nativ(programm);
    einstellungen.prozesse = a_.konverter.prozesse;
    einstellungen.zeitlimitSekunden = a_.konverter.zeitlimitSekunden;
    einstellungen.ausgabeordner = Files::nativ(a_.arbeitsordner);
    einstellungen.nachbearbeitung = a_.nachbearbeitung;
    einstellungen.titel = u_.titel;
    if (a_.textcache) {
        const QString ordner = Files::nativ(u_.ordner.datei(DatenbankKatalog::textcache(name_)));
        const QByteArray kennung = cachekennung(einstellungen.konverter);
        cache_ = std::make_unique<Textcache>(ordner, kennung);
        // Without its folder the run goes on without the cache.
        if (!cache_->anlegen())
            cache_.reset();
        else
            einstellungen.nachbearbeitungscache = [this, ordner, kennung](const QByteArray& k) {
                auto c = std::make_unique<Textcache>(
                    ordner + QLatin1Char('/') + a_.nachbearbeitung.cacheordner, kennung + k);
                if (!c->anlegen())
                    return std::unique_ptr<Textcache>();
                c->aufraeumen(pfade_);
                return c;
            };
    }
    einstellungen.cache = cache_.get();

    QList<Konverterpool::Auftrag> auftraege;
    for (int i = 1; i < datZeilen.size(); ++i) {
        u_.pump.verarbeiten();
        const QString pfad = Ansi::ausByteForm(datZeilen.at(i));
        if (!dateiPasst(pfad))
            continue;
        pfade_ << pfad;
        auftraege.append({i, pfad, Files::nativ(pfad)});
    }
    // Texts of files that left the list are of no use any more, and may hold the room the
    // new document needs.
    if (cache_)
        cache_->aufraeumen(pfade_);
    Konverterpool pool(std::move(einstellungen), auftraege);
    for (const Konverterpool::Auftrag& auftrag : auftraege) {
        const Konverterpool::Ergebnis e = pool.naechstes(u_.pump, u_.abbruch);
        if (!uebernehmen(auftrag, e))
            return false;
    }
    abgebrochen_ = u_.abbruch && u_.abbruch();
    if (!aufbau_.abschliessen(u_.pump)) {
        u_.notifier.fehler(schreibfehlerMeldung(aufbau_.fehlerdatei()));
        return false;
    }
    if (cacheFehler_)
        u_.notifier.warnung(
            QStringLiteral("Der Textcache ") + u_.ordner.datei(DatenbankKatalog::textcache(name_)) +
            QStringLiteral(" konnte nicht vollständig geschrieben werden. Die Datenbank ist "
                           "vollständig; diese Dateien werden beim nächsten Mal neu umgewandelt."));
    return true;
}

void PdfTextExtraktion::konverterMeldung(int code) {
    const auto melde = [&](const char* text, const char* titel) {
        u_.notifier.melden(Notifier::Art::Information, QString::fromUtf8(text),
                           QString::fromUtf8(titel));
    };
    switch (code) {
    case 1:
        melde(" Error opening a PDF file.", " Error opening a PDF file.");
        break;
    case 3:
        melde("Error related to PDF permissions.", " Error related to PDF permissions.");
        break;
    case 99:
        melde(" Other error.", "Other error.");
        break;
    default:
        break;
    }
}

bool PdfTextExtraktion::uebernehmen(const Konverterpool::Auftrag& auftrag,
                                    const Konverterpool::Ergebnis& e) {
    using Art = Konverterpool::Ergebnis::Art;
    u_.pump.verarbeiten();
    switch (e.art) {
    case Art::Abgebrochen:
    case Art::NichtLesbar:
        // A file another program holds or that has gone is left out, as is one never started.
        return true;
    case Art::NichtGestartet:
        u_.notifier.fehler(QStringLiteral("Der PDF-Konverter ") + konverter(u_.ordner) +
                           QStringLiteral(" kann nicht gestartet werden! Die Indizierung ist "
                                          "gescheitert, die bisherige Datenbank bleibt "
                                          "unverändert."));
        return false;
    case Art::AusgabeNichtSchreibbar:
        u_.notifier.fehler(schreibfehlerMeldung(
            a_.arbeitsordner + QString::number(auftrag.position) + QStringLiteral(".txt")));
        return false;
    default:
        break;
    }
    gesamtgroesse_ += e.pdfGroesse;
    if (u_.titel)
        u_.titel(QString::number(n_ + 1) + QStringLiteral(" Größe: ") + ConvertBytes(e.pdfGroesse) +
                 QStringLiteral("  Datei:  ") + auftrag.pfad);
    if (e.art == Art::Zeitlimit) {
        u_.notifier.warnung(QStringLiteral("Die Umwandlung von ") + auftrag.pfad +
                            QStringLiteral(" hat länger als ") +
                            QString::number(a_.konverter.zeitlimitSekunden) +
                            QStringLiteral(" Sekunden gedauert und wurde beendet "
                                           "(Zeitlimit_Konverter). Die Datei wird nicht "
                                           "indiziert."));
        return true;
    }
    if (e.art == Art::Fehlgeschlagen) {
        konverterMeldung(e.code);
        return true;
    }
    ++n_;
    if (e.art == Art::AusCache)
        ++ausCache_;
    if (e.nachbearbeitet)
        ++nachbearbeitet_;
    if (!e.meldung.isEmpty())
        u_.notifier.warnung(e.meldung);
    cacheFehler_ = cacheFehler_ || e.cacheFehler;
    if (u_.titel)
        u_.titel(QString::number(n_) + QStringLiteral("   UTF8-Datei:  ") + auftrag.pfad);
    if (!aufbau_.eintrag(auftrag.pfad, e.text)) {
        u_.notifier.fehler(schreibfehlerMeldung(aufbau_.fehlerdatei()));
        return false;
    }
    gesamtgroesse_ += e.text.size();
    return true;
}

QStringList PdfTextExtraktion::statistik(qint64 dateienInsgesamt, const QString& zeit) const {
    const QLocale locale;
    QStringList zeilen = {
        QStringLiteral(" "),
        QStringLiteral("Dateien insgesamt: ") + locale.toString(dateienInsgesamt),
        QStringLiteral("Konnten nicht indiziert werden: ") + QString::number(dateienInsgesamt - n_),
        locale.toString(n_) + QStringLiteral(" PDF-Dateien wurden indiziert.   Zeit: ") + zeit +
            QStringLiteral("  Gesamtgröße der Datei(en) : ") + ConvertBytes(gesamtgroesse_)};
    if (ausCache_ > 0)
        zeilen << QStringLiteral("Davon aus dem Textcache übernommen: ") +
                      locale.toString(ausCache_);
    if (nachbearbeitet_ > 0 && a_.nachbearbeitung.protokollzeile)
        zeilen << a_.nachbearbeitung.protokollzeile(nachbearbeitet_);
    return zeilen;
}
