#include "framework/Dialog.h"

#include <commctrl.h>

#include "framework/Accessible.h"
#include "framework/Controls.h"
#include "framework/Module.h"
#include "framework/TextCodec.h"
#include "framework/WinApp.h"

void AfxInitCommonControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                    ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (!control.m_hWnd && exchange && exchange->m_pDlgWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

bool RegisterDialogClass(const char* className)
{
    const std::wstring name = fw::Wide(className ? className : "");
    WNDCLASSEXW dialogClass{};
    dialogClass.cbSize = sizeof(dialogClass);
    if (::GetClassInfoExW(AfxGetInstanceHandle(), name.c_str(), &dialogClass))
        return true;
    if (!::GetClassInfoExW(nullptr, L"#32770", &dialogClass))
        return false;
    dialogClass.cbSize = sizeof(dialogClass);
    dialogClass.hInstance = AfxGetInstanceHandle();
    dialogClass.lpszClassName = name.c_str();
    return ::RegisterClassExW(&dialogClass) != 0;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE; // everything else goes through the bound window procedure
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    return dialog ? dialog->BindAndInit(window) : TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (message == WM_DESTROY)
        ReleaseStaticPictures(m_hWnd);
    return result;
}

BOOL CDialog::BindAndInit(HWND window)
{
    SubclassWindow(window);
    fw::MarkDecorativePictures(window);
    return OnInitDialog();
}

bool CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd)
        return false;
    if (templateId)
        templateId_ = templateId;
    if (parent)
        parent_ = parent;
    AfxInitCommonControls();
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    HWND window = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId_), owner,
                                       &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr && m_hWnd == window;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    bool enableOwner = owner && ::IsWindowEnabled(owner);
    if (enableOwner)
        ::EnableWindow(owner, FALSE);

    AfxInitCommonControls();
    inModalLoop_ = true;
    endModal_ = false;
    modalResult_ = -1;
    HWND window = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId_), owner,
                                       &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (window) {
        if (!endModal_) {
            ::ShowWindow(window, SW_SHOW);
            RunModalLoop(window, &endModal_);
        }
        if (enableOwner)
            ::EnableWindow(owner, TRUE);
        if (owner && ::GetActiveWindow() == window)
            ::SetActiveWindow(owner);
        ::DestroyWindow(window);
    } else if (enableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    inModalLoop_ = false;
    return modalResult_;
}

void CDialog::EndDialog(INT_PTR result)
{
    modalResult_ = result;
    if (inModalLoop_) {
        endModal_ = true;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0); // wake the loop
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange{this, saveAndValidate};
    DoDataExchange(&exchange);
    return true;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* message)
{
    // Keyboard navigation of a top-level dialog; child dialogs (pages) leave
    // it to the dialog that holds them.
    if (!m_hWnd || (GetStyle() & WS_CHILD))
        return FALSE;
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST)
        return FALSE;
    if (message->hwnd != m_hWnd && !::IsChild(m_hWnd, message->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, message);
}
