#include "core/tool_table.h"

#include "platform/platform.h"
#include "core/project_session.h"

#include <cstring>
#include <string>

namespace qelvo {

ToolTable::ToolTable() {
    Append(new Tool("RunExecutable", ";.exe;", ""));
    Append(new Tool("EditText", ";.cpp;.c;.h;AutoDepend;.asm;.def;.hpj;.rh;.kb;.txt;.spp;",
                    "BCW5Editor"));
    Append(new Tool("Project", ";.ide;", ""));
    Append(new Tool("ClassExpert", ";AppExpert;AppExpertDll;", ""));
    Append(new Tool("EditResource", ";.rc;.res;.dll;.dlg;", "BCW5RWProject"));
    Append(new Tool("EditBitmapFile", ";.bmp;.rle;", "BCW5RWBitmap"));
    Append(new Tool("EditCursorFile", ";.cur;", "BCW5RWGroupCursor"));
    Append(new Tool("EditIconFile", ";.ico;", "BCW5RWGroupIcon"));
}

const char* ToolTable::FindTool(const char* kind, String& viewer) const {
    // The IDE's tools take the node's file names relative to the project's directory.
    if (ProjectOpen()) {
        const char* directory = ProjectDirectory();
        if (directory[0])
            platform::ChangeDirectory(directory);
    }
    // Both delimiters in the key: ".c" must not match inside ";.cpp;".
    std::string key = std::string(";") + (kind ? kind : "") + ";";
    for (int i = 0; i < count; ++i) {
        Tool* tool = At(i);
        if (std::strstr(tool->kinds.c_str(), key.c_str())) {
            viewer = tool->viewer;
            return tool->name.c_str();
        }
    }
    viewer = "BCW5Editor";
    return "EditText";
}

} // namespace qelvo
