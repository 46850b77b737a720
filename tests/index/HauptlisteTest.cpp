#include "index/Hauptliste.h"

#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

TEST(Hauptliste, Endungsplaetze) {
    const std::pair<const char*, QStringList> faelle[] = {
        {"*.PDF", {".pdf", ".", ".", ".", "."}},
        {" *.pdf *.txt ", {".pdf", ".txt", ".", ".", "."}},
        {"*.a *.b *.c *.d *.e *.f", {".a", ".b", ".c", ".d", ".e"}},
        {"", {".", ".", ".", ".", "."}}};
    for (const auto& [feld, plaetze] : faelle)
        EXPECT_EQ(Hauptliste::endungsplaetze(feld), plaetze) << feld;
}

TEST(Hauptliste, FilterMitTeilzeichenketteUndDittozeilen) {
    const QStringList liste = {"D:\\Akten\\a.pdf",       "\" b.Pdf",          "\" c.txt",
                               "D:\\Akten2\\d.pdf",      "D:\\Andere\\e.pdf", "\" f.pdf",
                               "D:\\Akten\\Unter\\g.PDF"};
    const QStringList pdf = Hauptliste::endungsplaetze("*.PDF");
    EXPECT_EQ(Hauptliste::filtern(liste, "D:\\Akten", pdf, Pump::still()),
              (QStringList{"D:\\Akten\\a.pdf", "D:\\Akten\\b.Pdf", "D:\\Akten2\\d.pdf",
                           "D:\\Akten\\Unter\\g.PDF"}));
    // Two equal slots add a file twice.
    EXPECT_EQ(Hauptliste::filtern({"D:\\Akten\\a.pdf"}, "D:\\",
                                  Hauptliste::endungsplaetze("*.pdf *.pdf"), Pump::still()),
              (QStringList{"D:\\Akten\\a.pdf", "D:\\Akten\\a.pdf"}));
}

// The head line keeps a blank for every empty slot; paths in byte form.
TEST(Hauptliste, DatInByteForm) {
    const QString text =
        Hauptliste::datText("D:\\Ä", Hauptliste::endungsplaetze("*.pdf *.txt"), {"D:\\Ä\\ö.pdf"});
    EXPECT_EQ(text.toUtf8(),
              QByteArray("PFAD_UND_ENDUNGEN= D:\\\xC3\x83\xE2\x80\x9E *.pdf *.txt   \r\n"
                         "D:\\\xC3\x83\xE2\x80\x9E\\\xC3\x83\xC2\xB6.pdf\r\n"));
}
