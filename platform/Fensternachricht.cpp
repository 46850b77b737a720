#include "platform/Fensternachricht.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeEnden[2] = {-1, -1};

void signalEmpfangen(int, siginfo_t* info, void*) {
    const int wert = info ? info->si_value.sival_int : 0;
    [[maybe_unused]] const auto n = ::write(pipeEnden[1], &wert, sizeof wert);
}

} // namespace

Fensternachricht::Fensternachricht(QObject* parent) : QObject(parent) {
    if (pipeEnden[0] < 0) {
        if (::pipe(pipeEnden) != 0)
            return;
        for (int fd : pipeEnden)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        struct sigaction sa {};
        sa.sa_sigaction = signalEmpfangen;
        sa.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&sa.sa_mask);
        ::sigaction(SIGUSR1, &sa, nullptr);
    }
    notifier_ = new QSocketNotifier(pipeEnden[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Fensternachricht::lesen);
}

Fensternachricht::~Fensternachricht() = default;

void Fensternachricht::lesen() {
    int wert = 0;
    while (::read(pipeEnden[0], &wert, sizeof wert) == static_cast<ssize_t>(sizeof wert))
        Q_EMIT empfangen(Schliessnachricht, wert);
}

bool Fensternachricht::senden(pid_t pid, int parameter) {
    union sigval wert {};
    wert.sival_int = parameter;
    return ::sigqueue(pid, SIGUSR1, wert) == 0;
}
