#pragma once
// Numbers of the program's resources, its controls and its commands, shared by the resource
// script and the code. Plain macros, because the resource compiler reads this file too.

// Dialogs, menus and icons.
#define IDD_MAIN 101
#define IDI_PROGRAM 102
#define IDR_MAIN_MENU 103
#define IDI_TOP_TO_BOTTOM 104
#define IDI_BOTTOM_TO_TOP 105
#define IDI_BOTH_WAYS 106
#define IDI_ROW_COPY_DOWN 107
#define IDI_ROW_COPY_UP 108
#define IDI_ROW_SIDE_VIEW 109
#define IDI_ROW_DELETE 112
#define IDD_RESULTS 111
#define IDR_POPUP_MENU 113

// Controls of the main dialog.
#define IDC_RESULT_LIST 1000
#define IDC_TOP_FOLDER 1001
#define IDC_BOTTOM_FOLDER 1002
#define IDC_LEVELS 1003
#define IDC_BROWSE_TOP 1004
#define IDC_BROWSE_BOTTOM 1005
#define IDC_SCAN 1006
#define IDC_MIDDLE 1007
#define IDC_DIRECTION 1008
#define IDC_COPY 1009
#define IDC_MOVE 1010
#define IDC_DUPLICATE 1011
#define IDC_STATUS_BAR 50000

// Commands of the menus (the Exit command is IDCANCEL, 2).
#define IDM_EXIT 2
#define IDM_VIEW_TOP 40002
#define IDM_VIEW_BOTTOM 40003
#define IDM_SHOW_TOP_TO_BOTTOM 40004
#define IDM_SHOW_BOTTOM_TO_TOP 40005
#define IDM_CHOOSE_SYNC 40006
#define IDM_CHOOSE_FILE 40007
#define IDM_NEW_SYNC 40008
#define IDM_SHOW_BOTH_WAYS 40009
#define IDM_ABOUT 40010
#define IDM_VIEW_TOTALS 40011
#define IDM_PROGRAM_INFO 40012
#define IDM_DELETE_FILE 40013
#define IDM_POPUP_CANCEL 40014
#define IDM_CHECK_UPDATES 40015

// The dialog that chooses a previous sync operation and its controls (OK and Cancel are
// IDOK and IDCANCEL, 1 and 2).
#define IDD_CHOOSE_SYNC 110
#define IDC_CHOOSE_LIST 1014
#define IDC_CHOOSE_DELETE 1015
