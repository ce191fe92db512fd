// Per-project settings: named options of the open project's top node. Integers are their 4 bytes
// (little-endian); texts carry a one-character prefix ('+' or '~') and their terminator.
#pragma once

#include "ide/ide_services.h"
#include "foundation/qstring.h"

#include <cstdint>

namespace qelvo {

// The project service the options go through (the project client holder binds it when it is
// created and unbinds it when it goes); null leaves every option at its default.
void BindProjectOptions(ide::IdeServices* services, ide::ProjectService* projects);

void SetProjectInt(const char* name, int32_t value);
void SetProjectText(const char* name, char prefix, const char* text);
// The stored value when the option is there with exactly 4 bytes; otherwise the default.
int32_t GetProjectInt(const char* name, int32_t defaultValue);
// The stored text after its prefix when the option is there with bytes; otherwise the default.
void GetProjectText(const char* name, String& out, const char* defaultText);

} // namespace qelvo
