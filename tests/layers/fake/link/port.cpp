#include "port.h"

#include "base.h"
#include "window.h"  // reaches up into kit/

int Port() { return Base(); }
