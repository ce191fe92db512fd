#include "setup/ide_search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qelvo {
namespace setup {
namespace {

// A file system of paths: directories list their entries in the order they were added (the
// file system's own order, not sorted), files are just names. Every probe is recorded.
class FakeFileSystem : public SearchFileSystem {
public:
    std::string current;
    std::string path;
    std::map<std::string, std::vector<SearchEntry>> directories;
    std::set<std::string> files;
    std::vector<std::string> probes;

    void AddFile(const std::string& file) {
        files.insert(file);
        size_t slash = file.rfind('\\');
        AddEntry(file.substr(0, slash), file.substr(slash + 1), false);
    }
    void AddDirectory(const std::string& dir) {
        directories[dir];
        size_t slash = dir.rfind('\\');
        if (slash != std::string::npos) AddEntry(dir.substr(0, slash), dir.substr(slash + 1), true);
    }
    void AddEntry(const std::string& dir, const std::string& name, bool isDirectory,
                  bool volume = false, bool link = false) {
        if (!directories.count(dir)) AddDirectory(dir);
        for (auto& e : directories[dir])
            if (e.name == name) return;
        SearchEntry entry;
        entry.name = name;
        entry.isDirectory = isDirectory;
        entry.isVolumeLabel = volume;
        entry.isLink = link;
        directories[dir].push_back(entry);
    }

    std::string CurrentDirectory() override { return current; }
    std::string PathVariable() override { return path; }
    bool FileExists(const std::string& p) override {
        probes.push_back(p);
        return files.count(p) != 0;
    }
    bool List(const std::string& pattern, std::vector<SearchEntry>& out) override {
        out.clear();
        EXPECT_EQ(pattern.substr(pattern.size() - 2), "\\*");
        auto it = directories.find(pattern.substr(0, pattern.size() - 2));
        if (it == directories.end()) return false;
        SearchEntry dot, dotdot;
        dot.name = ".";
        dot.isDirectory = true;
        dotdot.name = "..";
        dotdot.isDirectory = true;
        if (pattern.size() > 4) { // below a root, as Windows lists them
            out.push_back(dot);
            out.push_back(dotdot);
        }
        out.insert(out.end(), it->second.begin(), it->second.end());
        return true;
    }
};

std::string Find(FakeFileSystem& fs) {
    std::string found;
    return FindIdeDirectory(fs, found) ? found : "<none>";
}

TEST(IdeSearch, TheCurrentDirectoryComesFirst) {
    FakeFileSystem fs;
    fs.current = "D:\\tools\\BIN";
    fs.AddFile("D:\\tools\\BIN\\BCW.EXE");
    fs.AddFile("c:\\BC5\\BCW.EXE");
    EXPECT_EQ(Find(fs), "D:\\tools\\BIN");
    EXPECT_EQ(fs.probes, std::vector<std::string>{"D:\\tools\\BIN\\BCW.EXE"});
}

TEST(IdeSearch, TheUsualPlacesInOrderWithATrailingBackslash) {
    FakeFileSystem fs;
    fs.current = "D:\\elsewhere";
    fs.AddFile("c:\\pro\\BC5\\BCW.EXE");
    fs.AddFile("c:\\BC5\\BCW.EXE");
    EXPECT_EQ(Find(fs), "c:\\BC5\\");
    EXPECT_EQ(fs.probes,
              (std::vector<std::string>{"D:\\elsewhere\\BCW.EXE", "c:\\Program Files\\BC5\\BCW.EXE",
                                        "c:\\BC5\\BCW.EXE"}));
    fs.files.erase("c:\\BC5\\BCW.EXE");
    EXPECT_EQ(Find(fs), "c:\\pro\\BC5\\");
    fs.AddFile("c:\\Program Files\\BC5\\BCW.EXE");
    EXPECT_EQ(Find(fs), "c:\\Program Files\\BC5\\");
}

TEST(IdeSearch, ThePathEntriesInOrderSkippingEmptyOnes) {
    FakeFileSystem fs;
    fs.path = "C:\\WINDOWS;;D:\\BC\\BIN;E:\\BC5\\BIN;";
    fs.AddFile("E:\\BC5\\BIN\\BCW.EXE");
    fs.AddFile("D:\\BC\\BIN\\BCW.EXE");
    EXPECT_EQ(Find(fs), "D:\\BC\\BIN");
    std::vector<std::string> tail(fs.probes.end() - 2, fs.probes.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"C:\\WINDOWS\\BCW.EXE", "D:\\BC\\BIN\\BCW.EXE"}));
    for (const auto& probe : fs.probes)
        EXPECT_NE(probe, "\\BCW.EXE") << "an empty entry is no directory";
}

TEST(IdeSearch, ABareDriveGetsItsBackslash) {
    FakeFileSystem fs;
    fs.current = "D:";
    fs.AddFile("D:\\BCW.EXE");
    EXPECT_EQ(Find(fs), "D:\\");
    fs.current = "";
    fs.path = "D:";
    EXPECT_EQ(Find(fs), "D:\\");
}

