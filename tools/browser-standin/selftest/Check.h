// Minimal checking for the self-test: a failed check prints where and what,
// and the program's exit code reports whether any failed.
#pragma once

#include <string>

namespace selftest {

void Fail(const char* file, int line, const std::string& what);
int FailureCount();
int CheckCount();
void CountCheck();

std::string Narrow(const std::wstring& text);

} // namespace selftest

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        ::selftest::CountCheck();                                                                  \
        if (!(condition))                                                                          \
            ::selftest::Fail(__FILE__, __LINE__, #condition);                                      \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                 \
    do {                                                                                           \
        ::selftest::CountCheck();                                                                  \
        if (!((actual) == (expected)))                                                             \
            ::selftest::Fail(__FILE__, __LINE__, #actual " == " #expected);                        \
    } while (0)
