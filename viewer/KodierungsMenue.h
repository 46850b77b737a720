#pragma once

#include "viewer/Codepages.h"

#include <QMenu>

#include <functional>

// The code page menu: the six entries without a group at the top, then one submenu per
// catalogue group. The current entry is checked; entries the system cannot convert are
// disabled, except the UTF-16 ones, which need no code page.
class TKodierungsMenue : public QMenu {
public:
    TKodierungsMenue(TTextEncoding aktuell, std::function<void(TTextEncoding)> gewaehlt,
                     QWidget* parent = nullptr);

private:
    void eintrag(QMenu* ziel, TTextEncoding e, const QString& text, TTextEncoding aktuell);

    std::function<void(TTextEncoding)> gewaehlt_;
};
