#include "split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> tokensOf(std::string text, bool skipToExe = true) {
    Split split(&text[0], " ", skipToExe);
    return std::vector<std::string>(split.tokens, split.tokens + split.count);
}

TEST(Split, CutsAtSpacesFromTheFirstExe) {
    EXPECT_EQ(tokensOf("x.exe -c3 -w"), (std::vector<std::string>{".exe", "-c3", "-w"}));
    EXPECT_EQ(tokensOf("\"C:\\Program Files\\pressGo.exe\" -p"), (std::vector<std::string>{".exe\"", "-p"}));
    EXPECT_EQ(tokensOf("prog -p"), (std::vector<std::string>{"prog", "-p"}));
    EXPECT_EQ(tokensOf("  a   b  "), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(tokensOf("-c3\t-w"), (std::vector<std::string>{"-c3\t-w"}));  // a tab is no delimiter
    EXPECT_EQ(tokensOf("x.EXE -p"), (std::vector<std::string>{"x.EXE", "-p"}));  // ".exe" exactly
    EXPECT_EQ(tokensOf("a.exe b", false), (std::vector<std::string>{"a.exe", "b"}));
    EXPECT_TRUE(tokensOf("").empty());
    EXPECT_TRUE(tokensOf("    ").empty());
}

TEST(Split, KeepsAtMost128Tokens) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "t" + std::to_string(i) + " ";
    std::vector<std::string> tokens = tokensOf(text);
    ASSERT_EQ(tokens.size(), 128u);
    EXPECT_EQ(tokens.front(), "t0");
    EXPECT_EQ(tokens.back(), "t127");
}

TEST(Split, CutsTheTextInPlace) {
    char text[] = "a.exe b c";
    Split split(text, " ", true);
    EXPECT_STREQ(text + 1, ".exe");  // a terminator follows each token
}

struct NumberedCase {
    const char* text;
    const char* prefix;
    const char* digits;
    std::int32_t number;
};

TEST(Numbered, SplitsOffTheTrailingDigits) {
    const NumberedCase cases[] = {
        {"-c3", "-c", "3", 3},        {"-c12", "-c", "12", 12},    {"-c3x", "-c3x", "", 0},
        {"-c", "-c", "", 0},          {"abc", "abc", "", 0},       {"42", "", "42", 42},
        {"-c0", "-c", "0", 0},        {"-c007", "-c", "007", 7},   {"-c2147483647", "-c", "2147483647", 2147483647},
        {"-c2147483648", "-c", "2147483648", 0},                   {"", "", "", 0},
    };
    for (const NumberedCase& c : cases) {
        Numbered numbered(c.text);
        EXPECT_EQ(numbered.prefixText(), c.prefix) << c.text;
        EXPECT_STREQ(numbered.digits, c.digits) << c.text;
        EXPECT_EQ(numbered.number(), c.number) << c.text;
        EXPECT_EQ(numbered.prefixLength + numbered.digitCount, numbered.length) << c.text;
    }
    Numbered reversed("ab12");
    EXPECT_STREQ(reversed.copy, "21ba");
}

}  // namespace
