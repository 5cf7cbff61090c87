// The document's commands to both browser hosts, through the command target
// each one's site answers: a script error is taken as handled, so scripts go
// on and no error box shows; every other command keeps the control's default.
#include "framework/HostCommands.h"
#include "framework/HtmlViewSite.h"
#include "tests/browser/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

void ExpectScriptErrorsHandled(IUnknown* site) {
    fw::ComPtr<IOleCommandTarget> target;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleCommandTarget, target.PutVoid()));
    const GUID docHost = fw::kCgidDocHostCommandHandler, other = IID_IDispatch;
    VARIANT out{};
    EXPECT_EQ(S_OK, target->Exec(&docHost, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &out));
    EXPECT_TRUE(out.vt == VT_BOOL && out.boolVal == VARIANT_TRUE);
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED,
              target->Exec(&docHost, OLECMDID_SHOWMESSAGE, 0, nullptr, nullptr));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED,
              target->Exec(nullptr, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, nullptr));
    EXPECT_EQ(OLECMDERR_E_UNKNOWNGROUP,
              target->Exec(&other, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, nullptr));
}

TEST(HostCommands, BothHostsLetScriptsGoOnWithoutAnErrorBox) {
    test::RecordingHost login;
    ExpectScriptErrorsHandled(static_cast<IDispatch*>(&login));
    auto view = fw::ComPtr<fw::HtmlViewSite>::Attach(new fw::HtmlViewSite(nullptr));
    ExpectScriptErrorsHandled(static_cast<IOleClientSite*>(view.Get()));
}

} // namespace
