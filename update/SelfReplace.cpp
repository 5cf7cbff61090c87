// Placeholder: the replacement arrives with the self-update change. Until then
// nothing is replaced and start-up goes on as a normal start.
#include "update/SelfReplace.h"

void ApplyUpdate(const std::wstring&) {}
