#include "tests/common/Programmlauf.h"
#include "tests/search/Suchdaten.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

class FremdeTexteTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        dat("Akten", "T:\\Akten");
        QSettings s(tmp_.filePath("config/Dorwent/Kelvora-PDF.conf"), QSettings::IniFormat);
        s.setValue("Laufwerk_T", nativ());
    }

    Programmlauf kelvora(const QStringList& argumente) {
        return programmAusfuehren(KELVORA_CLI,
                                  QStringList{"--dir", nativ(), "search", "Akten"} + argumente);
    }
    QString seite() const { return QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm")); }
    // The file names the page links, in order.
    QStringList links() const {
        QStringList out;
        static const QRegularExpression link(">file:///T:/Akten/([^<]*)</a>");
        for (auto it = link.globalMatch(seite()); it.hasNext();)
            out << it.next().captured(1);
        return out;
    }
};

// The page holds no markup but its own; the command line prints the texts as they are.
TEST_F(FremdeTexteTest, MarkupAusPdfTextUndDateinamenBleibtText) {
    const QString boese = "Akten/a\" onmouseover=\"x.pdf";
    pdf(boese);
    utf8Datenbank("Akten",
                  {{win(boese), "Vertrag <script>alert(1)</script> & <i>kursiv</i> \"z\""}});
    const Programmlauf l = kelvora({"Vertrag"});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    for (const char* roh : {"<script>", "<i>", "\" onmouseover", "& "})
        EXPECT_FALSE(seite().contains(QString::fromUtf8(roh))) << roh;
    EXPECT_TRUE(seite().contains("<a href=\"file://" + nativ() +
                                 "/Akten/a%22%20onmouseover=%22x.pdf\" target=\"_blank\">"
                                 "file:///T:/Akten/a&quot; onmouseover=&quot;x.pdf</a>"));
    EXPECT_TRUE(seite().contains("<b>Vertrag</b> &lt;script&gt;alert(1)&lt;/script&gt; &amp; "
                                 "&lt;i&gt;kursiv&lt;/i&gt; &quot;z&quot;"));
    EXPECT_TRUE(l.aus.contains(win(boese) + "\tVertrag <script>alert(1)</script>"));
}

// A PDF whose text holds another file's header line keeps its hits, also the one in that line;
// the other file keeps its own. A header's "#" belongs to its own file; the search goes on after
// the next header's "#", so that header's own hit is passed over.
TEST_F(FremdeTexteTest, KopfzeileImPdfTextGibtSichNichtAlsDateiAus) {
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf"})
        pdf(QStringLiteral("Akten/") + n);
    const QByteArray falsch = "#" + win("Akten\\b.pdf").toUtf8();
    utf8Datenbank("Akten", {{win("Akten\\a.pdf"),
                             "erst Vertrag\n siehe\n" + falsch + "\ndann noch ein Vertrag\n"},
                            {win("Akten\\b.pdf"), "hier kein Treffer\n"},
                            {win("Akten\\c.pdf"), "der letzte Vertrag\n"}});
    const std::pair<const char*, QStringList> faelle[] = {{"Vertrag", {"a.pdf", "c.pdf"}},
                                                          {"dann noch", {"a.pdf"}},
                                                          {"Akten\\b.pdf", {"a.pdf", "b.pdf"}},
                                                          {"#T:", {"a.pdf", "c.pdf"}}};
    for (const auto& [suchtext, dateien] : faelle) {
        const Programmlauf l = kelvora({suchtext});
        ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
        EXPECT_EQ(links(), dateien) << suchtext;
        EXPECT_EQ(l.aus.count('\t'), dateien.size()) << suchtext;
    }
}

// A full disk under a page or the hit lines fails the search with a message; no old page is
// offered.
TEST_F(FremdeTexteTest, VolleFestplatteBeimSchreibenDerSeite) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "kein /dev/full";
    QList<Datei> d;
    for (int i = 0; i < 30; ++i) {
        pdf(QStringLiteral("Akten/f%1.pdf").arg(i));
        d << Datei{win(QStringLiteral("Akten\\f%1.pdf").arg(i)), "ein Vertrag"};
    }
    utf8Datenbank("Akten", d);
    ASSERT_EQ(kelvora({"Vertrag"}).code, 0);
    for (const char* name : {"Kelvora_Ergebnis.htm", "Kelvora_Ergebnis2.htm"}) {
        SCOPED_TRACE(name);
        QFile::remove(nativ("Datenbank/Temp/") + name);
        ASSERT_TRUE(QFile::link("/dev/full", nativ("Datenbank/Temp/") + name));
        const Programmlauf l = kelvora({"Vertrag"});
        EXPECT_EQ(l.code, 1);
        EXPECT_TRUE(l.aus.isEmpty()) << l.aus.toStdString();
        EXPECT_EQ(l.fehler, "Fehler: Die Ergebnisseite " + win("Datenbank\\Temp\\") + name +
                                " kann nicht geschrieben werden.\n");
        EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).entryList({"*.htm"}, QDir::Files).isEmpty());
        ASSERT_EQ(kelvora({"Vertrag"}).code, 0);
    }
    QProcess p;
    p.setStandardOutputFile("/dev/full");
    p.start(QStringLiteral(KELVORA_CLI), {"--dir", nativ(), "search", "Akten", "Vertrag"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              "Die Ausgabe der Treffer kann nicht geschrieben werden.\n");
}
