// The shell's delete list: a path that does not fit is refused whole, never
// cut to name another file, and nothing is written past the list.
#include "app/UninstallPaths.h"

#include <gtest/gtest.h>

TEST(UninstallPaths, DeleteListNeverOutgrowsItsBuffer) {
    struct {
        wchar_t list[kDeleteListChars];
        wchar_t guard[2];
    } buffer;
    for (size_t length : {size_t(0), kDeleteListChars - 2, kDeleteListChars - 1, size_t(400)}) {
        std::fill(std::begin(buffer.list), std::end(buffer.list), L'#');
        std::fill(std::begin(buffer.guard), std::end(buffer.guard), L'#');
        bool fits = length > 0 && length <= kDeleteListChars - 2;
        EXPECT_EQ(fits, FillDeleteList(std::wstring(length, L'a'), buffer.list)) << length;
        size_t listed = std::wstring(buffer.list).size();
        EXPECT_EQ(fits ? length : 0, listed);
        EXPECT_EQ(L'\0', buffer.list[listed + 1]) << "a second zero ends the list";
        EXPECT_EQ(L"##", std::wstring(buffer.guard, 2));
    }
}
