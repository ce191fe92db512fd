// The IDE tools that open a project node, by the node's file kind.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

namespace qelvo {

class Tool : public Basic {
public:
    Tool() = default;
    Tool(const char* toolName, const char* toolKinds, const char* viewerClass)
        : name(toolName), kinds(toolKinds), viewer(viewerClass) {}

    String name;   // the IDE tool
    String kinds;  // ";"-delimited kinds served, beginning and ending with ';'
    String viewer; // the window class of its viewer, possibly empty
};

class ToolTable : public Tableau<Tool> {
public:
    // The eight rows, in their fixed order.
    ToolTable();
    // The tool for a kind (".cpp", "AppExpert"; case-sensitive); the viewer class goes to
    // viewer. No row: "EditText" with "BCW5Editor". With a project open, its directory is made
    // the current directory first.
    const char* FindTool(const char* kind, String& viewer) const;
};

} // namespace qelvo
