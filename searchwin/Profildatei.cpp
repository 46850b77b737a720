#include "searchwin/Profildatei.h"

#include "platform/Ansi.h"
#include "platform/Files.h"

#include <QByteArrayView>

namespace {

bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

QByteArrayView getrimmt(QByteArrayView t) {
    qsizetype a = 0, e = t.size();
    while (a < e && istLeer(t.at(a)))
        ++a;
    while (e > a && istLeer(t.at(e - 1)))
        --e;
    return t.sliced(a, e - a);
}

bool gleicherName(QByteArrayView a, const QByteArray& kleinGesucht) {
    return a.size() == kleinGesucht.size() && Ansi::klein(a.toByteArray()) == kleinGesucht;
}

QString gekuerzt(QByteArrayView wert, int puffer) {
    const qsizetype hoechstens = puffer > 0 ? puffer - 1 : 0;
    return Ansi::nachUnicode(wert.first(std::min(wert.size(), hoechstens)).toByteArray());
}

} // namespace

Profildatei Profildatei::laden(const QString& pfad) {
    return Profildatei(Files::lesen(pfad));
}

QString Profildatei::GetPrivateProfileString(const QString& abschnitt, const QString& schluessel,
                                             const QString& vorgabe, int puffer) const {
    const QByteArray gesuchterAbschnitt = Ansi::klein(Ansi::ausUnicode(abschnitt.trimmed()));
    const QByteArray gesuchterSchluessel = Ansi::klein(Ansi::ausUnicode(schluessel.trimmed()));
    const QByteArrayView text(inhalt_);
    bool imAbschnitt = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype ende = text.indexOf('\n', start);
        if (ende < 0)
            ende = text.size();
        const QByteArrayView zeile = getrimmt(text.sliced(start, ende - start));
        start = ende + 1;
        if (zeile.startsWith('[')) {
            // The first section of the name is the one that counts.
            if (imAbschnitt)
                break;
            qsizetype zu = zeile.indexOf(']');
            if (zu < 0)
                zu = zeile.size();
            imAbschnitt = gleicherName(getrimmt(zeile.sliced(1, zu - 1)), gesuchterAbschnitt);
            continue;
        }
        if (!imAbschnitt)
            continue;
        const qsizetype gleich = zeile.indexOf('=');
        if (gleich < 0 || !gleicherName(getrimmt(zeile.first(gleich)), gesuchterSchluessel))
            continue;
        QByteArrayView wert = getrimmt(zeile.sliced(gleich + 1));
        if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') &&
            wert.back() == wert.front())
            wert = wert.sliced(1, wert.size() - 2);
        return gekuerzt(wert, puffer);
    }
    return gekuerzt(QByteArrayView(Ansi::ausUnicode(vorgabe)), puffer);
}
