#include "cli/KonsolenNotifier.h"

KonsolenNotifier::KonsolenNotifier(QTextStream& ausgabe, QTextStream& eingabe, bool interaktiv,
                                   bool antwort)
    : ausgabe_(ausgabe), eingabe_(eingabe), interaktiv_(interaktiv), antwort_(antwort) {}

void KonsolenNotifier::melden(Art art, const QString& text, const QString& titel) {
    const char* art_text = art == Art::Fehler    ? "Fehler"
                           : art == Art::Warnung ? "Warnung"
                                                 : "Hinweis";
    ausgabe_ << QString::fromLatin1(art_text);
    if (!titel.isEmpty())
        ausgabe_ << QStringLiteral(" (") << titel << QLatin1Char(')');
    ausgabe_ << QStringLiteral(": ") << text << Qt::endl;
}

bool KonsolenNotifier::fragen(const QString& text, const QString&) {
    if (!interaktiv_)
        return antwort_;
    ausgabe_ << text << QStringLiteral(" [j/N] ") << Qt::flush;
    const QString zeile = eingabe_.readLine().trimmed().toLower();
    return zeile == QLatin1String("j") || zeile == QLatin1String("ja");
}
