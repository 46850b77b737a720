#pragma once

#include <QString>
#include <QStringList>

#include <deque>

// Every message the user must see goes through here: the windows show message boxes,
// the command line prints, tests answer and record.
class Notifier {
public:
    enum class Art { Information, Warnung, Fehler, Frage };

    virtual ~Notifier() = default;

    // The caption defaults to the application title "Kelvora-PDF".
    virtual void melden(Art art, const QString& text, const QString& titel) = 0;
    // Yes/No question; true means Yes.
    virtual bool fragen(const QString& text, const QString& titel) = 0;

    void information(const QString& text, const QString& titel = QString()) {
        melden(Art::Information, text, titel);
    }
    void warnung(const QString& text, const QString& titel = QString()) {
        melden(Art::Warnung, text, titel);
    }
    void fehler(const QString& text, const QString& titel = QString()) {
        melden(Art::Fehler, text, titel);
    }
    bool frage(const QString& text, const QString& titel = QString()) {
        return fragen(text, titel);
    }

    static QString standardTitel() { return QStringLiteral("Kelvora-PDF"); }
};

// Records every message and answers questions from a script (Yes when it runs out,
// unless told otherwise).
class ProtokollNotifier : public Notifier {
public:
    struct Meldung {
        Art art;
        QString text;
        QString titel;
    };

    void melden(Art art, const QString& text, const QString& titel) override;
    bool fragen(const QString& text, const QString& titel) override;

    void antworten(bool ja) { antworten_.push_back(ja); }
    void setStandardAntwort(bool ja) { standardAntwort_ = ja; }

    const std::vector<Meldung>& meldungen() const { return meldungen_; }
    QStringList texte() const;
    void leeren() { meldungen_.clear(); }

private:
    std::vector<Meldung> meldungen_;
    std::deque<bool> antworten_;
    bool standardAntwort_ = true;
};
