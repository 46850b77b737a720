#pragma once

#include <QObject>

#include <sys/types.h>

class QSocketNotifier;

// Window messages from outside the process. A message is the signal SIGUSR1 sent with
// sigqueue(); its value is the message's first parameter (kill -q 99 -s USR1 PID).
class Fensternachricht : public QObject {
    Q_OBJECT
public:
    static constexpr int Schliessnachricht = 5735;

    explicit Fensternachricht(QObject* parent = nullptr);
    ~Fensternachricht() override;

    static bool senden(pid_t pid, int parameter);

Q_SIGNALS:
    void empfangen(int nachricht, int parameter);

private:
    void lesen();
    QSocketNotifier* notifier_ = nullptr;
};
