#include "core/delivered_copy.h"
#include "delivery/delivery.h"
#include "platform/platform.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qelvo {
namespace {

using testing_support::MessageRecorder;
using testing_support::TempDir;

struct Observer final : DeliveryObserver {
    void Progress(uint64_t done, uint64_t, const char* label) override {
        progress.push_back(done);
        this->label = label;
        if (onProgress) onProgress();
    }
    void FileMessage(const char* text, int kind) override {
        messages.push_back(std::to_string(kind) + " " + text);
    }
    void CopyError(const char* text) override { errors.push_back(text); }
    void OpenFolder(int count) override { folders.push_back(count); }
    std::vector<uint64_t> progress;
    std::vector<std::string> messages, errors;
    std::vector<int> folders;
    std::string label;
    void (*onProgress)() = nullptr;
};

OneDelRep* Pair(Tableau<OneDelRep>& pairs, const char* type, const std::string& dir) {
    OneDelRep* pair = new OneDelRep;
    pair->type = type;
    pair->folder = dir.c_str();
    pairs.Append(pair);
    return pair;
}

struct Release {
    TempDir dir;
    std::string bin = dir.File("BIN"), help = dir.File("HELP");
    Release() {
        platform::MakeDirectory(bin.c_str());
        platform::MakeDirectory(help.c_str());
    }
};

TEST(Delivery, OnlyTheChangedFileOfTwoIsListed) {
    Release r;
    std::vector<DeliveryNode> pool = {{r.dir.Write("app.exe", "new exe"), ".exe"},
                                      {r.dir.Write("app.hlp", "help"), ".hlp"}};
    r.dir.Write("BIN\\app.exe", "old exe");
    r.dir.Write("HELP\\app.hlp", "help");
    Tableau<OneDelRep> pairs;
    Pair(pairs, ".exe", r.bin);
    Pair(pairs, ".hlp", r.help);
    Tableau<Livrage> list;
    ASSERT_EQ(1, CollectDeliveries(pairs, &pool, list));
    ASSERT_EQ(1, list.count);
    EXPECT_EQ("app.exe -> " + r.bin, ConfirmationLine(*list.At(0)));
}

TEST(Delivery, NeedsDeliveryBySizeThenContent) {
    Release r;
    const std::string block(300, 'x');
    std::string changed = block;
    changed[299] = 'y'; // in the second block: one byte differs
    struct Case {
        const char* name;
        std::string source, copy; // "-": no such file
        int expected;
    } cases[] = {
        {"same", block, block, 0},
        {"one byte differs", block, changed, 1},
        {"size differs", block, block + "z", 1},
        {"no copy yet", block, "-", 1},
        {"no source", "-", block, 0},
        {"both empty", "", "", 0},
    };
    for (const Case& c : cases) {
        const std::string source = r.dir.File(std::string(c.name) + ".bin");
        const std::string copy = r.bin + "\\" + c.name + ".bin";
        if (c.source != "-") r.dir.Write(std::string(c.name) + ".bin", c.source);
        if (c.copy != "-") r.dir.Write(std::string("BIN\\") + c.name + ".bin", c.copy);
        EXPECT_EQ(c.expected, NeedsDelivery(source.c_str(), r.bin.c_str())) << c.name;
    }
}

TEST(Delivery, MissingSourceIsSilentlyLeftOut) {
    Release r;
    MessageRecorder boxes;
    std::vector<DeliveryNode> pool = {{r.dir.File("gone.exe"), ".exe"}};
    Tableau<OneDelRep> pairs;
    Pair(pairs, ".exe", r.bin);
    Tableau<Livrage> list;
    EXPECT_EQ(1, CollectDeliveries(pairs, &pool, list));
    EXPECT_EQ(0, list.count);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(Delivery, TypeWithoutDirectoryStopsWithTheMessage) {
    Release r;
    MessageRecorder boxes;
    std::vector<DeliveryNode> pool = {{r.dir.Write("app.exe", "x"), ".exe"}, {r.dir.Write("a.dll", "d"), ".dll"}};
    Tableau<OneDelRep> pairs;
    Pair(pairs, ".exe", r.bin);
    SyncDeliveryTypes(pairs, &pool); // .dll comes in with an empty directory
    Tableau<Livrage> list;
    EXPECT_EQ(0, CollectDeliveries(pairs, &pool, list));
    EXPECT_EQ(0, list.count);
    ASSERT_EQ(1u, boxes.messages.size());
    EXPECT_EQ("Directory  does not exist !\nChange it !", boxes.messages[0].text);
    EXPECT_EQ("Qelvo AddOn error", boxes.messages[0].title);
    EXPECT_EQ(unsigned(platform::kMbIconStop), boxes.messages[0].flags);
}

TEST(Delivery, SyncDropsTheHelpPairAndSortsByType) {
    Tableau<OneDelRep> pairs;
    Pair(pairs, ".hlp", "D:\\REL\\HELP");
    Pair(pairs, ".exe", "D:\\REL\\BIN");
    std::vector<DeliveryNode> pool = {{"C:\\P\\x.h", ".h"}, {"C:\\P\\app.exe", ".exe"}, {"C:\\P\\b.EXE", ".EXE"}};
    SyncDeliveryTypes(pairs, &pool);
    std::string seen;
    for (int i = 0; i < pairs.count; ++i)
        seen += std::string(pairs.At(i)->type.c_str()) + "=" + pairs.At(i)->folder.c_str() + ";";
    EXPECT_EQ(".EXE=;.exe=D:\\REL\\BIN;.h=;", seen);
    SyncDeliveryTypes(pairs, nullptr);
    EXPECT_EQ(0, pairs.count);
}

TEST(Delivery, FolderText) {
    struct Case {
        const char* caption;
        int count;
        const char* expected;
    } cases[] = {
        {"Bcw - APP", 3, "APP : 3 files (10:42:07 , 05/12/96)"},
        {"Bcw -\t APP - x", 1, "APP - x : 1 file (10:42:07 , 05/12/96)"},
        {"Bcw", 0, " : 0 file (10:42:07 , 05/12/96)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DeliveryFolderText(c.caption, c.count, "10:42:07", "05/12/96"));
}

TEST(Delivery, CopyInChunksKeepsTheSourceDate) {
    Release r;
    const std::string bytes(40000, 'q');
    const std::string source = r.dir.Write("big.dll", bytes);
    ASSERT_TRUE(platform::SetFileDosTime(source.c_str(), platform::PackDosDate(1996, 12, 5),
                                         platform::PackDosTime(10, 42, 6)));
    r.dir.Write("BIN\\big.dll", "older");
    Observer seen;
    uint64_t done = 100;
    EXPECT_EQ(0, CopyDeliveredFile(source.c_str(), (r.bin + "\\big.dll").c_str(), seen, done,
                                   40100, bytes.size(), nullptr));
    EXPECT_EQ(bytes, r.dir.Read("BIN\\big.dll"));
    EXPECT_EQ((std::vector<uint64_t>{100, 16480, 32860, 40100}), seen.progress);
    EXPECT_EQ("big.dll", seen.label);
    EXPECT_EQ(40100u, done);
    EXPECT_EQ(std::vector<std::string>{"5 " + source + " delivered"}, seen.messages);
    uint16_t date = 0, time = 0;
    ASSERT_TRUE(platform::GetFileDosTime((r.bin + "\\big.dll").c_str(), date, time));
    EXPECT_EQ(platform::PackDosDate(1996, 12, 5), date);
    EXPECT_EQ(platform::PackDosTime(10, 42, 6), time);
    std::vector<platform::DirEntry> left;
    platform::ListDirectory((r.bin + "\\*").c_str(), false, left);
    EXPECT_EQ(1u, left.size()); // no work file stays behind
}

// Failures: each keeps the old delivered copy and the source as they were, leaves no work
// file, reports its text (under the folder or into the report) and counts the whole size.
size_t FullDisk(const void*, size_t n, FILE*) { return n / 2; }
FILE* ReadOnlyDirectory(const char*) { return nullptr; }

TEST(Delivery, FailedCopiesLeaveNothingHalfDone) {
    Release r;
    const std::string bytes(40000, 's');
    const CopyFileLayer full = {[](void* b, size_t n, FILE* f) { return std::fread(b, 1, n, f); },
                                FullDisk, [](const char* p) { return platform::OpenNewFile(p, false); }};
    const CopyFileLayer readOnly = {full.read, [](const void* b, size_t n, FILE* f) { return std::fwrite(b, 1, n, f); },
                                    ReadOnlyDirectory};
    struct Case {
        const char* name;
        const CopyFileLayer* layer;
        bool sourceExists, vanishes, withReport;
        const char* text; // followed by the source or the destination
        bool aboutSource;
    } cases[] = {
        {"missing", nullptr, false, false, false, "Error in opening file ", true},
        {"readonly", &readOnly, true, false, true, "Error in creating file ", false},
        {"vanishes", nullptr, true, true, false, "Error in reading file ", true},
        {"full", &full, true, false, false, "Error in writing file ", false},
    };
    for (const Case& c : cases) {
        std::string source = r.dir.File(std::string(c.name) + ".dll");
        if (c.sourceExists) r.dir.Write(std::string(c.name) + ".dll", bytes);
        const std::string destination = r.bin + "\\" + c.name + ".dll";
        r.dir.Write(std::string("BIN\\") + c.name + ".dll", "previous");
        MessageRecorder boxes;
        Observer seen;
        static std::string vanishing;
        vanishing = source;
        if (c.vanishes) // the source loses its end after the first chunk
            seen.onProgress = [] {
                static int calls = 0;
                if (++calls == 2) { FILE* f = platform::OpenFile(vanishing.c_str(), "wb"); if (f) std::fclose(f); }
            };
        const CopyFileLayer* previous = SetCopyFileLayer(c.layer);
        String report;
        uint64_t done = 7;
        const int result = CopyDeliveredFile(source.c_str(), destination.c_str(), seen, done, 0,
                                             bytes.size(), c.withReport ? &report : nullptr);
        SetCopyFileLayer(previous);
        const std::string text = c.text + (c.aboutSource ? source : destination);
        EXPECT_EQ(1, result) << c.name;
        EXPECT_EQ(7 + bytes.size(), done) << c.name;
        EXPECT_EQ(std::vector<std::string>{text}, seen.errors) << c.name;
        if (c.withReport) {
            EXPECT_EQ(text + "\r\n", report.c_str()) << c.name;
            EXPECT_TRUE(seen.messages.empty()) << c.name;
        } else {
            EXPECT_EQ(std::vector<std::string>{"0 " + text}, seen.messages) << c.name;
        }
        EXPECT_EQ("previous", r.dir.Read(std::string("BIN\\") + c.name + ".dll")) << c.name;
        if (c.sourceExists && !c.vanishes) {
            EXPECT_EQ(bytes, r.dir.Read(std::string(c.name) + ".dll")) << c.name;
        }
    }
    std::vector<platform::DirEntry> left;
    platform::ListDirectory((r.bin + "\\*").c_str(), false, left);
    EXPECT_EQ(4u, left.size()); // the four old copies, no work file
}

TEST(Delivery, FailedCopyStaysInTheMailBody) {
    Release r;
    MessageRecorder boxes;
    Tableau<OneDelRep> pairs;
    OneDelRep* bin = Pair(pairs, ".exe", r.bin);
    const char* names[] = {"a.exe", "gone.exe"};
    Tableau<Livrage> list;
    for (const char* name : names) {
        Livrage* file = new Livrage;
        file->path = r.dir.Write(name, "x").c_str();
        file->pair = bin;
        list.Append(file);
    }
    platform::RemoveFile(r.dir.File("gone.exe").c_str());
    Observer seen;
    String body;
    EXPECT_EQ(0, RunDeliveryCopies(list, seen, body));
    EXPECT_EQ(std::vector<int>{2}, seen.folders);
    EXPECT_EQ(r.dir.File("a.exe") + " delivered to " + r.bin + "\n" + r.dir.File("gone.exe") +
                  " delivered to " + r.bin + "\n",
              body.c_str());
    EXPECT_EQ(0u, list.At(1)->size);
}

TEST(Delivery, ProgressGeometry) {
    const ProgressBar bar = ProgressBarFor(490, 20);
    EXPECT_EQ(400, bar.width);
    EXPECT_EQ(20, bar.height);
    EXPECT_EQ(0, FilledWidth(0, 0, 400)); // nothing to copy: an empty bar
    EXPECT_EQ(0, FilledWidth(0, 1000, 400));
    EXPECT_EQ(199, FilledWidth(500, 1000, 400));
    EXPECT_EQ(399, FilledWidth(1000, 1000, 400));
    int x = 0, y = 0;
    LabelOrigin(bar, 51, 13, x, y);
    EXPECT_EQ(175, x);
    EXPECT_EQ(4, y);
}

} // namespace
} // namespace qelvo
