#include <gtest/gtest.h>

#include "atlas/SearchFold.h"

namespace amsaview {
namespace {

TEST(FoldForSearch, PlainLowerCaseWordsOneBlankApart) {
    struct Case {
        std::string_view text, folded;
    };
    constexpr Case kCases[] = {
        {"Bogotá", "bogota"},
        {"BOGOTÁ", "bogota"},
        {"São Paulo", "sao paulo"},
        {"  Zürich  ", "zurich"},
        {"Ma’anshan", "maanshan"},
        {"St. Louis", "st louis"},
        {"Saint-Louis", "saint louis"},
        {"Río  de\tTeapa", "rio de teapa"},
        {"", ""},
        {"...", ""},
        {"\xff\xfe", ""},
        {"Bogot\xff", "bogot"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(FoldForSearch(c.text), c.folded) << c.text;
    }
}

TEST(BeginsAWord, AtTheStartOrAfterABlankOnly) {
    EXPECT_TRUE(BeginsAWord("los angeles", "los"));
    EXPECT_TRUE(BeginsAWord("los angeles", "ang"));
    EXPECT_TRUE(BeginsAWord("los angeles", "los angeles"));
    EXPECT_TRUE(BeginsAWord("los angeles", ""));
    EXPECT_FALSE(BeginsAWord("los angeles", "geles"));
    EXPECT_FALSE(BeginsAWord("los angeles", "los angeles ca"));
}

}  // namespace
}  // namespace amsaview
