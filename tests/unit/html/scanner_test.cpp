// The documentation scanner: the idle rules, the documentation and code states, the pairing of
// overloads, companion files, and bounded handling of bad input.
#include "html/doc_scanner.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace qelvo;
using namespace qelvo::html;
using qelvo::testing_support::TempDir;

namespace {

struct Scan {
    htProjet project;
    htFile* file = new htFile;
    DocScanner scanner{project};

    Scan() {
        file->name = "a.cpp";
        project.files.Append(file);
        scanner.BeginFile(*file);
    }
    void Text(const std::string& text) { scanner.ScanBuffer(text.data(), text.size()); }
    htClass* Class(const char* name) {
        project.SortLists();
        return project.FindClass(name);
    }
    htSymbol* Function(const char* name) {
        project.SortLists();
        return project.FindFunction(name);
    }
    htSymbol* Macro(const char* name) {
        project.SortLists();
        return project.FindMacro(name);
    }
};

std::string S(const String& s) {
    return s.c_str();
}

htSymbol* Member(htClass* c, const char* name) {
    for (int i = 0; c && i < c->members.count; ++i)
        if (S(c->members[i]->name) == name) return c->members[i];
    return nullptr;
}

TEST(DocScanner, ClassCommentGivesBriefAndTextUpToTheClosingLine) {
    Scan s;
    s.Text("/** ::TFoo Shows a foo\nFirst line\n  * decorated\n// skipped\nLast~\n*/\nafter\n");
    htClass* c = s.Class("TFoo");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(S(c->brief), "Shows a foo");
    EXPECT_EQ(S(c->text), "First line\n  * decorated\nLast\x03\n");
    EXPECT_EQ(s.scanner.state(), DocScanner::Idle);
    ASSERT_EQ(s.file->classes.count, 1);
    EXPECT_EQ(s.file->classes[0], c);
}

TEST(DocScanner, BriefStartsAtTheFirstIdentifierCharacterAfterTheName) {
    Scan s;
    s.Text("/** ::TFoo - : (shows) a foo\n*/\n/** Bar\n*/\n/** #MAC   -- 10 things\n*/\n");
    EXPECT_EQ(S(s.Class("TFoo")->brief), "shows) a foo");
    EXPECT_EQ(S(s.Function("Bar")->brief), "");
    EXPECT_EQ(S(s.Macro("MAC")->brief), "10 things");
}

TEST(DocScanner, MemberCommentNamesClassAndWholeRestOfLine) {
    Scan s;
    s.Text("/** TFoo::Size of it\ntext\n*/\n");
    htClass* c = s.Class("TFoo");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->members.count, 1);
    EXPECT_EQ(S(c->members[0]->name), "Size of it");
    EXPECT_EQ(S(c->members[0]->text), "text\n");
    EXPECT_EQ(S(c->members[0]->brief), "");
    EXPECT_EQ(s.project.functions.count, 0);
}

TEST(DocScanner, ShortCommentLinesFallToLaterRules) {
    Scan s;
    // "/** a::b" is too short for a member comment (len 8): it documents a function "a".
    s.Text("/** a::b\n*/\n/** ::\n/**\nfile text\n*/\n");
    EXPECT_NE(s.Function("a"), nullptr);
    EXPECT_EQ(s.project.classes.count, 0);
    EXPECT_EQ(S(s.file->text), "file text\n");
}

TEST(DocScanner, MacroCommentAndDefines) {
    Scan s;
    s.Text("#define FOO_H\n#define BAR_H  \n#define MAX 10\n/** #MAX Largest\nthe most\n*/\n"
           "#define TWICE(x) \\\n    ((x) * 2)\nint after(int a)\n");
    EXPECT_EQ(s.Macro("FOO_H"), nullptr);
    EXPECT_EQ(s.Macro("BAR_H"), nullptr);
    htSymbol* max = s.Macro("MAX");
    ASSERT_NE(max, nullptr);
    EXPECT_EQ(S(max->code), "#define MAX 10\n");
    EXPECT_EQ(S(max->brief), "Largest");
    EXPECT_EQ(S(max->text), "the most\n");
    htSymbol* twice = s.Macro("TWICE");
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(S(twice->code), "#define TWICE(x) \\\n    ((x) * 2)\n");
    EXPECT_NE(s.Function("after"), nullptr);
    EXPECT_EQ(s.file->macros.count, 2);
}

