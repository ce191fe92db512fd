#include "completion/keyword_completion.h"

#include "core/editor_access.h"
#include "core/globals.h"
#include "core/symbol_head.h"
#include "core/window_rules.h"
#include "foundation/settings_fields.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qelvo {

KeywordStore* Completion = nullptr;

namespace {

const IntField<CompletionSettings> kCompletion[] = {
    {"Enabled", &CompletionSettings::enabled},
    {"KeyCode", &CompletionSettings::keyCode},
};

const char kGroup[] = "Completion";
const char kFilesGroup[] = "Completion\\Files";

void EntryName(int i, char (&name)[24]) {
    std::snprintf(name, sizeof name, "Entry%d", i);
}

// Bounded copy of n bytes into out, always terminated.
template <size_t N> void CopyBounded(char (&out)[N], const char* text, size_t n) {
    if (n > N - 1) n = N - 1;
    std::memcpy(out, text, n);
    out[n] = 0;
}

// The first n bytes of keyword against prefix, as unsigned bytes: <0, 0, >0.
int ComparePrefix(const MeT* keyword, const char* prefix, size_t n) {
    return std::strncmp(keyword->keyword.c_str(), prefix, n);
}

// A line of a keyword file after its trailing control and high bytes are gone; null for a line
// that gives no keyword.
MeT* KeywordOfLine(const char* line) {
    size_t n = std::strlen(line);
    while (n > 0) {
        unsigned char last = static_cast<unsigned char>(line[n - 1]);
        if (last >= 14 && last < 128) break;
        --n;
    }
    if (n == 0 || line[0] == '[') return nullptr;
    const char* bar = static_cast<const char*>(std::memchr(line, '|', n));
    if (!bar) return new MeT(line, n, nullptr, 0);
    size_t k = static_cast<size_t>(bar - line);
    return new MeT(line, k, bar + 1, n - k - 1);
}

// Windows compares file names without regard to case.
bool SamePath(const char* a, const char* b) {
    for (;; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x == '/') x = '\\';
        if (y == '/') y = '\\';
        if (x != y) return false;
        if (!x) return true;
    }
}

// The keyword file's path: the extension after the last separator replaced by ".kwd", or
// ".kwd" appended when there is none.
String KeywordFilePath(const char* source) {
    size_t n = std::strlen(source);
    size_t end = n;
    for (size_t i = n; i > 0; --i) {
        char c = source[i - 1];
        if (c == '/' || c == '\\') break;
        if (c == '.') {
            if (i - 1 > 0) end = i - 1;
            break;
        }
    }
    String path;
    SetText(path, source, end);
    path += ".kwd";
    return path;
}

// Trailing bytes not above a blank (bytes of 128 and above count as such) leave the line.
size_t TrimmedLength(const char* line) {
    size_t n = std::strlen(line);
    while (n > 0 && IsHeadBlank(line[n - 1]))
        --n;
    return n;
}

// A line of the source that may hold a head: not indented, not a label, comment or directive,
// not ending with ';', with '(' after its first byte. Gives the position of that '('.
bool IsExtractable(const char* line, size_t n, size_t& cut) {
    if (n == 0 || IsHeadBlank(line[0])) return false;
    if (line[0] == ':' || line[0] == '/' || line[0] == '#') return false;
    if (line[n - 1] == ';') return false;
    const char* paren = static_cast<const char*>(std::memchr(line, '(', n));
    if (!paren || paren == line) return false;
    cut = static_cast<size_t>(paren - line);
    return true;
}

void WriteLine(FILE* out, const char* text, size_t n) {
    std::fwrite(text, 1, n, out);
    std::fputc('\n', out);
}

} // namespace

void CompletionSettings::Load() {
    LoadInts(*this, kGroup, kCompletion);
    LoadText(kGroup, "TextCode", textCode);
}

void CompletionSettings::Save() const {
    SaveInts(*this, kGroup, kCompletion);
    WriteText(kGroup, "TextCode", textCode.c_str());
}

MeT::MeT(const char* text, size_t length, const char* helpText, size_t helpLength) {
    SetText(keyword, text, length);
    if (helpText) {
        help = new String();
        SetText(*help, helpText, helpLength);
    }
}

MeT::~MeT() {
    delete help;
}

bool IsWordSeparator(unsigned char c) {
    return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
             c == '_');
}

void FormatHelp(const char* help, const char* keyword, char (&out)[kMaxHelpShown + 1]) {
    size_t at = 0;
    bool replaced = false;
    for (const char* p = help; *p && at < kMaxHelpShown; ++p) {
        if (!replaced && p[0] == '%' && p[1] == 's') {
            for (const char* k = keyword; *k && at < kMaxHelpShown; ++k)
                out[at++] = *k;
            replaced = true;
            ++p;
            continue;
        }
        out[at++] = *p;
    }
    out[at] = 0;
}

