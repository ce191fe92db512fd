#include "core/mail.h"

#include "foundation/settings.h"

namespace qelvo {

MailService::MailService() : control(ReadInt("Mail", "Control", 0)) {}

MailService::~MailService() { WriteInt("Mail", "Control", control); }

} // namespace qelvo
