#include "index/Laufzeit.h"

QString laufzeitText(qint64 sekunden) {
    return QString::number(sekunden / 3600) + QLatin1Char(':') +
           QString::number(sekunden / 60 % 60) + QLatin1Char(':') + QString::number(sekunden % 60);
}
