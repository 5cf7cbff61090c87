#include "app/CommandLine.h"

#include <cwchar>

StartDecision DecideStartRole(const std::wstring& commandLine) {
    StartDecision decision;
    std::wstring first2 = commandLine.substr(0, 2);
    std::wstring last2 =
        commandLine.size() < 2 ? commandLine : commandLine.substr(commandLine.size() - 2);

    if (first2 == L"-d") {
        // A bare "-d" names no file to install: start normally.
        if (commandLine.size() > 2) {
            decision.role = StartRole::FinishUpdate;
            decision.updatePath = commandLine.substr(3);
        }
        return decision;
    }
    if (last2 == L"-u")
        decision.role = StartRole::UninstallConfirm;
    else if (first2 == L"-u")
        decision.role = StartRole::UninstallRemove;
    return decision;
}

NormalStartArgs ParseNormalStart(const std::wstring& commandLine) {
    static const wchar_t kFrameSwitch[] = L"-frameWnd=";
    static const wchar_t kUrlSwitch[] = L"-gameurl=";

    NormalStartArgs args;
    std::wstring rest = commandLine;
    size_t frame = rest.find(kFrameSwitch);
    if (frame != std::wstring::npos) {
        rest.erase(0, frame + wcslen(kFrameSwitch));
        size_t space = rest.find(L' ');
        if (space != std::wstring::npos) {
            std::wstring digits = rest.substr(0, space);
            args.frameHandle = wcstol(digits.c_str(), nullptr, 10);
            rest.erase(0, space);
        }
    }
    size_t url = rest.find(kUrlSwitch);
    if (url != std::wstring::npos)
        args.gameUrl = rest.substr(url + wcslen(kUrlSwitch));
    return args;
}
