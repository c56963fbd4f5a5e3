#include "main_window.h"

#include "../editors/thing/thing.h"
#include "window.h"

int MainWindow() { return Thing() + Window(); }
