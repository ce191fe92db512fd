#include "foundation/project_options.h"

#include <cstring>
#include <string>

namespace qelvo {

namespace {
ide::IdeServices* boundServices = nullptr;
ide::ProjectService* boundProjects = nullptr;

ide::IdeNode TopNode() { return boundProjects ? boundProjects->TopNode() : 0; }

void SetOption(const char* name, const void* data, uint32_t size) {
    ide::IdeNode top = TopNode();
    if (!top)
        return;
    ide::HostString* key = ide::MakeHostString(boundServices, name);
    if (key)
        boundProjects->SetNodeOption(top, key, data, size);
}

const void* GetOption(const char* name, uint32_t& size) {
    ide::IdeNode top = TopNode();
    if (!top)
        return nullptr;
    ide::HostString* key = ide::MakeHostString(boundServices, name);
    if (!key)
        return nullptr;
    return boundProjects->GetNodeOption(top, key, &size);
}
} // namespace

void BindProjectOptions(ide::IdeServices* services, ide::ProjectService* projects) {
    boundServices = services;
    boundProjects = projects;
}

void SetProjectInt(const char* name, int32_t value) {
    uint32_t u = static_cast<uint32_t>(value);
    unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                              static_cast<unsigned char>(u >> 16),
                              static_cast<unsigned char>(u >> 24)};
    SetOption(name, bytes, 4);
}

void SetProjectText(const char* name, char prefix, const char* text) {
    std::string value(1, prefix);
    value += text ? text : "";
    SetOption(name, value.c_str(), static_cast<uint32_t>(value.size() + 1));
}

int32_t GetProjectInt(const char* name, int32_t defaultValue) {
    uint32_t size = 4;
    const unsigned char* data = static_cast<const unsigned char*>(GetOption(name, size));
    if (!data || size != 4)
        return defaultValue;
    return static_cast<int32_t>(static_cast<uint32_t>(data[0]) |
                                (static_cast<uint32_t>(data[1]) << 8) |
                                (static_cast<uint32_t>(data[2]) << 16) |
                                (static_cast<uint32_t>(data[3]) << 24));
}

void GetProjectText(const char* name, String& out, const char* defaultText) {
    uint32_t size = 0;
    const char* data = static_cast<const char*>(GetOption(name, size));
    if (!data || size == 0) {
        out = defaultText;
        return;
    }
    // After the prefix, up to the terminator or the end of the stored bytes, whichever comes
    // first: an option without its terminator is not read beyond its size.
    const char* text = data + 1;
    size_t limit = size - 1;
    const void* zero = std::memchr(text, 0, limit);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : limit;
    out = std::string(text, length).c_str();
}

} // namespace qelvo
