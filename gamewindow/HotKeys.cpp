#include "gamewindow/HotKeys.h"

#include "app/Settings.h"
#include "framework/Strings.h"

namespace {

const wchar_t kSettingSection[] = L"Setting";
const wchar_t kBossKeySetting[] = L"screentoggle";
const wchar_t kFullScreenSetting[] = L"fullscreen";
// What an absent key reads as: the plain 0 digit key.
const wchar_t kAbsentKeyText[] = L"0";

struct NamedKey {
    const wchar_t* name;
    UINT code;
};

const NamedKey kNamedKeys[] = {
    {L"Alt", VK_MENU},       {L"Ctrl", VK_CONTROL},  {L"Shift", VK_SHIFT},  {L"Space", VK_SPACE},
    {L"PageUp", VK_PRIOR},   {L"PageDown", VK_NEXT}, {L"End", VK_END},      {L"Home", VK_HOME},
    {L"Left", VK_LEFT},      {L"Up", VK_UP},         {L"Right", VK_RIGHT},  {L"Down", VK_DOWN},
    {L"Insert", VK_INSERT},  {L"Delete", VK_DELETE}, {L";", VK_OEM_1},      {L"+", VK_OEM_PLUS},
    {L",", VK_OEM_COMMA},    {L"-", VK_OEM_MINUS},   {L".", VK_OEM_PERIOD}, {L"/", VK_OEM_2},
    {L"`", VK_OEM_3},        {L"[", VK_OEM_4},       {L"\\", VK_OEM_5},     {L"]", VK_OEM_6},
    {L"'", VK_OEM_7},        {L"Num*", VK_MULTIPLY}, {L"Num+", VK_ADD},     {L"Num-", VK_SUBTRACT},
    {L"NumDel", VK_DECIMAL}, {L"Num/", VK_DIVIDE},
};

struct Modifier {
    const wchar_t* word;
    UINT flag;
};

const Modifier kModifiers[] = {{L"Alt", MOD_ALT}, {L"Ctrl", MOD_CONTROL}, {L"Shift", MOD_SHIFT}};

// False when the setting's text is empty: no key for that action.
bool ReadChord(const CHotKeyTable& table, const wchar_t* key, HotKeyChord& chord) {
    std::wstring text = ReadSetting(kSettingSection, key, kAbsentKeyText);
    if (text.empty())
        return false;
    chord = ParseHotKeyText(table, text);
    return true;
}

} // namespace

CHotKeyTable::CHotKeyTable() {
    for (const NamedKey& key : kNamedKeys)
        keys_[key.name] = key.code;
    for (UINT n = 1; n <= 12; ++n)
        keys_[fw::FormatString(L"F%u", n)] = VK_F1 + n - 1;
    for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
        keys_[std::wstring(1, digit)] = digit;
        keys_[L"Num" + std::wstring(1, digit)] = VK_NUMPAD0 + (digit - L'0');
    }
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
        keys_[std::wstring(1, letter)] = letter;
}

UINT CHotKeyTable::Find(const std::wstring& name) const {
    auto it = keys_.find(name);
    return it == keys_.end() ? 0 : it->second;
}

HotKeyChord ParseHotKeyText(const CHotKeyTable& table, const std::wstring& text) {
    HotKeyChord chord;
    std::wstring rest = text;
    for (size_t plus = rest.find(L'+'); plus != std::wstring::npos; plus = rest.find(L'+')) {
        std::wstring token = rest.substr(0, plus);
        rest.erase(0, plus + 1);
        for (const Modifier& modifier : kModifiers) {
            if (token == modifier.word)
                chord.modifiers |= modifier.flag;
        }
    }
    chord.virtualKey = table.Find(rest);
    return chord;
}

void CGameHotKeys::Register(HWND window) {
    window_ = window;
    CHotKeyTable table;
    HotKeyChord boss;
    if (ReadChord(table, kBossKeySetting, boss)) {
        UnregisterHotKey(window, kHotKeyBoss);
        // A held key hides or shows the game once, not once per key repeat.
        RegisterHotKey(window, kHotKeyBoss, boss.modifiers | MOD_NOREPEAT, boss.virtualKey);
    }
    hasFullScreenKey_ = ReadChord(table, kFullScreenSetting, fullScreenKey_);
}

void CGameHotKeys::HoldWindowKeys(bool hold) {
    if (!window_ || hold == holding_)
        return;
    holding_ = hold;
    if (!hold) {
        UnregisterHotKey(window_, kHotKeyFullScreen);
        UnregisterHotKey(window_, kHotKeyRefresh);
        return;
    }
    if (hasFullScreenKey_)
        RegisterHotKey(window_, kHotKeyFullScreen, fullScreenKey_.modifiers,
                       fullScreenKey_.virtualKey);
    RegisterHotKey(window_, kHotKeyRefresh, 0, VK_F5);
}
