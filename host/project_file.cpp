#include "project_file.h"

#include "platform/platform.h"

#include <cstdio>
#include <set>

namespace qelvo {
namespace host {

namespace {
constexpr char kHeader[] = "QelvoStandInProject 1";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string FileNamePart(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One line's arguments, read left to right.
class Arguments {
public:
    explicit Arguments(const std::string& text, size_t pos) : text_(text), pos_(pos) {}

    bool Text(std::string& out, std::string& error) {
        SkipBlanks();
        out.clear();
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            error = "a text in double quotes is expected";
            return false;
        }
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (pos_ + 1 >= text_.size() || HexValue(text_[pos_]) < 0 ||
                HexValue(text_[pos_ + 1]) < 0) {
                error = "a % in a text must be followed by two hex digits (%25 for % itself)";
                return false;
            }
            out += static_cast<char>(HexValue(text_[pos_]) * 16 + HexValue(text_[pos_ + 1]));
            pos_ += 2;
        }
        if (pos_ >= text_.size()) {
            error = "a text lacks its closing double quote";
            return false;
        }
        ++pos_;
        return true;
    }

    bool Number(unsigned long limit, unsigned long& out, std::string& error) {
        SkipBlanks();
        size_t start = pos_;
        out = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            out = out * 10 + static_cast<unsigned long>(text_[pos_] - '0');
            ++pos_;
            if (out > limit) {
                error = "a number above " + std::to_string(limit);
                return false;
            }
        }
        if (pos_ == start) {
            error = "a number is expected";
            return false;
        }
        return true;
    }

    bool Hex(size_t size, std::vector<unsigned char>& out, std::string& error) {
        SkipBlanks();
        out.clear();
        size_t start = pos_;
        while (pos_ < text_.size() && !IsBlank(text_[pos_]))
            ++pos_;
        std::string digits = text_.substr(start, pos_ - start);
        if (digits.size() != 2 * size) {
            error = "the option's size is " + std::to_string(size) + " but " +
                    std::to_string(digits.size()) + " hex digits follow";
            return false;
        }
        for (size_t i = 0; i < digits.size(); i += 2) {
            int high = HexValue(digits[i]), low = HexValue(digits[i + 1]);
            if (high < 0 || low < 0) {
                error = "the option's bytes must be hex digits";
                return false;
            }
            out.push_back(static_cast<unsigned char>(high * 16 + low));
        }
        return true;
    }

    bool End(std::string& error) {
        SkipBlanks();
        if (pos_ < text_.size()) {
            error = "unexpected text at the end of the line: " + text_.substr(pos_);
            return false;
        }
        return true;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }

    const std::string& text_;
    size_t pos_;
};

struct OpenNode {
    ide::IdeNode handle;
    int line;
    bool typeGiven;
    std::set<std::string> seen; // attributes and option names already given
};

class Parser {
public:
    Parser(const std::string& path, std::string& error) : path_(path), error_(error) {}

    std::unique_ptr<Project> Run(const std::string& text) {
        project_.reset(new Project(path_));
        size_t pos = 0;
        int number = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(pos, end - pos);
            pos = end + 1;
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!Line(number, line)) return nullptr;
        }
        int last = number > 0 ? number : 1;
        if (!headerSeen_)
            return Fail(last,
                        std::string("the file ends before its first line \"") + kHeader + "\"");
        if (!stack_.empty())
            return Fail(last, "the file ends inside the node opened at line " +
                                  std::to_string(stack_.back().line) + " (its End is missing)");
        if (project_->Top() == 0) return Fail(last, "the file ends before the project's top node");
        return std::move(project_);
    }

