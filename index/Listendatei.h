#pragma once

#include <QSaveFile>
#include <QString>
#include <QStringView>

// A list file written line by line in its code page and put in place whole: the text goes
// to a new file beside the old one, which is replaced only when everything was written and
// flushed, so a failed or cancelled run leaves the old list as it was.
class Listendatei {
public:
    // The code page is 1252, 65001 or 1200 (with the byte-order mark FF FE). With byteForm
    // the lines are UTF-8 bytes held one per character, decoded leniently before writing.
    Listendatei(const QString& pfad, int codePage, bool byteForm);

    bool oeffnen();
    // Appends the line and CR LF.
    bool zeile(QStringView text);
    // Writes the rest, flushes and replaces the old file; false when anything failed.
    bool abschliessen();

private:
    bool schreibePuffer();

    QSaveFile datei_;
    int codePage_;
    bool byteForm_;
    bool markeGeschrieben_ = false;
    bool ok_ = false;
    QString puffer_;
};
