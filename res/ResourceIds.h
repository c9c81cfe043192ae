#pragma once
// The numbers of the program's resources, controls and menu commands.

#include "platform/base/WinTypes.h"

// Dialog templates.
constexpr UINT IDD_BROWSER_BACKGROUND = 102;  // CQXBrowserBackgroundDlg
constexpr UINT IDD_RUNNING_BACKGROUND = 103;  // RunningBackgroundWnd
constexpr UINT IDD_EXPLORER_PAGE = 105;       // CQXExplorerControlDlg
constexpr UINT IDD_MAIN_FRAME = 129;          // CQXMainFrame
constexpr UINT IDD_HELP = 143;                // CQXBrowserHelp

// Icon and menus.
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_MENU_SEARCH = 141;
constexpr UINT IDR_MENU_SETTINGS = 142;

// A control whose id nothing asks for.
constexpr UINT IDC_STATIC = 0xFFFF;

// Controls of the main window (template 129).
constexpr UINT IDC_BTN_CLOSE = 1002;
constexpr UINT IDC_BTN_MAX = 1003;
constexpr UINT IDC_BTN_MIN = 1004;
constexpr UINT IDC_BTN_TASKS = 1005;
constexpr UINT IDC_BTN_CONTACTS = 1006;
constexpr UINT IDC_BTN_NOTEPAD = 1007;
constexpr UINT IDC_BTN_FAVORITE = 1008;
constexpr UINT IDC_BTN_FAVORITES_ICO = 1009;
constexpr UINT IDC_BTN_NOTEPAD_ICO = 1010;
constexpr UINT IDC_BTN_CONTACTS_ICO = 1011;
constexpr UINT IDC_BTN_TASK_ICO = 1012;
constexpr UINT IDC_BTN_BACK = 1013;
constexpr UINT IDC_BTN_FORWARD = 1014;
constexpr UINT IDC_BTN_STOP = 1015;
constexpr UINT IDC_BTN_REFRESH = 1016;
constexpr UINT IDC_BTN_HOME = 1017;
constexpr UINT IDC_BTN_SETTING = 1018;
constexpr UINT IDC_BTN_PAGE_ICO = 1019;
constexpr UINT IDC_ADDRESS_EDIT = 1021;
constexpr UINT IDC_BTN_ADDRESS_GO = 1022;
constexpr UINT IDC_BTN_SEARCH_ICO = 1023;
constexpr UINT IDC_SEARCH_EDIT = 1024;
constexpr UINT IDC_BTN_SEARCH_GO = 1025;
constexpr UINT IDC_TITLE_EDIT = 1031;
constexpr UINT IDC_STATUS_EDIT = 1032;
constexpr UINT IDC_PAGE_AREA = 1039;
constexpr UINT IDC_BTN_ADDRESS_COVER = 1044;
constexpr UINT IDC_BTN_SEARCH_COVER = 1045;

// The web browser control of the page dialog (template 105).
constexpr UINT IDC_EXPLORER = 1038;

// Tab buttons, made at run time.
constexpr UINT IDC_TAB_ICO = 1221;
constexpr UINT IDC_TAB_TITLE = 1222;
constexpr UINT IDC_TAB_CLOSE = 1223;
constexpr UINT IDC_TAB_ADD = 1224;

// Menu commands: the search-engine menu (141).
constexpr UINT ID_SEARCH_BAIDU = 32804;
constexpr UINT ID_SEARCH_GOOGLE = 32805;
// The settings menu (142), and the other ids its command map knows.
constexpr UINT ID_SETTING_NEW_TAB = 32784;
constexpr UINT ID_SETTING_RESERVED = 32786;
constexpr UINT ID_SETTING_CLOSE_TAB = 32788;
constexpr UINT ID_SETTING_CLOSE_WINDOW = 32789;
constexpr UINT ID_SETTING_SAVE_AS = 32790;
constexpr UINT ID_SETTING_FIND = 32792;
constexpr UINT ID_SETTING_UNFINISHED_1 = 32793;
constexpr UINT ID_SETTING_UNFINISHED_2 = 32794;
constexpr UINT ID_SETTING_PRINT = 32795;
constexpr UINT ID_SETTING_FAVORITES_PAGE = 32796;
constexpr UINT ID_SETTING_OPTIONS_PAGE = 32798;
constexpr UINT ID_SETTING_UNFINISHED_3 = 32799;
constexpr UINT ID_SETTING_HELP = 57670;
