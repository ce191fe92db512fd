// The registry side of the settings store, against the in-memory registry and, under Wine,
// against the real one below a test key.
#include "foundation/settings.h"
#include "foundation/settings_defaults.h"
#include "memory_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;

namespace {

const char* const kTestKey = "SOFTWARE\\QelvoTest\\Settings";

class Settings : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        RegistryPath.Set(kTestKey);
        if (std::string(GetParam()) == "memory") {
            memory_.reset(new MemoryRegistry);
        } else {
#ifdef _WIN32
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
#endif
        }
    }
    void TearDown() override {
#ifdef _WIN32
        if (!memory_)
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
#endif
        memory_.reset();
        RegistryPath.Set(kAddonKey);
    }

    // Stores raw bytes as the value, as another program might have.
    void Raw(const char* group, const char* name, const std::string& bytes) {
        SettingsRegistry* active = SetSettingsRegistry(nullptr);
        SetSettingsRegistry(active);
        SettingsRegistry& registry = active ? *active : SystemSettingsRegistry();
        std::string key = std::string(kTestKey) + "\\" + group;
        ASSERT_TRUE(registry.Write(key.c_str(), name, bytes.data(), bytes.size()));
    }

    std::unique_ptr<MemoryRegistry> memory_;
};

} // namespace

TEST_P(Settings, EmptyRegistryGivesEveryDefault) {
    for (const SettingDefault* d = kSettingDefaults; d->group; ++d) {
        if (d->text) {
            char out[256] = "unchanged";
            EXPECT_TRUE(ReadText(d->group, d->name, out, sizeof out, DefaultText(d->group, d->name)));
            EXPECT_STREQ(out, d->text) << d->group << "\\" << d->name;
        } else {
            EXPECT_EQ(ReadSettingInt(d->group, d->name, true), d->value)
                << d->group << "\\" << d->name;
            EXPECT_EQ(ReadSettingInt(d->group, d->name, false), d->oldShellValue);
        }
    }
    if (memory_) {
        EXPECT_EQ(memory_->writes, 0) << "reading writes nothing";
    }
}

TEST_P(Settings, TableValuesThatOtherFeaturesRelyOn) {
    EXPECT_EQ(DefaultInt("TopBar", "LeftMargin", true), -1);
    EXPECT_EQ(DefaultInt("TopBar", "LeftMargin", false), 17);
    EXPECT_EQ(DefaultInt("TopBar", "RightMargin", true), 58);
    EXPECT_EQ(DefaultInt("TopBar", "RightMargin", false), 37);
    EXPECT_EQ(DefaultInt("Completion", "KeyCode", true), 222);
    EXPECT_STREQ(DefaultText("Groupware", "Filters"),
                 "*.cpp;*.cc;*.c;*.h;*.rh;*.rc;*.bmp;*.ico;*.gif");
    EXPECT_STREQ(DefaultText("TopBar\\IDE", "Entry3"), "not found");
    EXPECT_STREQ(DefaultText("Completion\\Files", "Entry0"), "not found");
    EXPECT_STREQ(DefaultText("Nothing", "Here"), "");
}

TEST_P(Settings, TextAndIntegerRoundTrip) {
    EXPECT_TRUE(WriteText("QuickFind", "FunctionMask", "*.cxx"));
    WriteInt("TopBar", "MenuSize", -25);
    WriteInt("TopBar\\IDE", "Count", 3);
    char out[64];
    EXPECT_TRUE(ReadText("QuickFind", "FunctionMask", out, sizeof out, nullptr));
    EXPECT_STREQ(out, "*.cxx");
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), -25);
    EXPECT_EQ(ReadInt("TopBar\\IDE", "Count", 0), 3);
    String text;
    EXPECT_TRUE(ReadText("TopBar", "MenuSize", text, nullptr));
    EXPECT_STREQ(text.c_str(), "-25") << "integers are stored as text";
}

TEST_P(Settings, MissingValueWithoutDefaultFails) {
    char out[8] = "keep";
    EXPECT_FALSE(ReadText("General", "Nothing", out, sizeof out, nullptr));
    EXPECT_STREQ(out, "keep");
    EXPECT_TRUE(ReadText("General", "Nothing", out, sizeof out, "dflt"));
    EXPECT_STREQ(out, "dflt");
}

TEST_P(Settings, IntegersReadWithPercentD) {
    Raw("TopBar", "MenuSize", std::string(" 12\0", 4));
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), 12);
    Raw("TopBar", "MenuSize", std::string("30 items\0", 9));
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), 30);
    Raw("TopBar", "MenuSize", std::string("many\0", 5));
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), 50) << "not a number: the default";
    Raw("TopBar", "MenuSize", std::string("\0", 1));
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), 50);
}

TEST_P(Settings, ValueSizesAtTheBufferLimit) {
    std::string fits(1999, 'a');
    Raw("Tasks", "Types", fits + '\0'); // 2000 bytes
    char out[4000];
    ASSERT_TRUE(ReadText("Tasks", "Types", out, sizeof out, nullptr));
    EXPECT_EQ(std::string(out), fits);

    Raw("Tasks", "Types", std::string(2000, 'b') + '\0'); // 2001 bytes: missing
    EXPECT_FALSE(ReadText("Tasks", "Types", out, sizeof out, nullptr));
    ASSERT_TRUE(ReadText("Tasks", "Types", out, sizeof out, "Design"));
    EXPECT_STREQ(out, "Design");

    if (memory_) {
        // A value stored without its terminator: its last byte becomes one. (The real registry
        // under Wine hands string values back terminated, so this is the store's rule alone.)
        Raw("Tasks", "Types", std::string("abc", 3));
        ASSERT_TRUE(ReadText("Tasks", "Types", out, sizeof out, nullptr));
        EXPECT_STREQ(out, "ab");
    }
}

TEST_P(Settings, ReadingIntoASmallFieldIsBounded) {
    WriteText("QuickFind", "IncludeMask", "*.h;*.rh;*.hpp;*.hxx");
    char field[8];
    std::memset(field, 'z', sizeof field);
    ASSERT_TRUE(ReadText("QuickFind", "IncludeMask", field, sizeof field, nullptr));
    EXPECT_STREQ(field, "*.h;*.r");
}

TEST_P(Settings, EmptyTextIsAValue) {
    Raw("Completion", "TextCode", std::string("\0", 1));
    char out[16] = "x";
    ASSERT_TRUE(ReadText("Completion", "TextCode", out, sizeof out, "???"));
    EXPECT_STREQ(out, "");
}

TEST_P(Settings, GroupsLieBelowTheRegistryPath) {
    RegistryPath.Set("SOFTWARE\\QelvoTest\\Settings\\Nested");
    WriteInt("General", "Unic", 0);
    RegistryPath.Set(kTestKey);
    EXPECT_EQ(ReadInt("General", "Unic", 1), 1);
    EXPECT_EQ(ReadInt("Nested\\General", "Unic", 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Memory, Settings, ::testing::Values("memory"));
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(WindowsRegistry, Settings, ::testing::Values("system"));
#endif

TEST(SettingsWrites, AFailedWriteIsSilentlyLost) {
    MemoryRegistry memory;
    memory.failWrites = true;
    EXPECT_FALSE(WriteText("General", "Unic", "0"));
    WriteInt("General", "Unic", 0);
    EXPECT_EQ(ReadInt("General", "Unic", 1), 1);
}
