// Text between the terminal (UTF-8) and the records (Windows-1252 bytes):
// the one code page's conversions, under the names the script code uses.
#pragma once

#include "platform/CodePage.h"
