// The key-capture dialog's control, for its resource script and its code.
#pragma once

#define IDC_KEY_TEXT 101
