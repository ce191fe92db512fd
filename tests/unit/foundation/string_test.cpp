#include "foundation/qstring.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using qelvo::String;
using qelvo::testing_support::MessageRecorder;

namespace {
const char* Text(String& s) { return static_cast<char*>(s); }
long Value(const char* text) {
    String s(text);
    return static_cast<long>(s);
}
} // namespace

TEST(String, ConstructionForms) {
    String empty;
    EXPECT_STREQ(Text(empty), "");
    EXPECT_EQ(empty.Length(), 0u);
    EXPECT_NE(empty.c_str(), nullptr);

    String text("abc");
    EXPECT_STREQ(Text(text), "abc");
    EXPECT_EQ(text.Length(), 3u);

    String number(-42);
    EXPECT_STREQ(Text(number), "-42");

    String copy(text);
    EXPECT_STREQ(Text(copy), "abc");
    EXPECT_NE(copy.c_str(), text.c_str());

    String fromNull(static_cast<const char*>(nullptr));
    EXPECT_STREQ(Text(fromNull), "");
}

TEST(String, AssignmentAndChainedAppends) {
    String s;
    s = "hello";
    EXPECT_EQ(s.Length(), 5u);
    s = 2024;
    EXPECT_STREQ(Text(s), "2024");
    String other("x");
    s = other;
    EXPECT_STREQ(Text(s), "x");
    (s += "y") += String("z");
    s += 7;
    EXPECT_STREQ(Text(s), "xyz7");
    EXPECT_EQ(s.Length(), 4u);
}

TEST(String, AppendingNothingLeavesTheBlockUntouched) {
    String s("abc");
    const char* before = s.c_str();
    s += "";
    EXPECT_EQ(s.c_str(), before);
    s += String();
    EXPECT_EQ(s.c_str(), before);
    EXPECT_STREQ(Text(s), "abc");
}

TEST(String, SelfAssignmentAndAppendingItself) {
    String s("abcdef");
    String& same = s;
    s = same;
    EXPECT_STREQ(Text(s), "abcdef");
    s = s.c_str() + 2; // a part of its own text
    EXPECT_STREQ(Text(s), "cdef");
    s += s;
    EXPECT_STREQ(Text(s), "cdefcdef");
    s += s.c_str() + 6;
    EXPECT_STREQ(Text(s), "cdefcdefef");
}

TEST(String, NumericValue) {
    EXPECT_EQ(Value("12abc"), 12);
    EXPECT_EQ(Value(" 7"), 7);
    EXPECT_EQ(Value("abc"), 0);
    EXPECT_EQ(Value(""), 0);
    EXPECT_EQ(Value("-15"), -15);
    EXPECT_EQ(Value("+3x"), 3);
    EXPECT_EQ(Value("- 3"), 0);
    EXPECT_EQ(Value("\t\n 12"), 12);
}

TEST(String, CharacterAccessAndItsBounds) {
    MessageRecorder recorder;
    String s("abc");
    EXPECT_EQ(s[0], 'a');
    EXPECT_EQ(s[3], 0) << "index = length gives the terminator";
    EXPECT_TRUE(recorder.messages.empty());
    s[1] = 'X';
    EXPECT_STREQ(Text(s), "aXc");

    char& outside = s[4];
    EXPECT_EQ(outside, 0);
    outside = 'Q'; // writes to the shared character, not to the text
    EXPECT_EQ(s[-1], 0);
    EXPECT_STREQ(Text(s), "aXc");
    ASSERT_EQ(recorder.messages.size(), 2u);
    for (const auto& m : recorder.messages) {
        EXPECT_EQ(m.text, "Parcours de chaine hors limite !");
        EXPECT_EQ(m.title, "Erreur");
        EXPECT_EQ(m.flags, 0u) << "OK button only, no icon";
        EXPECT_EQ(m.owner, nullptr);
    }
}

TEST(String, SetLengthIsExactAndWritesNoTerminator) {
    String s("abcdef");
    s.SetLength(3);
    EXPECT_EQ(s.Length(), 3u);
    EXPECT_EQ(std::memcmp(s.c_str(), "abc", 3), 0);
    s[3] = 0;
    EXPECT_STREQ(Text(s), "abc");
}

TEST(String, TextsAreCutAtTheLengthLimit) {
    std::string big(70000, 'a');
    String s(big.c_str());
    EXPECT_EQ(s.Length(), String::kMaxLength);
    EXPECT_EQ(std::strlen(s.c_str()), String::kMaxLength);
    s += "more";
    EXPECT_EQ(s.Length(), String::kMaxLength);
    EXPECT_EQ(s.c_str()[String::kMaxLength], 0);
}