TEST(DocScanner, MacroContinuationEndsAtAnEmptyLine) {
    Scan s;
    s.Text("#define A(x) \\\n\nint f(int a)\n");
    EXPECT_EQ(S(s.Macro("A")->code), "#define A(x) \\\n\n");
    EXPECT_NE(s.Function("f"), nullptr);
}

TEST(DocScanner, OverloadedFunctionsPairDocumentationInOrder) {
    Scan s;
    s.Text("/** Draw the first\none\n*/\nvoid Draw(int a)\n/** Draw the second\ntwo\n*/\n"
           "void Draw(int a, int b)\n");
    ASSERT_EQ(s.project.functions.count, 2);
    s.project.SortLists();
    htSymbol* first = s.project.functions[0];
    htSymbol* second = s.project.functions[1];
    EXPECT_EQ(S(first->text), "one\n");
    EXPECT_EQ(S(first->code), "void Draw(int a)\n");
    EXPECT_EQ(S(second->text), "two\n");
    EXPECT_EQ(S(second->code), "void Draw(int a, int b)\n");
    EXPECT_EQ(s.file->functions.count, 2);
}

TEST(DocScanner, SecondCommentDocumentsTheSecondDefinition) {
    Scan s;
    // Both definitions first, then the comments: each comment takes the first without text.
    s.Text("void Draw(int a)\nvoid Draw(int a, int b)\n/** Draw one\nA\n*/\n/** Draw two\nB\n*/\n");
    s.project.SortLists();
    ASSERT_EQ(s.project.functions.count, 2);
    EXPECT_EQ(S(s.project.functions[0]->text), "A\n");
    EXPECT_EQ(S(s.project.functions[1]->text), "B\n");
    EXPECT_EQ(S(s.project.functions[1]->code), "void Draw(int a, int b)\n");
}

TEST(DocScanner, ForwardDeclarationStartsAClassDeclarationUpToAClosingBrace) {
    Scan s;
    s.Text("class TFoo;\nint f(int a)\n  }\n}; // end\nint g(int a)\n");
    htClass* c = s.Class("TFoo");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(S(c->code), "class TFoo;\nint f(int a)\n  }\n}; // end\n");
    EXPECT_EQ(s.Function("f"), nullptr);
    EXPECT_NE(s.Function("g"), nullptr);
}

TEST(DocScanner, ClassHeadTakesTheLaterOfClassAndCLASS) {
    Scan s;
    s.Text("class _EXPORTCLASS TWindow : public TBase\n}\n");
    s.Text("struct CLASS_X myclass\n"); // "class" ends the line: not a class head
    s.Text("class TEnd \\\n");          // a continued line is not one either
    s.Text(" class TIndented {\n");     // nor one that starts with a blank
    EXPECT_NE(s.Class("TWindow"), nullptr);
    EXPECT_EQ(s.Class("_EXPORTCLASS"), nullptr);
    EXPECT_EQ(s.project.classes.count, 1);
}

TEST(DocScanner, CalculLinesAreNeverGlobalFunctions) {
    Scan s;
    s.Text("CALCUL_SUM(int a, int b)\nCALCUL_T::Run(int a)\n");
    EXPECT_EQ(s.project.functions.count, 0);
    htClass* c = s.Class("CALCUL_T");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(Member(c, "Run"), nullptr);
}

TEST(DocScanner, FunctionNameIsTheIdentifierNearestBeforeTheParenthesis) {
    Scan s;
    s.Text("static int  Compute  (int a)\nint Fine(int a) \n  int Indented(int a)\nx()\n");
    EXPECT_NE(s.Function("Compute"), nullptr);
    EXPECT_EQ(s.Function("Fine"), nullptr); // a trailing blank: it does not end with ")"
    EXPECT_EQ(s.Function("Indented"), nullptr);
    EXPECT_NE(s.Function("x"), nullptr);
    EXPECT_EQ(s.project.functions.count, 2);
}

