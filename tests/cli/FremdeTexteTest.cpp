// The real "kelvora search" against hostile databases and faults: PDF text and file names
// holding markup, PDF text that holds another file's header line, a result page that cannot
// be written.

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

TEST_F(FremdeTexteTest, MarkupAusPdfTextUndDateinamenBleibtText) {
    const QString boese = "Akten/a\" onmouseover=\"x.pdf";
    pdf(boese);
    pdf("Akten/b.pdf");
    utf8Datenbank("Akten",
                  {{win(boese), "Vertrag <script>alert(1)</script> & <i>kursiv</i> \"zitiert\""},
                   {win("Akten\\b.pdf"), "Tom & Jerry <b>Vertrag</b>"}});
    const Programmlauf l = kelvora({"Vertrag"});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QString s = seite();
    // The page holds no markup but its own.
    for (const char* roh : {"<script>", "<i>", "\" onmouseover", "& "})
        EXPECT_FALSE(s.contains(QString::fromUtf8(roh))) << roh;
    EXPECT_TRUE(s.contains("<a href=\"file://" + nativ() +
                           "/Akten/a%22%20onmouseover=%22x.pdf\" target=\"_blank\">"
                           "file:///T:/Akten/a&quot; onmouseover=&quot;x.pdf</a>"));
    EXPECT_TRUE(s.contains("<b>Vertrag</b> &lt;script&gt;alert(1)&lt;/script&gt; &amp; "
                           "&lt;i&gt;kursiv&lt;/i&gt; &quot;zitiert&quot;"));
    EXPECT_TRUE(s.contains("Tom &amp; Jerry &lt;b&gt;<b>Vertrag</b>&lt;/b&gt;"));
    // The command line prints the texts as they are.
    EXPECT_TRUE(l.aus.contains(win(boese) + "\tVertrag <script>alert(1)</script>"));

    ASSERT_EQ(kelvora({"<i>kursiv"}).code, 0);
    EXPECT_TRUE(seite().contains("\"<u>&lt;i&gt;kursiv\"</u>"));
    EXPECT_TRUE(seite().contains("&amp; <b>&lt;i&gt;kursiv</b>&lt;/i&gt;"));
}

// A PDF whose text holds another file's header line: its hits stay its own, it gives one
// record, and the other file keeps its own hit. A hit at a header's own "#" belongs to that
// header's file.
TEST_F(FremdeTexteTest, KopfzeileImPdfTextGibtSichNichtAlsDateiAus) {
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf"})
        pdf(QStringLiteral("Akten/") + n);
    const QByteArray falsch = "#" + win("Akten\\b.pdf").toUtf8();
    utf8Datenbank("Akten", {{win("Akten\\a.pdf"),
                             "erst Vertrag\n siehe\n" + falsch + "\ndann noch ein Vertrag\n"},
                            {win("Akten\\b.pdf"), "hier kein Treffer\n"},
                            {win("Akten\\c.pdf"), "der letzte Vertrag\n"}});
    // Found only after the false header line, the hit is still a.pdf's. The false line's hit
    // is a.pdf's; b.pdf's own header line gives b.pdf's. A header's "#" belongs to its own
    // file, the first one's too; the search goes on after the "#" of the next file's header,
    // so that header's own hit is passed over.
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

// A page that cannot be written (the disk is full) fails the search: a message names the
// page, the exit status is not 0, and the page of the previous search is not offered.
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
    // The hit lines into a full disk: the command fails too.
    QProcess p;
    p.setStandardOutputFile("/dev/full");
    p.start(QStringLiteral(KELVORA_CLI), {"--dir", nativ(), "search", "Akten", "Vertrag"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              "Die Ausgabe der Treffer kann nicht geschrieben werden.\n");
}
