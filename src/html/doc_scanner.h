// The documentation scanner: reads the project's sources line by line and fills the model from
// documentation comments ("/**" at the start of a line) and from declarations recognised in the
// code (class heads, function and member definition lines, #define lines). No preprocessing,
// no tokens: one pattern test per line.
#pragma once

#include "html/ht_model.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qelvo {
namespace html {

// Longest line the reader takes at once; longer lines are read in pieces of this size.
constexpr unsigned kMaxLineLength = 4095;
// Member definition lines longer than this are not taken (their code has no room in the model).
constexpr unsigned kMaxMemberLineLength = 255;
// The walk goes no deeper than this below the project directory, and into no directory with a
// longer path.
constexpr int kMaxWalkDepth = 64;
constexpr size_t kMaxWalkPath = 4000;

class DocScanner {
public:
    enum State { Idle, ClassDoc, MemberDoc, FunctionDoc, MacroDoc, FileDoc, ClassCode, MacroCode };

    explicit DocScanner(htProjet& project);
    DocScanner(const DocScanner&) = delete;
    DocScanner& operator=(const DocScanner&) = delete;

    // The file whose lists receive the symbols met from now on.
    void BeginFile(htFile& file);
    // Reads a file from disk as the current file's text; 0 when it cannot be opened.
    int ScanPath(const char* path);
    // Reads bytes as one file's text (the same line splitting as from disk).
    void ScanBuffer(const char* data, size_t size);

    // One line, already cut to at most 4095 characters and NUL-terminated; trailing bytes below
    // the space character are removed here.
    void ScanLine(const char* line);

    State state() const { return state_; }
    bool inBlockComment() const { return blockComment_; }

private:
    class Splitter;

    void StartText();
    void ScanIdle(const char* line, size_t len);
    void ScanDoc(const char* line, size_t len);
    bool ClassHead(const char* line, size_t len);
    bool FunctionDefinition(const char* line, size_t len);
    bool MemberDefinition(const char* line, size_t len);
    bool Define(const char* line, size_t len);

    enum Rule { ByCode, ByComment };
    htSymbol* FindOrCreateFunction(const std::string& name, Rule rule);
    htSymbol* FindOrCreateMacro(const std::string& name, Rule rule);
    htClass* FindOrCreateClass(const std::string& name);
    htSymbol* FindOrCreateMember(htClass& owner, const std::string& name, Rule rule);
    htSymbol* FindOrCreate(std::unordered_map<std::string, std::vector<htSymbol*>>& index,
                           const std::string& name, Rule rule, Ensemble<htSymbol>& projectList,
                           Ensemble<htSymbol>* fileList);
    void NoteInFile(htSymbol* symbol, BasicTableau& fileList);

    htProjet& project_;
    htFile* file_ = nullptr;
    htSymbol* current_ = nullptr;
    State state_ = Idle;
    bool blockComment_ = false;

    // Working indexes by name, so that a large project is not searched entry by entry.
    std::unordered_map<std::string, std::vector<htSymbol*>> functions_;
    std::unordered_map<std::string, std::vector<htSymbol*>> macros_;
    std::unordered_map<std::string, htClass*> classes_;
    std::unordered_map<const htClass*, std::unordered_map<std::string, std::vector<htSymbol*>>>
        members_;
    std::unordered_set<const htSymbol*> inFile_;
};

// The companion documentation file of a source: its path followed by ".txt".
std::string CompanionPath(const char* sourcePath);

// Walks the project directory and its subdirectories (but hidden ones) for each pattern
// (separated by ";"), reads every matching file after its companion file, and sorts the lists.
std::unique_ptr<htProjet> BuildModel(const char* directory, const char* patterns,
                                     const char* projectName);

} // namespace html
} // namespace qelvo
