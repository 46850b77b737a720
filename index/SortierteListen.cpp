#include "index/SortierteListen.h"

#include "index/Dokumentteiler.h"
#include "index/Listendatei.h"
#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "platform/TextFiles.h"

#include <QLocale>
#include <QtEndian>

namespace {

template <typename F, typename... A> void melde(const F& f, A&&... argumente) {
    if (f)
        f(std::forward<A>(argumente)...);
}

// "#" at the first and ":\" at the third position: the path line of a record.
bool istTitelzeile(const QString& zeile) {
    return zeile.size() >= 4 && zeile.at(0) == QLatin1Char('#') &&
           zeile.at(2) == QLatin1Char(':') && zeile.at(3) == QLatin1Char('\\');
}

// Thousands separators of the user's locale, no decimals.
QString zahl(qint64 n) {
    return QLocale().toString(n);
}

} // namespace

SortierteListen::SortierteListen(const Programmordner& ordner, Notifier& notifier, Pump& pump)
    : ordner_(ordner), notifier_(notifier), pump_(pump), extraktor_(eimer_, pump) {}

QStringList SortierteListen::SortierteListenErstellen(const QString& name) {
    fehlgeschlagen_ = false;
    ordner_.tempLeeren();
    bool vorhanden = false;
    for (Dokumentvariante v : Dokumentvarianten::alle)
        vorhanden =
            vorhanden || Files::existiert(ordner_.datenbank(name + Dokumentvarianten::dokument(v)));
    if (!vorhanden) {
        notifier_.information(QStringLiteral("Für die Datenbank \"") + name +
                              QStringLiteral("\" existieren keine Dokumente, die sortiert "
                                             "werden könnten!"));
        return {};
    }
    QStringList geschrieben;
    if (abgebrochen())
        return geschrieben;
    arbeit_ = Arbeitsordner::anlegen(ordner_, QStringLiteral("Sortierung"));
    if (!arbeit_) {
        scheitern(QStringLiteral("Der Arbeitsordner für die Sortierung kann in ") + ordner_.temp() +
                  QStringLiteral(" nicht angelegt werden!"));
        return geschrieben;
    }
    eimer_.auslagernNach(arbeit_->pfad(), laufgrenze_, pump_, [this] { return abgebrochen(); });
    melde(r_.timerStarten);
    melde(r_.fenstertitel,
          QStringLiteral("Sortierung von: \"") + name + QStringLiteral("\" läuft."));
    for (Dokumentvariante v : Dokumentvarianten::alle) {
        const QString dokument = ordner_.datenbank(name + Dokumentvarianten::dokument(v));
        if (abgebrochen() || Files::groesse(dokument) < 5)
            continue;
        eimer_.leeren();
        melde(r_.status,
              QStringLiteral("Sortierte Liste von: ") + name + Dokumentvarianten::dokument(v));
        QString fehler;
        if (Dokumentteiler::TeileDokumentAuf(dokument, arbeit_->pfad(), &fehler).isEmpty()) {
            scheitern(fehler);
            ladeknoepfeMelden(name);
            break;
        }
        if (ErstelleNachtraeglichSortierteListen(name, dokument))
            geschrieben.append(ordner_.datenbank(name + Dokumentvarianten::sortierteListe(v)));
        if (fehlgeschlagen_)
            break;
        melde(r_.position, maximum_);
        pump_.pause(100);
    }
    // Runs and pieces go with the job's folder.
    eimer_.leeren();
    arbeit_.reset();
    melde(r_.freigeben);
    melde(r_.position, 0);
    melde(r_.status,
          fehlgeschlagen_ ? QStringLiteral("Sortierung fehlgeschlagen") : QStringLiteral("Fertig"));
    melde(r_.fenstertitel, QString());
    return geschrieben;
}

bool SortierteListen::scheitern(const QString& meldung) {
    notifier_.warnung(meldung);
    fehlgeschlagen_ = true;
    melde(r_.sortierungLaeuft, false);
    return false;
}

