#include "viewer/KodierungsMenue.h"

TKodierungsMenue::TKodierungsMenue(TTextEncoding aktuell,
                                   std::function<void(TTextEncoding)> gewaehlt, QWidget* parent)
    : QMenu(parent), gewaehlt_(std::move(gewaehlt)) {
    for (int e = encANSI; e <= encMac; ++e)
        eintrag(this, TTextEncoding(e), EncodingName(TTextEncoding(e)), aktuell);
    addSeparator();
    for (int g = 1; g <= GruppenAnzahl; ++g) {
        QMenu* gruppe = addMenu(GroupName(g));
        for (int e = 0; e < EncodingAnzahl; ++e)
            if (EncodingGroup(TTextEncoding(e)) == g)
                eintrag(gruppe, TTextEncoding(e), EncodingShortName(TTextEncoding(e)), aktuell);
    }
}

void TKodierungsMenue::eintrag(QMenu* ziel, TTextEncoding e, const QString& text,
                               TTextEncoding aktuell) {
    QAction* a = ziel->addAction(text);
    a->setCheckable(true);
    a->setChecked(e == aktuell);
    a->setEnabled(EncodingAvailable(e) || EncodingCharSize(e) == 2);
    connect(a, &QAction::triggered, this, [this, e] {
        if (gewaehlt_)
            gewaehlt_(e);
    });
}
