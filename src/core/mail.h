// Mail to the project's members through Simple MAPI: the recipients, the "Mail\Control"
// setting, and the sending of a text with an optional file appended.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

#include <string>

namespace qelvo {

// MAPISendMail's flags: the logon dialog when the mail client has no session yet, and its
// compose dialog when "Mail\Control" asks to prompt.
enum : unsigned { kMapiLogonUi = 0x1, kMapiDialog = 0x8 };

// The text of a mail: the text, then, when the file opens for reading, its lines, a line of 70
// '-' and "That's all folks !".
std::string MailBody(const char* text, const char* fileName);

class MailService {
public:
    MailService();
    ~MailService();
    MailService(const MailService&) = delete;
    MailService& operator=(const MailService&) = delete;

    // Sends subject and text (with the file appended, when given) to every recipient, through
    // MAPI32.DLL loaded for this send only. 1 sent (the file is then deleted), 0 not sent.
    int SendMail(void* owner, const char* subject, const char* text, const char* fileName);

    Tableau<String> addresses;
    Tableau<String> recipients;
    int control;
};

} // namespace qelvo
