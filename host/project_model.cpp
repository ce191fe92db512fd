#include "project_model.h"

#include <cctype>

namespace qelvo {
namespace host {

namespace {
// Node handles are never reused in a process, so a handle kept from a closed project or a
// removed node names nothing.
ide::IdeNode nextHandle = 0x100;

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && path[0] == '\\') ||
           (path.size() >= 2 && path[1] == ':' &&
            std::isalpha(static_cast<unsigned char>(path[0])));
}

// Splits off the root ("\", "\\", "C:\") and resolves "." and ".." in the rest.
std::string Normalise(const std::string& path) {
    std::string root;
    size_t start = 0;
    if (path.compare(0, 2, "\\\\") == 0) {
        root = "\\\\";
        start = 2;
    } else if (!path.empty() && path[0] == '\\') {
        root = "\\";
        start = 1;
    } else if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2) + "\\";
        start = path.size() > 2 && path[2] == '\\' ? 3 : 2;
    }
    std::vector<std::string> steps;
    size_t pos = start;
    while (pos <= path.size()) {
        size_t end = path.find('\\', pos);
        if (end == std::string::npos) end = path.size();
        std::string step = path.substr(pos, end - pos);
        if (step == "..") {
            if (!steps.empty() && steps.back() != "..")
                steps.pop_back();
            else if (root.empty())
                steps.push_back(step);
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        pos = end + 1;
    }
    std::string result = root;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) result += '\\';
        result += steps[i];
    }
    return result;
}
} // namespace

std::string TypeFromName(const std::string& name) {
    size_t slash = name.find_last_of("\\/");
    size_t base = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot < base) return std::string();
    // The IDE's node types are lower case (".cpp", ".exe"), whatever the file's letters.
    std::string type = name.substr(dot);
    for (char& c : type)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return type;
}

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

Project::Project(const std::string& path) : path_(path) {}

std::string Project::Directory() const {
    size_t slash = path_.rfind('\\');
    return slash == std::string::npos ? std::string() : path_.substr(0, slash);
}

std::string Project::Resolve(const std::string& written) const {
    std::string path = written;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.empty()) return path;
    if (!IsAbsolute(path) && !Directory().empty()) path = Directory() + "\\" + path;
    return Normalise(path);
}

ide::IdeNode Project::Add(ide::IdeNode parent, const std::string& name, const std::string& type) {
    if (parent == 0) {
        if (top_ != 0) return 0;
    } else if (!Node(parent)) {
        return 0;
    }
    ProjectNode node;
    node.handle = nextHandle++;
    node.parent = parent;
    node.name = name;
    node.type = type;
    ide::IdeNode handle = node.handle;
    nodes_.emplace(handle, std::move(node));
    if (parent == 0)
        top_ = handle;
    else
        Node(parent)->children.push_back(handle);
    return handle;
}

void Project::Forget(ide::IdeNode node) {
    auto found = nodes_.find(node);
    if (found == nodes_.end()) return;
    std::vector<ide::IdeNode> children = found->second.children;
    nodes_.erase(found);
    for (ide::IdeNode child : children)
        Forget(child);
}

bool Project::Remove(ide::IdeNode node) {
    ProjectNode* target = Node(node);
    if (!target || node == top_) return false;
    std::vector<ide::IdeNode>& siblings = Node(target->parent)->children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i] == node) {
            siblings.erase(siblings.begin() + static_cast<long>(i));
            break;
        }
    }
    Forget(node);
    return true;
}

ProjectNode* Project::Node(ide::IdeNode node) {
    auto found = nodes_.find(node);
    return found == nodes_.end() ? nullptr : &found->second;
}

const ProjectNode* Project::Node(ide::IdeNode node) const {
    auto found = nodes_.find(node);
    return found == nodes_.end() ? nullptr : &found->second;
}

std::string Project::FileName(ide::IdeNode handle) const {
    const ProjectNode* node = Node(handle);
    if (!node) return std::string();
    if (handle == top_) return path_;
    if (!node->file.empty()) return Resolve(node->file);
    if (!node->type.empty() && node->type[0] == '.') return Resolve(node->name);
    return node->name;
}

std::string Project::OutputPath(ide::IdeNode handle) const {
    const ProjectNode* node = Node(handle);
    return node ? Resolve(node->output) : std::string();
}

ide::IdeNode Project::FindByFileName(const std::string& fileName) const {
    if (top_ == 0 || fileName.empty()) return 0;
    std::string wanted = Resolve(fileName);
    std::vector<ide::IdeNode> pending{top_};
    while (!pending.empty()) {
        ide::IdeNode handle = pending.back();
        pending.pop_back();
        if (SamePath(FileName(handle), wanted) || SamePath(FileName(handle), fileName))
            return handle;
        const std::vector<ide::IdeNode>& children = Node(handle)->children;
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.push_back(*child);
    }
    return 0;
}

bool Project::DirectoryOption(ide::IdeNode handle, int which, std::string& out) const {
    out.clear();
    if ((which != ide::kIncludeDirectories && which != ide::kSourceDirectories) || !Node(handle))
        return false;
    for (const ProjectNode* node = Node(handle); node; node = Node(node->parent)) {
        auto found = node->directories.find(which);
        if (found != node->directories.end()) {
            out = found->second;
            break;
        }
    }
    return true;
}

bool Project::SetDirectoryOption(ide::IdeNode handle, int which, const std::string& text) {
    ProjectNode* node = Node(handle);
    if (!node || (which != ide::kIncludeDirectories && which != ide::kSourceDirectories))
        return false;
    node->directories[which] = text;
    return true;
}

bool Project::SetOption(ide::IdeNode handle, const std::string& name, const void* data,
                        size_t size) {
    ProjectNode* node = Node(handle);
    if (!node || name.empty() || size > kMaxNodeOptionSize || (size > 0 && !data)) return false;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::vector<unsigned char> value(bytes, bytes + size);
    for (NodeOption& option : node->options) {
        if (option.name == name) {
            option.bytes = std::move(value);
            return true;
        }
    }
    node->options.push_back(NodeOption{name, std::move(value)});
    return true;
}

const NodeOption* Project::Option(ide::IdeNode handle, const std::string& name) const {
    const ProjectNode* node = Node(handle);
    if (!node) return nullptr;
    for (const NodeOption& option : node->options)
        if (option.name == name) return &option;
    return nullptr;
}

} // namespace host
} // namespace qelvo