void SortierteListen::ladeknoepfeMelden(const QString& name) {
    melde(r_.ladeknoepfe, ladbar(ordner_, name, Dokumentvariante::Ansi),
          ladbar(ordner_, name, Dokumentvariante::Utf8),
          ladbar(ordner_, name, Dokumentvariante::Unicode));
}

bool SortierteListen::ladbar(const Programmordner& ordner, const QString& name,
                             Dokumentvariante v) {
    return Files::groesse(ordner.datenbank(name + Dokumentvarianten::dokument(v))) >=
           Dokumentvarianten::mindestgroesse(v);
}

Dokumentvariante SortierteListen::ausDokumentpfad(const QString& pfad) {
    for (Dokumentvariante v : Dokumentvarianten::alle)
        if (pfad.endsWith(Dokumentvarianten::dokument(v), Qt::CaseInsensitive))
            return v;
    const QString klein = pfad.toLower();
    Dokumentvariante v = Dokumentvariante::Keine;
    for (Dokumentvariante kandidat : Dokumentvarianten::alle)
        if (klein.contains(QLatin1Char('_') + Dokumentvarianten::kurzname(kandidat).toLower()))
            v = kandidat;
    return v;
}

QChar SortierteListen::laufwerkBestimmen(const QString& name) {
    const QString dat = ordner_.datenbank(name + QStringLiteral(".dat"));
    // The paths of the catalogue are its UTF-8 bytes, one character per byte.
    const QString erste = TextFiles::zeilen(ReadTextFile(dat)).value(1).trimmed();
    if (!erste.isEmpty() && Files::existiert(Ansi::ausByteForm(erste)))
        return erste.front();
    QChar gefunden;
    for (char16_t l = u'A'; l <= u'Z'; ++l) {
        if (l == u'C')
            continue;
        QString pfad = dat;
        pfad[0] = QChar(l);
        if (Files::existiert(pfad))
            gefunden = QChar(l);
    }
    if (!gefunden.isNull())
        melde(r_.laufwerk, gefunden);
    return gefunden;
}

bool SortierteListen::ErstelleNachtraeglichSortierteListen(const QString& name,
                                                           const QString& dokument) {
    const Dokumentvariante v = ausDokumentpfad(dokument);
    if (v == Dokumentvariante::Keine || !arbeit_)
        return false;
    const QChar laufwerk = laufwerkBestimmen(name);
    extraktor_.setDateimarke(QLatin1Char('#') +
                             (laufwerk.isNull() ? QString() : QString(laufwerk)) +
                             QStringLiteral(":\\"));
    melde(r_.sperren);
    melde(r_.sortierungLaeuft, true);
    // UTF-8 bytes seen one per character must keep every byte of a letter.
    extraktor_.setNurAsciiTrimmen(v == Dokumentvariante::Utf8);

    QStringList stuecke;
    for (const QString& datei : Files::dateien(arbeit_->pfad(), QStringLiteral(".txt")))
        stuecke.append(arbeit_->datei(datei));

    gesamt_ = 0;
    gesamtText_ = zahl(0);
    titel_ = 0;
    const bool gelesen = titelZaehlen(stuecke, v) && ausziehen(stuecke, v);
    if (eimer_.gescheitert()) {
        scheitern(eimer_.fehler());
        ladeknoepfeMelden(name);
        return false;
    }
    if (!gelesen)
        return false;
    pump_.verarbeiten();
    if (abgebrochen())
        return false;
    const QString liste = ordner_.datenbank(name + Dokumentvarianten::sortierteListe(v));
    const bool ok = schreiben(liste, v);
    laeufe_ = eimer_.laeufe();
    if (!ok && abgebrochen())
        return false;
    melde(r_.sortierungLaeuft, false);
    ladeknoepfeMelden(name);
    if (ok)
        melde(r_.geschrieben, liste);
    return ok;
}

