#include "window.h"

#include "base.h"
#include "port.h"
#include "window_autogen.h"  // generated, in no layer

int Window() { return Port(); }
