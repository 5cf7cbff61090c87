// The click sink: from the clicked element up to the nearest link, whose
// address goes to the debugger output, driven through IDispatch as a document
// drives it.
#include "browser/BrowserIds.h"
#include "browser/DocEvtHandler.h"
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/EventArgs.h"
#include "tests/browser/FakeHtml.h"

#include <gtest/gtest.h>

namespace {

using test::FakeElement;

class ClickSink : public ::testing::Test {
protected:
    ~ClickSink() override { sink->Release(); }

    void TearDown() override { EXPECT_EQ(0, test::LiveFakes()) << "a reference was kept"; }

    // Clicks source (taking over its reference) and answers the sink's result.
    HRESULT Click(FakeElement* source) {
        auto* event = new test::FakeEvent(source);
        test::EventArgs args;
        args.Dispatch(event);
        event->Release();
        return sink->Invoke(kDispidOnClick, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                            args.Params(), nullptr, nullptr, nullptr);
    }

    std::vector<std::wstring> Lines() const { return shell.DebugLines(); }

    test::ShellRecorder shell;
    SDocEvtHandler* sink = new SDocEvtHandler;
};

TEST_F(ClickSink, ClickOnALinkLogsItsAddress) {
    EXPECT_EQ(S_OK, Click((new FakeElement(L"A", new FakeElement(L"BODY")))
                              ->WithHref(L"http://127.0.0.1/news?id=5&x=%41")));
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:http://127.0.0.1/news?id=5&x=%41\r\n"}),
              Lines());
}

TEST_F(ClickSink, ClickInsideALinkLogsTheEnclosingLink) {
    auto* link = (new FakeElement(L"a", new FakeElement(L"BODY")))->WithHref(L"http://x/a");
    link->AddRef();
    Click(new FakeElement(L"IMG", link));
    Click(new FakeElement(L"SPAN", new FakeElement(L"B", link)));
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:http://x/a\r\n", L"单击事件:http://x/a\r\n"}),
              Lines());
}

TEST_F(ClickSink, OnlyTheWholeTagNameMarksALink) {
    auto* outer = (new FakeElement(L"A", new FakeElement(L"BODY")))->WithHref(L"http://outer/");
    auto* abbr = new FakeElement(L"ABBR", outer);
    Click((new FakeElement(L"AREA", abbr))->WithHref(L"http://area/"));
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:http://outer/\r\n"}), Lines());
}

TEST_F(ClickSink, ClickOutsideAnyLinkLogsNothing) {
    auto* html = new FakeElement(L"HTML");
    Click(new FakeElement(L"BUTTON", new FakeElement(L"DIV", new FakeElement(L"BODY", html))));
    Click((new FakeElement(L"abbr"))->WithHref(L"http://nolink/"));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(ClickSink, LinkWithoutAddressLogsAnEmptyOne) {
    auto* link = new FakeElement(L"A");
    link->AddRef();
    Click(link);
    EXPECT_EQ(0, link->lastAttributeFlags);
    link->Release();
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:\r\n"}), Lines());
}

TEST_F(ClickSink, UnreadableElementsEndTheWalkQuietly) {
    auto* link = (new FakeElement(L"A"))->WithHref(L"http://x/");
    EXPECT_EQ(S_OK, Click((new FakeElement(L"SPAN", link))->FailingParent()));
    auto* link2 = (new FakeElement(L"A"))->WithHref(L"http://y/");
    EXPECT_EQ(S_OK, Click((new FakeElement(L"SPAN", link2))->FailingTag()));
    EXPECT_EQ(S_OK, Click(nullptr));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(ClickSink, OtherCallsAreDeclined) {
    auto* event = new test::FakeEvent((new FakeElement(L"A"))->WithHref(L"http://x/"));
    test::EventArgs args;
    args.Dispatch(event);
    event->Release();
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, sink->Invoke(-601, IID_NULL, 0, DISPATCH_METHOD, args.Params(),
                                                  nullptr, nullptr, nullptr));
    test::EventArgs none;
    EXPECT_TRUE(FAILED(sink->Invoke(kDispidOnClick, IID_NULL, 0, DISPATCH_METHOD, none.Params(),
                                    nullptr, nullptr, nullptr)));
    EXPECT_TRUE(FAILED(sink->Invoke(kDispidOnClick, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr,
                                    nullptr, nullptr)));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(ClickSink, AnswersItsInterfacesAndTheClickName) {
    const IID* answered[] = {&IID_IUnknown, &IID_IDispatch, &kIidDocEvtHandlerEvents};
    for (const IID* iid : answered) {
        void* result = nullptr;
        ASSERT_EQ(S_OK, sink->QueryInterface(*iid, &result));
        EXPECT_EQ(static_cast<IDispatch*>(sink), result);
        sink->Release();
    }
    void* result = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, sink->QueryInterface(kDiidHtmlDocumentEvents2, &result));
    EXPECT_EQ(nullptr, result);

    wchar_t name[] = L"HTMLELEMENTEVENTS2_ONCLICK";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    EXPECT_EQ(S_OK, sink->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    EXPECT_EQ(-600, id);
}

} // namespace
