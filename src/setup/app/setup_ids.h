// Identifiers of the installation dialog MAIN and of the installer's private message.
#pragma once

#define IDC_DIRECTORY_GROUP 101
#define IDC_IDE_DIRECTORY 102
#define IDC_BUTTON_GROUP 103
#define IDC_INSTALL 104
#define IDC_INSTALL_GROUP 105
#define IDC_TITLE_GROUP 106
#define IDC_STEP_LIST 107
#define IDC_ADDON_DIRECTORY 108

// Posted to the dialog for each sub-state of the run (WM_USER + 1).
#define WM_SETUP_RUN 0x401
