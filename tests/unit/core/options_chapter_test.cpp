// The options chapter as the IDE sees it: registered with the OptionsDialogService at start and
// withdrawn at stop, pages by position and by dialog, the hints of focused controls, the
// modified flag, and every page released with the chapter.
#include "core/globals.h"
#include "core/options_chapter.h"
#include "stand_in_ide.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;

namespace {

int pagesGone = 0;

class CountedPage final : public AddonPageBase {
public:
    CountedPage(int32_t dialogId, const char* title, const ControlHint* hints, int hintCount)
        : AddonPageBase(dialogId, dialogId == 102 ? 4096 : 1, title, 8, "page description", hints,
                        hintCount) {}
    int loads = 0;

protected:
    ~CountedPage() override { ++pagesGone; }
    void LoadControls() override { ++loads; }
};

const ControlHint kHints[] = {{1010, "check box hint"}, {1016, "edit hint"}};

// Three pages of the table, with the ones between them not built.
void BuildThree(IMpdChapterAddon& chapter) {
    chapter.AddPage(new CountedPage(102, "Front", nullptr, 0));
    chapter.AddPage(new CountedPage(103, "General options", kHints, 2));
    chapter.AddPage(new CountedPage(111, "HTML generation", nullptr, 0));
}

class RecordingSite final : public ide::IMpdPageSite {
public:
    std::vector<std::string> shown;
    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid&, void** out) override {
        *out = nullptr;
        return ide::kIdeNoInterface;
    }
    uint32_t QELVO_IDECALL AddRef() override { return 1; }
    uint32_t QELVO_IDECALL Release() override { return 1; }
    void QELVO_IDECALL ShowDescription(ide::HostString* text) override {
        shown.push_back(text->GetText());
        text->Release();
    }
};

class OptionsChapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagesGone = 0;
        Services = ide.Services();
        BuildOptionPages = BuildThree;
    }
    void TearDown() override {
        BuildOptionPages = nullptr;
        Services = nullptr;
    }
    host::StandInIde ide;
};

TEST_F(OptionsChapterTest, TheChapterIsAddedAtStartAndWithdrawnWithItsPages) {
    {
        MpdTest registration(ide.Services());
        ASSERT_EQ(ide.OptionsDialog().ChapterCount(), 1u);
        ide::IMpdChapter* chapter = ide.OptionsDialog().Chapter(0);
        EXPECT_EQ(chapter->GetPageCount(), 3);
        EXPECT_EQ(chapter->GetPage(0), nullptr);
        EXPECT_EQ(chapter->GetPage(4), nullptr);
        ide::IMpdPage* second = chapter->GetPage(2);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->GetDialogId(), 103);
        EXPECT_EQ(second->GetFlags(), 1);
        ide::HostString* title = second->GetTitle();
        EXPECT_STREQ(title->GetText(), "General options");
        title->Release();
        second->Release();
        // By dialog: the position when the table is whole, the page's own dialog otherwise.
        const int32_t ids[] = {102, 103, 111};
        for (int32_t id : ids) {
            ide::IMpdPage* page = chapter->GetPageById(id);
            ASSERT_NE(page, nullptr) << id;
            EXPECT_EQ(page->GetDialogId(), id);
            page->Release();
        }
        EXPECT_EQ(chapter->GetPageById(109), nullptr);
        EXPECT_EQ(chapter->GetPageById(101), nullptr);
        EXPECT_EQ(pagesGone, 0);
    }
    EXPECT_EQ(ide.OptionsDialog().ChapterCount(), 0u);
    EXPECT_EQ(pagesGone, 3);
}

TEST_F(OptionsChapterTest, FocusShowsTheControlsHintAndClicksOrTextChangesMarkThePage) {
    MpdTest registration(ide.Services());
    ide::IMpdPage* page = ide.OptionsDialog().Chapter(0)->GetPage(2);
    RecordingSite site;
    page->Attach(nullptr, &site);
    page->ShowDescription();
    page->OnCommand(1010, nullptr, 6);   // the check box gets the focus
    page->OnCommand(1016, nullptr, 256); // the edit gets the focus
    page->OnCommand(1011, nullptr, 6);   // a control without a hint
    EXPECT_EQ(site.shown,
              (std::vector<std::string>{"page description", "check box hint", "edit hint"}));
    EXPECT_EQ(page->IsModified(), 0);
    page->OnCommand(1016, nullptr, 768);
    EXPECT_EQ(page->IsModified(), 1);
    page->Reset();
    EXPECT_EQ(page->IsModified(), 0);
    EXPECT_EQ(static_cast<CountedPage*>(page)->loads, 1);
    page->OnCommand(1010, nullptr, 0);
    EXPECT_EQ(page->IsModified(), 1);
    page->Attach(nullptr, &site);
    EXPECT_EQ(page->IsModified(), 0);
    EXPECT_EQ(page->Validate(), 1);
    page->Release();
}

} // namespace
