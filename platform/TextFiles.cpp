#include "platform/TextFiles.h"

#include "platform/Ansi.h"
#include "platform/Files.h"

#include <QFile>

namespace TextFiles {

QByteArray kodieren(const QString& text, int codePage) {
    switch (codePage) {
    case Utf16Le: {
        QByteArray out;
        out.resize(2 + text.size() * 2);
        char* o = out.data();
        o[0] = '\xFF';
        o[1] = '\xFE';
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            o[2 + 2 * i] = static_cast<char>(c & 0xFF);
            o[3 + 2 * i] = static_cast<char>(c >> 8);
        }
        return out;
    }
    case Ansi:
        return Ansi::ausUnicode(text);
    default:
        return text.toUtf8();
    }
}

namespace {
QString utf16(const QByteArray& bytes, qsizetype ab, bool bigEndian) {
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype einheiten = (bytes.size() - ab) / 2;
    QString out(einheiten, Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype i = 0; i < einheiten; ++i) {
        const unsigned char a = d[ab + 2 * i], b = d[ab + 2 * i + 1];
        o[i] = QChar(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    return out;
}
} // namespace

QString dekodieren(const QByteArray& bytes, OhneBom ohneBom) {
    if (bytes.startsWith("\xFF\xFE"))
        return utf16(bytes, 2, false);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16(bytes, 2, true);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Ansi::utf8Tolerant(bytes.constData() + 3, bytes.size() - 3);
    return ohneBom == OhneBom::Ansi ? Ansi::nachUnicode(bytes) : Ansi::utf8Tolerant(bytes);
}

QStringList zeilen(const QString& text) {
    QStringList out;
    const QChar* d = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = d[i].unicode();
        if (c == u'\r' || c == u'\n') {
            out.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && d[i + 1] == QLatin1Char('\n'))
                ++i;
            ++i;
            start = i;
        } else
            ++i;
    }
    if (start < n)
        out.append(text.mid(start));
    return out;
}

QString text(const QStringList& zeilen) {
    qsizetype laenge = 0;
    for (const QString& z : zeilen)
        laenge += z.size() + 2;
    QString out;
    out.reserve(laenge);
    for (const QString& z : zeilen) {
        out += z;
        out += QLatin1String("\r\n");
    }
    return out;
}

} // namespace TextFiles

bool WriteToStream(const QString& text, const QString& pfad, int codePage) {
    return Files::schreiben(pfad, TextFiles::kodieren(text, codePage));
}

bool WriteToStreamFluechtig(const QString& text, const QString& pfad, int codePage) {
    const QString n = Files::nativ(pfad);
    if (n.isEmpty())
        return false;
    const QByteArray bytes = TextFiles::kodieren(text, codePage);
    // Written over the old file and cut to length: file systems such as ext4 take far longer
    // to empty a file, or to delete it and create it anew, than to write over its blocks.
    QFile f(n);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const bool ok = f.write(bytes) == bytes.size() && f.resize(bytes.size());
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

QString ReadTextFile(const QString& pfad, TextFiles::OhneBom ohneBom) {
    return TextFiles::dekodieren(Files::lesen(pfad), ohneBom);
}
