// The hotkey grammar on the texts a settings file can hold, well-formed and
// not.
#include "gamewindow/HotKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseHotKeyText, ModifierWordsThenOneKeyName) {
    struct Case {
        std::wstring text;
        UINT modifiers;
        UINT virtualKey;
    };
    const Case cases[] = {
        {L"Ctrl+Shift+A", MOD_CONTROL | MOD_SHIFT, 'A'},
        {L"ctrl+shift+a", 0, 0},
        {L"F10", 0, VK_F10},
        {L"Alt+Alt+F1", MOD_ALT, VK_F1},
        {L"Ctrl", 0, VK_CONTROL},
        {L"Num+", 0, 0},
        {L"Ctrl++", MOD_CONTROL, 0},
        {L"+", 0, 0},
        {L"++++", 0, 0},
        {L"Ctrl + A", 0, 0},
        {L"Shift+Num7", MOD_SHIFT, VK_NUMPAD7},
        {L"Alt+\\", MOD_ALT, VK_OEM_5},
        {L"Alt+Ctrl+Shift+PageDown", MOD_ALT | MOD_CONTROL | MOD_SHIFT, VK_NEXT},
        {L"0", 0, '0'},
        {L"", 0, 0},
        {L"Ctrl+Ａ", MOD_CONTROL, 0},
        {L"控制+F1", 0, VK_F1},
        {std::wstring(100000, L'+') + L"Alt+F12", MOD_ALT, VK_F12},
        {std::wstring(100000, L'A'), 0, 0},
    };
    CHotKeyTable table;
    for (const Case& c : cases) {
        HotKeyChord chord = ParseHotKeyText(table, c.text);
        std::wstring shown = c.text.substr(0, 24);
        EXPECT_EQ(c.modifiers, chord.modifiers) << shown.c_str();
        EXPECT_EQ(c.virtualKey, chord.virtualKey) << shown.c_str();
    }
}

TEST(CHotKeyTable, NamesTheKeysOfEachGroup) {
    CHotKeyTable table;
    const std::pair<const wchar_t*, UINT> keys[] = {
        {L"Space", 32}, {L"Home", 36},    {L"Down", 40},  {L"Delete", 46}, {L"F12", 123},
        {L"9", 57},     {L"Z", 90},       {L"`", 192},    {L"'", 222},     {L"Num0", 96},
        {L"Num*", 106}, {L"NumDel", 110}, {L"Num/", 111}, {L"z", 0},       {L"F13", 0},
    };
    for (const auto& [name, code] : keys)
        EXPECT_EQ(code, table.Find(name)) << name;
}

} // namespace
