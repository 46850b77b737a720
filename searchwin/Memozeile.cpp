#include "searchwin/Memozeile.h"

#include "platform/Ansi.h"

namespace Memozeile {

namespace {

bool folgebyte(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

QString Utf8Tolerant(const QByteArray& bytes) {
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    qsizetype i = 0;
    auto roh = [&out, d](qsizetype von, qsizetype bis) {
        for (qsizetype k = von; k < bis; ++k)
            out.append(QChar(Ansi::zeichen(d[k])));
    };
    while (i < n) {
        const unsigned char b = d[i];
        if (b < 0x80) {
            out.append(QChar(static_cast<char16_t>(b)));
            ++i;
            continue;
        }
        const qsizetype laenge = (b & 0x20) ? 3 : 2;
        qsizetype k = i + 1;
        while (k < i + laenge && k < n && folgebyte(d[k]))
            ++k;
        if (k < i + laenge) {
            roh(i, k);
            i = k;
            continue;
        }
        // The lead's bits above the 16 of a UTF-16 unit fall away, as in the unit itself.
        const char16_t wert =
            laenge == 3 ? static_cast<char16_t>(((b & 0x3F) << 12) | ((d[i + 1] & 0x3F) << 6) |
                                                (d[i + 2] & 0x3F))
                        : static_cast<char16_t>(((b & 0x3F) << 6) | (d[i + 1] & 0x3F));
        out.append(QChar(wert));
        i += laenge;
    }
    return out;
}

QString ausBytes(const QByteArray& zeile, Dokumentvariante anzeige) {
    switch (anzeige) {
    case Dokumentvariante::Ansi:
        return Utf8Tolerant(zeile);
    case Dokumentvariante::Utf8: {
        QString text = Ansi::utf8Tolerant(zeile);
        // Two combining signs become blanks, so that nothing joins the character before
        // them and the memo's columns stay those of the viewer's line.
        text.replace(QChar(0x0C00), QLatin1Char(' '));
        text.replace(QChar(0x0C4D), QLatin1Char(' '));
        return text;
    }
    case Dokumentvariante::Unicode: {
        QString text(zeile.size() / 2, Qt::Uninitialized);
        const auto* d = reinterpret_cast<const unsigned char*>(zeile.constData());
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(static_cast<char16_t>(d[2 * i] | (d[2 * i + 1] << 8)));
        return text;
    }
    case Dokumentvariante::Keine:
        break;
    }
    return Ansi::nachUnicode(zeile);
}

QString ausViewerzeile(const QString& zeile, Dokumentvariante anzeige) {
    if (anzeige == Dokumentvariante::Unicode)
        return zeile;
    return ausBytes(Ansi::ausUnicode(zeile), anzeige);
}

} // namespace Memozeile
