#pragma once

// The application shell's logic: program folder, settings table, database catalogue.
#include "app/Anzeigetexte.h"
#include "app/DatenbankKatalog.h"
#include "app/Programmordner.h"
#include "app/Registrierwerte.h"
#include "app/Virenscannerwache.h"
