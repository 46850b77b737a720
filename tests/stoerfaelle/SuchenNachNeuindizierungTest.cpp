#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include "index/Indexlauf.h"
#include "platform/Platform.h"
#include "search/StreamSearch.h"
#include "search/Suchlauf.h"
#include "tests/common/TestUmgebung.h"

using SuchenNachNeuindizierung = StoerfallUmgebung;

// Search, re-index a changed collection, search, within one process as in the window: every
// hit names the file it came from. The search state lives across the re-index, and the
// search must not read the old document through anything it kept.
TEST_F(SuchenNachNeuindizierung, ImSelbenProzess) {
    DriveMap::global() = DriveMap();
    DriveMap::global().setzeWurzel('T', prog());
    const Programmordner ordner("T:\\");
    ProtokollNotifier notifier;
    ordner.ordnerAnlegen(notifier);
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TSuchfensterZustand fenster;
    const auto indizieren = [&] {
        Indexlauf lauf(ordner, notifier, Pump::still());
        return lauf.ausfuehren({"Akten", "T:\\Akten", "*.pdf", false}).ok;
    };
    const auto suchen = [&] {
        TSuchlauf lauf({ordner, {einstellungen, notifier, shell, Pump::still()}, fenster});
        lauf.Datenbankname = "Akten";
        fenster.TntEdit2 = "Suchwort";
        EXPECT_TRUE(lauf.OKBtnClick());
        QString ausgabe;
        for (const QString& satz : lauf.TrefferListe())
            ausgabe += Ansi::ausByteForm(satz).replace("##text##", "\t") + '\n';
        return trefferPruefen(ausgabe);
    };
    for (int i = 0; i < 10; ++i)
        akte("Akten", i);
    hauptliste();
    ASSERT_TRUE(indizieren()) << notifier.texte().join('|').toStdString();
    EXPECT_EQ(suchen().saetze, 10);

    // Three files changed, two gone, 28 new: 36 files.
    aendern(10, 38);
    hauptliste();
    ASSERT_TRUE(indizieren()) << notifier.texte().join('|').toStdString();
    const Pruefung p = suchen();
    EXPECT_EQ(p.saetze, 36) << p.fehler.toStdString();
    DriveMap::global() = DriveMap();
}
