#include "html/html_settings.h"

#include "core/project_values.h"
#include "foundation/settings.h"
#include "foundation/settings_fields.h"

namespace qelvo {

HtmlSettings* Html = nullptr;

HtmlSettings::HtmlSettings()
    : enabled(ReadSettingInt("HTML", "Enabled", true)),
      autoMake(ReadSettingInt("HTML", "Auto", true)) {
    LoadText("HTML", "Filters", filters);
    ProjectValues.htmlEnabled = &enabled;
    ProjectValues.htmlAuto = &autoMake;
    ProjectValues.htmlFilters = &filters;
}

HtmlSettings::~HtmlSettings() {
    const ProjectValueFields& held = HeldProjectValues();
    ProjectValues.htmlEnabled = held.htmlEnabled;
    ProjectValues.htmlAuto = held.htmlAuto;
    ProjectValues.htmlFilters = held.htmlFilters;
    WriteInt("HTML", "Enabled", enabled);
    WriteInt("HTML", "Auto", autoMake);
    WriteText("HTML", "Filters", filters.c_str());
}

} // namespace qelvo