KeywordStore::KeywordStore() {
    settings.Load();
    int n = ReadSettingInt(kGroup, "NbFiles");
    if (n > kMaxKeywordFiles) n = kMaxKeywordFiles;
    for (int i = 0; i < n; ++i) {
        char name[24];
        EntryName(i, name);
        String path;
        LoadText(kFilesGroup, name, path);
        if (std::strcmp(path.c_str(), DefaultText(kFilesGroup, name)) == 0) continue;
        AddKeywordFile(path.c_str());
    }
    SortKeywords();
}

KeywordStore::KeywordStore(WithoutSettings) : persistent_(false) {
    settings.enabled = 1;
    settings.keyCode = 222;
    settings.textCode = "???";
}

KeywordStore::~KeywordStore() {
    if (!persistent_) return;
    settings.Save();
    WriteInt(kGroup, "NbFiles", files.count);
    for (int i = 0; i < files.count; ++i) {
        char name[24];
        EntryName(i, name);
        WriteText(kFilesGroup, name, files.At(i)->c_str());
    }
}

bool KeywordStore::LoadKeywordFile(const char* path) {
    FILE* in = path ? platform::OpenFile(path, "rb") : nullptr;
    if (!in) return false;
    bool ok = LoadKeywordStream(in);
    std::fclose(in);
    return ok;
}

bool KeywordStore::LoadKeywordStream(FILE* in) {
    std::vector<MeT*> loaded;
    char line[kKeywordPiece + 1];
    size_t room = keywords.count < kMaxKeywords ? static_cast<size_t>(kMaxKeywords - keywords.count)
                                                : 0;
    while (std::fgets(line, sizeof line, in)) {
        if (loaded.size() >= room) break;
        if (MeT* keyword = KeywordOfLine(line)) loaded.push_back(keyword);
    }
    bool ok = !std::ferror(in);
    // One block for the whole file: the table grows by ten entries at a time otherwise.
    int at = keywords.count;
    if (!keywords.InsertSpace(at, static_cast<int>(loaded.size()))) {
        for (MeT* keyword : loaded)
            delete keyword;
        return false;
    }
    for (size_t i = 0; i < loaded.size(); ++i)
        keywords.Put(loaded[i], at + static_cast<int>(i));
    return ok;
}

void KeywordStore::AddKeywordFile(const char* path) {
    files.Append(new String(path));
    LoadKeywordFile(path);
}

void KeywordStore::ClearKeywords() {
    files.RemoveRange(0, 0);
    keywords.RemoveRange(0, 0);
    matchIndex = -1;
    // The helps are gone with their keywords.
    lastHelp = nullptr;
}

void KeywordStore::SortKeywords() {
    if (keywords.count < 2) return;
    std::stable_sort(keywords.items, keywords.items + keywords.count, [](Basic* a, Basic* b) {
        return std::strcmp(static_cast<MeT*>(a)->keyword.c_str(),
                           static_cast<MeT*>(b)->keyword.c_str()) < 0;
    });
}

