#pragma once

#include "platform/Notifier.h"

class QWidget;

// Modal message boxes with German buttons.
class MessageBoxNotifier : public Notifier {
public:
    void melden(Art art, const QString& text, const QString& titel) override;
    bool fragen(const QString& text, const QString& titel) override;
};
