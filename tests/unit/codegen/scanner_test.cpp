// One resource script through GenerateFromRc: the classes of its dialogs and the macros of its
// menus, text for text; and the records the scanner hands on.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::RcOutput;
using qelvo::testing_support::RunScript;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;
using testing::Not;

namespace {

std::string Dialog(const std::string& name, const std::string& body,
                   const std::string& statements = "") {
    return name + " DIALOG 6, 15, 207, 111\nSTYLE WS_POPUP | WS_CAPTION\nCAPTION \"" + name +
           "\"\n" + statements + "FONT 8, \"MS Sans Serif\"\n{\n" + body + "}\n";
}

} // namespace

TEST(Dialogs, EditControlGivesMemberInitialisationHandlerAndCase) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator, "#define IDC_NAME 101\n\n" +
                       Dialog("ABOUT", " CONTROL \"\", IDC_NAME, \"edit\", ES_LEFT | WS_CHILD | "
                                       "WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 10, 100, 12\n"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.header, "\n/*\nABOUT()\n*/\nclass rcABOUT : public Dialog\n{\n  public :\n"
                          "    Edit NAME ;\n"
                          "  public :\n    void rcInit() ;\n"
                          "    char *Name() ;\n"
                          "    virtual int cmdNAME(int notify) ;\n"
                          "    int wmCommand(int id, int notify) ;\n"
                          "    void wmNotify(NMHDR *hdr) ;\n"
                          "} ;\n");
    EXPECT_EQ(out.source, "void rcABOUT::rcInit()\n{\n  NAME.Get(this, 101) ;\n}\n"
                          "\nchar *rcABOUT::Name()\n{\n  return(\"ABOUT\") ;\n}\n"
                          "\n#pragma argsused\nint rcABOUT::cmdNAME(int notify)\n{\n"
                          "  return(0) ;\n}\n"
                          "\n#pragma argsused\nint rcABOUT::wmCommand(int id, int notify)\n{\n"
                          "  switch (id)\n  {\n"
                          "    case 101 : return(cmdNAME(notify)) ;\n"
                          "  }\n  return(Dialog::wmCommand(id, notify)) ;\n}\n\n"
                          "\n#pragma argsused\nvoid rcABOUT::wmNotify(NMHDR *hdr)\n{\n"
                          "  switch (hdr->idFrom)\n  {\n"
                          "  }\n  Dialog::wmNotify(hdr) ;\n}\n\n");
}

TEST(Dialogs, StandardButtonsKeepTheirIdentifiers) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator,
        Dialog("ABOUT",
               " CONTROL \"OK\", IDOK, \"button\", BS_DEFPUSHBUTTON | WS_CHILD, 1, 1, 50, 14\n"
               " CONTROL \"Cancel\", IDCANCEL, \"BUTTON\", BS_PUSHBUTTON | WS_CHILD, 1, 1, 50, "
               "14\n"
               " CONTROL \"Help\", IDHELP, \"button\", BS_PUSHBUTTON | WS_CHILD, 1, 1, 50, 14\n"));
    EXPECT_THAT(out.header, HasSubstr("    Control OK ;\n    Control CANCEL ;\n"
                                      "    Control HELP ;\n  public :\n"));
    EXPECT_THAT(out.source, HasSubstr("  OK.Get(this, IDOK) ;\n  CANCEL.Get(this, IDCANCEL) ;\n"
                                      "  HELP.Get(this, IDHELP) ;\n"));
    EXPECT_THAT(out.source, HasSubstr("int rcABOUT::cmdOK(int notify)\n{\n  End(1) ;\n"
                                      "  return(0) ;\n}\n"));
    EXPECT_THAT(out.source, HasSubstr("int rcABOUT::cmdCANCEL(int notify)\n{\n  End(0) ;\n"
                                      "  return(0) ;\n}\n"));
    EXPECT_THAT(out.source, HasSubstr("int rcABOUT::cmdHELP(int notify)\n{\n  return(0) ;\n}\n"));
    EXPECT_THAT(out.source, HasSubstr("    case IDOK : return(cmdOK(notify)) ;\n"
                                      "    case IDCANCEL : return(cmdCANCEL(notify)) ;\n"
                                      "    case IDHELP : return(cmdHELP(notify)) ;\n  }\n"));
}

