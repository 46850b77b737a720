// "cmake --install" into a fresh prefix, then the installed programs on their own.

#include "platform/SettingsStore.h"
#include "tests/ablauf/Ablauf.h"
#include "tests/common/TestUmgebung.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

using InstallationTest = Umgebung;

TEST_F(InstallationTest, InstallierteProgrammeArbeitenOhneWeiterenSchritt) {
    const QString p = tmp_.filePath("installiert");
    const Programmlauf installation =
        programmAusfuehren(KELVORA_CMAKE, {"--install", KELVORA_BUILD, "--prefix", p});
    ASSERT_EQ(installation.code, 0) << installation.fehler.toStdString();
    for (const char* programm :
         {"bin/kelvora-pdf", "bin/kelvora", "libexec/kelvora-pdf/ErstelleDateiliste"})
        EXPECT_TRUE(QFileInfo(p + '/' + programm).isExecutable()) << programm;

    const QString eintrag = p + "/share/applications/kelvora-pdf.desktop";
    const Programmlauf pruefung = programmAusfuehren("desktop-file-validate", {eintrag});
    EXPECT_EQ(pruefung.code, 0) << pruefung.aus.toStdString();
    QFile f(eintrag);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n');
    for (const QString& erwartet :
         QStringList{"Name=Kelvora-PDF", "Comment=Volltextsuche in Sammlungen von PDF-Dateien",
                     "Exec=\"" + p + "/bin/kelvora-pdf\" --benutzerordner", "Icon=kelvora-pdf",
                     "Categories=Office;Utility;"})
        EXPECT_TRUE(zeilen.contains(erwartet)) << erwartet.toStdString();
    for (int groesse : {16, 32, 48, 256})
        EXPECT_EQ(
            QImage(p + QString("/share/icons/hicolor/%1x%1/apps/kelvora-pdf.png").arg(groesse))
                .size(),
            QSize(groesse, groesse));
    EXPECT_TRUE(Ablauf::hilfeIstHandbuch(p + "/share/doc/kelvora-pdf/Hilfe_Kelvora_PDF.pdf"));

    // The installed command line finds its lister in libexec.
    SettingsStore().SchreibeRegKey("Laufwerk_T", programmNativ_);
    Ablauf::aktenAnlegen(programmNativ_);
    Ablauf::kommandozeilePruefen(p + "/bin/kelvora", programmNativ_);
}
