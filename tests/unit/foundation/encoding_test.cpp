// The binary encodings of texts and lists, and the failures of corrupt or short files.
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;
using qelvo::testing_support::MessageRecorder;
using qelvo::testing_support::TempDir;

namespace {
// Writes with fn into a file and gives the bytes.
template <class Fn> std::string Encode(Fn fn, int* result = nullptr) {
    TempDir dir;
    FILE* f = platform::OpenFile(dir.File("enc").c_str(), "wb");
    int r = fn(f);
    std::fclose(f);
    if (result)
        *result = r;
    return dir.Read("enc");
}

// Opens a file holding bytes for reading; the directory lives as long as the reader.
struct Reader {
    explicit Reader(const std::string& bytes) {
        file = platform::OpenFile(dir.Write("in", bytes).c_str(), "rb");
    }
    ~Reader() { std::fclose(file); }
    TempDir dir;
    FILE* file;
};

// 02 00 00 00, 01 00 61 00, 02 00 62 63 00: the count and two texts, 13 bytes.
const std::string kTwoTexts("\x02\x00\x00\x00\x01\x00" "a\x00\x02\x00" "bc\x00", 13);
} // namespace

TEST(Encoding, Strings) {
    String empty, abc("abc");
    int ok = 0;
    EXPECT_EQ(Encode([&](FILE* f) { return empty.fWrite(f); }, &ok), std::string(3, '\0'));
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(Encode([&](FILE* f) { return abc.fWrite(f); }), std::string("\x03\x00" "abc\x00", 6));
}

TEST(Encoding, Lists) {
    Tableau<String> empty;
    EXPECT_EQ(Encode([&](FILE* f) { return empty.fWrite(f); }), std::string(4, '\0'));
    Tableau<String> two;
    two.Append(new String("a"));
    two.Append(new String("bc"));
    EXPECT_EQ(Encode([&](FILE* f) { return two.fWrite(f); }), kTwoTexts);
}

TEST(Encoding, AListWithANullEntryIsNotWritten) {
    Tableau<String> list;
    list.Append(new String("a"));
    list.Append(nullptr);
    int ok = 1;
    Encode([&](FILE* f) { return list.fWrite(f); }, &ok);
    EXPECT_EQ(ok, 0);
}

TEST(Decoding, StringRoundTrip) {
    Reader in(std::string("\x03\x00" "abc\x00\x00\x00\x00", 9));
    String a("old"), b("old");
    ASSERT_EQ(a.fRead(in.file), 1);
    EXPECT_STREQ(a.c_str(), "abc");
    EXPECT_EQ(a.Length(), 3u);
    ASSERT_EQ(b.fRead(in.file), 1);
    EXPECT_STREQ(b.c_str(), "");
    String c("old");
    EXPECT_EQ(c.fRead(in.file), 0) << "nothing left";
}

TEST(Decoding, ListRoundTrip) {
    Reader in(kTwoTexts);
    Tableau<String> list;
    list.Append(new String("replaced"));
    ASSERT_EQ(list.fRead(in.file), 1);
    ASSERT_EQ(list.count, 2);
    EXPECT_STREQ(list.At(0)->c_str(), "a");
    EXPECT_STREQ(list.At(1)->c_str(), "bc");
}

TEST(Decoding, AShortListFailsAndLeavesNullEntries) {
    Reader in(kTwoTexts.substr(0, 10));
    Tableau<String> list;
    EXPECT_EQ(list.fRead(in.file), 0);
    ASSERT_EQ(list.count, 2);
    ASSERT_NE(list.At(0), nullptr);
    EXPECT_STREQ(list.At(0)->c_str(), "a");
    EXPECT_EQ(list.At(1), nullptr);
}

TEST(Decoding, TruncatedOrCorruptStrings) {
    // The length promises more than the file holds.
    Reader promise(std::string("\xff\xff" "abc", 5));
    String s("old");
    EXPECT_EQ(s.fRead(promise.file), 0);
    EXPECT_STREQ(s.c_str(), "") << "no half-read text is kept";
    EXPECT_EQ(s.Length(), 0u);

    // One byte of length only.
    Reader half(std::string("\x03", 1));
    EXPECT_EQ(s.fRead(half.file), 0);

    // Characters present but the promised zero missing at the very end.
    Reader noZero(std::string("\x03\x00" "abc", 5));
    EXPECT_EQ(s.fRead(noZero.file), 0);

    // A non-zero byte where the zero belongs: read, and still terminated.
    Reader wrongZero(std::string("\x02\x00" "abX", 5));
    ASSERT_EQ(s.fRead(wrongZero.file), 1);
    EXPECT_STREQ(s.c_str(), "ab");
    EXPECT_EQ(s.Length(), 2u);
}

TEST(Decoding, CorruptCountsAllocateNothing) {
    for (const std::string& bytes :
         {std::string("\xff\xff\xff\xff", 4), std::string("\xff\xff\xff\x7f", 4),
          std::string("\x00\x00\x00\x80", 4), std::string("\x10\x27\x00\x00\x01\x00" "a", 7),
          std::string("\x01\x00", 2)}) {
        Reader in(bytes);
        Tableau<String> list;
        EXPECT_EQ(list.fRead(in.file), 0);
        EXPECT_EQ(list.count, 0);
        EXPECT_EQ(list.capacity, 0);
    }
}

TEST(Decoding, EnsembleCannotBeRead) {
    MessageRecorder recorder;
    Reader in(kTwoTexts);
    Ensemble<String> list;
    EXPECT_EQ(list.fRead(in.file), 0);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Appel de Basic::fRead virtuelle pure !");
    EXPECT_EQ(recorder.messages[0].title, "Erreur");
    EXPECT_EQ(recorder.messages[0].flags, platform::kMbOk | platform::kMbIconStop);
}

TEST(Basic, DefaultOperationsSayTheyAreMissing) {
    MessageRecorder recorder;
    Basic plain;
    EXPECT_EQ(plain.fWrite(stdout), 0);
    EXPECT_STREQ(static_cast<char*>(plain), "");
    EXPECT_EQ(static_cast<long>(plain), 0);
    BasicTableau list;
    EXPECT_EQ(static_cast<long>(list), 0);
    ASSERT_EQ(recorder.messages.size(), 4u);
    EXPECT_EQ(recorder.messages[0].text, "Appel de Basic::fWrite virtuelle pure !");
    EXPECT_EQ(recorder.messages[1].text, "Appel de Basic::char * virtuelle pure !");
    EXPECT_EQ(recorder.messages[2].text, "Appel de Basic::long int virtuelle pure !");
    EXPECT_EQ(recorder.messages[3].text, "Appel de Basic::long int virtuelle pure !");
    for (const auto& m : recorder.messages) {
        EXPECT_EQ(m.title, "Erreur");
        EXPECT_EQ(m.flags, platform::kMbOk | platform::kMbIconStop);
    }
}
