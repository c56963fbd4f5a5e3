#include "thing.h"

#include "window.h"

int Thing() { return Window(); }
