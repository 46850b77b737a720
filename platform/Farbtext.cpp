#include "platform/Farbtext.h"

#include <array>

namespace Farbtext {
namespace {

struct Name {
    Farbwert wert;
    const char* name;
};

constexpr std::array<Name, 47> namen = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x8000000A, "clActiveBorder"},
    {0x80000002, "clActiveCaption"},
    {0x8000000C, "clAppWorkSpace"},
    {0x80000001, "clBackground"},
    {0x8000000F, "clBtnFace"},
    {0x80000014, "clBtnHighlight"},
    {0x80000010, "clBtnShadow"},
    {0x80000012, "clBtnText"},
    {0x80000009, "clCaptionText"},
    {0x20000000, "clDefault"},
    {0x80000011, "clGrayText"},
    {0x8000000D, "clHighlight"},
    {0x8000000E, "clHighlightText"},
    {0x8000000B, "clInactiveBorder"},
    {0x80000003, "clInactiveCaption"},
    {0x80000013, "clInactiveCaptionText"},
    {0x80000018, "clInfoBk"},
    {0x80000017, "clInfoText"},
    {0x80000004, "clMenu"},
    {0x80000007, "clMenuText"},
    {0x1FFFFFFF, "clNone"},
    {0x80000000, "clScrollBar"},
    {0x80000015, "cl3DDkShadow"},
    {0x80000016, "cl3DLight"},
    {0x80000005, "clWindow"},
    {0x80000006, "clWindowFrame"},
    {0x80000008, "clWindowText"},
}};

} // namespace

QString text(Farbwert farbe) {
    for (const Name& n : namen)
        if (n.wert == farbe)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$") + QStringLiteral("%1").arg(farbe, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<Farbwert> wert(const QString& text) {
    const QString t = text.trimmed();
    for (const Name& n : namen)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.wert;
    bool ok = false;
    Farbwert w = 0;
    if (t.startsWith(QLatin1Char('$')))
        w = t.mid(1).toUInt(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        w = t.mid(2).toUInt(&ok, 16);
    else
        w = static_cast<Farbwert>(t.toLongLong(&ok));
    if (!ok)
        return std::nullopt;
    return w;
}

} // namespace Farbtext
