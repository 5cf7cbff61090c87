// The self-test's groups of cases.
#pragma once

namespace selftest {

void RunLogicTests();
void RunBrowserTests();
void RunRobustnessTests();

} // namespace selftest
