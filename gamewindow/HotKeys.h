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

// The game window's hotkeys. The boss key is held for the whole run, so that
// it hides and shows the game from anywhere; the refresh key (F5) and the
// full-screen key act only on the game in front, so they are held only while
// it is there and other programs have them the rest of the time. Refusals by
// the system are not reported.
class CGameHotKeys {
public:
    // Reads both key texts from the settings file and registers the boss key
    // on the window.
    void Register(HWND window);
    // Takes the refresh and full-screen keys, or gives them back.
    void HoldWindowKeys(bool hold);

private:
    HWND window_ = nullptr;
    // Absent when the settings give an empty text.
    bool hasFullScreenKey_ = false;
    HotKeyChord fullScreenKey_;
    bool holding_ = false;
};
