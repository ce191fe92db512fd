// Sends mail through MAPI32.DLL as the add-on does (loaded for the send, MAPISendMail looked up)
// and checks that the stand-in, not Wine's built-in mapi32, took it.
#include <windows.h>
#include <mapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Outbox() {
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("QELVO_MAIL_OUTBOX", path, sizeof path);
    return path;
}

void EmptyOutbox(const std::string& outbox) {
    CreateDirectoryA(outbox.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((outbox + "\\*.eml").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileA((outbox + "\\" + data.cFileName).c_str());
    while (FindNextFileA(find, &data));
    FindClose(find);
}

struct Library {
    Library() : module(LoadLibraryA("MAPI32.DLL")) {}
    ~Library() {
        if (module)
            FreeLibrary(module);
    }
    HMODULE module;
};

ULONG Send(HMODULE module, const char* subject, const char* body,
           std::initializer_list<const char*> names) {
    auto send = reinterpret_cast<LPMAPISENDMAIL>(
        reinterpret_cast<void*>(GetProcAddress(module, "MAPISendMail")));
    if (!send)
        return 0xFFFF;
    MapiRecipDesc recipients[8] = {};
    ULONG count = 0;
    for (const char* name : names) {
        recipients[count].ulRecipClass = MAPI_TO;
        recipients[count].lpszName = const_cast<char*>(name);
        ++count;
    }
    MapiMessage message = {};
    message.lpszSubject = const_cast<char*>(subject);
    message.lpszNoteText = const_cast<char*>(body);
    message.nRecipCount = count;
    message.lpRecips = count ? recipients : nullptr;
    return send(0, 0, &message, 0, 0);
}

} // namespace

TEST(MapiStandIn, IsTheOneLoaded) {
    Library mapi;
    ASSERT_NE(mapi.module, nullptr);
    EXPECT_NE(GetProcAddress(mapi.module, "QelvoMapiStandIn"), nullptr)
        << "Wine's built-in mapi32 was loaded: WINEDLLOVERRIDES needs mapi32=n,b";
}

TEST(MapiStandIn, WritesOneFilePerMessage) {
    std::string outbox = Outbox();
    ASSERT_FALSE(outbox.empty());
    EmptyOutbox(outbox);
    Library mapi;
    ASSERT_NE(mapi.module, nullptr);

    std::string body = "Delivered files:\nAPP.EXE\nAPP.HLP\nAPP.TXT\n";
    body += std::string(70, '-') + "\nThat's all folks !\n";
    body += "Caf\xe9 cr\xe8me " + std::string(120, 'x') + "\n";
    EXPECT_EQ(Send(mapi.module, "Delivery report", body.c_str(),
                   {"alice@example.com", "bob@example.com"}),
              static_cast<ULONG>(SUCCESS_SUCCESS));
    EXPECT_EQ(Send(mapi.module, "T\xe2" "che termin\xe9" "e", "Done.\n", {"carol@example.com"}),
              static_cast<ULONG>(SUCCESS_SUCCESS));
    EXPECT_EQ(Send(mapi.module, "Nobody", "No recipients.", {}),
              static_cast<ULONG>(SUCCESS_SUCCESS));

    EXPECT_NE(GetFileAttributesA((outbox + "\\mail-0001.eml").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((outbox + "\\mail-0003.eml").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((outbox + "\\mail-0004.eml").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(MapiStandIn, NoOutboxMeansNotSent) {
    std::string outbox = Outbox();
    Library mapi;
    ASSERT_NE(mapi.module, nullptr);
    SetEnvironmentVariableA("QELVO_MAIL_OUTBOX", nullptr);
    EXPECT_EQ(Send(mapi.module, "Lost", "x", {"a@b.c"}), static_cast<ULONG>(MAPI_E_FAILURE));
    SetEnvironmentVariableA("QELVO_MAIL_OUTBOX", outbox.c_str());
}
