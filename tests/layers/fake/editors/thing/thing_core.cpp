#include "thing.h"

#include "base.h"
#include "main_window.h"  // reaches up into app/

int ThingRule() { return Base(); }
