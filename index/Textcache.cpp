#include "index/Textcache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>

#include <atomic>

namespace {

const QByteArray kennzeichen("Kelvora-Textcache 1\n");

QByteArray pruefsumme(QByteArrayView daten) {
    return QCryptographicHash::hash(daten, QCryptographicHash::Blake2b_160).toHex();
}

} // namespace

Textcache::Textcache(const QString& nativerOrdner, const QByteArray& kennung)
    : ordner_(nativerOrdner), kennung_(pruefsumme(kennung)) {}

bool Textcache::anlegen() const {
    return QDir().mkpath(ordner_);
}

QString Textcache::eintragsname(const QString& pfad) {
    return QString::fromLatin1(pruefsumme(pfad.toUtf8()));
}

// Magic line, path, then size, time, kennung, text length and checksum: everything the
// entry must match before its text is believed.
QByteArray Textcache::kopf(const QString& pfad, const Files::Stand& stand,
                           const QByteArray& text) const {
    return kennzeichen + pfad.toUtf8() + '\n' + QByteArray::number(stand.groesse) + ' ' +
           QByteArray::number(stand.geaendertNs) + ' ' + kennung_ + ' ' +
           QByteArray::number(text.size()) + ' ' + pruefsumme(text) + '\n';
}

std::optional<QByteArray> Textcache::holen(const QString& pfad, const Files::Stand& stand) const {
    QFile datei(ordner_ + QLatin1Char('/') + eintragsname(pfad));
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray inhalt = datei.readAll();
    const qsizetype ende1 = inhalt.indexOf('\n', kennzeichen.size());
    const qsizetype ende2 = ende1 < 0 ? -1 : inhalt.indexOf('\n', ende1 + 1);
    if (!inhalt.startsWith(kennzeichen) || ende2 < 0)
        return std::nullopt;
    const QByteArray text = inhalt.mid(ende2 + 1);
    if (inhalt.left(ende2 + 1) != kopf(pfad, stand, text))
        return std::nullopt;
    return text;
}

bool Textcache::ablegen(const QString& pfad, const Files::Stand& stand,
                        const QByteArray& text) const {
    static std::atomic<int> zaehler{0};
    const QString ziel = ordner_ + QLatin1Char('/') + eintragsname(pfad);
    // Two entries of one path may be written at once (a path listed twice): each its own.
    const QString neu =
        ziel + QLatin1Char('.') + QString::number(++zaehler) + QStringLiteral(".neu");
    // Not made durable: an entry a crash cut short fails its checksum and is converted anew.
    if (Files::schreibenFluechtig(neu, kopf(pfad, stand, text) + text) &&
        Files::ersetzen(neu, ziel))
        return true;
    QFile::remove(neu);
    return false;
}

void Textcache::aufraeumen(const QStringList& pfade) const {
    QSet<QString> bleiben;
    bleiben.reserve(pfade.size());
    for (const QString& p : pfade)
        bleiben.insert(eintragsname(p));
    QDir dir(ordner_);
    const QStringList namen = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : namen)
        if (!bleiben.contains(n))
            dir.remove(n);
}