TEST(IdeSearch, OnlyThePathsFirst1022CharactersAreRead) {
    FakeFileSystem fs;
    fs.path = std::string(1016, 'x') + ";D:\\BC\\BIN";
    fs.AddFile("D:\\BC\\BIN\\BCW.EXE");
    fs.AddFile("D:\\BC\\BCW.EXE");
    fs.directories.clear(); // no drive search
    // The entry is cut to "D:\BC" (1022 characters in all): that one is tried instead.
    EXPECT_EQ(Find(fs), "D:\\BC");
}

TEST(IdeSearch, DrivesAreSearchedDepthFirstInListingOrder) {
    FakeFileSystem fs;
    fs.AddDirectory("C:\\WINDOWS\\SYSTEM");
    fs.AddDirectory("C:\\DEV\\OLD\\BC4");
    fs.AddFile("C:\\DEV\\OLD\\BC4\\BIN\\BCW.EXE");
    fs.AddFile("C:\\DEV\\BC5\\BIN\\BCW.EXE");
    fs.AddFile("C:\\ZZZ\\BCW.EXE");
    EXPECT_EQ(Find(fs), "C:\\DEV\\OLD\\BC4\\BIN") << "the first hit in depth-first order wins";

    std::vector<std::string> drive;
    for (const auto& p : fs.probes)
        if (p.rfind("C:\\", 0) == 0) drive.push_back(p);
    EXPECT_EQ(drive, (std::vector<std::string>{
                         "C:\\BCW.EXE", "C:\\WINDOWS\\BCW.EXE", "C:\\WINDOWS\\SYSTEM\\BCW.EXE",
                         "C:\\DEV\\BCW.EXE", "C:\\DEV\\OLD\\BCW.EXE", "C:\\DEV\\OLD\\BC4\\BCW.EXE",
                         "C:\\DEV\\OLD\\BC4\\BIN\\BCW.EXE"}));
}

TEST(IdeSearch, ADriveRootHitIsTheRootWithBackslash) {
    FakeFileSystem fs;
    fs.AddFile("C:\\BCW.EXE");
    EXPECT_EQ(Find(fs), "C:\\");
}

TEST(IdeSearch, DrivesFromCUpwardUntilAnEmptyOne) {
    FakeFileSystem fs;
    fs.AddDirectory("C:\\DOS");
    fs.AddDirectory("D:\\DATA");
    fs.AddFile("D:\\DATA\\BC5\\BIN\\BCW.EXE");
    EXPECT_EQ(Find(fs), "D:\\DATA\\BC5\\BIN");

    FakeFileSystem gap;
    gap.AddDirectory("C:\\DOS");
    gap.directories["D:"]; // lists nothing: the drives end here
    gap.AddFile("E:\\BC5\\BIN\\BCW.EXE");
    EXPECT_EQ(Find(gap), "<none>");

    FakeFileSystem none;
    EXPECT_EQ(Find(none), "<none>");
    EXPECT_STREQ(kDefaultIdeDirectory, "C:\\BC5\\BIN");
}

TEST(IdeSearch, VolumeLabelsLinksFilesAndDotsAreNotDescended) {
    FakeFileSystem fs;
    fs.AddEntry("C:", "LABEL", true, true);
    fs.AddFile("C:\\LABEL\\BCW.EXE");
    fs.AddEntry("C:", "JUNCTION", true, false, true);
    fs.AddFile("C:\\JUNCTION\\BCW.EXE");
    fs.AddEntry("C:", "BCW.DIR", false);
    fs.AddFile("C:\\BC5\\BIN\\BCW.EXE");
    // "C:\LABEL" and "C:\JUNCTION" exist with BCW.EXE but are skipped.
    EXPECT_EQ(Find(fs), "C:\\BC5\\BIN");
    for (const auto& p : fs.probes) {
        EXPECT_EQ(p.find("LABEL"), std::string::npos);
        EXPECT_EQ(p.find("JUNCTION"), std::string::npos);
        EXPECT_EQ(p.find("BCW.DIR"), std::string::npos);
        EXPECT_EQ(p.find("\\.\\"), std::string::npos);
        EXPECT_EQ(p.find("\\..\\"), std::string::npos);
    }
}

TEST(IdeSearch, PathsLongerThanTheBufferAreNotFormed) {
    // A chain of directories deep enough to pass 255 characters, with the IDE at its bottom:
    // the search stops descending and never forms the long path.
    FakeFileSystem fs;
    std::string dir = "C:";
    while (dir.size() < 300)
        dir += "\\ABCDEFGHIJ";
    fs.AddFile(dir + "\\BCW.EXE");
    EXPECT_EQ(Find(fs), "<none>");
    for (const auto& p : fs.probes)
        EXPECT_LE(p.size(), kMaxSearchPath + 8);
}

} // namespace
} // namespace setup
} // namespace qelvo
