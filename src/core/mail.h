// Mail to the project's members: the recipients and the "Mail\Control" setting for now.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

namespace qelvo {

class MailService {
public:
    MailService();
    ~MailService();
    MailService(const MailService&) = delete;
    MailService& operator=(const MailService&) = delete;

    Tableau<String> addresses;
    Tableau<String> recipients;
    int control;
};

} // namespace qelvo
