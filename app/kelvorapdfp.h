#pragma once

// The application shell: the main window (app/gui) and its plain logic here, the settings
// table with its first-start values, the texts of the status displays and the virus-scanner
// watch. The data folder and the database catalogue live one layer down in datenbank/;
// the windows of the other subsystems are reached from app/gui. Nothing below includes app/.
#include "app/Anzeigetexte.h"
#include "app/Registrierwerte.h"
#include "app/Virenscannerwache.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Programmordner.h"
