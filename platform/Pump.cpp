#include "platform/Pump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

Pump& Pump::still() {
    static Pump pump;
    return pump;
}

void EventPump::verarbeiten() {
    QCoreApplication::processEvents();
}

void EventPump::pause(int millisekunden) {
    QEventLoop schleife;
    QTimer::singleShot(millisekunden, &schleife, &QEventLoop::quit);
    schleife.exec();
}