int KeywordStore::CompleteWord(const char* prefix, char (&out)[kMaxInsert + 1]) {
    matchIndex = -1;
    out[0] = 0;
    int count = keywords.count;
    if (count == 0 || !prefix) return 0;
    size_t n = std::strlen(prefix);
    int f, l;
    if (ComparePrefix(keywords.At(0), prefix, n) >= 0) {
        f = 0;
    } else {
        int lo = 0, hi = count - 1;
        while (hi > lo) {
            int mid = lo + (hi - lo) / 2;
            if (ComparePrefix(keywords.At(mid), prefix, n) < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        f = hi;
    }
    if (ComparePrefix(keywords.At(count - 1), prefix, n) <= 0) {
        l = count - 1;
    } else {
        int lo = 0, hi = count - 1;
        while (hi > lo) {
            int mid = lo + (hi - lo + 1) / 2;
            if (ComparePrefix(keywords.At(mid), prefix, n) > 0)
                hi = mid - 1;
            else
                lo = mid;
        }
        l = lo;
    }
    if (ComparePrefix(keywords.At(f), prefix, n) != 0) return 0;
    matchIndex = f;
    const String& first = keywords.At(f)->keyword;
    if (l == f) {
        CopyBounded(out, first.c_str() + n, first.Length() - n);
        CopyBounded(message, "Completion complete", 19);
        return 1;
    }
    // The text all candidates share beyond the prefix: in a sorted range, what the first and
    // the last share.
    const char* last = keywords.At(l)->keyword.c_str();
    size_t common = n;
    while (common < first.Length() && last[common] == first.c_str()[common])
        ++common;
    CopyBounded(out, first.c_str() + n, common - n);
    // "Possible :" and the candidates, as many as the message holds.
    size_t at = 10;
    std::memcpy(message, "Possible :", at);
    for (int k = f; k <= l; ++k) {
        const String& candidate = keywords.At(k)->keyword;
        size_t separator = k == f ? 0 : 2;
        if (at + separator + candidate.Length() > kMaxMessage) break;
        std::memcpy(message + at, ", ", separator);
        std::memcpy(message + at + separator, candidate.c_str(), candidate.Length());
        at += separator + candidate.Length();
    }
    message[at] = 0;
    return 2;
}

void KeywordStore::CompleteAtCaret(EditorAccess& editors, const char* fileName) {
    ide::EditorService* editor = editors.Service();
    if (!editor || !fileName) return;
    // A drive letter's colon stays; a view number (":2") goes.
    char name[300];
    CopyBounded(name, fileName, std::strlen(fileName));
    if (char* colon = std::strchr(name + std::min<size_t>(2, std::strlen(name)), ':')) *colon = 0;
    // So does the modified mark (" *"): the caption of an editor being typed in has it.
    CleanEditorTitle(name);
    // A null name would ask for the first view, whatever it shows.
    ide::HostString* viewName = ide::MakeHostString(editors.Services(), name);
    if (!viewName) return;
    ide::IdeView view = editor->FindView(viewName);
    if (!view) return;
    editor->BeginAccess();
    editor->SelectView(view);
    int32_t line = 0, column = 0;
    editor->CaretPosition(&line, &column);
    if (column <= 1) {
        editor->EndAccess();
        return;
    }
    editor->Update();
    ide::HostString* before = editor->CaretLineText(column - 1);
    editor->SetCaret(line, column);
    const char* text = before ? before->GetText() : nullptr;
    size_t end = text ? std::strlen(text) : 0;
    if (end > static_cast<size_t>(column - 1)) end = static_cast<size_t>(column - 1);
    size_t start = end;
    while (start > 0 && end - start <= kMaxWord &&
           !IsWordSeparator(static_cast<unsigned char>(text[start - 1])))
        --start;
    if (start < end && end - start <= kMaxWord) {
        char word[kMaxWord + 1];
        CopyBounded(word, text + start, end - start);
        char out[kMaxInsert + 1];
        int r = CompleteWord(word, out);
        const String* help = matchIndex >= 0 ? keywords.At(matchIndex)->help : nullptr;
        if (r == 0) {
            ShowStatusText("No available completion");
        } else if (!out[0]) {
            if (help == lastHelp && help) {
                char shown[kMaxHelpShown + 1];
                FormatHelp(help->c_str(), keywords.At(matchIndex)->keyword.c_str(), shown);
                ShowStatusText(shown);
            } else {
                lastHelp = help;
                ShowStatusText(message);
            }
        } else {
            editor->InsertText(ide::MakeHostString(editors.Services(), out));
            editor->SetCaret(line, column + static_cast<int32_t>(std::strlen(out)));
            ShowStatusText(r == 1 ? "Completion done" : message);
            lastHelp = help;
        }
    }
    if (before) before->Release();
    editor->EndAccess();
}

int KeywordStore::ExtractKeywords(String& path) {
    String target = KeywordFilePath(path.c_str());
    // Writing the keyword file over the source would lose it.
    if (SamePath(target.c_str(), path.c_str())) return 0;
    FILE* in = platform::OpenFile(path.c_str(), "r");
    if (!in) return 0;
    FILE* out = platform::OpenFile(target.c_str(), "w");
    if (!out) {
        std::fclose(in);
        return 0;
    }
    lastClass[0] = 0;
    char line[1023];
    while (std::fgets(line, sizeof line, in)) {
        size_t n = TrimmedLength(line), cut = 0;
        if (!IsExtractable(line, n, cut)) continue;
        SymbolHead head = SplitSymbolHead(line, cut);
        if (head.nameLength == 0) continue;
        if (head.classLength > 0) {
            char className[kMaxClassName + 1];
            CopyBounded(className, line + head.classStart, head.classLength);
            if (std::strcmp(className, lastClass) != 0) {
                WriteLine(out, className, std::strlen(className));
                std::memcpy(lastClass, className, sizeof lastClass);
            }
        }
        WriteLine(out, line + head.nameStart, head.nameLength);
    }
    std::fclose(in);
    bool written = std::fclose(out) == 0;
    if (!written) return 0;
    path = target;
    return 1;
}

} // namespace qelvo
