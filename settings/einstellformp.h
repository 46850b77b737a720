#pragma once

#include "settings/TEinstellform.h"
