// Parser of the stand-in's script. Every line that cannot be understood is
// skipped and noted in Script::problems; nothing in the text can make the
// parser fail as a whole.
#include "Script.h"

#include <cwctype>

namespace standin {
namespace {

// Long enough for any test, short enough that a typo cannot stall a run.
constexpr unsigned long kMaxWaitMs = 600000;
// Elements hold their parents, so a chain is built and freed recursively;
// real pages nest far less deeply than this.
constexpr size_t kMaxChainLength = 100;

std::wstring Trim(const std::wstring& text) {
    size_t first = 0;
    while (first < text.size() && std::iswspace(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && std::iswspace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool ParseDelay(const std::wstring& text, unsigned* out) {
    if (text.empty() || text.size() > 9)
        return false;
    unsigned long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return false;
        value = value * 10 + (c - L'0');
    }
    if (value > kMaxWaitMs)
        return false;
    *out = static_cast<unsigned>(value);
    return true;
}

// Splits at white space; a double-quoted run keeps its spaces and loses its quotes.
bool Tokenize(const std::wstring& text, std::vector<std::wstring>* tokens) {
    std::wstring current;
    bool inToken = false;
    bool quoted = false;
    for (wchar_t c : text) {
        if (c == L'"') {
            quoted = !quoted;
            inToken = true;
        } else if (!quoted && std::iswspace(c)) {
            if (inToken)
                tokens->push_back(current);
            current.clear();
            inToken = false;
        } else {
            current += c;
            inToken = true;
        }
    }
    if (inToken)
        tokens->push_back(current);
    return !quoted;
}

bool ParseChain(const std::wstring& text, std::vector<ElementDescription>* chain,
                std::wstring* why) {
    std::vector<std::wstring> tokens;
    if (!Tokenize(text, &tokens)) {
        *why = L"unterminated quote";
        return false;
    }
    bool expectTag = true;
    for (const std::wstring& token : tokens) {
        if (token == L"<") {
            if (expectTag) {
                *why = L"element without a tag name";
                return false;
            }
            expectTag = true;
        } else if (expectTag) {
            if (token.find(L'=') != std::wstring::npos) {
                *why = L"element without a tag name";
                return false;
            }
            chain->push_back(ElementDescription{token, {}});
            expectTag = false;
        } else {
            size_t equals = token.find(L'=');
            std::wstring name = token.substr(0, equals);
            if (name.empty()) {
                *why = L"attribute without a name";
                return false;
            }
            std::wstring value = equals == std::wstring::npos ? L"" : token.substr(equals + 1);
            chain->back().attributes.emplace_back(name, value);
        }
    }
    if (expectTag) {
        *why = chain->empty() ? L"click without elements" : L"element without a tag name";
        return false;
    }
    if (chain->size() > kMaxChainLength) {
        *why = L"click chain longer than " + std::to_wstring(kMaxChainLength) + L" elements";
        return false;
    }
    return true;
}

bool ParseStep(const std::wstring& keyword, const std::wstring& argument, Step* step,
               std::wstring* why) {
    struct Keyword {
        const wchar_t* word;
        StepKind kind;
    };
    static const Keyword kKeywords[] = {
        {L"wait", StepKind::Wait},         {L"complete", StepKind::Complete},
        {L"frame", StepKind::Frame},       {L"navigate", StepKind::Navigate},
        {L"redirect", StepKind::Redirect}, {L"newwindow", StepKind::NewWindow},
        {L"click", StepKind::Click},       {L"focus", StepKind::Focus},
        {L"title", StepKind::Title},       {L"form", StepKind::Form},
    };
    const Keyword* found = nullptr;
    for (const Keyword& k : kKeywords) {
        if (keyword == k.word)
            found = &k;
    }
    if (!found) {
        *why = L"unknown step \"" + keyword + L"\"";
        return false;
    }
    step->kind = found->kind;
    switch (step->kind) {
    case StepKind::Wait:
        if (!ParseDelay(argument, &step->delayMs)) {
            *why = L"wait needs milliseconds from 0 to 600000";
            return false;
        }
        return true;
    case StepKind::Frame:
    case StepKind::Navigate:
    case StepKind::Redirect:
    case StepKind::NewWindow:
        if (argument.empty()) {
            *why = keyword + L" needs an address";
            return false;
        }
        step->url = argument;
        return true;
    case StepKind::Click:
        return ParseChain(argument, &step->chain, why);
    case StepKind::Title:
        if (argument.empty()) {
            *why = L"title needs a text";
            return false;
        }
        step->text = argument;
        return true;
    case StepKind::Complete:
    case StepKind::Focus:
    case StepKind::Form:
        if (!argument.empty()) {
            *why = keyword + L" takes no argument";
            return false;
        }
        return true;
    }
    return false;
}

} // namespace

Script ParseScript(const std::wstring& text) {
    Script script;
    size_t lineStart = 0;
    for (int lineNumber = 1; lineStart <= text.size(); ++lineNumber) {
        size_t lineEnd = text.find(L'\n', lineStart);
        if (lineEnd == std::wstring::npos)
            lineEnd = text.size();
        std::wstring line = Trim(text.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.empty() || line[0] == L'#')
            continue;

        size_t space = 0;
        while (space < line.size() && !std::iswspace(line[space]))
            ++space;
        std::wstring keyword = line.substr(0, space);
        std::wstring argument = Trim(line.substr(space));
        std::wstring why;

        if (keyword == L"page") {
            if (argument.empty())
                why = L"page needs an address pattern";
            else
                script.pages.push_back(Page{argument, {}});
        } else if (script.pages.empty()) {
            why = L"step before the first page";
        } else {
            Step step;
            if (ParseStep(keyword, argument, &step, &why))
                script.pages.back().steps.push_back(step);
        }
        if (!why.empty())
            script.problems.push_back(L"line " + std::to_wstring(lineNumber) + L": " + why);
    }
    return script;
}

std::vector<Step> Script::StepsFor(const std::wstring& url) const {
    for (const Page& page : pages) {
        if (GlobMatch(page.pattern, url))
            return page.steps;
    }
    return {Step{StepKind::Complete, 0, {}, {}, {}}};
}

bool GlobMatch(const std::wstring& pattern, const std::wstring& text) {
    // Iterative matching with one backtrack point: linear in practice and
    // immune to patterns full of stars.
    size_t p = 0, t = 0, starP = std::wstring::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starP != std::wstring::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

std::wstring DescribeChain(const std::vector<ElementDescription>& chain) {
    std::wstring text;
    for (const ElementDescription& element : chain) {
        if (!text.empty())
            text += L"<";
        text += element.tag;
    }
    return text;
}

} // namespace standin
