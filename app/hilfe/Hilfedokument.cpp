// Writes the help document at build time: the German manual, kept as Markdown in the
// repository, laid out by Qt's text document on A4 pages with page numbers; the text
// document keeps its own margin of 2 cm, so the page has none.
// Usage: Hilfedokument QUELLE.md ZIEL.pdf

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

// Headings a little larger than the text, each chapter on a new page.
void ueberschriftenSetzen(QTextDocument& dokument) {
    bool ersteSeite = true;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        const int ebene = block.blockFormat().headingLevel();
        if (ebene == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat absatz = block.blockFormat();
        absatz.setTopMargin(ebene == 1 ? 0 : 12);
        absatz.setBottomMargin(6);
        if (ebene == 1 && !ersteSeite)
            absatz.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        ersteSeite = false;
        cursor.setBlockFormat(absatz);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat zeichen;
        zeichen.setFontPointSize(ebene == 1 ? 17 : 13);
        zeichen.setFontWeight(QFont::Bold);
        cursor.mergeCharFormat(zeichen);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: Hilfedokument QUELLE.md ZIEL.pdf\n");
        return 2;
    }
    QFile quelle(QString::fromLocal8Bit(argv[1]));
    if (!quelle.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Quelle nicht lesbar: %s\n", argv[1]);
        return 1;
    }
    QTextDocument dokument;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPointSizeF(10.5);
    dokument.setDefaultFont(schrift);
    dokument.setMarkdown(QString::fromUtf8(quelle.readAll()));
    ueberschriftenSetzen(dokument);

    // Written beside the target and renamed, so a failed run leaves no half document.
    QSaveFile ziel(QString::fromLocal8Bit(argv[2]));
    if (!ziel.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "Ziel nicht schreibbar: %s\n", argv[2]);
        return 1;
    }
    {
        QPdfWriter pdf(&ziel);
        pdf.setTitle(QStringLiteral("Kelvora-PDF – Hilfe"));
        pdf.setCreator(QStringLiteral("Kelvora-PDF"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        dokument.print(&pdf);
    }
    if (!ziel.commit()) {
        std::fprintf(stderr, "Ziel nicht schreibbar: %s\n", argv[2]);
        return 1;
    }
    return 0;
}
