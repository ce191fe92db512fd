// A core file that reaches up into a feature.
#include "core/session.h"
#include "topbar/top_bar.h"
