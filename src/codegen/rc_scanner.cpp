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

} // namespace

int DialogGenerator::ScanRc(const char* rcPath, RcRecordSink& sink) {
    FILE* file = platform::OpenFile(rcPath, "rb");
    if (!file) return 0;
    LineReader reader(file);
    ScanDefines(reader);
    reader.Rewind();
    ScanMenus(reader, sink);
    reader.Rewind();
    ScanDialogs(reader, sink);
    int ok = !reader.Failed();
    std::fclose(file);
    return ok;
}

const DefineEntry* DialogGenerator::FindDefine(const char* name) const {
    for (int i = 0; i < defines.count; ++i)
        if (std::strcmp(defines[i]->name, name) == 0) return defines[i];
    return nullptr;
}

void DialogGenerator::AddDefine(const char* name, const char* value) {
    if (!*name || defines.count >= kTableEntries) return;
    DefineEntry* entry = new DefineEntry();
    if (!Fill(entry->name, sizeof entry->name, name) ||
        !Fill(entry->value, sizeof entry->value, value)) {
        delete entry;
        return;
    }
    defines.Append(entry);
}

void DialogGenerator::AddMenuItem(const char* identifier, const char* menu) {
    const DefineEntry* define = FindDefine(identifier);
    if (!define || menuItems.count >= kTableEntries) return;
    MenuItemEntry* entry = new MenuItemEntry();
    if (!Fill(entry->item, sizeof entry->item, DerivedName(identifier)) ||
        !Fill(entry->menu, sizeof entry->menu, menu) ||
        !Fill(entry->value, sizeof entry->value, define->value)) {
        delete entry;
        return;
    }
    menuItems.Append(entry);
}

void DialogGenerator::AddControl(const char* line) {
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
        const DefineEntry* define = FindDefine(id.c_str());
        if (!define) return;
        identifier = define->value;
        member = DerivedName(id.c_str());
    } else {
        return; // numeric, -1 or empty: no member
    }
    if (controls.count >= kTableEntries) return;
    ControlEntry* entry = new ControlEntry();
    if (!Fill(entry->member, sizeof entry->member, member) ||
        !Fill(entry->identifier, sizeof entry->identifier, identifier) ||
        !Fill(entry->className, sizeof entry->className, generated)) {
        delete entry;
        return;
    }
    controls.Append(entry);
}

// Pass 1: "#define NAME VALUE"; the name is looked for after "#define" and one separator.
void DialogGenerator::ScanDefines(LineReader& reader) {
    defines.RemoveRange(0, 0);
    std::string line;
    while (reader.Next(line, kRcLineBytes)) {
        const char* text = line.c_str();
        if (std::strncmp(text, "#define", 7) != 0 || std::strlen(text) < 8) continue;
        const char* after;
        String name = NextToken(text + 8, &after);
        String value = NextToken(after);
        AddDefine(name.c_str(), value.c_str());
    }
}

// Pass 2: the items of every menu whose identifiers are defined. POPUP lines are not followed,
// so the items of a sub-menu belong to the enclosing menu; only a '}' at the start of a line
// closes the menu.
void DialogGenerator::ScanMenus(LineReader& reader, RcRecordSink& sink) {
    menuItems.RemoveRange(0, 0);
    std::string line;
    String menu;
    bool inside = false;
    while (reader.Next(line, kRcLineBytes)) {
        DropTrailingControl(line);
        const char* text = line.c_str();
        if (!inside) {
            if (std::strstr(text, " MENU")) {
                menu = NextToken(text);
                inside = true;
            }
        } else if (text[0] == '}') {
            inside = false;
        } else if (Same(NextToken(text), "MENUITEM")) {
            AddMenuItem(GetField(text, 1).c_str(), menu.c_str());
        }
    }
    sink.MenuItems(menuItems);
}

// Pass 3: one record per dialog, handed on at its closing brace. A script that ends inside a
// dialog hands that one on unclosed.
void DialogGenerator::ScanDialogs(LineReader& reader, RcRecordSink& sink) {
    std::string line;
    String dialog;
    String menu;
    bool inside = false;
    while (reader.Next(line, kRcLineBytes)) {
        const char* text = line.c_str();
        if (!inside) {
            if (!std::strstr(text, " DIALOG ") && !std::strstr(text, " DIALOGEX ")) continue;
            String name = NextToken(text);
            if (IsLanguageVariant(name.c_str())) continue;
            dialog = name;
            menu = "";
            controls.RemoveRange(0, 0);
            inside = true;
        } else if (text[0] == '}') {
            sink.Dialog(DialogRecord{dialog.c_str(), menu.c_str(), controls, menuItems, true});
            inside = false;
        } else {
            String first = NextToken(text);
            if (Same(first, "MENU")) {
                // The statement stands at the start of the line: its name begins at column 6.
                std::string name = std::strlen(text) > 5 ? std::string(text + 5) : std::string();
                DropTrailingControl(name);
                menu = name.c_str();
            } else if (Same(first, "CONTROL")) {
                AddControl(text);
            }
        }
    }
    if (inside) sink.Dialog(DialogRecord{dialog.c_str(), menu.c_str(), controls, menuItems, false});
}

} // namespace codegen
} // namespace qelvo
