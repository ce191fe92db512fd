// Generated file : do not edit by hand
#include "qelvo.h"
#include "rc.h"

RCRCMAIN

