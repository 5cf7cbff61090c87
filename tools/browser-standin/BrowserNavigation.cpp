// Navigation of the control and the scripted life of each page.
//
// A navigation, whether the host asks for it or the page moves itself, raises
// BeforeNavigate2 at once; if no sink cancels it, the new page begins from the
// message loop: NavigateComplete2, then the page's steps from the script,
// delays through timers. A page never completes unless its steps say
// "complete" (an address the script does not name completes at once). A
// server's redirect raises BeforeNavigate2 only for a host that asked for
// redirect notifications, and its target completes at once.
#include "BrowserControl.h"

#include "BrowserEvents.h"
#include "FrameBrowser.h"
#include "Log.h"

#include <mshtmhst.h>

namespace standin {
namespace {

void LogEvent(int id, const wchar_t* name, const std::wstring& url, bool frame, int sinks) {
    LogLine(SourceName(id), L"event", name)
        .Add(L"url", url)
        .Add(L"frame", static_cast<long long>(frame))
        .Add(L"sinks", static_cast<long long>(sinks))
        .Write();
}

void LogNavigation(int id, const std::wstring& url, bool frame, const EventOutcome& outcome) {
    LogLine(SourceName(id), L"event", L"BeforeNavigate2")
        .Add(L"url", url)
        .Add(L"frame", static_cast<long long>(frame))
        .Add(L"sinks", static_cast<long long>(outcome.sinks))
        .Add(L"cancel", static_cast<long long>(outcome.cancel))
        .Write();
}

} // namespace

HRESULT BrowserControl::StartNavigation(const std::wstring& url, const wchar_t* origin) {
    LogLine(SourceName(id_), L"call", origin).Add(L"url", url).Write();
    if (closed_)
        return E_UNEXPECTED;
    ComPtr<BrowserControl> keep(this);
    unsigned before = generation_;
    EventOutcome outcome = FireBeforeNavigate2(events2_, Self(), url);
    LogNavigation(id_, url, false, outcome);
    // A sink may have started another navigation from inside the event; the
    // later one wins, as it does in the real control.
    if (outcome.cancel || !Current(before))
        return S_OK;
    ReplacePage(url, script_.StepsFor(url));
    return S_OK;
}

// The current page's pending steps stop at once; the new page begins from the
// message loop.
void BrowserControl::ReplacePage(const std::wstring& url, std::vector<Step> steps) {
    unsigned next = ++generation_;
    timeline_.CancelAll();
    window_->SetPage(url, L"loading");
    Schedule(0, [this, url, steps = std::move(steps), next] {
        if (Current(next))
            BeginPage(url, steps);
    });
}

void BrowserControl::BeginPage(const std::wstring& url, std::vector<Step> steps) {
    unsigned generation = generation_;
    url_ = url;
    complete_ = false;
    document_ = ComPtr<HtmlDocument>::Adopt(new HtmlDocument(url, id_, window_));
    steps_ = std::move(steps);
    nextStep_ = 0;
    window_->CreatePage();
    ShowState(L"loading");
    LogEvent(id_, L"NavigateComplete2", url, false, FireNavigateComplete2(events2_, Self(), url));
    RunSteps(generation);
}

void BrowserControl::RunSteps(unsigned generation) {
    while (Current(generation) && nextStep_ < steps_.size()) {
        Step step = steps_[nextStep_++];
        if (step.kind == StepKind::Wait) {
            Schedule(step.delayMs, [this, generation] {
                if (Current(generation))
                    RunSteps(generation);
            });
            return;
        }
        RunStep(step, generation);
    }
}

void BrowserControl::RunStep(const Step& step, unsigned generation) {
    switch (step.kind) {
    case StepKind::Complete:
        complete_ = true;
        document_->MarkComplete();
        ShowState(L"complete");
        LogEvent(id_, L"DocumentComplete", url_, false,
                 FireDocumentComplete(events2_, Self(), url_));
        break;
    case StepKind::Frame:
        RunFrame(step.url, generation);
        break;
    case StepKind::Navigate: {
        EventOutcome outcome = FireBeforeNavigate2(events2_, Self(), step.url);
        LogNavigation(id_, step.url, false, outcome);
        if (outcome.cancel || !Current(generation))
            break;
        ReplacePage(step.url, script_.StepsFor(step.url));
        break;
    }
    case StepKind::Redirect:
        RunRedirect(step.url, generation);
        break;
    case StepKind::NewWindow:
        RunNewWindow(step.url);
        break;
    case StepKind::Click: {
        ComPtr<HtmlDocument> document = document_;
        document->FireClick(step.chain);
        break;
    }
    case StepKind::Focus:
        LogLine(SourceName(id_), L"call", L"take-focus").Write();
        window_->TakeFocus();
        break;
    case StepKind::Title:
        document_->SetTitle(step.text);
        window_->SetTitle(step.text);
        break;
    case StepKind::Form:
        window_->ShowLoginForm();
        break;
    case StepKind::Wait:
        break;
    }
}

void BrowserControl::RunFrame(const std::wstring& url, unsigned generation) {
    ComPtr<FrameBrowser> frame = ComPtr<FrameBrowser>::Adopt(new FrameBrowser(url, id_));
    IDispatch* source = static_cast<IWebBrowser2*>(frame.Get());
    EventOutcome outcome = FireBeforeNavigate2(events2_, source, url);
    LogNavigation(id_, url, true, outcome);
    if (outcome.cancel || !Current(generation))
        return;
    LogEvent(id_, L"NavigateComplete2", url, true, FireNavigateComplete2(events2_, source, url));
    if (!Current(generation))
        return;
    frame->Complete();
    LogEvent(id_, L"DocumentComplete", url, true, FireDocumentComplete(events2_, source, url));
}

// The real control keeps a server's redirect to itself unless the host's
// GetHostInfo asked for DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION; then the
// host sees BeforeNavigate2 for the target and may cancel it. The target's
// own steps in the script do not apply: it completes at once.
void BrowserControl::RunRedirect(const std::wstring& url, unsigned generation) {
    const bool notify = (hostFlags_ & DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION) != 0;
    LogLine(SourceName(id_), L"call", L"redirect")
        .Add(L"url", url)
        .Add(L"notify", static_cast<long long>(notify))
        .Write();
    if (notify) {
        EventOutcome outcome = FireBeforeNavigate2(events2_, Self(), url);
        LogNavigation(id_, url, false, outcome);
        if (outcome.cancel || !Current(generation))
            return;
    }
    ReplacePage(url, {Step{StepKind::Complete, 0, {}, {}, {}}});
}

void BrowserControl::RunNewWindow(const std::wstring& url) {
    bool window2 = false;
    EventOutcome first = FireNewWindow2(events2_, &window2);
    LogLine(SourceName(id_), L"event", L"NewWindow2")
        .Add(L"url", url)
        .Add(L"sinks", static_cast<long long>(first.sinks))
        .Add(L"cancel", static_cast<long long>(first.cancel))
        .Add(L"window", static_cast<long long>(window2))
        .Write();
    // Both requests are raised whatever the first one's answer, so a host
    // that acts in NewWindow3 always gets to see the address.
    bool window3 = false;
    EventOutcome second = FireNewWindow3(events2_, url, url_, &window3);
    LogLine(SourceName(id_), L"event", L"NewWindow3")
        .Add(L"url", url)
        .Add(L"context", url_)
        .Add(L"sinks", static_cast<long long>(second.sinks))
        .Add(L"cancel", static_cast<long long>(second.cancel))
        .Add(L"window", static_cast<long long>(window3))
        .Write();
    LogLine(SourceName(id_), L"call", L"new-window")
        .Add(L"url", url)
        .Add(L"opened", static_cast<long long>(!first.cancel && !second.cancel))
        .Write();
}

void BrowserControl::Schedule(unsigned delayMs, std::function<void()> action) {
    timeline_.Schedule(delayMs, [this, action = std::move(action)] {
        // The host may drop its last reference from inside an event handler.
        ComPtr<BrowserControl> keep(this);
        action();
    });
}

void BrowserControl::ShowState(const wchar_t* state) {
    window_->SetPage(url_, state);
}

} // namespace standin
