#pragma once

#include <QString>

// A byte count for display: whole GB, MB or KB once the count exceeds the unit by at
// least one byte, else Bytes.
QString ConvertBytes(qint64 anzahl);
