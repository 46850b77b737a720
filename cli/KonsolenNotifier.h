#pragma once

#include "platform/Notifier.h"

#include <QTextStream>

// Messages on the terminal. Questions are asked at the prompt when the input is a
// terminal; otherwise they take the given answer without asking.
class KonsolenNotifier : public Notifier {
public:
    KonsolenNotifier(QTextStream& ausgabe, QTextStream& eingabe, bool interaktiv, bool antwort);

    void melden(Art art, const QString& text, const QString& titel) override;
    bool fragen(const QString& text, const QString& titel) override;

private:
    QTextStream& ausgabe_;
    QTextStream& eingabe_;
    bool interaktiv_;
    bool antwort_;
};
