#include "doc_tree.h"

#include "platform/platform.h"

#include <cstdio>
#include <string>

namespace qelvo {
namespace bench {

namespace {

struct Out {
    std::string text;
    long lines = 0;
    void Line(const std::string& line) {
        text += line;
        text += '\n';
        ++lines;
    }
};

std::string N(int i) { return std::to_string(i); }

void Header(Out& o, int m, int budget) {
    std::string M = N(m);
    o.Line("/**");
    o.Line("Module " + M + " of the generated project: widgets, limits and helpers.~");
    o.Line("Every widget of this module draws itself && keeps a < b for its bounds.");
    o.Line("*/");
    o.Line("#ifndef MODULE_" + M + "_H");
    o.Line("#define MODULE_" + M + "_H");
    o.Line("");
    for (int k = 0; k < 4; ++k) {
        std::string name = "MOD" + M + "_LIMIT" + N(k);
        o.Line("/** #" + name + " Limit " + N(k) + " of module " + M);
        o.Line("Used by TWidget" + M + "_0 and by Free" + M + "_0.");
        o.Line("*/");
        o.Line("#define " + name + " " + N(64 + k));
    }
    o.Line("#define MOD" + M + "_SQUARE(x) \\");
    o.Line("    ((x) * (x))");
    for (int c = 0; o.lines < budget - 20; ++c) {
        std::string cls = "TWidget" + M + "_" + N(c);
        // Shallow hierarchies, as in real code: a module's first widget derives from the
        // first widget of its group of ten modules, the others from the module's first.
        std::string base = c > 0        ? "TWidget" + M + "_0"
                           : m % 10 > 0 ? "TWidget" + N(m - m % 10) + "_0"
                                        : "TBase";
        o.Line("");
        o.Line("/** ::" + cls + " A widget of module " + M);
        o.Line("Derives from " + base + "; its size is bounded by MOD" + M + "_LIMIT0.");
        o.Line("See Free" + M + "_0 for the helpers. // not a comment of the code");
        o.Line("*/");
        o.Line("class " + cls + " : public " + base);
        o.Line("{");
        o.Line("public:");
        o.Line("    " + cls + "(int x, int y);");
        o.Line("    virtual ~" + cls + "();");
        for (int f = 0; f < 12; ++f)
            o.Line("    virtual int Method" + N(f) + "(int a, const char* name) const;");
        o.Line("private:");
        o.Line("    int x, y;");
        o.Line("};");
    }
    o.Line("");
    o.Line("#endif");
}

void Source(Out& o, int m, int budget) {
    std::string M = N(m);
    o.Line("// Module " + M + ": the definitions.");
    o.Line("#include \"module" + M + ".h\"");
    int f = 0;
    while (o.lines < budget - 12) {
        std::string cls = "TWidget" + M + "_0";
        if (f < 12) {
            o.Line("");
            o.Line("/** " + cls + "::Method" + N(f));
            o.Line("Computes \xA7" "a against \xA7" "name, within MOD" + M + "_LIMIT1.\xA7\xA7" "int the result");
            o.Line("*/");
            o.Line("int " + cls + "::Method" + N(f) + "(int a, const char* name) const");
            o.Line("{");
            o.Line("    int total = a;");
            o.Line("    for (int i = 0; i < a; ++i)");
            o.Line("        total += name[i % 4] - '0';");
            o.Line("    return total;");
            o.Line("}");
        } else {
            // Pairs of overloads: the comments document the definitions in order.
            std::string name = "Free" + M + "_" + N((f - 12) / 2);
            o.Line("");
            o.Line("/** " + name + " Helper of module " + M);
            o.Line("Adds \xA7" "a to the widget " + cls + ".~");
            o.Line("Returns \xA7\xA7" "int the new total.");
            o.Line("*/");
            o.Line((f % 2 ? "long " : "int ") + name + (f % 2 ? "(long a, long b)" : "(int a)"));
            o.Line("{");
            o.Line("    return a + 1; // one more");
            o.Line("}");
        }
        ++f;
    }
}

bool Save(const std::string& path, const std::string& text) {
    FILE* out = platform::OpenFile(path.c_str(), "wb");
    if (!out)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && ok;
}

} // namespace

std::vector<SourceFile> DocumentedSources(const TreeSize& size) {
    std::vector<SourceFile> sources;
    int modules = (size.files + 1) / 2;
    for (int m = 0; m < modules; ++m) {
        // Fifty modules per subdirectory, two levels deep.
        std::string folder = "group" + std::to_string(m / 500) + "\\part" + std::to_string(m / 50);
        std::string base = folder + "\\module" + std::to_string(m);
        Out header;
        Header(header, m, size.linesPerFile);
        sources.push_back({base + ".h", header.text, header.lines});
        if (2 * m + 1 < size.files) {
            Out source;
            Source(source, m, size.linesPerFile);
            sources.push_back({base + ".cpp", source.text, source.lines});
        }
        if (m % 10 == 0) {
            Out companion;
            companion.Line("/** TWidget" + std::to_string(m) + "_0::Extra");
            companion.Line("Documented in the companion file only.");
            companion.Line("*/");
            sources.push_back({base + ".cpp.txt", companion.text, 0});
        }
    }
    return sources;
}

long WriteDocumentedTree(const std::string& directory, const TreeSize& size) {
    long lines = 0;
    for (const SourceFile& file : DocumentedSources(size)) {
        // Make the folders on the way (an existing one is fine).
        for (size_t cut = file.path.find('\\'); cut != std::string::npos;
             cut = file.path.find('\\', cut + 1))
            platform::MakeDirectory((directory + "\\" + file.path.substr(0, cut)).c_str());
        Save(directory + "\\" + file.path, file.text);
        lines += file.lines;
    }
    return lines;
}

} // namespace bench
} // namespace qelvo
