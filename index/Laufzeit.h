#pragma once

#include <QString>

// Hours, minutes and seconds without leading zeros, for example 0:5:7: the "Zeit" of the
// indexing log and of the main window's counter line.
QString laufzeitText(qint64 sekunden);
