// The documentation's settings: group "HTML" of the registry, replaced by the open project's
// own values (Qelvo_HTMLEN, Qelvo_HTMLAU, Qelvo_HTMLFI) while a project is open.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

class HtmlSettings {
public:
    // Reads the group and binds the three fields to the project's options.
    HtmlSettings();
    // Unbinds them and writes the group back.
    ~HtmlSettings();
    HtmlSettings(const HtmlSettings&) = delete;
    HtmlSettings& operator=(const HtmlSettings&) = delete;

    int enabled;  // the bar shows the "HTML" menu
    int autoMake; // generation on a successful Make (kept, shown and stored only)
    String filters;
};

// The add-on's documentation settings; null while they do not exist.
extern HtmlSettings* Html;

} // namespace qelvo
