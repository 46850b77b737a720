// Draws the search window with a small loaded database into a PNG file, so that a person
// can look at it: suchfenster_bild [ZIELDATEI], best under Xvfb for the real fonts.

#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "viewer/TextViewer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

class Speicher : public SettingsStore {
public:
    QString LeseRegKey(const QString& name) const override { return werte.value(name); }
    void SchreibeRegKey(const QString& name, const QString& text) override {
        werte.insert(name, text);
    }
    QHash<QString, QString> werte;
};

bool schreibe(const QString& pfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

QByteArray dokument(QByteArray& titel) {
    const char* dateien[] = {"T:\\Akten\\Gartenbau.pdf", "T:\\Akten\\Rosen im M\xC3\xA4rz.pdf",
                             "T:\\Akten\\Obstb\xC3\xA4ume.pdf"};
    QByteArray text;
    for (const char* datei : dateien) {
        text += " \r\n \r\n \r\n";
        // The title file holds the path in its byte form, UTF-8 encoded once more.
        titel +=
            QByteArray::number(text.size()) + " #" + Ansi::nachUnicode(datei).toUtf8() + "\r\n";
        text += QByteArray("#") + datei + "\r\n==========\r\n";
        for (int i = 1; i <= 12; ++i)
            text +=
                "Absatz " + QByteArray::number(i) +
                ": Rote Rosen und \xC3\x84pfel wachsen im Garten, die B\xC3\xA4ume bl\xC3\xBChen "
                "im Fr\xC3\xBChling.\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString ziel =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("suchfenster.png");
    QTemporaryDir tmp;
    DriveMap::global().setzeWurzel(QLatin1Char('T'), tmp.path());
    const QString db = tmp.filePath(QStringLiteral("Datenbank/"));
    QByteArray titel;
    const QByteArray text = dokument(titel);
    if (!schreibe(db + QStringLiteral("Garten_UTF8Dokument.txt"), text) ||
        !schreibe(db + QStringLiteral("Garten_Utf8_TitelPositionen.txt"), titel) ||
        !schreibe(tmp.filePath(QStringLiteral("Adressen_Webseiten.txt")),
                  "[Themen1]\r\nListe=Suchmaschinen, Lexika\r\n[Suchmaschinen]\r\n"
                  "Liste=https://duckduckgo.com/?q=, https://www.startpage.com\r\n"
                  "[Lexika]\r\nListe=https://de.wikipedia.org/wiki/\r\n")) {
        std::fprintf(stderr, "Die Beispieldateien lassen sich nicht schreiben.\n");
        return 1;
    }
    Speicher einstellungen;
    einstellungen.werte.insert(QStringLiteral("Themen-Webseite"), QStringLiteral("1"));
    ProtokollNotifier notifier;
    ProtokollShell shell;
    const Programmordner ordner(QStringLiteral("T:\\"));
    ordner.ordnerAnlegen(notifier);
    TSuchForm form(Dienste{einstellungen, notifier, shell, Pump::still()}, ordner);
    form.setDatenbank(QStringLiteral("Garten"));
    form.resize(1100, 640);
    form.show();
    form.activateWindow();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    form.UTF8LadenButton->click();
    form.TntEdit2->setText(QStringLiteral("Rote Rosen"));
    form.TntEdit1->setText(QStringLiteral("Rosen im"));
    form.WeiterSucheClick();
    form.Timer2Timer();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    if (!form.grab().save(ziel)) {
        std::fprintf(stderr, "%s lässt sich nicht schreiben.\n", qPrintable(ziel));
        return 1;
    }
    std::printf("%s\n", qPrintable(ziel));
    return 0;
}
