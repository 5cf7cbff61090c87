// The document's commands to both browser hosts, through the command target
// each one's site answers: a script error is taken as handled, so scripts go
// on and no error box shows; every other command keeps the control's default.
#include "framework/HostCommands.h"
#include "framework/HtmlViewSite.h"
#include "tests/browser/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

void ExpectScriptErrorsHandled(IUnknown* site, const char* host) {
    SCOPED_TRACE(host);
    IOleCommandTarget* target = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(&target)));
    const GUID& docHost = fw::kCgidDocHostCommandHandler;
    const GUID other = IID_IDispatch;
    const struct {
        const GUID* group;
        DWORD id;
        HRESULT answer;
    } cases[] = {
        {&docHost, OLECMDID_SHOWSCRIPTERROR, S_OK},
        {&docHost, OLECMDID_SHOWMESSAGE, OLECMDERR_E_NOTSUPPORTED},
        {nullptr, OLECMDID_SHOWSCRIPTERROR, OLECMDERR_E_NOTSUPPORTED},
        {nullptr, OLECMDID_SETPROGRESSTEXT, OLECMDERR_E_NOTSUPPORTED},
        {&other, OLECMDID_SHOWSCRIPTERROR, OLECMDERR_E_UNKNOWNGROUP},
    };
    for (const auto& c : cases) {
        VARIANT out{};
        EXPECT_EQ(c.answer, target->Exec(c.group, c.id, 0, nullptr, &out)) << c.id;
        // Only the handled script error says "go on running scripts".
        EXPECT_EQ(c.answer == S_OK ? VT_BOOL : VT_EMPTY, out.vt) << c.id;
        EXPECT_EQ(c.answer == S_OK ? VARIANT_TRUE : 0, out.boolVal) << c.id;
        OLECMD command{c.id, 0xff};
        HRESULT status = target->QueryStatus(c.group, 1, &command, nullptr);
        EXPECT_EQ(c.answer == OLECMDERR_E_UNKNOWNGROUP ? c.answer : S_OK, status) << c.id;
        EXPECT_EQ(c.answer == S_OK ? DWORD(OLECMDF_SUPPORTED | OLECMDF_ENABLED) : 0u,
                  status == S_OK ? command.cmdf : 0u)
            << c.id;
    }
    EXPECT_EQ(S_OK, target->Exec(&docHost, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, nullptr));
    target->Release();
}

TEST(HostCommands, BothHostsLetScriptsGoOnWithoutAnErrorBox) {
    test::RecordingHost login;
    LONG held = login.RefCount();
    ExpectScriptErrorsHandled(static_cast<IDispatch*>(&login), "login popup host");
    EXPECT_EQ(held, login.RefCount());

    auto* view = new fw::HtmlViewSite(nullptr);
    ExpectScriptErrorsHandled(static_cast<IOleClientSite*>(view), "HTML view site");
    EXPECT_EQ(0u, view->Release());
}

} // namespace
