// What the scanner of a resource script hands on: the entries of its tables, one record per
// dialog, and the sink that takes them (the writer of the generated files, or a test).
#pragma once

#include "foundation/basic.h"
#include "foundation/tableau.h"

namespace qelvo {
namespace codegen {

// The text fields hold their capacity less the terminator; an entry whose text would not fit
// is left out rather than cut, since a cut identifier would name something else.
class DefineEntry : public Basic {
public:
    char name[70] = "";
    char value[50] = "";
};

class MenuItemEntry : public Basic {
public:
    char item[50] = "";  // the handler's name: mnu<item>
    char menu[50] = "";  // the menu that holds it
    char value[50] = ""; // the identifier's defined value
};

class ControlEntry : public Basic {
public:
    char member[80] = "";
    char identifier[40] = "";
    char className[40] = "";
};

// One dialog of a script. Its menu's handlers are the script's items of that menu, so the
// record carries the whole list. A script that ends inside a dialog hands it on as if its end
// had been read there (the generator tells the user so): the class is always complete.
struct DialogRecord {
    const char* name;
    const char* menu; // empty for none
    const Tableau<ControlEntry>& controls;
    const Tableau<MenuItemEntry>& menuItems;
};

class RcRecordSink {
public:
    // The script's menu items in the order met (empty when it has none), before its dialogs.
    virtual void MenuItems(const Tableau<MenuItemEntry>& items) = 0;
    // Each dialog in the order met, once its end (or the end of the script) is read.
    virtual void Dialog(const DialogRecord& dialog) = 0;

protected:
    ~RcRecordSink() = default;
};

} // namespace codegen
} // namespace qelvo
