// Tests of the stand-in's pure logic: the script parser, address patterns and
// the conversion of path variables.
#include "BrowserTests.h"
#include "Check.h"
#include "EnvironmentPath.h"
#include "Script.h"

namespace selftest {

using standin::GlobMatch;
using standin::ParseScript;
using standin::Script;
using standin::Step;
using standin::StepKind;

namespace {

void TestWellFormedScript() {
    Script script = ParseScript(L"# pages of the login flow\r\n"
                                L"page http://h/login*\r\n"
                                L"  wait 250\r\n"
                                L"  frame http://h/frame a\r\n"
                                L"\r\n"
                                L"  complete\r\n"
                                L"  navigate http://h/play_gamecode?x=1#top\r\n"
                                L"  redirect http://h/play_gamecode?y=2\r\n"
                                L"  newwindow http://h/new\r\n"
                                L"  focus\r\n"
                                L"  form\r\n"
                                L"page *\r\n"
                                L"  complete");
    CHECK(script.problems.empty());
    CHECK_EQ(script.pages.size(), 2u);
    const std::vector<Step>& steps = script.pages[0].steps;
    CHECK_EQ(steps.size(), 8u);
    if (steps.size() != 8)
        return;
    CHECK(steps[0].kind == StepKind::Wait && steps[0].delayMs == 250);
    // An address is the rest of the line, spaces and '#' included.
    CHECK(steps[1].kind == StepKind::Frame && steps[1].url == L"http://h/frame a");
    CHECK(steps[2].kind == StepKind::Complete);
    CHECK(steps[3].kind == StepKind::Navigate && steps[3].url == L"http://h/play_gamecode?x=1#top");
    CHECK(steps[4].kind == StepKind::Redirect && steps[4].url == L"http://h/play_gamecode?y=2");
    CHECK(steps[5].kind == StepKind::NewWindow && steps[5].url == L"http://h/new");
    CHECK(steps[6].kind == StepKind::Focus);
    CHECK(steps[7].kind == StepKind::Form);
}

void TestClickChains() {
    Script script = ParseScript(L"page p\n"
                                L"click IMG src=x.png < A href=\"http://h/a b\" title < BODY\n"
                                L"click a\n");
    CHECK(script.problems.empty());
    if (script.pages.size() != 1 || script.pages[0].steps.size() != 2)
        return Fail(__FILE__, __LINE__, "two click steps expected");
    const auto& chain = script.pages[0].steps[0].chain;
    CHECK_EQ(chain.size(), 3u);
    CHECK(chain[0].tag == L"IMG" && chain[0].attributes.size() == 1 &&
          chain[0].attributes[0].second == L"x.png");
    CHECK(chain[1].tag == L"A" && chain[1].attributes.size() == 2);
    CHECK(chain[1].attributes[0].first == L"href" &&
          chain[1].attributes[0].second == L"http://h/a b");
    // A name without '=' is an attribute that is present and empty.
    CHECK(chain[1].attributes[1].first == L"title" && chain[1].attributes[1].second.empty());
    CHECK(chain[2].tag == L"BODY" && chain[2].attributes.empty());
    CHECK(standin::DescribeChain(chain) == L"IMG<A<BODY");
    CHECK_EQ(script.pages[0].steps[1].chain.size(), 1u);
}

void TestMalformedLinesAreSkipped() {
    Script script = ParseScript(L"complete\n"                  // 1: before any page
                                L"page\n"                      // 2: no pattern
                                L"page ok\n"                   // 3
                                L"wait\n"                      // 4
                                L"wait -5\n"                   // 5
                                L"wait 600001\n"               // 6
                                L"wait 99999999999999999999\n" // 7
                                L"frame\n"                     // 8
                                L"complete now\n"              // 9
                                L"click\n"                     // 10
                                L"click < A\n"                 // 11
                                L"click A <\n"                 // 12
                                L"click A href=\"open\n"       // 13
                                L"click href=x\n"              // 14
                                L"click A =x\n"                // 15
                                L"jump http://h\n"             // 16
                                L"wait 600000\n"               // 17: the largest delay is fine
                                L"complete\n");                // 18
    CHECK_EQ(script.problems.size(), 15u);
    if (!script.problems.empty()) {
        CHECK(script.problems.front().rfind(L"line 1:", 0) == 0);
        CHECK(script.problems.back().rfind(L"line 16:", 0) == 0);
    }
    CHECK_EQ(script.pages.size(), 1u);
    if (script.pages.size() == 1) {
        CHECK_EQ(script.pages[0].steps.size(), 2u);
        CHECK(script.pages[0].steps[0].delayMs == 600000);
    }
}

void TestChainLengthIsBounded() {
    std::wstring longest = L"A";
    for (int i = 1; i < 100; ++i)
        longest += L" < A";
    std::wstring tooLong = longest + L" < A";
    Script script = ParseScript(L"page p\nclick " + longest + L"\nclick " + tooLong + L"\n");
    CHECK_EQ(script.problems.size(), 1u);
    CHECK(script.pages.size() == 1 && script.pages[0].steps.size() == 1 &&
          script.pages[0].steps[0].chain.size() == 100);
}

void TestBinaryGarbageDoesNotBreakParsing() {
    std::wstring junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<wchar_t>((i * 7919) % 0xD7FF + 1);
    Script script = ParseScript(junk + L"\npage x\ncomplete\n" + std::wstring(100000, L'<'));
    CHECK(!script.pages.empty());
    CHECK(!script.problems.empty());
}

void TestPatterns() {
    CHECK(GlobMatch(L"http://h/a", L"http://h/a"));
    CHECK(!GlobMatch(L"http://h/a", L"http://h/ab"));
    CHECK(!GlobMatch(L"http://h/a", L"http://H/a"));
    CHECK(GlobMatch(L"*play_gamecode*", L"http://h/x?play_gamecode=1"));
    CHECK(!GlobMatch(L"*play_gamecode*", L"http://h/x?PLAY_GAMECODE=1"));
    CHECK(GlobMatch(L"http://h/*", L"http://h/"));
    CHECK(GlobMatch(L"*", L""));
    CHECK(!GlobMatch(L"", L"x"));
    CHECK(GlobMatch(L"a*b*c", L"aXbYbZc"));
    CHECK(!GlobMatch(L"a*b*c", L"aXbYbZ"));
    CHECK(GlobMatch(std::wstring(200, L'*') + L"z", std::wstring(5000, L'a') + L"z"));
}

void TestFirstMatchingPageWins() {
    Script script = ParseScript(L"page http://h/special\nwait 5\npage http://h/*\nfocus\n");
    std::vector<Step> special = script.StepsFor(L"http://h/special");
    CHECK(special.size() == 1 && special[0].kind == StepKind::Wait);
    std::vector<Step> other = script.StepsFor(L"http://h/other");
    CHECK(other.size() == 1 && other[0].kind == StepKind::Focus);
    // An address no page names completes.
    std::vector<Step> unnamed = script.StepsFor(L"about:blank");
    CHECK(unnamed.size() == 1 && unnamed[0].kind == StepKind::Complete);
}

void TestPathVariables() {
    CHECK(standin::WindowsPath(L"/tmp/run/standin.log") == L"Z:\\tmp\\run\\standin.log");
    CHECK(standin::WindowsPath(L"C:\\users\\x.log") == L"C:\\users\\x.log");
    CHECK(standin::WindowsPath(L"relative/x.log") == L"relative/x.log");
    CHECK(standin::WindowsPath(L"").empty());
}

} // namespace

void RunLogicTests() {
    TestWellFormedScript();
    TestClickChains();
    TestMalformedLinesAreSkipped();
    TestChainLengthIsBounded();
    TestBinaryGarbageDoesNotBreakParsing();
    TestPatterns();
    TestFirstMatchingPageWins();
    TestPathVariables();
}

} // namespace selftest
