#pragma once
#include "completion/b.h"
