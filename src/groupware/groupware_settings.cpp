#include "groupware/groupware_settings.h"

#include "core/project_values.h"
#include "foundation/settings.h"
#include "foundation/settings_fields.h"

namespace qelvo {

GroupwareSettings* Groupware = nullptr;

GroupwareSettings::GroupwareSettings()
    : enabled(ReadSettingInt("Groupware", "Enabled")),
      mailOnGet(ReadSettingInt("Groupware", "MailOnGet")),
      mailOnSend(ReadSettingInt("Groupware", "MailOnSend")) {
    LoadText("Groupware", "Filters", filters);
    // A project opened before the object existed keeps its server directory.
    server = *ProjectValues.groupwareServer;
    ProjectValues.groupwareEnabled = &enabled;
    ProjectValues.groupwareServer = &server;
}

GroupwareSettings::~GroupwareSettings() {
    const ProjectValueFields& held = HeldProjectValues();
    *held.groupwareServer = server;
    *held.groupwareEnabled = enabled;
    ProjectValues.groupwareEnabled = held.groupwareEnabled;
    ProjectValues.groupwareServer = held.groupwareServer;
    WriteInt("Groupware", "Enabled", enabled);
    WriteInt("Groupware", "MailOnGet", mailOnGet);
    WriteInt("Groupware", "MailOnSend", mailOnSend);
    WriteText("Groupware", "Filters", filters.c_str());
}

} // namespace qelvo
