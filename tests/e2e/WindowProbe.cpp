// A console tool that runs inside a Wine prefix beside the program and lets a
// script outside see and drive its windows as a player would:
//   windows             every top-level window: handle, process, visible,
//                       rectangle, control id, class and title (one line each)
//   children HWND       the same for every descendant of a window
//   workarea            the desktop's work area
//   folder CSIDL        the path of a shell folder
//   key VK...           presses and releases each virtual key through the
//                       input queue, so system-wide hotkeys fire
//   command HWND ID     posts the button click WM_COMMAND of control ID
//   hung HWND           1 when the system takes the window for hung ("Not
//                       responding"), else 0
//   reg ROOT KEY        the string and number (REG_DWORD, in decimal) values
//                       of a registry key (HKLM in its 64-bit view, or
//                       HKCU), one "name=data" line each
//   hotkeys VK...       puts a window of its own in front, then says for
//                       each key whether this process can register it as a
//                       hotkey: "free" or "taken"
//   forget-icon HWND    takes the window's tray icon (id 0) away, as a
//                       taskbar that restarts forgets every icon
//   taskbar-created     broadcasts the message a restarted taskbar sends
//   tray-click HWND     sends the window the callback of a left click on its
//                       tray icon
//   taskbar SIDE        docks the taskbar at the left, top, right or bottom
//   workarea-changed    broadcasts that the work area changed, as the shell
//                       does when its taskbar moves or shows up (Wine's
//                       running programs see the new work area once a
//                       process has started, such as this probe)
// Text is written as UTF-8.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

HWND ParseWindow(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(_wcstoi64(text, nullptr, 0)));
}

BOOL CALLBACK PrintWindowLine(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT rect{};
    GetWindowRect(window, &rect);
    wchar_t className[256] = L"";
    wchar_t title[512] = L"";
    GetClassNameW(window, className, 256);
    GetWindowTextW(window, title, 512);
    wchar_t line[1024];
    swprintf(line, 1024, L"%lld %lu %d %ld %ld %ld %ld %d %ls|%ls",
             static_cast<long long>(reinterpret_cast<INT_PTR>(window)), process,
             IsWindowVisible(window) ? 1 : 0, rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, GetDlgCtrlID(window), className, title);
    Print(line);
    return TRUE;
}

void PressKeys(int count, wchar_t** keys) {
    std::vector<INPUT> inputs;
    for (int i = 0; i < count; ++i) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(wcstoul(keys[i], nullptr, 0));
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int PrintRegistryValues(const wchar_t* root, const wchar_t* path) {
    bool machine = wcscmp(root, L"HKLM") == 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, path, 0,
                      KEY_READ | (machine ? KEY_WOW64_64KEY : 0), &key) != ERROR_SUCCESS) {
        return 1;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[1024] = L"";
        DWORD dataSize = sizeof(data) - sizeof(wchar_t);
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        if (type == REG_SZ) {
            Print(std::wstring(name) + L"=" + data);
        } else if (type == REG_DWORD && dataSize == sizeof(DWORD)) {
            DWORD number = 0;
            memcpy(&number, data, sizeof(number));
            Print(std::wstring(name) + L"=" + std::to_wstring(number));
        }
    }
    RegCloseKey(key);
    return 0;
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
}

// A program that takes a key for itself while the game is behind it; the
// game gives its keys back asynchronously, so each key is tried for a while.
void PrintHotKeysFree(int count, wchar_t** keys) {
    HWND front = CreateWindowW(L"Static", L"probe", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    for (int i = 0; i < count; ++i) {
        UINT key = wcstoul(keys[i], nullptr, 0);
        bool registered = false;
        for (DWORD start = GetTickCount(); !registered && GetTickCount() - start < 3000;
             PumpFor(100))
            registered = RegisterHotKey(front, i + 1, 0, key) != FALSE;
        UnregisterHotKey(front, i + 1);
        Print(registered ? L"free" : L"taken");
    }
    DestroyWindow(front);
}

int ForgetTrayIcon(HWND owner) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = owner;
    return Shell_NotifyIconW(NIM_DELETE, &icon) ? 0 : 1;
}

int DockTaskbar(const std::wstring& side) {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT bar{};
    if (!taskbar || !GetWindowRect(taskbar, &bar))
        return 1;
    int thickness = std::min(bar.right - bar.left, bar.bottom - bar.top);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    RECT docked = side == L"left"    ? RECT{0, 0, thickness, height}
                  : side == L"top"   ? RECT{0, 0, width, thickness}
                  : side == L"right" ? RECT{width - thickness, 0, width, height}
                                     : RECT{0, height - thickness, width, height};
    SetWindowPos(taskbar, nullptr, docked.left, docked.top, docked.right - docked.left,
                 docked.bottom - docked.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring verb = argc > 1 ? argv[1] : L"";
    if (verb == L"windows") {
        EnumWindows(PrintWindowLine, 0);
    } else if (verb == L"children" && argc == 3) {
        EnumChildWindows(ParseWindow(argv[2]), PrintWindowLine, 0);
    } else if (verb == L"workarea") {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        wchar_t line[128];
        swprintf(line, 128, L"%ld %ld %ld %ld", area.left, area.top, area.right - area.left,
                 area.bottom - area.top);
        Print(line);
    } else if (verb == L"folder" && argc == 3) {
        wchar_t path[MAX_PATH] = L"";
        if (FAILED(SHGetFolderPathW(nullptr, _wtoi(argv[2]), nullptr, 0, path)))
            return 1;
        Print(path);
    } else if (verb == L"key" && argc > 2) {
        PressKeys(argc - 2, argv + 2);
    } else if (verb == L"command" && argc == 4) {
        HWND window = ParseWindow(argv[2]);
        int id = _wtoi(argv[3]);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    } else if (verb == L"hung" && argc == 3) {
        Print(IsHungAppWindow(ParseWindow(argv[2])) ? L"1" : L"0");
    } else if (verb == L"reg" && argc == 4) {
        return PrintRegistryValues(argv[2], argv[3]);
    } else if (verb == L"hotkeys" && argc > 2) {
        PrintHotKeysFree(argc - 2, argv + 2);
    } else if (verb == L"forget-icon" && argc == 3) {
        return ForgetTrayIcon(ParseWindow(argv[2]));
    } else if (verb == L"tray-click" && argc == 3) {
        // The game window's tray callback message, WM_USER + 1.
        PostMessageW(ParseWindow(argv[2]), WM_USER + 1, 0, WM_LBUTTONDOWN);
    } else if (verb == L"taskbar-created") {
        SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                            SMTO_ABORTIFHUNG, 5000, nullptr);
    } else if (verb == L"taskbar" && argc == 3) {
        return DockTaskbar(argv[2]);
    } else if (verb == L"workarea-changed") {
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, SMTO_ABORTIFHUNG,
                            5000, nullptr);
    } else {
        Print(L"usage: windows | children HWND | workarea | folder CSIDL | key VK... | command "
              L"HWND ID | "
              L"hung HWND | reg HKLM|HKCU KEY | hotkeys VK... | forget-icon HWND | "
              L"tray-click HWND | taskbar-created | "
              L"taskbar left|top|right|bottom | workarea-changed");
        return 2;
    }
    return 0;
}
