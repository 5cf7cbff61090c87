// Identifiers of the program's resources.
#pragma once

// Dialog templates
#define IDD_LANDER_Q7_DIALOG 101
#define IDD_GAME_FRAME 328
#define IDD_LANDER_LOGIN 103
#define IDD_CUSTOM_MESSAGEBOX 164
#define IDD_MENBAN 274
#define IDD_LOGIN_POPUP 1015

// Buttons of the message box (besides IDOK and IDCANCEL)
#define IDC_MSGBOX_CLOSE 1001

// Title buttons of the login popup
#define IDC_LOGIN_MINIMIZE 1016
#define IDC_LOGIN_CLOSE 1027

// Title-strip buttons of the main window
#define IDC_BTN_CLOSE 1001
#define IDC_BTN_RESTORE 1002
#define IDC_BTN_MINIMIZE 1003
#define IDC_BTN_FULLSCREEN 1004
#define IDC_BTN_BOSSKEY 1005
#define IDC_BTN_CHANGE_SERVER 1007
#define IDC_BTN_MAXIMIZE 1008
#define IDC_BTN_REFRESH 1021
#define IDC_BTN_CLEAR_CACHE 1030

// The program's icon, shown in the notification area
#define IDI_MAIN_ICON 273

// Tray menu and its commands
#define IDR_TRAY_MENU 151
#define ID_TRAY_TOGGLE 32775
#define ID_TRAY_CLEAR_CACHE 32776
#define ID_TRAY_EXIT 32777

// Keys of the game window: F5 is consumed as this command
#define IDR_GAME_ACCELERATORS 303
#define ID_ACCEL_REFRESH 32778

// String table
#define IDS_GAME_NAME 102
#define IDS_PLATFORM_NAME 105
#define IDS_CLIENT_TITLE 107
#define IDS_UNINSTALL_NAME 109
#define IDS_START_PAGE 114
#define IDS_CACHE_CLEANING 116
#define IDS_GAME_CODE 117
#define IDS_DOWNLOAD_FILE 118
#define IDS_DATA_FOLDER 119
#define IDS_UNINSTALL_COPY 120
#define IDS_PLATFORM_FOLDER 124
#define IDS_SHORTCUT_PLATFORM_NAME 125
#define IDS_UPDATE_SERVICE 191
#define IDS_VERSION_QUERY 192
#define IDS_SETTINGS_FILE 197
#define IDS_UNINSTALL_DISPLAY_NAME 32779
#define IDS_CHANGE_SERVER_SHOW 32780
#define IDS_CREATE_DESKTOP_SHORTCUT 32781

// The default files packed at build time from resources/defaults
#define IDR_DEFAULTS_ZIP 269

// Address told about a first installation; absent from the string table, so
// no notification is sent.
#define IDS_FIRST_START_PING 106
