// Placeholder: the uninstall stages arrive with their own change. Until then
// both return at once and the process ends.
#include "app/Uninstall.h"

void UninstallConfirm() {}

void UninstallRemove(const std::wstring&) {}
