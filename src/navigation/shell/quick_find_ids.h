// The name dialog of the quick find.
#pragma once

#define IDC_SEARCH_NAME 101
