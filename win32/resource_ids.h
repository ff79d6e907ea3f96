#pragma once

// Shared by varnix.rc and the program. Pictures and the pointer are named
// resources: a picture's resource is named after the layout's picture name.
#define IDI_VARNIX 1
#define IDD_INPUT_BOX 100
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_TEXT 102
#define IDC_INPUT_BROWSE 103