QStringList SortierteListen::zeilenLesen(const QString& stueck, Dokumentvariante v) const {
    const QByteArray bytes = Files::lesen(stueck);
    if (v != Dokumentvariante::Unicode)
        return TextFiles::zeilen(Ansi::nachUnicode(bytes));
    const qsizetype ab = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    QString text((bytes.size() - ab) / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.constData() + ab, text.size(), text.data());
    return TextFiles::zeilen(text);
}

void SortierteListen::setzeMaximum(int wert) {
    maximum_ = wert;
    melde(r_.maximum, wert);
}

bool SortierteListen::titelZaehlen(const QStringList& stuecke, Dokumentvariante v) {
    const bool nurAscii = extraktor_.nurAsciiTrimmen();
    for (const QString& stueck : stuecke) {
        const QStringList zeilen = zeilenLesen(stueck, v);
        if (abgebrochen()) {
            melde(r_.sortierungLaeuft, false);
            return false;
        }
        for (const QString& zeile : zeilen) {
            pump_.verarbeiten();
            if (abgebrochen())
                break;
            if (istTitelzeile(Zeilenextraktor::trimmen(zeile, nurAscii)))
                ++gesamt_;
        }
        gesamtText_ = zahl(gesamt_);
        setzeMaximum(static_cast<int>(gesamt_));
        melde(r_.position, 10);
    }
    return true;
}

bool SortierteListen::ausziehen(const QStringList& stuecke, Dokumentvariante v) {
    const bool nurAscii = extraktor_.nurAsciiTrimmen();
    for (const QString& stueck : stuecke) {
        const QStringList zeilen = zeilenLesen(stueck, v);
        if (abgebrochen()) {
            melde(r_.sortierungLaeuft, false);
            return false;
        }
        for (const QString& roh : zeilen) {
            pump_.verarbeiten();
            if (abgebrochen())
                break;
            QString zeile = Zeilenextraktor::trimmen(roh, nurAscii);
            if (zeile.contains(QLatin1String("==========")))
                zeile.clear();
            if (istTitelzeile(zeile)) {
                titelzeile(zeile, v);
                zeile.clear();
            }
            if (!zeile.isEmpty())
                extraktor_.VerarbeiteTextzeile(zeile);
            if (eimer_.gescheitert())
                return false;
        }
        Files::loeschen(stueck);
    }
    return true;
}

void SortierteListen::titelzeile(const QString& zeile, Dokumentvariante v) {
    if (titel_ > 10 && maximum_ > titel_)
        melde(r_.position, static_cast<int>(titel_));
    QString pfad = zeile.mid(1);
    if (Files::existiert(pfad)) {
        eimer_.titel(zeile);
        ++titel_;
    } else
        pfad.clear();
    melde(r_.fenstertitel, Dokumentvarianten::anzeigename(v) + QLatin1Char(' ') + zahl(titel_) +
                               QStringLiteral(" von ") + gesamtText_ + QLatin1Char(' ') + pfad);
}

bool SortierteListen::schreiben(const QString& pfad, Dokumentvariante v) {
    // The Utf8 lists hold the document's UTF-8 bytes one per character; only now they become
    // the characters they encode.
    Listendatei datei(pfad, Dokumentvarianten::codePage(v), v == Dokumentvariante::Utf8);
    qint64 titel = 0;
    qint64 zeilen = 0;
    bool ok = datei.oeffnen() && eimer_.ausgeben([&](Wortbuckets::Liste liste, QStringView text) {
        if (++zeilen % 4096 == 0) {
            pump_.verarbeiten();
            if (abgebrochen())
                return false;
        }
        if (liste == Wortbuckets::Titel)
            ++titel;
        return datei.zeile(text);
    });
    if (ok && v == Dokumentvariante::Utf8 && titel == 1)
        ok = datei.zeile(u" ");
    if (ok && datei.abschliessen())
        return true;
    // A cancelled list is not written; the old one stays.
    if (abgebrochen())
        return false;
    if (eimer_.gescheitert())
        return scheitern(eimer_.fehler());
    return scheitern(QStringLiteral("Die sortierte Liste ") + pfad +
                     QStringLiteral(" kann nicht geschrieben werden!"));
}
