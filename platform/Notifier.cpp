#include "platform/Notifier.h"

void ProtokollNotifier::melden(Art art, const QString& text, const QString& titel) {
    meldungen_.push_back({art, text, titel});
}

bool ProtokollNotifier::fragen(const QString& text, const QString& titel) {
    meldungen_.push_back({Art::Frage, text, titel});
    if (antworten_.empty())
        return standardAntwort_;
    const bool ja = antworten_.front();
    antworten_.pop_front();
    return ja;
}

QStringList ProtokollNotifier::texte() const {
    QStringList out;
    for (const Meldung& m : meldungen_)
        out.append(m.text);
    return out;
}
