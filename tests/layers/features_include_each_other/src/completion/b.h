#pragma once
#include <windows.h>
#include "navigation/a.h"
