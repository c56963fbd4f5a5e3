#include "base.h"

#include <vector>

int Base() { return 0; }
