// In-place activation with the host's IOleInPlaceSite, the in-place object
// and the active object of the control.
#include "BrowserControl.h"

#include "Log.h"

#include <mshtmhst.h>

namespace standin {
namespace {

std::wstring RectText(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
           std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

} // namespace

HRESULT BrowserControl::ActivateInPlace(IOleClientSite* activeSite) {
    if (inPlaceActive_)
        return S_OK;
    if (!site_ && activeSite)
        site_ = activeSite;
    if (!site_)
        return E_UNEXPECTED;
    ComPtr<IOleInPlaceSite> site = site_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    LogLine line(SourceName(id_), L"call", L"activate");
    if (!site) {
        line.Add(L"result", L"no-inplace-site").Write();
        return E_NOINTERFACE;
    }
    HRESULT can = site->CanInPlaceActivate();
    if (can != S_OK) {
        line.Add(L"result", L"refused").Result(can).Write();
        return E_FAIL;
    }
    site->OnInPlaceActivate();

    HWND parent = nullptr;
    site->GetWindow(&parent);
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof(frameInfo);
    HRESULT hr =
        site->GetWindowContext(frame_.Receive(), uiWindow_.Receive(), &position, &clip, &frameInfo);
    if (FAILED(hr) || !parent || !window_->Create(parent, position)) {
        line.Add(L"result", L"no-window").Result(hr).Write();
        frame_.Reset();
        uiWindow_.Reset();
        site->OnInPlaceDeactivate();
        return E_FAIL;
    }
    if (document_)
        window_->CreatePage();
    rect_ = position;
    inPlaceSite_ = site;
    inPlaceActive_ = true;
    line.Add(L"result", L"ok").Add(L"rect", RectText(position)).Write();
    ReportHostInfo();
    return S_OK;
}

HRESULT BrowserControl::ActivateUi() {
    if (uiActive_)
        return S_OK;
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    auto* active = static_cast<IOleInPlaceActiveObject*>(this);
    if (frame_)
        frame_->SetActiveObject(active, L"");
    if (uiWindow_)
        uiWindow_->SetActiveObject(active, L"");
    window_->TakeFocus();
    return S_OK;
}

void BrowserControl::ReportHostInfo() {
    // The real control asks its host once for its UI options; the flags show
    // in the log so tests can check what the host asked for, and are kept for
    // the one the stand-in acts on (redirect notification).
    ComPtr<IDocHostUIHandler> handler = site_.As<IDocHostUIHandler>(IID_IDocHostUIHandler);
    LogLine line(SourceName(id_), L"call", L"GetHostInfo");
    if (!handler) {
        line.Add(L"result", L"no-handler").Write();
        return;
    }
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof(info);
    HRESULT hr = handler->GetHostInfo(&info);
    line.Result(hr).Hex(L"flags", info.dwFlags).Write();
    hostFlags_ = SUCCEEDED(hr) ? info.dwFlags : 0;
    if (info.pchHostCss)
        CoTaskMemFree(info.pchHostCss);
    if (info.pchHostNS)
        CoTaskMemFree(info.pchHostNS);
}

STDMETHODIMP BrowserControl::GetWindow(HWND* out) {
    if (!out)
        return E_POINTER;
    *out = window_->Outer();
    return *out ? S_OK : E_FAIL;
}

STDMETHODIMP BrowserControl::ContextSensitiveHelp(BOOL) {
    return Unimplemented("IOleWindow::ContextSensitiveHelp");
}

STDMETHODIMP BrowserControl::InPlaceDeactivate() {
    if (!inPlaceActive_)
        return S_OK;
    UIDeactivate();
    inPlaceActive_ = false;
    window_->Destroy();
    ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    site->OnInPlaceDeactivate();
    frame_.Reset();
    uiWindow_.Reset();
    LogLine(SourceName(id_), L"call", L"InPlaceDeactivate").Write();
    return S_OK;
}

STDMETHODIMP BrowserControl::UIDeactivate() {
    if (!uiActive_)
        return S_OK;
    uiActive_ = false;
    if (frame_)
        frame_->SetActiveObject(nullptr, nullptr);
    if (uiWindow_)
        uiWindow_->SetActiveObject(nullptr, nullptr);
    if (inPlaceSite_)
        inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP BrowserControl::SetObjectRects(LPCRECT position, LPCRECT clip) {
    if (!position)
        return E_INVALIDARG;
    LogLine line(SourceName(id_), L"call", L"SetObjectRects");
    line.Add(L"rect", RectText(*position));
    if (clip)
        line.Add(L"clip", RectText(*clip));
    line.Write();
    rect_ = *position;
    window_->Move(*position);
    return S_OK;
}

STDMETHODIMP BrowserControl::ReactivateAndUndo() {
    return Unimplemented("IOleInPlaceObject::ReactivateAndUndo");
}

STDMETHODIMP BrowserControl::TranslateAccelerator(MSG* message) {
    // Keys are the page's business, as with the real control.
    if (!document_)
        return S_FALSE;
    return document_->TranslateAccelerator(message);
}

STDMETHODIMP BrowserControl::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserControl::OnDocWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserControl::EnableModeless(BOOL) {
    return S_OK;
}

} // namespace standin
