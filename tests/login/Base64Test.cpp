// Base64 of remembered account values: skipped characters, short groups, bound.
#include "login/Base64.h"

#include <gtest/gtest.h>

TEST(Base64, DecodesWhatItsValidCharactersGiveUpTo1023Bytes) {
    const char* cases[][2] = {{"cGFzc3dvcmQ=", "password"},
                              {" cGFz\r\nc3dv\tcmQ = ", "password"},
                              {"c*G!F-z.c3dvcmQ", "password"},
                              {"YQ", "a"},
                              {"YWI", "ab"},
                              {"YWJjZ", "abc"},
                              {"+/+/", "\xfb\xff\xbf"},
                              {"====", ""},
                              {"YQBi", "a"}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], DecodeBase64(c[0])) << c[0];

    std::string groups;
    for (int i = 0; i < 340; ++i)
        groups += "aWlp"; // "iii"
    EXPECT_EQ(std::string(1022, 'i'), DecodeBase64(groups + "aWk"));
    EXPECT_EQ(std::string(1023, 'i'), DecodeBase64(groups + "aWlp" + "aQ"));
    EXPECT_EQ(std::string(1023, 'i'), DecodeBase64(groups + "aWlp" + "aWlp"));
}