TEST(Dialogs, ControlsWithoutADefinedNameGiveNothing) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator,
        "#define IDC_NAME 101\n" +
            Dialog("ABOUT", " CONTROL \"Text\", -1, \"static\", SS_LEFT | WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"Text\", -1, \"edit\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", 105, \"edit\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", IDC_OTHER, \"edit\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", IDC_NAME, \"static\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", IDC_NAME , \"edit\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", , \"edit\", WS_CHILD, 1, 1, 9, 9\n"
                            " CONTROL \"\", idok, \"button\", WS_CHILD, 1, 1, 9, 9\n"
                            " EDITTEXT IDC_NAME, 1, 1, 9, 9\n"));
    EXPECT_EQ(generator.controls.count, 0);
    EXPECT_THAT(out.header, HasSubstr("  public :\n  public :\n    void rcInit() ;\n"));
    EXPECT_THAT(out.source, HasSubstr("void rcABOUT::rcInit()\n{\n}\n"));
    EXPECT_THAT(out.source, Not(HasSubstr("cmd")));
}

TEST(Dialogs, LanguageVariantsAreSkipped) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator, "#define IDC_NAME 101\n" +
                       Dialog("DLG_0409", " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n") +
                       Dialog("ABOUT", " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n") +
                       "ABOUT_0407 DIALOGEX 0, 0, 10, 10\n{\n}\n");
    EXPECT_THAT(out.header, Not(HasSubstr("DLG_0409")));
    EXPECT_THAT(out.header, Not(HasSubstr("0407")));
    EXPECT_THAT(out.header, HasSubstr("class rcABOUT : public Dialog\n"));
    // Exactly one class.
    EXPECT_EQ(out.header.find("class "), out.header.rfind("class "));
    EXPECT_EQ(out.source.find("::rcInit()"), out.source.rfind("::rcInit()"));
}

TEST(Dialogs, DialogExHeadersAndIndentedNames) {
    DialogGenerator generator;
    RcOutput out = RunScript(generator, "SETUP DIALOGEX 0, 0, 100, 50\n{\n}\n"
                                        "  INDENTED DIALOG 0, 0, 1, 1\n{\n}\n"
                                        "NOSPACE DIALOG\n{\n}\n");
    EXPECT_THAT(out.header, HasSubstr("/*\nSETUP()\n*/\nclass rcSETUP : public Dialog\n"));
    EXPECT_THAT(out.header, HasSubstr("class rcINDENTED : public Dialog\n"));
    // " DIALOG " needs a blank after the keyword.
    EXPECT_THAT(out.header, Not(HasSubstr("NOSPACE")));
}

TEST(Dialogs, NotificationClassesGetTheHeaderAndWmNotifyCases) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator,
        "#define IDC_TABS 301\n#define IDC_TREE 302\n#define IDC_LIST 303\n#define IDC_BAR 304\n" +
            Dialog("BROWSE",
                   " CONTROL \"\", IDC_TABS, \"SysTabControl32\", WS_CHILD, 1, 1, 9, 9\n"
                   " CONTROL \"\", IDC_TREE, \"SYSTREEVIEW32\", TVS_HASLINES, 1, 1, 9, 9\n"
                   " CONTROL \"\", IDC_LIST, \"SysListView32\", LVS_REPORT, 1, 1, 9, 9\n"
                   " CONTROL \"\", IDC_BAR, \"msctls_progress32\", WS_CHILD, 1, 1, 9, 9\n"));
    EXPECT_THAT(out.header, HasSubstr("    TabControl TABS ;\n    TreeView TREE ;\n"
                                      "    ListView LIST ;\n    Progress BAR ;\n"));
    EXPECT_THAT(out.header, HasSubstr("    virtual int cmdTABS(NMHDR *ndr) ;\n"
                                      "    virtual int cmdTREE(NMHDR *ndr) ;\n"
                                      "    virtual int cmdLIST(NMHDR *ndr) ;\n"
                                      "    virtual int cmdBAR(int notify) ;\n"));
    EXPECT_THAT(out.source, HasSubstr("\n#pragma argsused\nint rcBROWSE::cmdTREE(NMHDR *hdr)\n{\n"
                                      "  return(0) ;\n}\n"));
    // Only the other controls are commands.
    EXPECT_THAT(out.source, HasSubstr("  switch (id)\n  {\n"
                                      "    case 304 : return(cmdBAR(notify)) ;\n  }\n"));
    EXPECT_THAT(out.source,
                HasSubstr("void rcBROWSE::wmNotify(NMHDR *hdr)\n{\n  switch (hdr->idFrom)\n  {\n"
                          "  case 301 : if (hdr->code==TCN_SELCHANGE) cmdTABS(hdr) ; return ;\n"
                          "  case 302 : cmdTREE(hdr) ; return ;\n"
                          "  case 303 : cmdLIST(hdr) ; return ;\n"
                          "  }\n  Dialog::wmNotify(hdr) ;\n}\n\n"));
}

