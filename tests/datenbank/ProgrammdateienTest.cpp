#include "datenbank/Programmdateien.h"

#include "platform/Notifier.h"
#include "platform/Shell.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>

using ProgrammdateienTest = Umgebung;

// Program folder first, then the copy beside the program (the build writes it there),
// then the installed one.
TEST_F(ProgrammdateienTest, HilfeReihenfolgeDerOrte) {
    const Programmordner ordner(win("Daten\\"));
    QDir().mkpath(nativ("Daten"));
    QDir().mkpath(nativ("inst/bin"));
    const QString bin = nativ("inst/bin");
    const QStringList orte{nativ("Daten/Hilfe_Kelvora_PDF.pdf"),
                           nativ("inst/bin/Hilfe_Kelvora_PDF.pdf"),
                           nativ("inst/share/doc/kelvora-pdf/Hilfe_Kelvora_PDF.pdf")};
    EXPECT_TRUE(Programmdateien::hilfe(ordner, bin).gefunden.isEmpty());
    EXPECT_EQ(Programmdateien::hilfe(ordner, bin).orte, orte);
    const char* dateien[] = {"inst/share/doc/kelvora-pdf/Hilfe_Kelvora_PDF.pdf",
                             "inst/bin/Hilfe_Kelvora_PDF.pdf", "Daten/Hilfe_Kelvora_PDF.pdf"};
    const QString erwartet[] = {orte[2], orte[1], win("Daten\\Hilfe_Kelvora_PDF.pdf")};
    for (int i = 0; i < 3; ++i) {
        schreibe(dateien[i], "%PDF-1.4");
        EXPECT_EQ(Programmdateien::hilfe(ordner, bin).gefunden, erwartet[i]) << dateien[i];
    }
}

TEST_F(ProgrammdateienTest, HilfeOeffnenUndMeldungen) {
    const Programmordner ordner(win());
    const QString bin = nativ("bin");
    ProtokollNotifier notifier;
    ProtokollShell shell;
    Programmdateien::hilfeOeffnen(ordner, bin, shell, notifier);
    EXPECT_TRUE(shell.aufrufe.empty());
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].text,
              "Die Hilfe \"Hilfe_Kelvora_PDF.pdf\" ist nicht vorhanden! Gesucht wurde in:\n" +
                  nativ("Hilfe_Kelvora_PDF.pdf") + "\n" + nativ("bin/Hilfe_Kelvora_PDF.pdf") +
                  "\n" + nativ("share/doc/kelvora-pdf/Hilfe_Kelvora_PDF.pdf"));

    schreibe("bin/Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    notifier.leeren();
    Programmdateien::hilfeOeffnen(ordner, bin, shell, notifier);
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell.aufrufe[0].programm, nativ("bin/Hilfe_Kelvora_PDF.pdf"));
    EXPECT_TRUE(notifier.meldungen().empty());

    // Nothing on this system shows PDF files.
    shell.erfolg = false;
    Programmdateien::hilfeOeffnen(ordner, bin, shell, notifier);
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Warnung);
    EXPECT_EQ(notifier.meldungen()[0].text,
              "Die Hilfe kann nicht angezeigt werden, weil kein Programm für PDF-Dateien "
              "gestartet werden konnte. Sie liegt hier:\n" +
                  nativ("bin/Hilfe_Kelvora_PDF.pdf"));
}
