// The directory walk: the order of its visits, its patterns, its bounds, and that neither links
// nor pipes lead it anywhere or stop it.
#include "foundation/tree_walk.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace qelvo;
using qelvo::testing_support::TempDir;

namespace {

// Every call of the walk as a line, paths relative to the root ("." for the root itself).
class Log : public TreeVisitor {
public:
    explicit Log(const std::string& root) : root_(root) {}

    int EnterDirectory(const WalkDirectory& directory) override {
        lines.push_back("> " + Relative(directory.path) + " (" + directory.name + "," +
                        std::to_string(directory.depth) + ")");
        return directory.name != refused;
    }
    void VisitFile(const WalkDirectory& directory, const platform::DirEntry& file) override {
        lines.push_back(Relative(directory.path + "\\" + file.name));
    }
    void LeaveDirectory(const WalkDirectory& directory) override {
        lines.push_back("< " + Relative(directory.path));
    }

    std::vector<std::string> lines;
    std::string refused = "-";

private:
    std::string Relative(const std::string& path) const {
        if (path == root_) return ".";
        if (path.compare(0, root_.size() + 1, root_ + "\\") == 0)
            return path.substr(root_.size() + 1);
        return "outside: " + path;
    }
    std::string root_;
};

using Lines = std::vector<std::string>;

Lines Walk(const std::string& root, const WalkOptions& options, Log& log) {
    EXPECT_EQ(WalkTree(root.c_str(), options, log), 1);
    return log.lines;
}

Lines Walk(const std::string& root, const WalkOptions& options) {
    Log log(root);
    return Walk(root, options, log);
}

WalkOptions Patterns(const char* patterns) {
    WalkOptions options;
    options.patterns = patterns;
    return options;
}

// Names in lower case, so that byte order and the order of a case-blind listing agree.
void MakeTree(const TempDir& dir) {
    for (const char* folder : {".git", "sub1", "sub2", "sub2\\deep"})
        ASSERT_TRUE(platform::MakeDirectory(dir.File(folder).c_str()));
    for (const char* file : {".git\\g.cpp", ".hidden.cpp", "a.h", "b.cpp", "c.txt", "z.h",
                             "sub1\\x.cpp", "sub2\\deep\\y.cpp", "sub2\\z.h"})
        dir.Write(file, "x");
}

#ifndef _WIN32
// Taken away by hand at the end: listings leave pipes out, so removing the folder would not.
struct Removed {
    ~Removed() {
        for (const std::string& path : paths)
            ::unlink(path.c_str());
    }
    std::string Add(const std::string& enginePath) {
        paths.push_back(platform::NativePath(enginePath.c_str()));
        return paths.back();
    }
    std::vector<std::string> paths;
};
#endif

} // namespace

TEST(TreeWalk, FilesPatternByPatternThenSubDirectoriesDepthFirst) {
    TempDir dir;
    MakeTree(dir);
    // Blanks and empty patterns are the user's spacing; b.cpp matches twice but comes once.
    EXPECT_EQ(Walk(dir.path(), Patterns(" *.h ; *.cpp;;B.*")),
              (Lines{"> . (,0)", "a.h", "z.h", "b.cpp", "> sub1 (sub1,1)", "sub1\\x.cpp", "< sub1",
                     "> sub2 (sub2,1)", "sub2\\z.h", "> sub2\\deep (deep,2)", "sub2\\deep\\y.cpp",
                     "< sub2\\deep", "< sub2", "< ."}));
}

TEST(TreeWalk, HiddenNamesAreLeftOutOnlyWhenAsked) {
    TempDir dir;
    MakeTree(dir);
    WalkOptions options = Patterns("*.cpp");
    options.skipHidden = false;
    EXPECT_EQ(
        Walk(dir.path(), options),
        (Lines{"> . (,0)", ".hidden.cpp", "b.cpp", "> .git (.git,1)", ".git\\g.cpp", "< .git",
               "> sub1 (sub1,1)", "sub1\\x.cpp", "< sub1", "> sub2 (sub2,1)",
               "> sub2\\deep (deep,2)", "sub2\\deep\\y.cpp", "< sub2\\deep", "< sub2", "< ."}));
}

