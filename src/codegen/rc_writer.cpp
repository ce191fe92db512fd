// The text of the generated files: one class per dialog (a member per control, rcInit, a
// handler per control and per item of the dialog's menu, the command and notification
// dispatch), two macros per menu. Nothing here reads a script.
#include "codegen/rc_writer.h"

#include "codegen/rc_text.h"

#include <cstring>
#include <string>

namespace qelvo {
namespace codegen {

namespace {

bool InMenu(const MenuItemEntry* item, const char* menu) {
    return *menu && std::strcmp(item->menu, menu) == 0;
}

bool NewMenu(const Tableau<MenuItemEntry>& items, int i) {
    return i == 0 || std::strcmp(items[i]->menu, items[i - 1]->menu) != 0;
}

bool IdentifierByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

// A directory's name may hold blanks, dots or any other byte a macro name cannot: each becomes
// '_', so the guard is a valid name and the same on every run.
std::string GuardName(const char* name) {
    std::string guard = name;
    for (char& c : guard)
        if (!IdentifierByte(c)) c = '_';
    return guard;
}

void RcWriter::Begin(const char* name) {
    std::string guard = GuardName(name);
    std::fprintf(header_,
                 "// Generated file : do not edit by hand\n"
                 "#ifndef _rc%s_h_\n#define _rc%s_h_\n",
                 guard.c_str(), guard.c_str());
    std::fprintf(source_,
                 "// Generated file : do not edit by hand\n"
                 "#include \"qelvo.h\"\n#include \"rc%s.h\"\n",
                 name);
}

void RcWriter::End(const char* name) {
    if (!*name) std::fputs("\nRCRCMAIN\n\n", source_);
    std::fputs("\n#endif\n", header_);
}

// CallBar_<menu>() dispatches a command code to its handler; Menubar_<menu> declares the
// handlers. Items of one menu follow one another in the list.
void RcWriter::MenuItems(const Tableau<MenuItemEntry>& items) {
    if (items.count == 0) return;
    for (int i = 0; i < items.count; ++i) {
        if (NewMenu(items, i))
            std::fprintf(header_, "\n\n#define CallBar_%s() \\\n", items[i]->menu);
        std::fprintf(header_, "if (code==%s) { mnu%s() ; return(1) ; };\\\n", items[i]->value,
                     items[i]->item);
    }
    std::fputs("\n\n", header_);
    for (int i = 0; i < items.count; ++i) {
        if (i > 0) std::fputs(";\\\n", header_);
        if (NewMenu(items, i)) std::fprintf(header_, "\n\n#define Menubar_%s \\\n", items[i]->menu);
        std::fprintf(header_, "virtual void mnu%s() ", items[i]->item);
    }
    std::fputs("\n\n", header_);
}

void RcWriter::Dialog(const DialogRecord& dialog) {
    std::fprintf(header_, "\n/*\n%s()\n*/\nclass rc%s : public Dialog\n{\n  public :\n",
                 dialog.name, dialog.name);
    Members(dialog);
    Commands(dialog);
    Notifications(dialog);
    std::fputs("} ;\n", header_);
}

// The controls, rcInit and Name, then one handler per control and per item of the menu.
void RcWriter::Members(const DialogRecord& dialog) {
    const Tableau<ControlEntry>& controls = dialog.controls;
    for (int i = 0; i < controls.count; ++i)
        std::fprintf(header_, "    %s %s ;\n", controls[i]->className, controls[i]->member);
    std::fputs("  public :\n    void rcInit() ;\n", header_);

    std::fprintf(source_, "void rc%s::rcInit()\n{\n", dialog.name);
    for (int i = 0; i < controls.count; ++i)
        std::fprintf(source_, "  %s.Get(this, %s) ;\n", controls[i]->member,
                     controls[i]->identifier);
    std::fputs("}\n", source_);

    std::fputs("    char *Name() ;\n", header_);
    std::fprintf(source_, "\nchar *rc%s::Name()\n{\n  return(\"%s\") ;\n}\n", dialog.name,
                 dialog.name);

    for (int i = 0; i < controls.count; ++i) {
        const ControlEntry* c = controls[i];
        if (IsNotificationClass(c->className)) {
            std::fprintf(header_, "    virtual int cmd%s(NMHDR *ndr) ;\n", c->member);
            std::fprintf(source_,
                         "\n#pragma argsused\nint rc%s::cmd%s(NMHDR *hdr)\n{\n  return(0) ;\n}\n",
                         dialog.name, c->member);
            continue;
        }
        std::fprintf(header_, "    virtual int cmd%s(int notify) ;\n", c->member);
        std::fprintf(source_, "\n#pragma argsused\nint rc%s::cmd%s(int notify)\n{\n", dialog.name,
                     c->member);
        if (std::strcmp(c->identifier, "IDOK") == 0)
            std::fputs("  End(1) ;\n", source_);
        else if (std::strcmp(c->identifier, "IDCANCEL") == 0)
            std::fputs("  End(0) ;\n", source_);
        std::fputs("  return(0) ;\n}\n", source_);
    }

    const Tableau<MenuItemEntry>& items = dialog.menuItems;
    for (int i = 0; i < items.count; ++i)
        if (InMenu(items[i], dialog.menu)) {
            std::fprintf(header_, "    virtual int mnu%s() ;\n", items[i]->item);
            std::fprintf(source_, "\nint rc%s::mnu%s()\n{\n  return(0) ;\n}\n", dialog.name,
                         items[i]->item);
        }
}

// wmCommand: the controls that are commands, then the items of the menu.
void RcWriter::Commands(const DialogRecord& dialog) {
    std::fputs("    int wmCommand(int id, int notify) ;\n", header_);
    std::fprintf(source_,
                 "\n#pragma argsused\nint rc%s::wmCommand(int id, int notify)\n{\n"
                 "  switch (id)\n  {\n",
                 dialog.name);
    const Tableau<ControlEntry>& controls = dialog.controls;
    for (int i = 0; i < controls.count; ++i)
        if (!IsNotificationClass(controls[i]->className))
            std::fprintf(source_, "    case %s : return(cmd%s(notify)) ;\n",
                         controls[i]->identifier, controls[i]->member);
    const Tableau<MenuItemEntry>& items = dialog.menuItems;
    for (int i = 0; i < items.count; ++i)
        if (InMenu(items[i], dialog.menu))
            std::fprintf(source_, "    case %s : return(mnu%s()) ;\n", items[i]->value,
                         items[i]->item);
    std::fputs("  }\n  return(Dialog::wmCommand(id, notify)) ;\n}\n\n", source_);
}

// wmNotify: the controls whose handlers take the notification header.
void RcWriter::Notifications(const DialogRecord& dialog) {
    std::fputs("    void wmNotify(NMHDR *hdr) ;\n", header_);
    std::fprintf(source_,
                 "\n#pragma argsused\nvoid rc%s::wmNotify(NMHDR *hdr)\n{\n"
                 "  switch (hdr->idFrom)\n  {\n",
                 dialog.name);
    const Tableau<ControlEntry>& controls = dialog.controls;
    for (int i = 0; i < controls.count; ++i) {
        const ControlEntry* c = controls[i];
        if (!IsNotificationClass(c->className)) continue;
        std::fprintf(source_, "  case %s : ", c->identifier);
        if (std::strcmp(c->className, "TabControl") == 0)
            std::fputs("if (hdr->code==TCN_SELCHANGE) ", source_);
        std::fprintf(source_, "cmd%s(hdr) ; return ;\n", c->member);
    }
    std::fputs("  }\n  Dialog::wmNotify(hdr) ;\n}\n\n", source_);
}

} // namespace codegen
} // namespace qelvo
