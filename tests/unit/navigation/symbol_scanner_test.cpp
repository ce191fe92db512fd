// The line scan's rules on the cases they are easy to get wrong. Expected values are written
// from the rules, never read from the scanner's own tables.
#include "navigation/symbol_scanner.h"

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;

namespace {

// "line:class:name" per symbol, joined by '|'.
std::string Symbols(const std::string& text, bool sorted = false) {
    Tableau<Fnc> symbols;
    ScanSymbols(text.data(), text.size(), symbols);
    if (sorted) SortSymbols(symbols);
    std::string out;
    for (int i = 0; i < symbols.count; ++i) {
        const Fnc* f = symbols.At(i);
        if (i) out += '|';
        out += std::to_string(f->line) + ":" + f->className.c_str() + ":" + f->name.c_str();
    }
    return out;
}

std::string Includes(const std::string& text) {
    Tableau<String> includes;
    ScanIncludes(text.data(), text.size(), includes);
    std::string out;
    for (int i = 0; i < includes.count; ++i)
        out += (i ? "|" : "") + std::string(includes.At(i)->c_str());
    return out;
}

struct Case {
    const char* what;
    std::string text;
    const char* expected;
};

} // namespace

TEST(SymbolScanner, OneLineCases) {
    const Case cases[] = {
        {"free function at column 0", "int main(void)", "1::main"},
        {"indented by blanks", "   int main(void)", ""},
        {"indented by a tab", "\tint main(void)", ""},
        {"method with its class", "void ccc::mmm(int x) {", "1:ccc:mmm"},
        {"the first :: decides", "a::b::c(", "1:a:b::c"},
        {"starts with ':'", "::f(", ""},
        {"starts with '/'", "// f(x)", ""},
        {"starts with '#'", "#define F(x) x", ""},
        {"a ';' anywhere", "void f() { int i ;", ""},
        {"'(' at position 0", "(f)", ""},
        {"no '('", "class X {", ""},
        {"pointer result", "void *f(", "1::f"},
        {"reference result", "int &f(int)", "1::f"},
        {"destructor", "ccc::~ccc(", "1:ccc:~ccc"},
        {"blank before '(' stays in the name", "void f (int)", "1::f "},
        {"class with a pointer", "char *X::name() const", "1:X:name"},
        {"byte 128 or above first", "\x80int f()", ""},
        {"byte 128 or above separates words", "int\x80g()", "1::g"},
        {"one-letter name", "f(", "1::f"},
        {"name empty after '*'", "x *(", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Symbols(c.text), c.expected) << c.what;
}

TEST(SymbolScanner, LineNumbers) {
    const Case cases[] = {
        {"last line without a line end", "a()\nb()", "1::a|2::b"},
        {"CR LF pairs end one line each", "a()\r\n\r\nb()\r\n", "1::a|3::b"},
        {"lone CR and lone LF each end a line", "a()\r\rb()\n\nc()", "1::a|3::b|5::c"},
        {"LF CR is two line ends", "a()\n\rb()", "1::a|3::b"},
        {"a NUL ends a line", std::string("a()\0b()", 7), "1::a|2::b"},
        {"empty text", "", ""},
        {"only line ends", "\r\n\n\r", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Symbols(c.text), c.expected) << c.what;
}

TEST(SymbolScanner, ReadsOnlyWithinTheLength) {
    // The '(' after the length must not be seen.
    const char text[] = "int main(";
    Tableau<Fnc> symbols;
    ScanSymbols(text, 8, symbols);
    EXPECT_EQ(symbols.count, 0);
    ScanSymbols(nullptr, 5, symbols);
    EXPECT_EQ(symbols.count, 0);
}

TEST(SymbolScanner, SortByClassThenNameAsUnsignedBytes) {
    EXPECT_EQ(Symbols("b()\nA::x()\na()\n", true), "3::a|1::b|2:A:x");
    // Byte 0xE9 sorts after every ASCII letter; upper case before lower case.
    EXPECT_EQ(Symbols("t\xE9()\ntz()\nZ()\n", true), "3::Z|2::tz|1::t\xE9");
    // Equal entries keep their file order.
    EXPECT_EQ(Symbols("K::f()\nK::f(int)\n", true), "1:K:f|2:K:f");
}

TEST(SymbolScanner, KeepsNoMoreSymbolsThanTheMenuCanNumber) {
    std::string text;
    for (int i = 0; i < 9005; ++i)
        text += "f()\n";
    Tableau<Fnc> symbols;
    ScanSymbols(text.data(), text.size(), symbols);
    EXPECT_EQ(symbols.count, 9000);
    EXPECT_EQ(symbols.At(8999)->line, 9000);
}

TEST(SymbolScanner, VeryLongLinesAreCut) {
    std::string text = std::string(70000, 'x') + "(";
    Tableau<Fnc> symbols;
    ScanSymbols(text.data(), text.size(), symbols);
    ASSERT_EQ(symbols.count, 1);
    EXPECT_EQ(symbols.At(0)->name.Length(), 65535u);
}

TEST(IncludeScanner, Forms) {
    const Case cases[] = {
        {"angle brackets", "#include <stdio.h>", "stdio.h"},
        {"quotes", "#include \"app.h\"", "app.h"},
        {"empty quotes", "#include \"\"", ""},
        {"empty brackets", "#include <>", ""},
        {"commented out", "// #include \"old.h\"", "old.h"},
        {"indented", "  #  include <x.h>", ""},
        {"indented directive", "  #include <x.h>", "x.h"},
        {"'<' decides over quotes", "#include \"a.h\" // <b.h>", "b.h"},
        {"unclosed bracket", "#include <stdio.h", ""},
        {"unclosed quote", "#include \"app.h", ""},
        {"no #include", "#import <x.h>", ""},
        {"duplicates stay, in file order", "#include <b.h>\n#include <a.h>\n#include <b.h>",
         "b.h|a.h|b.h"},
        {"CR LF lines", "#include <a.h>\r\n#include \"b.h\"\r\n", "a.h|b.h"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Includes(c.text), c.expected) << c.what;
    // A quote as the line's first byte opens no name.
    TextSpan name;
    const char line[] = "\"#include\" x";
    EXPECT_FALSE(IncludeName(TextSpan{line, sizeof line - 1}, name));
}

TEST(IncludeScanner, Limits) {
    // 199 characters are kept, 200 skipped.
    EXPECT_EQ(Includes("#include <" + std::string(199, 'n') + ">"), std::string(199, 'n'));
    EXPECT_EQ(Includes("#include <" + std::string(200, 'n') + ">\n#include <a.h>"), "a.h");
    std::string text;
    for (int i = 0; i < 105; ++i)
        text += "#include <f" + std::to_string(i) + ".h>\n";
    Tableau<String> includes;
    ScanIncludes(text.data(), text.size(), includes);
    ASSERT_EQ(includes.count, 100);
    EXPECT_STREQ(includes.At(99)->c_str(), "f99.h");
}
