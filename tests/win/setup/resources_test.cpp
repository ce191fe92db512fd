// setup.exe's resources read back from the built program: the dialog template MAIN control by
// control, the logo's size, the icon, and the three payload files byte for byte.
#include "setup_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

namespace qelvo {
namespace setup_test {
using namespace setup_driver;
namespace {

struct Item {
    unsigned style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className; // "button", "edit", "static", "listbox" or the name given
    std::string text;
};

struct Template {
    unsigned style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string title, font;
    int pointSize = 0;
    std::vector<Item> items;
};

class Reader {
public:
    Reader(const unsigned char* data, size_t size) : data_(data), size_(size) {}
    unsigned Word() {
        unsigned w = at_ + 2 <= size_ ? unsigned(data_[at_] | (data_[at_ + 1] << 8)) : 0;
        at_ += 2;
        return w;
    }
    unsigned Dword() {
        unsigned low = Word();
        return low | (Word() << 16);
    }
    int Short() { return int(short(Word())); }
    std::string Wide() {
        std::string text;
        for (unsigned c = Word(); c != 0 && at_ <= size_; c = Word())
            text += char(c);
        return text;
    }
    // A name or an ordinal (0xFFFF then the number, given back as "#n").
    std::string NameOrOrdinal() {
        unsigned first = Word();
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        if (first == 0) return "";
        at_ -= 2;
        return Wide();
    }
    void AlignDword() { at_ = (at_ + 3) & ~size_t(3); }
    void Skip(size_t n) { at_ += n; }

private:
    const unsigned char* data_;
    size_t size_;
    size_t at_ = 0;
};

std::string ClassName(const std::string& raw) {
    if (raw == "#128") return "button";
    if (raw == "#129") return "edit";
    if (raw == "#130") return "static";
    if (raw == "#131") return "listbox";
    std::string lower = raw;
    for (char& c : lower)
        c = char(tolower(static_cast<unsigned char>(c)));
    return lower;
}

Template Parse(const unsigned char* data, size_t size) {
    Reader r(data, size);
    Template t;
    t.style = r.Dword();
    r.Dword(); // extended style
    unsigned count = r.Word();
    t.x = r.Short(), t.y = r.Short(), t.cx = r.Short(), t.cy = r.Short();
    r.NameOrOrdinal(); // menu
    r.NameOrOrdinal(); // class
    t.title = r.Wide();
    if (t.style & DS_SETFONT) {
        t.pointSize = int(r.Word());
        t.font = r.Wide();
    }
    for (unsigned i = 0; i < count; ++i) {
        r.AlignDword();
        Item item;
        item.style = r.Dword();
        r.Dword();
        item.x = r.Short(), item.y = r.Short(), item.cx = r.Short(), item.cy = r.Short();
        item.id = int(r.Word());
        item.className = ClassName(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Word());
        t.items.push_back(item);
    }
    return t;
}

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExA(BesideProgram("setup.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    std::string Bytes(const char* name, const char* type) {
        HRSRC found = FindResourceA(module, name, type);
        if (!found) return "<missing>";
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }
    HMODULE module = nullptr;
};

TEST_F(Resources, TheDialogHasTheControlsTextsPositionsAndSizesOfItsDesign) {
    std::string bytes = Bytes("MAIN", MAKEINTRESOURCEA(5));
    ASSERT_NE(bytes, "<missing>");
    Template t = Parse(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    EXPECT_EQ(t.cx, 233);
    EXPECT_EQ(t.cy, 109);
    EXPECT_EQ(t.title, "");
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);

    struct Expected {
        int id;
        const char* className;
        const char* text;
        int x, y, cx, cy;
    };
    const Expected expected[] = {
        {106, "button", "", 106, 0, 124, 35},
        {0xFFFF, "static", "Qelvo AddOn for Borland C++ 5.0", 112, 6, 112, 8},
        {0xFFFF, "static", "Version 1.2", 112, 15, 112, 8},
        {0xFFFF, "static", "Installation program", 112, 24, 112, 8},
        {101, "button", "Directory :", 3, 35, 227, 41},
        {0xFFFF, "static", "&Borland C++ :", 12, 47, 45, 8},
        {102, "edit", "C:\\BC5", 60, 45, 165, 12},
        {0xFFFF, "static", "&Qelvo AddOn :", 6, 62, 51, 8},
        {108, "edit", "C:\\BC5\\QELVO", 60, 60, 165, 12},
        {103, "button", "", 3, 76, 227, 29},
        {104, "button", "Install", 48, 86, 50, 14},
        {2, "button", "Cancel", 131, 86, 50, 14},
        {105, "button", "Installation", 3, 106, 227, 61},
        {107, "listbox", "", 8, 117, 217, 45},
    };
    ASSERT_EQ(t.items.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < t.items.size(); ++i) {
        const Item& item = t.items[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + " " + e.text);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.className, e.className);
        EXPECT_EQ(item.text, e.text);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
        if (item.className == "button" &&
            (e.id == 101 || e.id == 103 || e.id == 105 || e.id == 106)) {
            EXPECT_EQ(item.style & 0xF, unsigned(BS_GROUPBOX));
        }
        if (e.id == 105)
            EXPECT_EQ(item.style & WS_VISIBLE, 0u) << "hidden until Install";
        else
            EXPECT_NE(item.style & WS_VISIBLE, 0u);
        if (e.id == 107) {
            EXPECT_NE(item.style & LBS_USETABSTOPS, 0u);
            EXPECT_EQ(item.style & LBS_SORT, 0u) << "lines stay in step order";
        }
    }
}

TEST_F(Resources, LogoIconAndPayloadAreCarried) {
    std::string logo = Bytes("BMPLOGO", MAKEINTRESOURCEA(2));
    ASSERT_GE(logo.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, logo.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 123);
    EXPECT_EQ(header.biHeight, 46);
    EXPECT_NE(Bytes("MAINICON", MAKEINTRESOURCEA(14)), "<missing>");
    // Names are matched without regard to case.
    EXPECT_EQ(Bytes("FileDll", MAKEINTRESOURCEA(10)),
              ReadFileBytes(BesideProgram("payload\\Qelvoadd.dll")));
    EXPECT_EQ(Bytes("FILEHLP", MAKEINTRESOURCEA(10)),
              ReadFileBytes(BesideProgram("payload\\QELVOADD.HLP")));
    EXPECT_EQ(Bytes("FILECNT", MAKEINTRESOURCEA(10)),
              ReadFileBytes(BesideProgram("payload\\QELVOADD.CNT")));
    std::string cnt = Bytes("FILECNT", MAKEINTRESOURCEA(10));
    EXPECT_EQ(cnt.rfind(":Base QELVOADD.HLP\r\n", 0), 0u);
}

TEST_F(Resources, TheStandInIdeStatesVersion502) {
    for (const char* dll : {"BCWRES.DLL", "BCWRES501.DLL"}) {
        HMODULE ide = LoadLibraryExA(BesideProgram(dll).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(ide, nullptr) << dll;
        HRSRC found = FindResourceA(ide, MAKEINTRESOURCEA(12432), MAKEINTRESOURCEA(5));
        ASSERT_NE(found, nullptr) << dll;
        const auto* data =
            static_cast<const unsigned char*>(LockResource(LoadResource(ide, found)));
        Template t = Parse(data, SizeofResource(ide, found));
        bool stated = false;
        for (const Item& item : t.items)
            stated = stated || item.text == (std::strcmp(dll, "BCWRES.DLL") == 0 ? "Version 5.02"
                                                                                 : "Version 5.01");
        EXPECT_TRUE(stated) << dll;
        FreeLibrary(ide);
    }
}

} // namespace
} // namespace setup_test
} // namespace qelvo
