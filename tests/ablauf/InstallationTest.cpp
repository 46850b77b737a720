// "cmake --install" into a fresh prefix, then the installed programs on their own.

#include "tests/ablauf/Ablauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using InstallationTest = Umgebung;

TEST_F(InstallationTest, InstallierteProgrammeArbeitenOhneWeiterenSchritt) {
    const QString p = tmp_.filePath("installiert");
    const Ablauf::Ergebnis installation = Ablauf::ausfuehren(
        QStringLiteral(KELVORA_CMAKE), {QStringLiteral("--install"), QStringLiteral(KELVORA_BUILD),
                                        QStringLiteral("--prefix"), p});
    ASSERT_EQ(installation.code, 0) << installation.fehler.toStdString();

    for (const char* programm :
         {"bin/kelvora-pdf", "bin/kelvora", "libexec/kelvora-pdf/ErstelleDateiliste"})
        EXPECT_TRUE(QFileInfo(p + '/' + programm).isExecutable()) << programm;

    const QString eintrag = p + QStringLiteral("/share/applications/kelvora-pdf.desktop");
    const Ablauf::Ergebnis pruefung =
        Ablauf::ausfuehren(QStringLiteral("desktop-file-validate"), {eintrag});
    EXPECT_EQ(pruefung.code, 0) << pruefung.aus.toStdString();
    QFile f(eintrag);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n');
    for (const QString& erwartet :
         {QStringLiteral("Name=Kelvora-PDF"),
          QStringLiteral("Comment=Volltextsuche in Sammlungen von PDF-Dateien"),
          QStringLiteral("Exec=\"") + p + QStringLiteral("/bin/kelvora-pdf\" --benutzerordner"),
          QStringLiteral("Icon=kelvora-pdf"), QStringLiteral("Categories=Office;Utility;")})
        EXPECT_TRUE(zeilen.contains(erwartet)) << erwartet.toStdString();

    for (int groesse : {16, 32, 48, 256}) {
        const QImage symbol(
            p + QStringLiteral("/share/icons/hicolor/%1x%1/apps/kelvora-pdf.png").arg(groesse));
        EXPECT_EQ(symbol.size(), QSize(groesse, groesse)) << groesse;
    }
    EXPECT_TRUE(Ablauf::hilfeIstHandbuch(p + "/share/doc/kelvora-pdf/Hilfe_Kelvora_PDF.pdf"));

    // The installed command line finds its lister in libexec.
    SettingsStore einstellungen;
    einstellungen.SchreibeRegKey(QStringLiteral("Laufwerk_T"), programmNativ_);
    QDir().mkpath(nativ("Akten/Unter"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Erste Nummer"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Unter/b.pdf"), {"Zweite Nummer"}));
    Ablauf::kommandozeilePruefen(p + "/bin/kelvora", programmNativ_, nativ("Akten"), "Erste Nummer",
                                 "Zweite Nummer");
}
