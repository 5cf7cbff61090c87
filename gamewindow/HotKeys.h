// The game window's system-wide hotkeys: the grammar of the key texts in the
// settings file, the table of key names, and their registration.
#pragma once

#include <windows.h>

#include <map>
#include <string>

// Hotkey ids registered on the game window.
inline constexpr int kHotKeyRefresh = 1;
inline constexpr int kHotKeyBoss = 2;
inline constexpr int kHotKeyFullScreen = 3;

// Key names (case-sensitive) and their virtual-key codes.
class CHotKeyTable {
public:
    CHotKeyTable();

    // The code of the name, or 0 when the table does not know it.
    UINT Find(const std::wstring& name) const;

private:
    std::map<std::wstring, UINT> keys_;
};

struct HotKeyChord {
    UINT modifiers = 0;
    UINT virtualKey = 0;
};

// Modifier words each followed by "+", then one key name. Nothing is trimmed
// or case-folded, and unknown parts give 0 rather than failing.
HotKeyChord ParseHotKeyText(const CHotKeyTable& table, const std::wstring& text);

// Registers the boss key and the full-screen key from the settings file, and
// F5, on the window. Refusals by the system are not reported.
void RegisterGameHotKeys(HWND window);
