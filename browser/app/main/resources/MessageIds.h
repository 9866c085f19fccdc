// Numbers of the program's resources; the messages' numbers are the browser's own table.
#pragma once

#include "browser/catalogue/core/BrowserMessages.h"

#define IDI_COBWEN 1