TEST(DocScanner, MemberDefinitionKeepsReturnTypeAndMemberPart) {
    Scan s;
    s.Text("/** TFoo::Size\nhow big\n*/\nint TFoo::Size(int a)\nTFoo::~TFoo()\n");
    htClass* c = s.Class("TFoo");
    ASSERT_NE(c, nullptr);
    htSymbol* size = Member(c, "Size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(S(size->code), "int Size(int a)\n");
    EXPECT_EQ(S(size->text), "how big\n");
    htSymbol* destructor = Member(c, "~TFoo");
    ASSERT_NE(destructor, nullptr);
    EXPECT_EQ(S(destructor->code), "~TFoo()\n");
    EXPECT_EQ(c->members.count, 2);
}

TEST(DocScanner, OverloadedMembersPairInOrder) {
    Scan s;
    // The member's name is the whole rest of the comment's line: no brief after it.
    s.Text("void T::Put(int a)\nvoid T::Put(int a, int b)\n/** T::Put\nA\n*/\n"
           "/** T::Put\nB\n*/\n");
    htClass* c = s.Class("T");
    ASSERT_EQ(c->members.count, 2);
    EXPECT_EQ(S(c->members[0]->text), "A\n");
    EXPECT_EQ(S(c->members[1]->text), "B\n");
    EXPECT_EQ(S(c->members[1]->code), "void Put(int a, int b)\n");
}

TEST(DocScanner, BlockCommentsHideDefinitions) {
    Scan s;
    s.Text("/* start\nint Hidden(int a)\nclass THidden {\n#define HID 1\nend */\nint Seen(int a)\n"
           "/* one line */ int x;\nint AlsoSeen(int a)\n");
    EXPECT_EQ(s.Function("Hidden"), nullptr);
    EXPECT_EQ(s.Class("THidden"), nullptr);
    EXPECT_EQ(s.Macro("HID"), nullptr);
    EXPECT_NE(s.Function("Seen"), nullptr);
    EXPECT_NE(s.Function("AlsoSeen"), nullptr);
}

TEST(DocScanner, UnterminatedCommentsKeepCollectingWithinTheFile) {
    Scan s;
    s.Text("/** Lost the end\nint Body(int a)\n");
    htSymbol* lost = s.Function("Lost");
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(S(lost->text), "int Body(int a)\n");
    EXPECT_EQ(s.scanner.state(), DocScanner::FunctionDoc);
    // The next file starts in Idle, outside any comment.
    s.Text("int Next(int a)\n");
    EXPECT_NE(s.Function("Next"), nullptr);
}

TEST(DocScanner, CrLfAndControlCharactersAreTrimmed) {
    Scan s;
    s.Text("/** ::TFoo Brief\r\ntext \t\r\n*/\r\nint f(int a)\t\r\n");
    EXPECT_EQ(S(s.Class("TFoo")->brief), "Brief");
    EXPECT_EQ(S(s.Class("TFoo")->text), "text \n");
    EXPECT_NE(s.Function("f"), nullptr);
}

TEST(DocScanner, LongLinesAreReadInPiecesOf4095) {
    Scan s;
    // A comment line of 5000 characters is two text lines: 4095, then the rest.
    std::string longLine(5000, 'x');
    s.Text("/** Long\n" + longLine + "\n*/\n");
    std::string text = S(s.Function("Long")->text);
    EXPECT_EQ(text, std::string(4095, 'x') + "\n" + std::string(905, 'x') + "\n");
}

TEST(DocScanner, NamesAreCutAt79Characters) {
    Scan s;
    std::string name(200, 'N');
    s.Text("int " + name + "(int a)\n/** ::" + name + " brief\n*/\n");
    s.project.SortLists();
    ASSERT_EQ(s.project.functions.count, 1);
    EXPECT_EQ(s.project.functions[0]->name.Length(), kMaxNameLength);
    ASSERT_EQ(s.project.classes.count, 1);
    EXPECT_EQ(s.project.classes[0]->name.Length(), kMaxNameLength);
    EXPECT_EQ(S(s.project.classes[0]->brief), "brief");
}

TEST(DocScanner, MemberLinesOver255CharactersAreNotTaken) {
    Scan s;
    std::string args(260, 'a');
    s.Text("int T::Long(int " + args + ")\nint T::Short(int a)\n");
    htClass* c = s.Class("T");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Member(c, "Long"), nullptr);
    EXPECT_NE(Member(c, "Short"), nullptr);
}

TEST(DocScanner, BinaryBytesAreBounded) {
    Scan s;
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += static_cast<char>((i * 7919) % 256);
    bytes += "\nint AfterBinary(int a)\n";
    s.Text(bytes);
    // Nothing to check but that the scan ends with bounded lists.
    EXPECT_LT(s.project.functions.count + s.project.classes.count, 1000);
}

