// The script that tells the stand-in what each address does once a navigation
// to it has been accepted. The text format is described in README.md; this is
// the parsed form, with no Windows dependencies so it can be tested directly.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace standin {

enum class StepKind {
    Wait,      // pause the page's steps for delayMs
    Complete,  // DocumentComplete for the page itself
    Frame,     // BeforeNavigate2 and, unless cancelled, DocumentComplete for a frame
    Navigate,  // the page moves itself to url; the host may cancel it
    Redirect,  // the server ends the navigation at url; the host hears of it only if it asked
    NewWindow, // the page asks for a new window showing url
    Click,     // a click on the element chain, reported to the document's sinks
    Focus,     // the page's window takes the keyboard focus
    Title,     // the document's title becomes text, and the page window shows it
    Form,      // the page window draws a login form: two fields and a button
};

struct ElementDescription {
    std::wstring tag;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
};

struct Step {
    StepKind kind = StepKind::Complete;
    unsigned delayMs = 0;
    std::wstring url;
    std::wstring text;
    // Clicked element first, then each parent outwards.
    std::vector<ElementDescription> chain;
};

struct Page {
    std::wstring pattern;
    std::vector<Step> steps;
};

struct Script {
    std::vector<Page> pages;
    // One entry per ignored line, "line N: reason", for the log.
    std::vector<std::wstring> problems;

    // The steps of the first page whose pattern matches the address. An
    // address that no page names simply completes.
    std::vector<Step> StepsFor(const std::wstring& url) const;
};

Script ParseScript(const std::wstring& text);

// '*' stands for any run of characters, everything else for itself.
bool GlobMatch(const std::wstring& pattern, const std::wstring& text);

// "IMG < A href=..." read back from a chain, for the log.
std::wstring DescribeChain(const std::vector<ElementDescription>& chain);

} // namespace standin
