// The stand-in IDE's project: a tree of nodes (name, type, description, file name, output path),
// named options of raw bytes per node, and directory options 1 and 3 per node. Plain data; the
// services and the project file sit on top of it.
#pragma once

#include "ide/ide_project.h"

#include <map>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

struct NodeOption {
    std::string name;
    std::vector<unsigned char> bytes;
};

struct ProjectNode {
    ide::IdeNode handle = 0;
    ide::IdeNode parent = 0;
    std::vector<ide::IdeNode> children;
    std::string name;
    std::string type;
    std::string description;
    std::string file;   // as written: relative to the project's directory, or absolute
    std::string output; // as written, the same way
    std::map<int, std::string> directories; // option 1 (include) and 3 (sources), own values
    std::vector<NodeOption> options;        // in the order they were first set
};

// Largest node option the stand-in keeps.
constexpr size_t kMaxNodeOptionSize = 65536;

class Project {
public:
    // path: the project file's full path in the engine's form ('\' separators).
    explicit Project(const std::string& path);

    const std::string& Path() const { return path_; }
    // The project file's directory (the path up to its last '\').
    std::string Directory() const;

    // The top node, made by the first Add with parent 0; 0 while there is none.
    ide::IdeNode Top() const { return top_; }
    // A node below the parent (0 for the top node, only once). Answers 0 when refused.
    ide::IdeNode Add(ide::IdeNode parent, const std::string& name, const std::string& type);
    // Removes the node and everything below it; the top node cannot be removed.
    bool Remove(ide::IdeNode node);

    ProjectNode* Node(ide::IdeNode node);
    const ProjectNode* Node(ide::IdeNode node) const;
    size_t NodeCount() const { return nodes_.size(); }

    // The node's file name with its path: the project file for the top node; the file as
    // written, made absolute against the project's directory; with no file written, the name
    // so made absolute for a file node (type beginning with '.'), the bare name otherwise
    // (a source pool's file name is its name).
    std::string FileName(ide::IdeNode node) const;
    std::string OutputPath(ide::IdeNode node) const;
    // First node, depth first from the top, whose file name equals the given one (made absolute
    // in the same way), letter case ignored; 0 when none.
    ide::IdeNode FindByFileName(const std::string& fileName) const;

    // Directory option 1 or 3: the node's own value, else the nearest ancestor's, else empty.
    // False for an unknown node or another option number.
    bool DirectoryOption(ide::IdeNode node, int which, std::string& out) const;
    bool SetDirectoryOption(ide::IdeNode node, int which, const std::string& text);

    // Node options by name, case as given. Set refuses an empty name, a size above
    // kMaxNodeOptionSize and missing bytes for a non-zero size.
    bool SetOption(ide::IdeNode node, const std::string& name, const void* data, size_t size);
    const NodeOption* Option(ide::IdeNode node, const std::string& name) const;

    // A path written in the project made absolute against its directory, '/' read as '\',
    // "." and ".." steps resolved.
    std::string Resolve(const std::string& written) const;

private:
    void Forget(ide::IdeNode node);

    std::string path_;
    ide::IdeNode top_ = 0;
    std::map<ide::IdeNode, ProjectNode> nodes_;
};

// The type a node gets from its name when none is given: the extension of its file-name part
// with its dot, in lower case (".cpp"), or empty.
std::string TypeFromName(const std::string& name);
// Both paths in the IDE's world compare without regard to letter case.
bool SamePath(const std::string& a, const std::string& b);

} // namespace host
} // namespace qelvo
