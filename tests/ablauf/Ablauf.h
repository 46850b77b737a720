#pragma once

#include "tests/common/Programmlauf.h"

#include <QString>
#include <QStringList>

// What the end-to-end tests share: a folder of PDFs, checking the database made of it, and
// running the built or installed programs.
namespace Ablauf {

// "Akten/a.pdf" and "Akten/Unter/b.pdf" below the native program folder, and a PDF beside
// the folder that no database of it may take in.
void aktenAnlegen(const QString& programmordner);

// The database NAME of T:\Akten, T: being the program folder: the exact bytes of its ".dat"
// and title positions, each PDF's record in the document with the PDF's text, and the log.
void datenbankPruefen(const QString& programmordner, const QString& name);

// Whether the file is the German manual: several pages, the chapters the user needs.
bool hilfeIstHandbuch(const QString& pdf);

// "kelvora index Akten T:\Akten" and "kelvora search Akten Nummer" with the program given;
// checks the database, the master list the lister left and the result page.
void kommandozeilePruefen(const QString& kelvora, const QString& programmordner);

} // namespace Ablauf
