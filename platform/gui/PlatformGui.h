#pragma once

#include "platform/Platform.h"
#include "platform/gui/Farben.h"
#include "platform/gui/MessageBoxNotifier.h"
#include "platform/gui/Ordnerauswahl.h"
