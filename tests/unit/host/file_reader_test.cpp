// The stand-in IDE's file reader: the text of a file on disk, or the text an editor holds.
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace qelvo {
namespace host {
namespace {

class Editors : public EditorTextSource {
public:
    bool IsOpen(const std::string& fileName) override { return texts.count(fileName) > 0; }
    bool Text(const std::string& fileName, std::string& text) override {
        auto found = texts.find(fileName);
        if (found == texts.end()) return false;
        text = found->second;
        return true;
    }
    std::map<std::string, std::string> texts;
};

// Reads as the add-on does: the length from a seek to the end, then chunks.
std::string ReadAll(ide::HostFileReader* reader, int32_t chunk) {
    int32_t length = reader->Seek(0, ide::kSeekEnd);
    EXPECT_EQ(reader->Seek(0, ide::kSeekStart), 0);
    std::string text;
    std::vector<char> buffer(static_cast<size_t>(chunk));
    while (static_cast<int32_t>(text.size()) < length) {
        int32_t n = reader->Read(buffer.data(), chunk);
        if (n <= 0) break;
        text.append(buffer.data(), static_cast<size_t>(n));
    }
    return text;
}

class FileReaderTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(LiveObjects(ObjectKind::FileReader), 0); }
    ide::HostString* Str(const std::string& text) {
        return ide::MakeHostString(ide.Services(), text.c_str());
    }

    testing_support::TempDir dir;
    StandInIde ide;
};

TEST_F(FileReaderTest, ReadsAFileOnDiskInChunksOfAtMost32000Bytes) {
    std::string big;
    for (int i = 0; big.size() < 70000; ++i)
        big += "line " + std::to_string(i) + "\r\n";
    std::string path = dir.Write("big.cpp", big);
    ide::HostFileReader* reader = ide.Services()->NewHostFileReader();
    ASSERT_TRUE(reader);
    reader->SetFileName(Str(path));
    EXPECT_EQ(reader->QueryOpenInEditor(), ide::kIdeFalse);
    ASSERT_EQ(reader->Open(ide::kReadCurrentText), 1);
    EXPECT_EQ(reader->Seek(0, ide::kSeekEnd), static_cast<int32_t>(big.size()));
    EXPECT_EQ(reader->Seek(0, ide::kSeekStart), 0);
    char* buffer = new char[40000];
    EXPECT_EQ(reader->Read(buffer, 40000), kMaxReadChunk);
    delete[] buffer;
    EXPECT_EQ(ReadAll(reader, 32000), big);
    EXPECT_EQ(reader->Seek(-10, ide::kSeekEnd), static_cast<int32_t>(big.size() - 10));
    EXPECT_EQ(reader->Seek(1, ide::kSeekEnd), -1);
    EXPECT_EQ(reader->Seek(-1, ide::kSeekStart), -1);
    EXPECT_EQ(reader->Seek(0, 1), -1);
    char one;
    EXPECT_EQ(reader->Read(&one, -1), -1);
    reader->Close();
    EXPECT_EQ(reader->Read(&one, 1), -1);
    EXPECT_EQ(reader->Seek(0, ide::kSeekStart), -1);
    reader->Release();
}

TEST_F(FileReaderTest, FailsForMissingFilesAndUnknownModes) {
    ide::HostFileReader* reader = ide.Services()->NewHostFileReader();
    EXPECT_EQ(reader->Open(ide::kReadCurrentText), 0); // no name yet
    reader->SetFileName(Str(dir.File("missing.cpp")));
    EXPECT_EQ(reader->Open(ide::kReadCurrentText), 0);
    char byte;
    EXPECT_EQ(reader->Read(&byte, 1), -1);
    std::string path = dir.Write("empty.cpp", "");
    reader->SetFileName(Str(path));
    EXPECT_EQ(reader->Open(1), 0);
    // A file on disk is no editor buffer.
    EXPECT_EQ(reader->Open(ide::kReadEditorBuffer), 0);
    ASSERT_EQ(reader->Open(ide::kReadCurrentText), 1);
    EXPECT_EQ(reader->Seek(0, ide::kSeekEnd), 0);
    EXPECT_EQ(reader->Read(&byte, 1), 0);
    reader->Release();
}

TEST_F(FileReaderTest, ReadsTheEditorsTextWhenTheFileIsOpenInOne) {
    Editors editors;
    ide.SetEditorTextSource(&editors);
    std::string path = dir.Write("a.cpp", "on disk\n");
    editors.texts[path] = "void f()\n{ unsaved\n";
    ide::HostFileReader* reader = ide.Services()->NewHostFileReader();
    reader->SetFileName(Str(path));
    EXPECT_EQ(reader->QueryOpenInEditor(), ide::kIdeOk);
    ASSERT_EQ(reader->Open(ide::kReadCurrentText), 1);
    EXPECT_EQ(ReadAll(reader, 5), "void f()\n{ unsaved\n");
    ASSERT_EQ(reader->Open(ide::kReadEditorBuffer), 1);
    EXPECT_EQ(ReadAll(reader, 100), "void f()\n{ unsaved\n");
    reader->Close();
    editors.texts.clear();
    EXPECT_EQ(reader->QueryOpenInEditor(), ide::kIdeFalse);
    ASSERT_EQ(reader->Open(ide::kReadCurrentText), 1);
    EXPECT_EQ(ReadAll(reader, 100), "on disk\n");
    reader->Release();
}

} // namespace
} // namespace host
} // namespace qelvo
