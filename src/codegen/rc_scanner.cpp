// The three passes over one resource script: definitions, menus, dialogs. The scanner is
// line-oriented and expects the resource editor's layout: one statement per line, braces at the
// start of a line, CONTROL statements for every control. It hands menu items and dialogs to a
// sink and writes nothing itself.
#include "codegen/dialog_generator.h"
#include "codegen/rc_text.h"
#include "platform/platform.h"

#include <cstring>

namespace qelvo {
namespace codegen {

namespace {

// Copies text into a field of the given capacity; 0 when it would not fit.
int Fill(char* field, size_t capacity, const char* text) {
    size_t n = std::strlen(text);
    if (n >= capacity) return 0;
    std::memcpy(field, text, n + 1);
    return 1;
}

bool Same(const String& text, const char* word) {
    return std::strcmp(text.c_str(), word) == 0;
}

// The end of a menu or dialog: '}' at the start of the line, or END there, which scripts that
// spell their blocks with BEGIN and END write in its place. As with braces, an END further in
// closes a nested block (a popup's), not the menu. BEGIN stands for '{', which opens nothing the
// scanner has to follow.
bool EndsBlock(const char* text) {
    return text[0] == '}' ||
           (std::strncmp(text, "END", 3) == 0 && static_cast<unsigned char>(text[3]) <= ' ');
}

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

int DialogGenerator::ScanRc(const char* rcPath, RcRecordSink& sink) {
    FILE* file = platform::OpenFile(rcPath, "rb");
    if (!file) return 0;
    scriptPath_ = rcPath;
    LineReader reader(file);
    ScanDefines(reader);
    reader.Rewind();
    ScanMenus(reader, sink);
    reader.Rewind();
    ScanDialogs(reader, sink);
    int ok = !reader.Failed();
    std::fclose(file);
    scriptPath_ = "";
    return ok;
}

const DefineEntry* DialogGenerator::FindDefine(const char* name) const {
    for (int i = 0; i < defines.count; ++i)
        if (std::strcmp(defines[i]->name, name) == 0) return defines[i];
    return nullptr;
}

void DialogGenerator::Warn(int line, const std::string& text) {
    Notify(NoticeKind::kScript, scriptPath_, line, text);
}

// An identifier the script defines but whose definition did not fit the table's fields: what
// uses it is left out, and the user is told why.
const DefineEntry* DialogGenerator::FindUsable(const char* identifier, int line, const char* user) {
    const DefineEntry* define = FindDefine(identifier);
    if (!define && longDefines_.count(identifier))
        Warn(line,
             std::string("the #define of ") + identifier +
                 " is too long to keep (names up to 69 characters, values up to 49): " + user);
    return define;
}

void DialogGenerator::AddDefine(const char* name, const char* value) {
    if (!*name) return;
    if (defines.count >= kTableEntries) {
        ++leftOut_;
        return;
    }
    DefineEntry* entry = new DefineEntry();
    if (!Fill(entry->name, sizeof entry->name, name) ||
        !Fill(entry->value, sizeof entry->value, value)) {
        longDefines_.insert(name);
        delete entry;
        return;
    }
    defines.Append(entry);
}

void DialogGenerator::AddMenuItem(const char* identifier, const char* menu, int line) {
    const DefineEntry* define = FindUsable(identifier, line, "the menu item gets no handler");
    if (!define) return;
    if (menuItems.count >= kTableEntries) {
        ++leftOut_;
        return;
    }
    MenuItemEntry* entry = new MenuItemEntry();
    if (!Fill(entry->item, sizeof entry->item, DerivedName(identifier)) ||
        !Fill(entry->menu, sizeof entry->menu, menu) ||
        !Fill(entry->value, sizeof entry->value, define->value)) {
        Warn(line, std::string("the menu item ") + identifier + " of " + menu +
                       " has a name, menu name or value too long to keep (each up to 49 "
                       "characters): no handler");
        delete entry;
        return;
    }
    menuItems.Append(entry);
}

void DialogGenerator::AddControl(const char* line, int lineNumber) {
    const char* fields;
    NextToken(line, &fields); // past "CONTROL"
    String resourceClass = GetField(fields, 2);
    String style = GetField(fields, 3);
    const char* generated = GeneratedClass(resourceClass.c_str(), style.c_str());
    if (!generated) return;
    String id = GetField(line, 1);
    const char* identifier;
    const char* member;
    if (Same(id, "IDOK") || Same(id, "IDCANCEL") || Same(id, "IDHELP")) {
        identifier = id.c_str();
        member = id.c_str() + 2;
    } else if (static_cast<unsigned char>(id.c_str()[0]) > '9') {
        const DefineEntry* define =
            FindUsable(id.c_str(), lineNumber, "the control gets no member");
        if (!define) return;
        identifier = define->value;
        member = DerivedName(id.c_str());
    } else {
        return; // numeric, -1 or empty: no member
    }
    if (controls.count >= kTableEntries) {
        ++leftOut_;
        return;
    }
    ControlEntry* entry = new ControlEntry();
    if (!Fill(entry->member, sizeof entry->member, member) ||
        !Fill(entry->identifier, sizeof entry->identifier, identifier) ||
        !Fill(entry->className, sizeof entry->className, generated)) {
        Warn(lineNumber, "the control " + std::string(id.c_str()) +
                             " has a name or value too long for a member (names up to 79 "
                             "characters, values up to 39): no member");
        delete entry;
        return;
    }
    controls.Append(entry);
}

// Pass 1: "#define NAME VALUE"; the name is looked for after "#define" and one separator.
void DialogGenerator::ScanDefines(LineReader& reader) {
    defines.RemoveRange(0, 0);
    longDefines_.clear();
    leftOut_ = 0;
    std::string line;
    while (reader.Next(line, kRcLineBytes)) {
        const char* text = line.c_str();
        if (std::strncmp(text, "#define", 7) != 0 || std::strlen(text) < 8) continue;
        const char* after;
        String name = NextToken(text + 8, &after);
        String value = NextToken(after);
        AddDefine(name.c_str(), value.c_str());
    }
    if (leftOut_)
        Warn(0, Count(leftOut_, "#define", "#defines") + " beyond the first 255 left out: " +
                    "controls and menu items that use them get nothing");
}

// Pass 2: the items of every menu whose identifiers are defined. POPUP lines are not followed,
// so the items of a sub-menu belong to the enclosing menu; only an end at the start of a line
// closes the menu.
void DialogGenerator::ScanMenus(LineReader& reader, RcRecordSink& sink) {
    menuItems.RemoveRange(0, 0);
    leftOut_ = 0;
    std::string line;
    String menu;
    int menuLine = 0;
    bool inside = false;
    while (reader.Next(line, kRcLineBytes)) {
        DropTrailingControl(line);
        const char* text = line.c_str();
        if (!inside) {
            if (std::strstr(text, " MENU")) {
                menu = NextToken(text);
                menuLine = reader.LineNumber();
                inside = true;
            }
        } else if (EndsBlock(text)) {
            inside = false;
        } else if (Same(NextToken(text), "MENUITEM")) {
            AddMenuItem(GetField(text, 1).c_str(), menu.c_str(), reader.LineNumber());
        }
    }
    if (inside)
        Warn(menuLine, std::string("the menu ") + menu.c_str() +
                           " is not closed by the end of the script: its items are kept");
    if (leftOut_)
        Warn(0, Count(leftOut_, "menu item", "menu items") +
                    " beyond the first 255 left out: they get no handler");
    sink.MenuItems(menuItems);
}

// Pass 3: one record per dialog, handed on at its end. A script that ends inside a dialog is
// read as if the dialog's end came there, and the user is told.
void DialogGenerator::ScanDialogs(LineReader& reader, RcRecordSink& sink) {
    std::string line;
    String dialog;
    String menu;
    int dialogLine = 0;
    bool inside = false;
    while (reader.Next(line, kRcLineBytes)) {
        const char* text = line.c_str();
        if (!inside) {
            if (!std::strstr(text, " DIALOG ") && !std::strstr(text, " DIALOGEX ")) continue;
            String name = NextToken(text);
            if (IsLanguageVariant(name.c_str())) continue;
            dialog = name;
            menu = "";
            dialogLine = reader.LineNumber();
            controls.RemoveRange(0, 0);
            leftOut_ = 0;
            inside = true;
        } else if (EndsBlock(text)) {
            EndDialog(dialog.c_str(), menu.c_str(), dialogLine, sink);
            inside = false;
        } else {
            String first = NextToken(text);
            if (Same(first, "MENU")) {
                // The statement stands at the start of the line: its name begins at column 6.
                std::string name = std::strlen(text) > 5 ? std::string(text + 5) : std::string();
                DropTrailingControl(name);
                menu = name.c_str();
            } else if (Same(first, "CONTROL")) {
                AddControl(text, reader.LineNumber());
            }
        }
    }
    if (inside) {
        Warn(dialogLine, std::string("the dialog ") + dialog.c_str() +
                             " is not closed by the end of the script: closed there");
        EndDialog(dialog.c_str(), menu.c_str(), dialogLine, sink);
    }
}

void DialogGenerator::EndDialog(const char* dialog, const char* menu, int line,
                                RcRecordSink& sink) {
    if (leftOut_)
        Warn(line, std::string("the dialog ") + dialog + " has " +
                       Count(leftOut_, "control", "controls") +
                       " beyond the first 255: they get no member");
    sink.Dialog(DialogRecord{dialog, menu, controls, menuItems});
}

} // namespace codegen
} // namespace qelvo
