// Source files are outside input: any bytes (long lines, long names, unterminated comments,
// binary files matched by a pattern) must scan and format without a crash or an unbounded result.
// The input is read as one file, then again as a companion and its source (split at the first
// NUL), every symbol found goes through the documentation and code formatters, and every page
// of the result is named and built in memory (names come from the input too).
#include "html/doc_scanner.h"
#include "html/html_format.h"
#include "html/page_set.h"
#include "html/page_texts.h"

#include <cstdint>
#include <cstring>
#include <string>

using namespace qelvo;
using namespace qelvo::html;

namespace {

void FormatAll(const Formatter& format, const Ensemble<htSymbol>& list, bool full) {
    for (int i = 0; i < list.count; ++i) {
        std::string out;
        format.Documentation(out, list[i], list[i]->brief, false);
        format.Documentation(out, list[i], list[i]->text, full);
        format.Code(out, list[i], list[i]->code);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    htProjet project;
    project.name = "P";
    htFile* file = new htFile;
    file->name = "f.cpp";
    project.files.Append(file);
    DocScanner scanner(project);
    scanner.BeginFile(*file);
    scanner.ScanBuffer(bytes, size);
    const void* split = std::memchr(bytes, 0, size);
    size_t first = split ? static_cast<size_t>(static_cast<const char*>(split) - bytes) : size / 2;
    scanner.ScanBuffer(bytes, first);
    scanner.ScanBuffer(bytes + first, size - first);
    project.SortLists();

    Formatter format(project);
    FormatAll(format, project.functions, true);
    FormatAll(format, project.macros, false);
    for (int i = 0; i < project.classes.count; ++i) {
        const htClass* c = project.classes[i];
        std::string out;
        format.Documentation(out, c, c->text, false);
        format.Code(out, c, c->code);
        FormatAll(format, c->members, false);
    }
    std::string out;
    format.Documentation(out, file, file->text, false);

    PageSet pages(project);
    PageTexts texts(project, pages);
    for (int id = 0; id < pages.Count(); ++id)
        texts.Build(id, out);
    return 0;
}
