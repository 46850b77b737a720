#include "index/Dokumentaufbau.h"

#include "datenbank/Dokumentvariante.h"
#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/Pump.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QByteArray zeilenende("\r\n");
const QByteArray leerzeile(" \r\n");
} // namespace

Dokumentaufbau::Dokumentaufbau(const QString& arbeitsordner, const QString& name,
                               std::function<void(const QString&)> titel)
    : arbeitsordner_(arbeitsordner), nativerOrdner_(Files::nativ(arbeitsordner)), name_(name),
      titel_(std::move(titel)) {
    if (!nativerOrdner_.endsWith(QLatin1Char('/')))
        nativerOrdner_ += QLatin1Char('/');
}

QString Dokumentaufbau::nativ(const QString& windowsPfad) const {
    return nativerOrdner_ + windowsPfad.mid(arbeitsordner_.size());
}

QByteArray Dokumentaufbau::kopfzeile(const QString& pfad) {
    return '#' + Ansi::nachUnicode(Ansi::ausUnicode(pfad)).toUtf8();
}

QString Dokumentaufbau::dokument() const {
    return arbeitsordner_ + name_ + Dokumentvarianten::dokument(Dokumentvariante::Utf8);
}

QString Dokumentaufbau::teil(int k) const {
    // The document's name with the part's number before ".txt".
    return dokument().chopped(4) + QString::number(k) + QStringLiteral(".txt");
}

void Dokumentaufbau::hinzufuegen(const QByteArray& zeile) {
    liste_ += zeile;
    liste_ += zeilenende;
}

bool Dokumentaufbau::eintrag(const QString& pfad, const QByteArray& text) {
    for (int b = 0; b < 3; ++b)
        liste_ += leerzeile;
    const QByteArray kopf = kopfzeile(pfad);
    titelzeilen_ << QString::number(geschrieben_ + liste_.size()) + QLatin1Char(' ') +
                        Ansi::nachUnicode(kopf);
    hinzufuegen(kopf);
    hinzufuegen(QByteArray(pfad.size() / 2, '='));
    if (!text.isEmpty()) {
        hinzufuegen(text);
        stapel_ += text.size();
    }
    if (stapel_ < Stueckgroesse)
        return true;
    ++k_;
    return teilSchreiben();
}

bool Dokumentaufbau::teilSchreiben() {
    const QString pfad = teil(k_);
    // A piece is scratch: the joined document is what is made durable.
    if (!Files::schreibenFluechtig(nativ(pfad), liste_)) {
        fehlerdatei_ = pfad;
        return false;
    }
    geschrieben_ += liste_.size();
    liste_.clear();
    stapel_ = 0;
    return true;
}

bool Dokumentaufbau::abschliessen(Pump& pump) {
    if (k_ == 0) {
        if (Files::schreiben(nativ(dokument()), liste_))
            return true;
        fehlerdatei_ = dokument();
        return false;
    }
    // What is left becomes the last piece; the pieces are this job's own, joined in order.
    ++k_;
    if (!teilSchreiben())
        return false;
    QSaveFile ziel(nativ(dokument()));
    if (!ziel.open(QIODevice::WriteOnly)) {
        fehlerdatei_ = dokument();
        return false;
    }
    for (int k = 1; k <= k_; ++k) {
        const QString pfad = teil(k);
        if (titel_)
            titel_(QStringLiteral("Aufgeteilte Dateien zusammenfügen:  ") + pfad);
        pump.verarbeiten();
        QFile stueck(nativ(pfad));
        if (!stueck.open(QIODevice::ReadOnly)) {
            fehlerdatei_ = pfad;
            return false;
        }
        const QByteArray bytes = stueck.readAll();
        if (stueck.error() != QFileDevice::NoError) {
            fehlerdatei_ = pfad;
            return false;
        }
        if (ziel.write(bytes) != bytes.size()) {
            fehlerdatei_ = dokument();
            return false;
        }
    }
    if (!ziel.commit()) {
        fehlerdatei_ = dokument();
        return false;
    }
    return true;
}
