#include "login/LoginPopupDlg.h"

#include "framework/Strings.h"
#include "login/LanderLogin.h"
#include "login/RememberedAccount.h"
#include "resources/resource.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 460;
// The band above the page that shows the popup's own background and buttons.
constexpr int kTitleBand = 72;
const COLORREF kHoleColour = RGB(0, 255, 0);
constexpr BYTE kAlpha = 250;
constexpr WORD kBackgroundBitmap = 318;
constexpr WORD kMinimizePngs[3] = {320, 321, 322};
constexpr WORD kClosePngs[3] = {323, 324, 325};

void Place(const CTouchButton& button, int x, int y, int width, int height) {
    SetWindowPos(button.GetSafeHwnd(), nullptr, x, y, width, height, SWP_NOZORDER);
}

} // namespace

CLoginPopupDlg::CLoginPopupDlg(fw::CWnd* parent)
    : fw::CDialog(IDD_LOGIN_POPUP, parent ? parent->GetSafeHwnd() : nullptr),
      panel_(dynamic_cast<CLanderLogin*>(parent)) {
}

CLoginPopupDlg::~CLoginPopupDlg() {
    webForm_.reset();
    backgroundBrush_.Reset();
}

void CLoginPopupDlg::DoDataExchange() {
    DDX_Control(IDC_LOGIN_MINIMIZE, minimizeButton_);
    DDX_Control(IDC_LOGIN_CLOSE, closeButton_);
}

BOOL CLoginPopupDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    // The panel moves the popup to its real place right after creation.
    SetWindowPos(m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER);
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(m_hWnd, kHoleColour, kAlpha, LWA_COLORKEY | LWA_ALPHA);
    LoadRememberedAccount();

    RECT client{};
    GetClientRect(m_hWnd, &client);
    webForm_ = std::make_unique<WebFormLogin>();
    webForm_->SetOwnerWindow(m_hWnd);
    webForm_->SetFirstDocumentSeen(false);
    webForm_->InPlaceActivate();
    RECT page = client;
    page.top += kTitleBand;
    webForm_->SetTargetRect(page);
    webForm_->Navigate(fw::LoadResString(IDS_START_PAGE));
    // Until a document has loaded, the popup's own background shows where the
    // page will be, not an empty white browser; the form places the control
    // once a document is complete.
    webForm_->SetControlRect(RECT{0, 0, 0, 0});

    minimizeButton_.SetStateImages(kMinimizePngs[0], kMinimizePngs[1], kMinimizePngs[2]);
    Place(minimizeButton_, client.right - 65, 30, 30, 27);
    closeButton_.SetStateImages(kClosePngs[0], kClosePngs[1], kClosePngs[2]);
    Place(closeButton_, client.right - 82, 0, 30, 28);

    fw::UniqueGdiObject bitmap(
        LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kBackgroundBitmap)));
    backgroundBrush_ = fw::UniqueGdiObject(CreatePatternBrush(static_cast<HBITMAP>(bitmap.Get())));
    return TRUE;
}

void CLoginPopupDlg::OnFormNavigate() {
    if (LastFormUrl.find(kGameEntryMark) == std::wstring::npos || !panel_)
        return;
    panel_->SetGameUrl(LastFormUrl);
    panel_->EndDialog(0);
}

void CLoginPopupDlg::OnMinimizePanel() {
    if (panel_)
        ShowWindow(panel_->GetSafeHwnd(), SW_MINIMIZE);
}

BOOL CLoginPopupDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        int forwarded = -1;
        switch (msg->wParam) {
        case VK_RETURN:
            // Straight to the page: Enter must never press a dialog button.
            return FALSE;
        case VK_TAB:
            forwarded = ForwardToPage(*msg);
            break;
        case 'A':
        case 'C':
        case 'V':
        case 'X':
            if (GetAsyncKeyState(VK_CONTROL) != 0)
                forwarded = ForwardToPage(*msg);
            break;
        case VK_SPACE:
        case VK_ESCAPE:
            return TRUE;
        default:
            break;
        }
        if (forwarded >= 0)
            return forwarded;
    }
    return fw::CDialog::PreTranslateMessage(msg);
}

int CLoginPopupDlg::ForwardToPage(const MSG& msg) {
    // The page's own window is what the document expects keys to be for;
    // until the control has made it, keys are not forwarded.
    HWND server = webForm_ ? webForm_->FindServerWindow() : nullptr;
    if (!server)
        return -1;
    IWebBrowser2* browser = webForm_->GetWebBrowser();
    fw::ComPtr<IDispatch> document;
    if (!browser || FAILED(browser->get_Document(document.Put())) || !document)
        return -1;
    auto active = document.As<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
    if (!active)
        return -1;
    MSG copy = msg;
    copy.hwnd = server;
    return active->TranslateAccelerator(&copy) == S_OK ? TRUE : FALSE;
}

LRESULT CLoginPopupDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_LOGIN_MINIMIZE:
            OnMinimizePanel();
            return 0;
        case IDC_LOGIN_CLOSE:
            CLanderLogin::AskExit();
            return 0;
        case ID_FORM_NAVIGATE:
            OnFormNavigate();
            return 0;
        default:
            break;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            CLanderLogin::AskExit();
            return 0;
        }
        break;
    case WM_CTLCOLORDLG:
        if (reinterpret_cast<HWND>(lParam) == m_hWnd && backgroundBrush_)
            return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
        break;
    default:
        break;
    }
    return fw::CDialog::WindowProc(msg, wParam, lParam);
}
