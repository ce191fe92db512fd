#include "core/mail.h"

#include "foundation/settings.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace qelvo {

namespace {

// Simple MAPI's structures and its MAPISendMail, as the system's MAPI32.DLL defines them
// (ULONG is 32 bits on Windows; handles and window parameters are pointer-sized).
#if defined(_WIN32) && !defined(_WIN64)
#define QELVO_MAPICALL __stdcall
#else
#define QELVO_MAPICALL
#endif

struct MapiRecipient {
    uint32_t reserved;
    uint32_t recipientClass;
    char* name;
    char* address;
    uint32_t entryIdSize;
    void* entryId;
};

struct MapiMessage {
    uint32_t reserved;
    char* subject;
    char* noteText;
    char* messageType;
    char* dateReceived;
    char* conversationId;
    uint32_t flags;
    MapiRecipient* originator;
    uint32_t recipientCount;
    MapiRecipient* recipients;
    uint32_t fileCount;
    void* files;
};

typedef uint32_t(QELVO_MAPICALL* SendMailFunction)(uintptr_t session, uintptr_t uiParam,
                                                   MapiMessage* message, uint32_t flags,
                                                   uint32_t reserved);

constexpr uint32_t kMapiTo = 1;
constexpr char kErrorTitle[] = "Qelvo AddOn error";

} // namespace

std::string MailBody(const char* text, const char* fileName) {
    std::string body = text ? text : "";
    if (!fileName) return body;
    FILE* file = platform::OpenFile(fileName, "r");
    if (!file) return body;
    char line[1023];
    bool lineOpen = false; // the last piece read did not end its line
    while (std::fgets(line, sizeof line, file)) {
        body += line;
        lineOpen = body.back() != '\n';
    }
    std::fclose(file);
    // A last line without its end would carry the dashes: it is ended first.
    if (lineOpen) body += '\n';
    body += std::string(70, '-') + "\n";
    body += "That's all folks !\n";
    return body;
}

MailService::MailService() : control(ReadInt("Mail", "Control", 0)) {}

MailService::~MailService() {
    WriteInt("Mail", "Control", control);
}

int MailService::SendMail(void* owner, const char* subject, const char* text,
                          const char* fileName) {
    void* library = platform::OpenLibrary("MAPI32.DLL");
    if (!library) {
        platform::ShowMessage("MAPI not present !", kErrorTitle, platform::kMbIconStop);
        return 0;
    }
    SendMailFunction send =
        reinterpret_cast<SendMailFunction>(platform::LibraryFunction(library, "MAPISendMail"));
    if (!send) {
        platform::CloseLibrary(library);
        platform::ShowMessage("MAPI not available !", kErrorTitle, platform::kMbIconStop);
        return 0;
    }
    std::string body = MailBody(text, fileName);
    std::string subjectText = subject ? subject : "";

    std::vector<std::string> names;
    for (int i = 0; i < recipients.count; ++i)
        names.push_back(recipients[i] ? recipients[i]->c_str() : "");
    std::vector<MapiRecipient> to(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        to[i] = MapiRecipient();
        to[i].recipientClass = kMapiTo;
        to[i].name = &names[i][0];
    }
    MapiMessage message = MapiMessage();
    message.subject = &subjectText[0];
    message.noteText = &body[0];
    message.recipientCount = static_cast<uint32_t>(to.size());
    message.recipients = to.empty() ? nullptr : to.data();

    uint32_t flags = kMapiLogonUi;
    if (control) flags |= kMapiDialog;
    uint32_t result = send(0, reinterpret_cast<uintptr_t>(owner), &message, flags, 0);
    if (result == 0 && fileName) platform::RemoveFile(fileName);
    platform::CloseLibrary(library);
    return result == 0 ? 1 : 0;
}

} // namespace qelvo