TEST(DocScanner, CompanionFileDocumentsAMemberDefinedInTheSource) {
    TempDir dir;
    dir.Write("foo.cpp", "int TFoo::Size(int a)\n{\n}\n");
    dir.Write("foo.cpp.txt", "/** TFoo::Size\nFrom the companion file.\n*/\n");
    std::unique_ptr<htProjet> p = BuildModel(dir.path().c_str(), "*.cpp", "P");
    ASSERT_EQ(p->files.count, 1);
    htClass* c = p->FindClass("TFoo");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->members.count, 1);
    EXPECT_EQ(S(c->members[0]->text), "From the companion file.\n");
    EXPECT_EQ(S(c->members[0]->code), "int Size(int a)\n");
}

TEST(DocScanner, PipesAreNeitherSourcesNorCompanions) {
#ifdef _WIN32
    GTEST_SKIP() << "pipes are made with a POSIX call";
#else
    TempDir dir;
    dir.Write("b.cpp", "int B(int a)\n");
    std::string source = platform::NativePath(dir.File("a.cpp").c_str());
    std::string companion = platform::NativePath(dir.File("b.cpp.txt").c_str());
    ASSERT_EQ(::mkfifo(source.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(companion.c_str(), 0600), 0);
    // Opening either would wait for a writer: the scan ends instead.
    std::unique_ptr<htProjet> p = BuildModel(dir.path().c_str(), "*.cpp", "P");
    ::unlink(source.c_str());
    ::unlink(companion.c_str());
    ASSERT_EQ(p->files.count, 1);
    EXPECT_EQ(S(p->files[0]->name), "b.cpp");
    EXPECT_NE(p->FindFunction("B"), nullptr);
#endif
}

TEST(DocScanner, WalkVisitsPatternsInOrderAndSubdirectories) {
    TempDir dir;
    dir.Write("b.cpp", "int B(int a)\n");
    dir.Write("a.h", "int H(int a)\n");
    dir.Write(".hidden.cpp", "int Hidden(int a)\n");
    platform::MakeDirectory(dir.File("sub").c_str());
    platform::MakeDirectory(dir.File(".git").c_str());
    dir.Write("sub\\c.cpp", "int C(int a)\n");
    dir.Write(".git\\d.cpp", "int D(int a)\n");
    std::unique_ptr<htProjet> p = BuildModel(dir.path().c_str(), "*.cpp; *.h;;*.CPP", "P");
    // *.CPP matches the .cpp files again (case is ignored): listed and read twice.
    ASSERT_EQ(p->files.count, 5);
    EXPECT_EQ(S(p->files[0]->name), "a.h");
    EXPECT_EQ(S(p->files[1]->name), "b.cpp");
    EXPECT_EQ(S(p->files[3]->name), "c.cpp");
    EXPECT_EQ(S(p->files[3]->path), dir.path() + "\\sub\\c.cpp");
    EXPECT_EQ(p->FindFunction("Hidden"), nullptr);
    EXPECT_EQ(p->FindFunction("D"), nullptr);
    EXPECT_NE(p->FindFunction("C"), nullptr);
    EXPECT_EQ(p->functions.count, 3 + 2); // B and C again from the second pattern
    EXPECT_EQ(S(p->patterns), "*.cpp; *.h;;*.CPP");
}

TEST(DocScanner, MissingDirectoryGivesAnEmptyProject) {
    std::unique_ptr<htProjet> p = BuildModel("no\\such\\dir", "*.cpp;*.h", "P");
    EXPECT_EQ(p->files.count, 0);
    EXPECT_EQ(S(p->name), "P");
}

TEST(DocScanner, ListsAreSortedByUnsignedBytesAndLookupsGiveTheFirst) {
    Scan s;
    s.Text("int b(int a)\nint B(int a)\nint \xE9t\xE9(int a)\nint a(int x)\nint B(int a, int b)\n");
    s.project.SortLists();
    // The bytes 0xE9 are no identifier characters: the third line names "t".
    ASSERT_EQ(s.project.functions.count, 5);
    // "B" < "a" < "b" < "t": bytes compare as unsigned.
    EXPECT_EQ(S(s.project.functions[0]->name), "B");
    EXPECT_EQ(S(s.project.functions[2]->name), "a");
    int i = -1;
    htSymbol* b = s.project.FindFunction("B", &i);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(S(b->code), "int B(int a)\n");
    EXPECT_EQ(PositionInSorted(s.project.functions, s.project.functions[1]), 1);
    EXPECT_EQ(s.project.FindFunction("none"), nullptr);
}

} // namespace
