#pragma once

#include "searchwin/Suchwortliste.h"
#include "searchwin/TSuchForm.h"
