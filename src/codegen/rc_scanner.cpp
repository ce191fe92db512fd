// The three passes over one resource script: definitions, menus, dialogs. The scanner is
// line-oriented and expects the resource editor's layout: one statement per line, braces at the
// start of a line, CONTROL statements for every control.
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
    if (n >= capacity)
        return 0;
    std::memcpy(field, text, n + 1);
    return 1;
}

bool Same(const String& text, const char* word) { return std::strcmp(text.c_str(), word) == 0; }

} // namespace

int DialogGenerator::GenerateFromRc(FILE* header, FILE* source, const char* rcPath) {
    FILE* file = platform::OpenFile(rcPath, "rb");
    if (!file)
        return 0;
    LineReader reader(file);
    ScanDefines(reader);
    reader.Rewind();
    ScanMenus(reader, header);
    reader.Rewind();
    ScanDialogs(reader, header, source);
    std::fclose(file);
    return 1;
}

const DefineEntry* DialogGenerator::FindDefine(const char* name) const {
    for (int i = 0; i < defines.count; ++i)
        if (std::strcmp(defines[i]->name, name) == 0)
            return defines[i];
    return nullptr;
}

void DialogGenerator::AddDefine(const char* name, const char* value) {
    if (!*name || defines.count >= kTableEntries)
        return;
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
    if (!define || menuItems.count >= kTableEntries)
        return;
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
    if (!generated)
        return;
    String id = GetField(line, 1);
    const char* identifier;
    const char* member;
    if (Same(id, "IDOK") || Same(id, "IDCANCEL") || Same(id, "IDHELP")) {
        identifier = id.c_str();
        member = id.c_str() + 2;
    } else if (static_cast<unsigned char>(id.c_str()[0]) > '9') {
        const DefineEntry* define = FindDefine(id.c_str());
        if (!define)
            return;
        identifier = define->value;
        member = DerivedName(id.c_str());
    } else {
        return; // numeric, -1 or empty: no member
    }
    if (controls.count >= kTableEntries)
        return;
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
        if (std::strncmp(text, "#define", 7) != 0 || std::strlen(text) < 8)
            continue;
        const char* after;
        String name = NextToken(text + 8, &after);
        String value = NextToken(after);
        AddDefine(name.c_str(), value.c_str());
    }
}

// Pass 2: the items of every menu whose identifiers are defined. POPUP lines are not followed,
// so the items of a sub-menu belong to the enclosing menu; only a '}' at the start of a line
// closes the menu.
void DialogGenerator::ScanMenus(LineReader& reader, FILE* header) {
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
    if (menuItems.count > 0)
        WriteMenuMacros(header);
}

// Two macros per menu: CallBar_<menu>() dispatches a command code to its handler, and
// Menubar_<menu> declares the handlers.
void DialogGenerator::WriteMenuMacros(FILE* header) {
    for (int i = 0; i < menuItems.count; ++i) {
        const MenuItemEntry* entry = menuItems[i];
        if (i == 0 || std::strcmp(entry->menu, menuItems[i - 1]->menu) != 0)
            std::fprintf(header, "\n\n#define CallBar_%s() \\\n", entry->menu);
        std::fprintf(header, "if (code==%s) { mnu%s() ; return(1) ; };\\\n", entry->value,
                     entry->item);
    }
    std::fputs("\n\n", header);
    for (int i = 0; i < menuItems.count; ++i) {
        const MenuItemEntry* entry = menuItems[i];
        if (i == 0 || std::strcmp(entry->menu, menuItems[i - 1]->menu) != 0) {
            if (i > 0)
                std::fputs(";\\\n", header);
            std::fprintf(header, "\n\n#define Menubar_%s \\\n", entry->menu);
        } else {
            std::fputs(";\\\n", header);
        }
        std::fprintf(header, "virtual void mnu%s() ", entry->item);
    }
    std::fputs("\n\n", header);
}

