#include "setup/integrity.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qelvo {
namespace setup {
namespace {

TEST(Crc32, MatchesTheUsualCheckValues) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32("", 0), 0u);
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog", 43), 0x414FA339u);
    // Continued over two pieces it equals the whole.
    EXPECT_EQ(Crc32("6789", 4, Crc32("12345", 5)), 0xCBF43926u);
}

// Resources by name and type; a missing one cannot be read.
class FakeResources : public ResourceReader {
public:
    bool Read(const char* name, int type, const unsigned char*& data, size_t& size) override {
        reads.push_back(name);
        auto it = bytes.find({name, type});
        if (it == bytes.end()) return false;
        data = reinterpret_cast<const unsigned char*>(it->second.data());
        size = it->second.size();
        return true;
    }
    std::map<std::pair<std::string, int>, std::string> bytes;
    std::vector<std::string> reads;
};

ResourceSum Sum(const char* name, int type, const std::string& content) {
    return {name, type, uint32_t(content.size()), Crc32(content.data(), content.size())};
}

class Integrity : public ::testing::Test {
protected:
    void SetUp() override {
        resources.bytes[{"BMPLOGO", 2}] = "bitmap bits";
        resources.bytes[{"MAIN", 5}] = std::string("dialog\0template", 15);
        resources.bytes[{"FILEDLL", 10}] = std::string(40000, 'd');
        resources.bytes[{"FILECNT", 10}] = ":Base QELVOADD.HLP\r\n";
        resources.bytes[{"FILEHLP", 10}] = "";
        for (auto& [key, content] : resources.bytes)
            sums[key.first] = Sum(names.at(key.first), key.second, content);
    }
    std::vector<ResourceSum> Ordered() {
        std::vector<ResourceSum> list;
        for (const char* name : {"BMPLOGO", "MAIN", "FILEDLL", "FILECNT", "FILEHLP"})
            list.push_back(sums[name]);
        return list;
    }
    bool Check() {
        auto list = Ordered();
        return CheckIntegrity(resources, list.data(), list.size());
    }

    std::map<std::string, const char*> names = {{"BMPLOGO", "BMPLOGO"},
                                                {"MAIN", "MAIN"},
                                                {"FILEDLL", "FILEDLL"},
                                                {"FILECNT", "FILECNT"},
                                                {"FILEHLP", "FILEHLP"}};
    FakeResources resources;
    std::map<std::string, ResourceSum> sums;
};

TEST_F(Integrity, PassesWhenEveryResourceMatchesInOrder) {
    EXPECT_TRUE(Check());
    EXPECT_EQ(resources.reads,
              (std::vector<std::string>{"BMPLOGO", "MAIN", "FILEDLL", "FILECNT", "FILEHLP"}));
}

TEST_F(Integrity, OneChangedByteFails) {
    resources.bytes[{"FILEDLL", 10}][20000] = 'e';
    EXPECT_FALSE(Check());
    EXPECT_EQ(resources.reads.back(), "FILEDLL") << "the first failure ends the check";
}

TEST_F(Integrity, ASizeChangeFailsEvenWithTheSameCrc) {
    sums["FILECNT"].size += 1;
    EXPECT_FALSE(Check());
}

TEST_F(Integrity, AMissingResourceFails) {
    resources.bytes.erase({"MAIN", 5});
    EXPECT_FALSE(Check());
    resources.bytes[{"MAIN", 10}] = std::string("dialog\0template", 15); // wrong type
    EXPECT_FALSE(Check());
}

} // namespace
} // namespace setup
} // namespace qelvo
