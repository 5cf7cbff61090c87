// Base64 decoding of remembered account values: padding, white space and
// stray characters skipped, short final groups, and the output bound.
#include "login/Base64.h"

#include <gtest/gtest.h>

TEST(Base64, DecodesWhatItsValidCharactersGive) {
    const char* cases[][2] = {{"cGFzc3dvcmQ=", "password"},
                              {"cGFzc3dvcmQ", "password"},
                              {" cGFz\r\nc3dv\tcmQ = = ", "password"},
                              {"c*G!F-z.c3dvcmQ", "password"},
                              {"YQ", "a"},
                              {"YWI", "ab"},
                              {"YWJjZ", "abc"},
                              {"+/+/", "\xfb\xff\xbf"},
                              {"====", ""},
                              {"YQBi", "a"}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], DecodeBase64(c[0])) << c[0];
    EXPECT_EQ(L"password", Base64DecodeAnsi(L"cGFzc3dv cmQ=\n"));
}

TEST(Base64, StopsBeforeAGroupThatWouldReach1024Bytes) {
    std::string groups;
    for (int i = 0; i < 340; ++i)
        groups += "aWlp"; // "iii"
    EXPECT_EQ(std::string(1022, 'i'), DecodeBase64(groups + "aWk"));
    EXPECT_EQ(std::string(1023, 'i'), DecodeBase64(groups + "aWlp" + "aQ"));
    EXPECT_EQ(std::string(1023, 'i'), DecodeBase64(groups + "aWlp" + "aWlp"));
}