// Pass 3: one class per dialog, written when its closing brace is met. A script that ends
// inside a dialog leaves that class open, as the script itself is.
void DialogGenerator::ScanDialogs(LineReader& reader, FILE* header, FILE* source) {
    std::string line;
    String dialog;
    String menu;
    bool inside = false;
    while (reader.Next(line, kRcLineBytes)) {
        const char* text = line.c_str();
        if (!inside) {
            if (!std::strstr(text, " DIALOG ") && !std::strstr(text, " DIALOGEX "))
                continue;
            String name = NextToken(text);
            if (IsLanguageVariant(name.c_str()))
                continue;
            dialog = name;
            menu = "";
            controls.RemoveRange(0, 0);
            inside = true;
            std::fprintf(header, "\n/*\n%s()\n*/\nclass rc%s : public Dialog\n{\n  public :\n",
                         dialog.c_str(), dialog.c_str());
        } else if (text[0] == '}') {
            WriteDialogEnd(header, source, dialog.c_str(), menu.c_str());
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
}

void DialogGenerator::WriteDialogEnd(FILE* header, FILE* source, const char* dialog,
                                     const char* menu) {
    for (int i = 0; i < controls.count; ++i)
        std::fprintf(header, "    %s %s ;\n", controls[i]->className, controls[i]->member);
    std::fputs("  public :\n    void rcInit() ;\n", header);

    std::fprintf(source, "void rc%s::rcInit()\n{\n", dialog);
    for (int i = 0; i < controls.count; ++i)
        std::fprintf(source, "  %s.Get(this, %s) ;\n", controls[i]->member,
                     controls[i]->identifier);
    std::fputs("}\n", source);

    std::fputs("    char *Name() ;\n", header);
    std::fprintf(source, "\nchar *rc%s::Name()\n{\n  return(\"%s\") ;\n}\n", dialog, dialog);

    for (int i = 0; i < controls.count; ++i) {
        const ControlEntry* c = controls[i];
        if (IsNotificationClass(c->className)) {
            std::fprintf(header, "    virtual int cmd%s(NMHDR *ndr) ;\n", c->member);
            std::fprintf(source,
                         "\n#pragma argsused\nint rc%s::cmd%s(NMHDR *hdr)\n{\n  return(0) ;\n}\n",
                         dialog, c->member);
            continue;
        }
        std::fprintf(header, "    virtual int cmd%s(int notify) ;\n", c->member);
        std::fprintf(source, "\n#pragma argsused\nint rc%s::cmd%s(int notify)\n{\n", dialog,
                     c->member);
        if (std::strcmp(c->identifier, "IDOK") == 0)
            std::fputs("  End(1) ;\n", source);
        else if (std::strcmp(c->identifier, "IDCANCEL") == 0)
            std::fputs("  End(0) ;\n", source);
        std::fputs("  return(0) ;\n}\n", source);
    }

    if (*menu)
        for (int i = 0; i < menuItems.count; ++i)
            if (std::strcmp(menuItems[i]->menu, menu) == 0) {
                std::fprintf(header, "    virtual int mnu%s() ;\n", menuItems[i]->item);
                std::fprintf(source, "\nint rc%s::mnu%s()\n{\n  return(0) ;\n}\n", dialog,
                             menuItems[i]->item);
            }

    std::fputs("    int wmCommand(int id, int notify) ;\n", header);
    std::fprintf(source,
                 "\n#pragma argsused\nint rc%s::wmCommand(int id, int notify)\n{\n"
                 "  switch (id)\n  {\n",
                 dialog);
    for (int i = 0; i < controls.count; ++i)
        if (!IsNotificationClass(controls[i]->className))
            std::fprintf(source, "    case %s : return(cmd%s(notify)) ;\n",
                         controls[i]->identifier, controls[i]->member);
    if (*menu)
        for (int i = 0; i < menuItems.count; ++i)
            if (std::strcmp(menuItems[i]->menu, menu) == 0)
                std::fprintf(source, "    case %s : return(mnu%s()) ;\n", menuItems[i]->value,
                             menuItems[i]->item);
    std::fputs("  }\n  return(Dialog::wmCommand(id, notify)) ;\n}\n\n", source);

    std::fputs("    void wmNotify(NMHDR *hdr) ;\n", header);
    std::fprintf(source,
                 "\n#pragma argsused\nvoid rc%s::wmNotify(NMHDR *hdr)\n{\n"
                 "  switch (hdr->idFrom)\n  {\n",
                 dialog);
    for (int i = 0; i < controls.count; ++i) {
        const ControlEntry* c = controls[i];
        if (!IsNotificationClass(c->className))
            continue;
        std::fprintf(source, "  case %s : ", c->identifier);
        if (std::strcmp(c->className, "TabControl") == 0)
            std::fputs("if (hdr->code==TCN_SELCHANGE) ", source);
        std::fprintf(source, "cmd%s(hdr) ; return ;\n", c->member);
    }
    std::fputs("  }\n  Dialog::wmNotify(hdr) ;\n}\n\n", source);

    std::fputs("} ;\n", header);
}

} // namespace codegen
} // namespace qelvo
