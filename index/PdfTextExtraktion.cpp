#include "index/PdfTextExtraktion.h"

#include "index/ConvertBytes.h"
#include "platform/Platform.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

#include <map>

namespace {

const QByteArray zeilenende("\r\n");

QString endungVon(const QString& pfad) {
    const qsizetype trenner =
        qMax(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char(':')));
    const QString name = pfad.mid(trenner + 1);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : name.mid(punkt);
}

} // namespace

PdfTextExtraktion::PdfTextExtraktion(Umgebung umgebung, const QString& name,
                                     const QStringList& endungen, const QStringList& ausnahmen)
    : u_(std::move(umgebung)), name_(name), endungen_(endungen), ausnahmen_(ausnahmen),
      konverter_(konverter(u_.ordner)) {}

QString PdfTextExtraktion::konverter(const Programmordner& ordner) {
    for (const char* name : {"pdftotext.exe", "pdftotext"}) {
        const QString pfad = ordner.datei(QString::fromLatin1(name));
        if (Files::existiert(pfad))
            return pfad;
    }
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString PdfTextExtraktion::dokument() const {
    return u_.ordner.datenbank(name_ + QStringLiteral("_UTF8Dokument.txt"));
}

void PdfTextExtraktion::hinzufuegen(const QByteArray& eintrag) {
    liste_ += eintrag;
    liste_ += zeilenende;
}

bool PdfTextExtraktion::listeSchreiben(const QString& pfad) {
    const bool ok = Files::schreiben(pfad, liste_);
    if (!ok)
        u_.notifier.fehler(QStringLiteral("Die Datei ") + pfad +
                           QStringLiteral(" kann nicht geschrieben werden!"));
    liste_.clear();
    stapel_ = 0;
    return ok;
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

void PdfTextExtraktion::ErstelleDiePDFtextDokumente() {
    n_ = 0;
    gesamtgroesse_ = 0;
    k_ = 0;
    liste_.clear();
    stapel_ = 0;
    const QString dat = u_.ordner.datenbank(name_ + QStringLiteral(".dat"));
    if (Files::existiert(dat)) {
        const QStringList zeilen = TextFiles::zeilen(ReadTextFile(dat));
        for (int i = 1; i < zeilen.size(); ++i) {
            u_.pump.verarbeiten();
            const QString pfad = Ansi::ausByteForm(zeilen.at(i));
            if (!dateiPasst(pfad))
                continue;
            QFile datei(Files::nativ(pfad));
            // A file another program holds or that has gone is left out.
            if (!datei.open(QIODevice::ReadOnly))
                continue;
            const qint64 groesse = datei.size();
            datei.close();
            gesamtgroesse_ += groesse;
            if (u_.abbruch && u_.abbruch())
                break;
            u_.pump.verarbeiten();
            for (int b = 0; b < 3; ++b)
                hinzufuegen(QByteArray(" "));
            ++n_;
            // The document is UTF-8; what Windows-1252 cannot hold becomes "?".
            hinzufuegen("#" + Ansi::nachUnicode(Ansi::ausUnicode(pfad)).toUtf8());
            hinzufuegen(QByteArray(pfad.size() / 2, '='));
            if (u_.titel)
                u_.titel(QString::number(n_) + QStringLiteral(" Größe: ") + ConvertBytes(groesse) +
                         QStringLiteral("  Datei:  ") + pfad);
            ExtractPDF(pfad, i);
        }
    }
    listeSchreiben(dokument());
}

void PdfTextExtraktion::ExtractPDF(const QString& pfad, int position) {
    if (konverter_.isEmpty()) {
        u_.notifier.information(QStringLiteral("PDFtoText.exe ist nicht vorhanden!"));
        return;
    }
    const QString ausgabe = u_.ordner.temp(QString::number(position) + QStringLiteral(".txt"));
    const auto ergebnis = ProcessRunner::ausfuehren(
        konverter_,
        {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
         Files::nativ(pfad), Files::nativ(ausgabe)},
        u_.pump);
    switch (ergebnis.code) {
    case 1:
        u_.notifier.melden(Notifier::Art::Information, QStringLiteral(" Error opening a PDF file."),
                           QStringLiteral(" Error opening a PDF file."));
        break;
    case 2:
        u_.notifier.melden(Notifier::Art::Information,
                           QStringLiteral("Error opening an output file."),
                           QStringLiteral(" Error opening an output file."));
        break;
    case 3:
        u_.notifier.melden(Notifier::Art::Information,
                           QStringLiteral("Error related to PDF permissions."),
                           QStringLiteral(" Error related to PDF permissions."));
        break;
    case 99:
        u_.notifier.melden(Notifier::Art::Information, QStringLiteral(" Other error."),
                           QStringLiteral("Other error."));
        break;
    default:
        break;
    }
    if (!Files::existiert(ausgabe))
        return;
    const QByteArray text = Files::lesen(ausgabe);
    if (u_.titel)
        u_.titel(QString::number(n_) + QStringLiteral("   UTF8-Datei:  ") + pfad);
    if (!text.isEmpty()) {
        hinzufuegen(text);
        stapel_ += text.size();
    }
    u_.pump.verarbeiten();
    if (stapel_ >= Stueckgroesse) {
        teileGeschrieben_ = true;
        ++k_;
        listeSchreiben(u_.ordner.temp(name_ + QStringLiteral("_UTF8Dokument") +
                                      QString::number(k_) + QStringLiteral(".txt")));
    }
    Files::loeschen(ausgabe);
    gesamtgroesse_ += text.size();
}

void PdfTextExtraktion::teileZusammenfuegen() {
    static const QRegularExpression nummer(QStringLiteral("Dokument(\\d+)\\.txt$"),
                                           QRegularExpression::CaseInsensitiveOption);
    std::map<qint64, QString> teile;
    for (const QString& datei : Files::dateien(u_.ordner.temp(), QStringLiteral(".txt"))) {
        if (!datei.toLower().contains(QLatin1String("_utf8")))
            continue;
        const auto treffer = nummer.match(datei);
        if (!treffer.hasMatch())
            continue;
        const qint64 k = treffer.captured(1).toLongLong();
        if (k >= 1 && k <= 99999)
            teile.emplace(k, datei);
    }
    Files::schreiben(dokument(), QByteArray());
    for (const auto& [k, datei] : teile) {
        const QString pfad = u_.ordner.temp(datei);
        if (u_.titel)
            u_.titel(QStringLiteral("Aufgeteilte Dateien zusammenfügen:  ") + pfad);
        Files::anhaengen(dokument(), Files::lesen(pfad));
    }
}

void PdfTextExtraktion::abschliessen() {
    if (!teileGeschrieben_)
        return;
    Files::verschieben(dokument(),
                       u_.ordner.temp(name_ + QStringLiteral("_UTF8Dokument") +
                                      QString::number(k_ + 1) + QStringLiteral(".txt")));
    teileZusammenfuegen();
}

QStringList PdfTextExtraktion::statistik(qint64 dateienInsgesamt, const QString& zeit) {
    const QLocale locale;
    const QStringList zeilen = {
        QStringLiteral(" "),
        QStringLiteral("Dateien insgesamt: ") + locale.toString(dateienInsgesamt),
        QStringLiteral("Konnten nicht indiziert werden: ") + QString::number(dateienInsgesamt - n_),
        locale.toString(n_) + QStringLiteral(" PDF-Dateien wurden indiziert.   Zeit: ") + zeit +
            QStringLiteral("  Gesamtgröße der Datei(en) : ") + ConvertBytes(gesamtgroesse_)};
    WriteToStream(TextFiles::text(zeilen), u_.ordner.datenbank(name_ + QStringLiteral(".log")),
                  TextFiles::Utf16Le);
    return zeilen;
}
