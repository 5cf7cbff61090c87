// Placeholder until the worker arrives: nothing is cleared and the overlay
// stays until the window is told the clearing ended.
#include "gamewindow/CacheClearing.h"

void StartCacheClearWorker(HWND) {}
