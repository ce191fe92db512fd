// The stand-in IDE's HostString and the helpers its services use to take texts in and out.
#pragma once

#include "ide/ide_base.h"

#include <string>

namespace qelvo {
namespace host {

// A new string with the text (count 1, for the caller).
ide::HostString* NewHostString(const char* text);
inline ide::HostString* NewHostString(const std::string& text) {
    return NewHostString(text.c_str());
}

// The text of a string handed to the IDE, which takes it over: the string is released. A null
// string reads as the empty text.
std::string TakeText(ide::HostString* text);
// Whether a string was given at all, then TakeText.
bool TakeText(ide::HostString* text, std::string& out);

} // namespace host
} // namespace qelvo
