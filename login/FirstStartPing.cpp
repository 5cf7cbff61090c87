// The notification of a first installation: one HTTP GET whose answer nobody
// reads. Any failure gives an empty answer.
#include "login/FirstStartSetup.h"

#include "framework/Internet.h"
#include "framework/Strings.h"

#include <string>

std::wstring SendFirstStartPing(const std::wstring& address) {
    std::string body;
    try {
        fw::CInternetSession session;
        std::unique_ptr<fw::CHttpFile> file =
            session.OpenURL(address, 1, INTERNET_FLAG_TRANSFER_ASCII);
        if (!file)
            return std::wstring();
        DWORD status = 0;
        file->QueryInfoStatusCode(status);
        if (status >= 400)
            return std::wstring();
        char piece[1024];
        UINT read = 0;
        do {
            read = file->Read(piece, sizeof(piece));
            body.append(piece, read);
        } while (read == sizeof(piece) && body.size() < kFirstStartAnswerLimit);
    } catch (const fw::CInternetException&) {
        // The answer is dropped anyway; what was read so far is returned.
    }
    return fw::ToWide(body);
}
