// The shipped DLL as the IDE's loader meets it under the 32-bit loader: it loads and its entry
// resolves by the plain name the IDE asks for; the faulty fixtures fail as they would on a
// user's Windows (a runtime DLL that is not there, an entry known only by its decorated name).
#include <windows.h>

#include <gtest/gtest.h>

static_assert(sizeof(void*) == 4, "the shipped files are 32-bit");

TEST(ShippedDll, LoadsAndItsEntryResolvesByItsPlainName) {
    HMODULE addon = LoadLibraryA("Qelvoadd.dll");
    ASSERT_NE(addon, nullptr) << "error " << GetLastError();
    EXPECT_NE(GetProcAddress(addon, "BcwAddOnEntry"), nullptr);
    EXPECT_EQ(GetProcAddress(addon, "BcwAddOnEntry@4"), nullptr);
    FreeLibrary(addon);
}

TEST(ShippedDll, ADllThatNeedsTheCompilersRuntimeDoesNotLoad) {
    SetLastError(0);
    HMODULE fixture = LoadLibraryA("fixture_runtime.dll");
    EXPECT_EQ(fixture, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    if (fixture)
        FreeLibrary(fixture);
}

TEST(ShippedDll, AnEntryExportedDecoratedIsNotFoundByItsPlainName) {
    HMODULE fixture = LoadLibraryA("fixture_decorated.dll");
    ASSERT_NE(fixture, nullptr) << "error " << GetLastError();
    EXPECT_EQ(GetProcAddress(fixture, "BcwAddOnEntry"), nullptr);
    EXPECT_NE(GetProcAddress(fixture, "BcwAddOnEntry@4"), nullptr);
    FreeLibrary(fixture);
}