TEST(Menus, ItemsInTwoMenusGiveTwoPairsOfMacros) {
    DialogGenerator generator;
    RcOutput out = RunScript(generator, "#define IDM_OPEN 201\n#define IDM_SAVE 202\n"
                                        "#define IDM_QUIT 203\n#define CM_ABOUT 301\n"
                                        "#define IDM_POPUP 209\n"
                                        "\nIDM_MAIN MENU \n{\n POPUP \"&File\"\n {\n"
                                        "  MENUITEM \"&Open\", IDM_OPEN\n"
                                        "  MENUITEM \"&Save\", IDM_SAVE, GRAYED\n"
                                        "  MENUITEM SEPARATOR\n"
                                        "  MENUITEM \"E&xit\", 999\n"
                                        "  MENUITEM \"&Undefined\", IDM_NONE\n"
                                        "  MENUITEM \"&Quit\", IDM_QUIT\n }\n}\n"
                                        "\nHELPMENU MENU DISCARDABLE\n{\n"
                                        " MENUITEM \"&About\", CM_ABOUT\n}\n");
    EXPECT_EQ(out.header, "\n\n#define CallBar_IDM_MAIN() \\\n"
                          "if (code==201) { mnuOPEN() ; return(1) ; };\\\n"
                          "if (code==202) { mnuSAVE() ; return(1) ; };\\\n"
                          "if (code==203) { mnuQUIT() ; return(1) ; };\\\n"
                          "\n\n#define CallBar_HELPMENU() \\\n"
                          "if (code==301) { mnuCM_ABOUT() ; return(1) ; };\\\n"
                          "\n\n"
                          "\n\n#define Menubar_IDM_MAIN \\\n"
                          "virtual void mnuOPEN() ;\\\n"
                          "virtual void mnuSAVE() ;\\\n"
                          "virtual void mnuQUIT() ;\\\n"
                          "\n\n#define Menubar_HELPMENU \\\n"
                          "virtual void mnuCM_ABOUT() "
                          "\n\n");
    EXPECT_EQ(out.source, "");
    ASSERT_EQ(generator.menuItems.count, 4);
    EXPECT_STREQ(generator.menuItems[3]->menu, "HELPMENU");
    EXPECT_STREQ(generator.menuItems[3]->value, "301");
}

TEST(Menus, NoItemsWriteNoMacros) {
    DialogGenerator generator;
    RcOutput out = RunScript(generator, "MAIN MENU\n{\n MENUITEM \"&Open\", 201\n}\n");
    EXPECT_EQ(out.header, "");
    EXPECT_EQ(out.source, "");
}

TEST(Menus, ADialogMenuAddsHandlersAndCommandCases) {
    DialogGenerator generator;
    RcOutput out = RunScript(
        generator,
        "#define IDM_OPEN 201\n#define IDM_QUIT 202\n#define IDM_HELP 301\n#define IDC_NAME 101\n"
        "IDM_MAIN MENU\n{\n MENUITEM \"&Open\", IDM_OPEN\n MENUITEM \"&Quit\", IDM_QUIT\n}\n"
        "IDM_OTHER MENU\n{\n MENUITEM \"&Help\", IDM_HELP\n}\n" +
            Dialog("MAIN", " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n",
                   "MENU IDM_MAIN\n") +
            Dialog("INDENTED", "", " MENU IDM_MAIN\n"));
    EXPECT_THAT(out.header, HasSubstr("    virtual int cmdNAME(int notify) ;\n"
                                      "    virtual int mnuOPEN() ;\n"
                                      "    virtual int mnuQUIT() ;\n"
                                      "    int wmCommand(int id, int notify) ;\n"));
    EXPECT_THAT(out.source, HasSubstr("\nint rcMAIN::mnuOPEN()\n{\n  return(0) ;\n}\n"
                                      "\nint rcMAIN::mnuQUIT()\n{\n  return(0) ;\n}\n"));
    EXPECT_THAT(out.source, HasSubstr("    case 101 : return(cmdNAME(notify)) ;\n"
                                      "    case 201 : return(mnuOPEN()) ;\n"
                                      "    case 202 : return(mnuQUIT()) ;\n  }\n"));
    EXPECT_THAT(out.source, Not(HasSubstr("mnuHELP")));
    // The statement is expected at the start of the line: indented, the name begins with a
    // blank and matches no menu.
    EXPECT_THAT(out.source, Not(HasSubstr("rcINDENTED::mnu")));
}

