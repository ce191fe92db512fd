// Reading a file's text through the IDE's reader: chunks of at most 32000 bytes, one retry
// with a new reader when the reads fail, and never a byte beyond what was really read.
#include "navigation/source_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::ide;

namespace {

struct FakeString : IUnknownImp<HostString> {
    void QELVO_IDECALL SetText(const char* t) override { text = t ? t : ""; }
    const char* QELVO_IDECALL GetText() override { return text.c_str(); }
    std::string text;
};

struct Script {
    std::string text;            // what the reader delivers
    int32_t claimed = INT32_MIN; // what the end seek answers; INT32_MIN: the text's size
    int failingReaders = 0;      // readers whose reads answer -1
    int32_t openInEditor = kIdeFalse;
    std::vector<std::string> log;
};

struct FakeReader : IUnknownImp<HostFileReader> {
    FakeReader(Script& s, bool failing) : script(s), failing(failing) {}
    void QELVO_IDECALL SetFileName(HostString* name) override {
        script.log.push_back(std::string("name ") + name->GetText());
        name->Release();
    }
    IdeResult QELVO_IDECALL QueryOpenInEditor() override { return script.openInEditor; }
    IdeBool QELVO_IDECALL Open(int32_t mode) override {
        script.log.push_back("open " + std::to_string(mode));
        return 1;
    }
    int32_t QELVO_IDECALL Read(void* buffer, int32_t count) override {
        script.log.push_back("read " + std::to_string(count));
        if (failing) return -1;
        size_t n = std::min(static_cast<size_t>(count), script.text.size() - position);
        std::memcpy(buffer, script.text.data() + position, n);
        position += n;
        return static_cast<int32_t>(n);
    }
    int32_t QELVO_IDECALL Seek(int32_t offset, int32_t origin) override {
        if (origin == kSeekEnd)
            return script.claimed != INT32_MIN ? script.claimed
                                               : static_cast<int32_t>(script.text.size());
        position = static_cast<size_t>(offset);
        return offset;
    }
    void QELVO_IDECALL Close() override { script.log.push_back("close"); }
    Script& script;
    bool failing;
    size_t position = 0;
};

struct FakeServices : IUnknownImp<IdeServices> {
    explicit FakeServices(Script& s) : script(s) {}
    HostString* QELVO_IDECALL NewHostString() override { return new FakeString; }
    HostFileReader* QELVO_IDECALL NewHostFileReader() override {
        bool failing = readers++ < script.failingReaders;
        return new FakeReader(script, failing);
    }
    Script& script;
    int readers = 0;
};

std::string Read(Script& script) {
    FakeServices* services = new FakeServices(script);
    SourceText text = ReadSourceText(services, "C:\\APP\\MAIN.CPP");
    services->Release();
    EXPECT_EQ(text.bytes[text.length], '\0');
    return std::string(text.bytes.get(), text.length);
}

} // namespace

TEST(SourceText, ReadsInChunksOfAtMost32000Bytes) {
    Script script;
    script.text = std::string(70000, 'x');
    EXPECT_EQ(Read(script), script.text);
    std::vector<std::string> expected = {
        "name C:\\APP\\MAIN.CPP", "open 0", "read 32000", "read 32000", "read 6000", "close"};
    EXPECT_EQ(script.log, expected);
}

TEST(SourceText, FailedReadsTryOnceMoreFromTheEditor) {
    Script script;
    script.text = "int main()";
    script.failingReaders = 1;
    script.openInEditor = kIdeOk;
    EXPECT_EQ(Read(script), "int main()");
    EXPECT_EQ(script.log[1], "open 0");
    EXPECT_NE(std::find(script.log.begin(), script.log.end(), "open 2"), script.log.end());

    Script closed;
    closed.text = "f()";
    closed.failingReaders = 1;
    Read(closed);
    EXPECT_EQ(std::count(closed.log.begin(), closed.log.end(), "open 0"), 2);

    Script never;
    never.text = "f()";
    never.failingReaders = 2;
    EXPECT_EQ(Read(never), "");
}

TEST(SourceText, ATextThatChangedUnderTheReader) {
    Script shrunk;
    shrunk.text = "abc";
    shrunk.claimed = 100; // measured before the text lost bytes
    EXPECT_EQ(Read(shrunk), "abc");
    Script grown;
    grown.text = "abcdef";
    grown.claimed = 4;
    EXPECT_EQ(Read(grown), "abcd");
    Script negative;
    negative.text = "abc";
    negative.claimed = -5;
    EXPECT_EQ(Read(negative), "");
}