private:
    std::nullptr_t Fail(int line, const std::string& what) {
        error_ = "Project file " + path_ + ", line " + std::to_string(line) + ": " + what;
        return nullptr;
    }

    bool Line(int number, const std::string& line) {
        size_t start = 0;
        while (start < line.size() && IsBlank(line[start]))
            ++start;
        if (start == line.size() || line[start] == ';') return true;
        std::string body = line.substr(start);
        if (!headerSeen_) {
            while (!body.empty() && IsBlank(body.back()))
                body.pop_back();
            if (body != kHeader) {
                Fail(number, std::string("not a stand-in IDE project (the first line must be \"") +
                                 kHeader + "\")");
                return false;
            }
            headerSeen_ = true;
            return true;
        }
        size_t keywordEnd = 0;
        while (keywordEnd < body.size() && !IsBlank(body[keywordEnd]))
            ++keywordEnd;
        std::string keyword = body.substr(0, keywordEnd);
        Arguments args(body, keywordEnd);
        std::string problem;
        if (!Statement(number, keyword, args, problem)) {
            Fail(number, problem);
            return false;
        }
        return true;
    }

    bool Statement(int number, const std::string& keyword, Arguments& args, std::string& problem) {
        if (keyword == "Node") return args.End(problem) && OpenNewNode(number, problem);
        if (keyword == "End") return args.End(problem) && CloseNode(problem);
        if (stack_.empty()) {
            problem = "\"" + keyword + "\" outside a node";
            return false;
        }
        OpenNode& open = stack_.back();
        ProjectNode* node = project_->Node(open.handle);
        std::string text;
        if (keyword == "Name" || keyword == "Type" || keyword == "Description" ||
            keyword == "File" || keyword == "Output") {
            if (!Once(open, keyword, problem) || !args.Text(text, problem) || !args.End(problem))
                return false;
            if (keyword == "Name")
                node->name = text;
            else if (keyword == "Type")
                node->type = text, open.typeGiven = true;
            else if (keyword == "Description")
                node->description = text;
            else if (keyword == "File")
                node->file = text;
            else
                node->output = text;
            return true;
        }
        if (keyword == "Directory") {
            unsigned long which = 0;
            if (!args.Number(9, which, problem)) return false;
            if (which != ide::kIncludeDirectories && which != ide::kSourceDirectories) {
                problem = "the directory option is 1 (include) or 3 (sources), not " +
                          std::to_string(which);
                return false;
            }
            if (!Once(open, "Directory " + std::to_string(which), problem) ||
                !args.Text(text, problem) || !args.End(problem))
                return false;
            node->directories[static_cast<int>(which)] = text;
            return true;
        }
        if (keyword == "Option") {
            unsigned long size = 0;
            std::vector<unsigned char> bytes;
            if (!args.Text(text, problem) || !args.Number(kMaxNodeOptionSize, size, problem) ||
                !args.Hex(size, bytes, problem) || !args.End(problem))
                return false;
            if (text.empty()) {
                problem = "an option needs a name";
                return false;
            }
            if (!Once(open, "Option \"" + text + "\"", problem)) return false;
            project_->SetOption(open.handle, text, bytes.data(), bytes.size());
            return true;
        }
        problem = "unknown keyword \"" + keyword + "\"";
        (void)number;
        return false;
    }

    bool Once(OpenNode& open, const std::string& what, std::string& problem) {
        if (open.seen.insert(what).second) return true;
        problem = what + " is given twice for the node opened at line " + std::to_string(open.line);
        return false;
    }

    bool OpenNewNode(int number, std::string& problem) {
        if (stack_.empty() && project_->Top() != 0) {
            problem = "a second top node (a project has one, closed by its End)";
            return false;
        }
        ide::IdeNode parent = stack_.empty() ? 0 : stack_.back().handle;
        ide::IdeNode handle = project_->Add(parent, "", "");
        stack_.push_back(OpenNode{handle, number, false, {}});
        return true;
    }

    bool CloseNode(std::string& problem) {
        if (stack_.empty()) {
            problem = "End without a Node";
            return false;
        }
        OpenNode open = stack_.back();
        stack_.pop_back();
        ProjectNode* node = project_->Node(open.handle);
        bool top = open.handle == project_->Top();
        if (node->name.empty()) {
            if (!node->file.empty())
                node->name = FileNamePart(node->file);
            else if (top)
                node->name = FileNamePart(path_);
        }
        if (node->name.empty()) {
            problem = "the node opened at line " + std::to_string(open.line) +
                      " has neither a Name nor a File";
            return false;
        }
        if (!open.typeGiven)
            node->type = top ? ".ide" : TypeFromName(node->file.empty() ? node->name : node->file);
        return true;
    }

    const std::string& path_;
    std::string& error_;
    std::unique_ptr<Project> project_;
    std::vector<OpenNode> stack_;
    bool headerSeen_ = false;
};

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '%' || byte < 0x20 || byte == 0x7f) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void FormatNode(const Project& project, ide::IdeNode handle, int depth, std::string& out) {
    const ProjectNode& node = *project.Node(handle);
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    std::string inner = indent + "  ";
    out += indent + "Node\n";
    out += inner + "Name " + Quote(node.name) + "\n";
    out += inner + "Type " + Quote(node.type) + "\n";
    if (!node.description.empty()) out += inner + "Description " + Quote(node.description) + "\n";
    if (!node.file.empty()) out += inner + "File " + Quote(node.file) + "\n";
    if (!node.output.empty()) out += inner + "Output " + Quote(node.output) + "\n";
    for (const auto& directory : node.directories)
        out += inner + "Directory " + std::to_string(directory.first) + " " +
               Quote(directory.second) + "\n";
    for (const NodeOption& option : node.options) {
        out += inner + "Option " + Quote(option.name) + " " + std::to_string(option.bytes.size());
        if (!option.bytes.empty()) {
            out += ' ';
            for (unsigned char byte : option.bytes) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", byte);
                out += hex;
            }
        }
        out += "\n";
    }
    for (ide::IdeNode child : node.children)
        FormatNode(project, child, depth + 1, out);
    out += indent + "End\n";
}
} // namespace

std::unique_ptr<Project> ParseProject(const std::string& path, const std::string& text,
                                      std::string& error) {
    error.clear();
    return Parser(path, error).Run(text);
}

std::unique_ptr<Project> ReadProjectFile(const std::string& path, std::string& error) {
    FILE* file = platform::OpenFile(path.c_str(), "rb");
    if (!file) {
        error = "Project file " + path + " cannot be opened.";
        return nullptr;
    }
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = "Project file " + path + " cannot be read.";
        return nullptr;
    }
    return ParseProject(path, text, error);
}

std::string FormatProject(const Project& project) {
    std::string out = "; Project of the stand-in IDE (see docs/stand-in-project-format.md)\n";
    out += kHeader;
    out += "\n";
    if (project.Top() != 0) FormatNode(project, project.Top(), 0, out);
    return out;
}

bool WriteProjectFile(const Project& project, std::string& error) {
    std::string text = FormatProject(project);
    FILE* file = platform::OpenFile(project.Path().c_str(), "wb");
    bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && std::fclose(file) != 0) ok = false;
    if (!ok) error = "Project file " + project.Path() + " cannot be written.";
    return ok;
}

} // namespace host
} // namespace qelvo