TEST(TreeWalk, DepthPathLengthAndRefusedDirectoriesBoundIt) {
    TempDir dir;
    MakeTree(dir);
    const Lines twoLevels{"> . (,0)", "b.cpp",           "> sub1 (sub1,1)", "sub1\\x.cpp",
                          "< sub1",   "> sub2 (sub2,1)", "< sub2",          "< ."};
    WalkOptions options = Patterns("*.cpp");
    options.maxDepth = 1;
    EXPECT_EQ(Walk(dir.path(), options), twoLevels);
    options.maxDepth = 0;
    EXPECT_EQ(Walk(dir.path(), options), (Lines{"> . (,0)", "b.cpp", "< ."}));

    // "\sub2" fits, "\sub2\deep" does not.
    options = Patterns("*.cpp");
    options.maxPathLength = dir.path().size() + 5;
    EXPECT_EQ(Walk(dir.path(), options), twoLevels);

    Log log(dir.path());
    log.refused = "sub2";
    EXPECT_EQ(Walk(dir.path(), Patterns("*.cpp"), log),
              (Lines{"> . (,0)", "b.cpp", "> sub1 (sub1,1)", "sub1\\x.cpp", "< sub1",
                     "> sub2 (sub2,1)", "< ."}));
}

TEST(TreeWalk, AMissingRootIsEnteredAndLeftEmpty) {
    TempDir dir;
    std::string missing = dir.File("none");
    Log log(missing);
    EXPECT_EQ(WalkTree(missing.c_str(), WalkOptions(), log), 0);
    EXPECT_EQ(log.lines, (Lines{"> . (,0)", "< ."}));
    // The visitor hears why, in the system's words.
    struct Reason : TreeVisitor {
        int EnterDirectory(const WalkDirectory& directory) override {
            error = directory.error;
            return 1;
        }
        std::string error = "unset";
    } reason;
    WalkTree(missing.c_str(), WalkOptions(), reason);
    EXPECT_FALSE(reason.error.empty());
    EXPECT_NE(reason.error, "unset");
#ifndef _WIN32
    EXPECT_EQ(reason.error, std::strerror(ENOENT));
#endif
    WalkTree(dir.path().c_str(), WalkOptions(), reason);
    EXPECT_EQ(reason.error, "");
}

TEST(TreeWalk, LinksAreNotFollowed) {
#ifdef _WIN32
    GTEST_SKIP() << "links are made with POSIX calls";
#else
    TempDir dir;
    TempDir elsewhere;
    elsewhere.Write("o.cpp", "x");
    ASSERT_TRUE(platform::MakeDirectory(dir.File("l").c_str()));
    ASSERT_TRUE(platform::MakeDirectory(dir.File("l\\sub").c_str()));
    dir.Write("a.cpp", "x");
    dir.Write("l\\sub\\f.cpp", "x");
    Removed removed;
    // A loop back up, two links to the directory itself, a way out of the tree, and another
    // name for a file of the tree.
    ASSERT_EQ(::symlink("..", removed.Add(dir.File("l\\sub\\up")).c_str()), 0);
    ASSERT_EQ(::symlink(".", removed.Add(dir.File("self1")).c_str()), 0);
    ASSERT_EQ(::symlink(".", removed.Add(dir.File("self2")).c_str()), 0);
    ASSERT_EQ(::symlink(platform::NativePath(elsewhere.path().c_str()).c_str(),
                        removed.Add(dir.File("out")).c_str()),
              0);
    ASSERT_EQ(::symlink("a.cpp", removed.Add(dir.File("link.cpp")).c_str()), 0);

    WalkOptions options = Patterns("*.*");
    options.skipHidden = false;
    options.maxDepth = 1000;
    EXPECT_EQ(Walk(dir.path(), options),
              (Lines{"> . (,0)", "a.cpp", "> l (l,1)", "> l\\sub (sub,2)", "l\\sub\\f.cpp",
                     "< l\\sub", "< l", "< ."}));
#endif
}

TEST(TreeWalk, PipesAreNotVisited) {
#ifdef _WIN32
    GTEST_SKIP() << "no pipes in a Windows directory";
#else
    TempDir dir;
    dir.Write("b.rc", "x");
    Removed removed;
    // Whoever opened it would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(removed.Add(dir.File("a.rc")).c_str(), 0600), 0);
    EXPECT_EQ(Walk(dir.path(), Patterns("*.rc")), (Lines{"> . (,0)", "b.rc", "< ."}));
#endif
}
