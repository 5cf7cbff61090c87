// The hotkey grammar on texts a settings file can hold, well-formed or not.
#include "gamewindow/HotKeys.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

TEST(ParseHotKeyText, ModifierWordsThenOneKeyName) {
    // Text, modifiers, virtual key.
    const std::tuple<std::wstring, UINT, UINT> cases[] = {
        {L"Ctrl+Shift+A", MOD_CONTROL | MOD_SHIFT, 'A'},
        {L"ctrl+shift+a", 0, 0},
        {L"F10", 0, VK_F10},
        {L"Alt+Alt+F1", MOD_ALT, VK_F1},
        {L"Ctrl", 0, VK_CONTROL},
        {L"Num+", 0, 0},
        {L"Ctrl++", MOD_CONTROL, 0},
        {L"+", 0, 0},
        {L"Ctrl + A", 0, 0},
        {L"Alt+Ctrl+Shift+PageDown", MOD_ALT | MOD_CONTROL | MOD_SHIFT, VK_NEXT},
        {L"0", 0, '0'},
        {L"", 0, 0},
        {L"Ctrl+Ａ", MOD_CONTROL, 0},
        {std::wstring(100000, L'+') + L"Alt+F12", MOD_ALT, VK_F12},
        {std::wstring(100000, L'A'), 0, 0},
    };
    CHotKeyTable table;
    for (const auto& [text, modifiers, virtualKey] : cases) {
        HotKeyChord chord = ParseHotKeyText(table, text);
        EXPECT_EQ(std::make_pair(modifiers, virtualKey),
                  std::make_pair(chord.modifiers, chord.virtualKey))
            << text.substr(0, 24).c_str();
    }
}

} // namespace
