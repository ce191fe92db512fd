// The groupware's settings: group "Groupware" of the registry (the bar's Groupware menu, the
// report mails after a Get and after a Send, the file patterns taking part), and the open
// project's server directory (QelvoGroupwareServer), held here while the object exists.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

class GroupwareSettings {
public:
    // Reads the group and binds the Enabled value and the server directory to the project's
    // values.
    GroupwareSettings();
    // Unbinds them and writes the group back.
    ~GroupwareSettings();
    GroupwareSettings(const GroupwareSettings&) = delete;
    GroupwareSettings& operator=(const GroupwareSettings&) = delete;

    int enabled;    // the bar shows the "Groupware" menu
    int mailOnGet;  // mail the report after a Get
    int mailOnSend; // mail the report after a Send
    String filters; // file name patterns separated by ';'
    String server;  // the open project's server directory (empty: none)
};

// The add-on's groupware settings; null while they do not exist.
extern GroupwareSettings* Groupware;

} // namespace qelvo
