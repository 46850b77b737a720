#pragma once

// The stand-ins for the Windows services the program uses; nothing else talks to the
// operating system directly.
#include "platform/Ansi.h"
#include "platform/Dateisperre.h"
#include "platform/Dienste.h"
#include "platform/DriveMap.h"
#include "platform/Farbtext.h"
#include "platform/Fensternachricht.h"
#include "platform/Files.h"
#include "platform/Kindprozess.h"
#include "platform/Notifier.h"
#include "platform/ProcessRunner.h"
#include "platform/Pump.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/TextFiles.h"
#include "platform/WindowRegistry.h"
