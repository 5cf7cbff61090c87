// IWebBrowser2 with every method answering "not implemented" through
// Unimplemented; the control and the frames override what the stand-in models.
#pragma once

#include <exdisp.h>

#include "DispatchStubs.h"

namespace standin {

class WebBrowserStubs : public DispatchStubs<IWebBrowser2> {
public:
    // IWebBrowser
    STDMETHODIMP GoBack() override { return Unimplemented("IWebBrowser::GoBack"); }
    STDMETHODIMP GoForward() override { return Unimplemented("IWebBrowser::GoForward"); }
    STDMETHODIMP GoHome() override { return Unimplemented("IWebBrowser::GoHome"); }
    STDMETHODIMP GoSearch() override { return Unimplemented("IWebBrowser::GoSearch"); }
    STDMETHODIMP Navigate(BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override {
        return Unimplemented("IWebBrowser::Navigate");
    }
    STDMETHODIMP Refresh() override { return Unimplemented("IWebBrowser::Refresh"); }
    STDMETHODIMP Refresh2(VARIANT*) override { return Unimplemented("IWebBrowser::Refresh2"); }
    STDMETHODIMP Stop() override { return Unimplemented("IWebBrowser::Stop"); }
    STDMETHODIMP get_Application(IDispatch**) override {
        return Unimplemented("IWebBrowser::get_Application");
    }
    STDMETHODIMP get_Parent(IDispatch**) override {
        return Unimplemented("IWebBrowser::get_Parent");
    }
    STDMETHODIMP get_Container(IDispatch**) override {
        return Unimplemented("IWebBrowser::get_Container");
    }
    STDMETHODIMP get_Document(IDispatch**) override {
        return Unimplemented("IWebBrowser::get_Document");
    }
    STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser::get_TopLevelContainer");
    }
    STDMETHODIMP get_Type(BSTR*) override { return Unimplemented("IWebBrowser::get_Type"); }
    STDMETHODIMP get_Left(LONG*) override { return Unimplemented("IWebBrowser::get_Left"); }
    STDMETHODIMP put_Left(LONG) override { return Unimplemented("IWebBrowser::put_Left"); }
    STDMETHODIMP get_Top(LONG*) override { return Unimplemented("IWebBrowser::get_Top"); }
    STDMETHODIMP put_Top(LONG) override { return Unimplemented("IWebBrowser::put_Top"); }
    STDMETHODIMP get_Width(LONG*) override { return Unimplemented("IWebBrowser::get_Width"); }
    STDMETHODIMP put_Width(LONG) override { return Unimplemented("IWebBrowser::put_Width"); }
    STDMETHODIMP get_Height(LONG*) override { return Unimplemented("IWebBrowser::get_Height"); }
    STDMETHODIMP put_Height(LONG) override { return Unimplemented("IWebBrowser::put_Height"); }
    STDMETHODIMP get_LocationName(BSTR*) override {
        return Unimplemented("IWebBrowser::get_LocationName");
    }
    STDMETHODIMP get_LocationURL(BSTR*) override {
        return Unimplemented("IWebBrowser::get_LocationURL");
    }
    STDMETHODIMP get_Busy(VARIANT_BOOL*) override { return Unimplemented("IWebBrowser::get_Busy"); }
    // IWebBrowserApp
    STDMETHODIMP Quit() override { return Unimplemented("IWebBrowserApp::Quit"); }
    STDMETHODIMP ClientToWindow(int*, int*) override {
        return Unimplemented("IWebBrowserApp::ClientToWindow");
    }
    STDMETHODIMP PutProperty(BSTR, VARIANT) override {
        return Unimplemented("IWebBrowserApp::PutProperty");
    }
    STDMETHODIMP GetProperty(BSTR, VARIANT*) override {
        return Unimplemented("IWebBrowserApp::GetProperty");
    }
    STDMETHODIMP get_Name(BSTR*) override { return Unimplemented("IWebBrowserApp::get_Name"); }
    STDMETHODIMP get_HWND(SHANDLE_PTR*) override {
        return Unimplemented("IWebBrowserApp::get_HWND");
    }
    STDMETHODIMP get_FullName(BSTR*) override {
        return Unimplemented("IWebBrowserApp::get_FullName");
    }
    STDMETHODIMP get_Path(BSTR*) override { return Unimplemented("IWebBrowserApp::get_Path"); }
    STDMETHODIMP get_Visible(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowserApp::get_Visible");
    }
    STDMETHODIMP put_Visible(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowserApp::put_Visible");
    }
    STDMETHODIMP get_StatusBar(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowserApp::get_StatusBar");
    }
    STDMETHODIMP put_StatusBar(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowserApp::put_StatusBar");
    }
    STDMETHODIMP get_StatusText(BSTR*) override {
        return Unimplemented("IWebBrowserApp::get_StatusText");
    }
    STDMETHODIMP put_StatusText(BSTR) override {
        return Unimplemented("IWebBrowserApp::put_StatusText");
    }
    STDMETHODIMP get_ToolBar(int*) override { return Unimplemented("IWebBrowserApp::get_ToolBar"); }
    STDMETHODIMP put_ToolBar(int) override { return Unimplemented("IWebBrowserApp::put_ToolBar"); }
    STDMETHODIMP get_MenuBar(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowserApp::get_MenuBar");
    }
    STDMETHODIMP put_MenuBar(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowserApp::put_MenuBar");
    }
    STDMETHODIMP get_FullScreen(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowserApp::get_FullScreen");
    }
    STDMETHODIMP put_FullScreen(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowserApp::put_FullScreen");
    }
    // IWebBrowser2
    STDMETHODIMP Navigate2(VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override {
        return Unimplemented("IWebBrowser2::Navigate2");
    }
    STDMETHODIMP QueryStatusWB(OLECMDID, OLECMDF*) override {
        return Unimplemented("IWebBrowser2::QueryStatusWB");
    }
    STDMETHODIMP ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) override {
        return Unimplemented("IWebBrowser2::ExecWB");
    }
    STDMETHODIMP ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) override {
        return Unimplemented("IWebBrowser2::ShowBrowserBar");
    }
    STDMETHODIMP get_ReadyState(READYSTATE*) override {
        return Unimplemented("IWebBrowser2::get_ReadyState");
    }
    STDMETHODIMP get_Offline(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_Offline");
    }
    STDMETHODIMP put_Offline(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_Offline");
    }
    STDMETHODIMP get_Silent(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_Silent");
    }
    STDMETHODIMP put_Silent(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_Silent");
    }
    STDMETHODIMP get_RegisterAsBrowser(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_RegisterAsBrowser");
    }
    STDMETHODIMP put_RegisterAsBrowser(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_RegisterAsBrowser");
    }
    STDMETHODIMP get_RegisterAsDropTarget(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_RegisterAsDropTarget");
    }
    STDMETHODIMP put_RegisterAsDropTarget(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_RegisterAsDropTarget");
    }
    STDMETHODIMP get_TheaterMode(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_TheaterMode");
    }
    STDMETHODIMP put_TheaterMode(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_TheaterMode");
    }
    STDMETHODIMP get_AddressBar(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_AddressBar");
    }
    STDMETHODIMP put_AddressBar(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_AddressBar");
    }
    STDMETHODIMP get_Resizable(VARIANT_BOOL*) override {
        return Unimplemented("IWebBrowser2::get_Resizable");
    }
    STDMETHODIMP put_Resizable(VARIANT_BOOL) override {
        return Unimplemented("IWebBrowser2::put_Resizable");
    }
};

} // namespace standin