TEST(Defines, NameAfterTheKeywordAndOneSeparator) {
    DialogGenerator generator;
    RunScript(generator, "#define A 1\n#define\tB\t2\n#define   C   3 // note\n"
                         "#defineD 4\n#define E\n#define\n  #define F 6\n#define");
    ASSERT_EQ(generator.defines.count, 5);
    EXPECT_STREQ(generator.defines[0]->name, "A");
    EXPECT_STREQ(generator.defines[1]->name, "B");
    EXPECT_STREQ(generator.defines[1]->value, "2");
    EXPECT_STREQ(generator.defines[2]->name, "C");
    EXPECT_STREQ(generator.defines[2]->value, "3");
    // "#defineD 4": the eighth character is 'D', so the name is the token after it.
    EXPECT_STREQ(generator.defines[3]->name, "4");
    EXPECT_STREQ(generator.defines[3]->value, "");
    EXPECT_STREQ(generator.defines[4]->name, "E");
    EXPECT_STREQ(generator.defines[4]->value, "");
}

TEST(Scripts, WindowsLineEndsGiveTheSameOutput) {
    std::string script =
        "#define IDM_OPEN 201\n#define IDC_NAME 101\n"
        "IDM_MAIN MENU\n{\n MENUITEM \"&Open\", IDM_OPEN\n}\n" +
        Dialog("MAIN", " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n", "MENU IDM_MAIN\n");
    std::string crlf;
    for (char c : script) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    DialogGenerator first;
    DialogGenerator second;
    RcOutput lf = RunScript(first, script);
    RcOutput windows = RunScript(second, crlf);
    EXPECT_THAT(lf.source, HasSubstr("mnuOPEN"));
    EXPECT_EQ(windows.header, lf.header);
    EXPECT_EQ(windows.source, lf.source);
}

TEST(Scripts, AMissingScriptWritesNothing) {
    DialogGenerator generator;
    // Files of the test's own: the C library's temporary files land in the drive's root, which
    // other processes share.
    TempDir dir;
    FILE* header = platform::OpenFile(dir.Write("rc.h", "").c_str(), "w+b");
    FILE* source = platform::OpenFile(dir.Write("rc.cpp", "").c_str(), "w+b");
    ASSERT_TRUE(header && source);
    EXPECT_EQ(generator.GenerateFromRc(header, source, "no\\such\\dir\\missing.rc"), 0);
    EXPECT_EQ(std::ftell(header), 0);
    EXPECT_EQ(std::ftell(source), 0);
    std::fclose(header);
    std::fclose(source);
}

TEST(Scripts, TheScannerHandsMenusThenEachDialogToItsSink) {
    struct Records : codegen::RcRecordSink {
        void MenuItems(const Tableau<codegen::MenuItemEntry>& items) override {
            log += "menus";
            for (int i = 0; i < items.count; ++i)
                log += std::string(" ") + items[i]->menu + ":" + items[i]->item + "=" +
                       items[i]->value;
            log += "\n";
        }
        void Dialog(const codegen::DialogRecord& dialog) override {
            log += std::string(dialog.name) + " menu " + dialog.menu + " controls";
            for (int i = 0; i < dialog.controls.count; ++i)
                log += std::string(" ") + dialog.controls[i]->member;
            log += "\n";
        }
        std::string log;
    } records;
    TempDir dir;
    // The menu follows the dialog that names it, and the script ends inside a second dialog.
    std::string path =
        dir.Write("s.rc", "#define IDM_OPEN 201\n#define IDC_NAME 101\n" +
                              Dialog("FIRST", " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n",
                                     "MENU IDM_MAIN\n") +
                              "IDM_MAIN MENU\n{\n MENUITEM \"&Open\", IDM_OPEN\n}\n"
                              "CUT DIALOG 0, 0, 1, 1\n{\n");
    DialogGenerator generator;
    EXPECT_EQ(generator.ScanRc(path.c_str(), records), 1);
    EXPECT_EQ(records.log, "menus IDM_MAIN:OPEN=201\n"
                           "FIRST menu IDM_MAIN controls NAME\n"
                           "CUT menu  controls\n");
}
