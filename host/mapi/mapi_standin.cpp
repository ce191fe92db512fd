// A Simple MAPI provider for tests and the demo: every message sent becomes an RFC 5322 file in
// the outbox folder (QELVO_MAIL_OUTBOX), named mail-0001.eml, mail-0002.eml and so on.
#include <windows.h>
#include <mapi.h>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

bool NeedsEncoding(const char* text) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p >= 0x80 || *p < 0x20)
            return true;
    return false;
}

// A header value; texts beyond ASCII become one RFC 2047 encoded word (Windows-1252, the IDE's
// character set).
std::string HeaderText(const char* text) {
    if (!text)
        return std::string();
    if (!NeedsEncoding(text))
        return text;
    std::string out = "=?windows-1252?Q?";
    static const char hex[] = "0123456789ABCDEF";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == ' ') {
            out += '_';
        } else if (*p >= 0x80 || *p < 0x20 || *p == '=' || *p == '?' || *p == '_') {
            out += '=';
            out += hex[*p >> 4];
            out += hex[*p & 15];
        } else {
            out += static_cast<char>(*p);
        }
    }
    return out + "?=";
}

// The body as quoted-printable with CR LF line ends, so that any byte and any line length
// travel unchanged.
std::string QuotedPrintable(const char* text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    size_t lineLength = 0;
    auto put = [&](const std::string& piece) {
        if (lineLength + piece.size() > 75) {
            out += "=\r\n";
            lineLength = 0;
        }
        out += piece;
        lineLength += piece.size();
    };
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text ? text : ""); *p;
         ++p) {
        if (*p == '\r' && p[1] == '\n')
            continue;
        if (*p == '\n') {
            // A blank before the line end would be lost in transport: encode it.
            if (!out.empty() && (out.back() == ' ' || out.back() == '\t')) {
                char last = out.back();
                out.pop_back();
                out += last == ' ' ? "=20" : "=09";
            }
            out += "\r\n";
            lineLength = 0;
            continue;
        }
        if ((*p >= 33 && *p <= 126 && *p != '=') || *p == ' ' || *p == '\t') {
            put(std::string(1, static_cast<char>(*p)));
        } else {
            char code[4] = {'=', hex[*p >> 4], hex[*p & 15], 0};
            put(code);
        }
    }
    return out;
}

std::string Recipients(const MapiMessage& message, ULONG recipientClass) {
    std::string list;
    for (ULONG i = 0; i < message.nRecipCount; ++i) {
        const MapiRecipDesc& r = message.lpRecips[i];
        if (r.ulRecipClass != recipientClass)
            continue;
        const char* who = r.lpszAddress && *r.lpszAddress ? r.lpszAddress : r.lpszName;
        if (!who || !*who)
            continue;
        if (!list.empty())
            list += ", ";
        list += who;
    }
    return list;
}

std::string UserAddress() {
    char name[257];
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size))
        lstrcpyA(name, "user");
    return std::string(name) + "@localhost";
}

FILE* NewMailFile(const std::string& outbox) {
    for (int n = 1; n < 100000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "\\mail-%04d.eml", n);
        std::string path = outbox + name;
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        return std::fopen(path.c_str(), "wb");
    }
    return nullptr;
}

} // namespace

// Lets a test tell this stand-in from Wine's built-in mapi32, which accepts and drops mail.
extern "C" __declspec(dllexport) int WINAPI QelvoMapiStandIn() { return 1; }

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR uiParam,
                                                           lpMapiMessage message, FLAGS flags,
                                                           ULONG reserved) {
    if (!message)
        return MAPI_E_FAILURE;
    char outbox[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("QELVO_MAIL_OUTBOX", outbox, sizeof outbox);
    if (n == 0 || n >= sizeof outbox)
        return MAPI_E_FAILURE; // nowhere to deliver: not sent
    CreateDirectoryA(outbox, nullptr);
    FILE* file = NewMailFile(outbox);
    if (!file)
        return MAPI_E_FAILURE;

    char date[64];
    std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%a, %d %b %Y %H:%M:%S +0000", std::gmtime(&now));
    std::string to = Recipients(*message, MAPI_TO);
    std::string cc = Recipients(*message, MAPI_CC);
    std::string text = "From: " + UserAddress() + "\r\n";
    if (!to.empty())
        text += "To: " + to + "\r\n";
    if (!cc.empty())
        text += "Cc: " + cc + "\r\n";
    text += "Subject: " + HeaderText(message->lpszSubject) + "\r\n";
    text += std::string("Date: ") + date + "\r\n";
    char extra[96];
    std::snprintf(extra, sizeof extra, "X-Qelvo-MAPI-Flags: 0x%lX\r\n",
                  static_cast<unsigned long>(flags));
    text += extra;
    text += "MIME-Version: 1.0\r\n";
    text += "Content-Type: text/plain; charset=windows-1252\r\n";
    text += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
    text += QuotedPrintable(message->lpszNoteText);
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fclose(file) == 0 && ok;
    return ok ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}
