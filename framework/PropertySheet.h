#pragma once
// Property sheets and pages over the common controls. A sheet is either a
// modal dialog (DoModal, also as a wizard with PSH_WIZARD in m_psh.dwFlags)
// or a modeless child window inside another window (Create with WS_CHILD).
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"

// Results and buttons of a wizard.
#ifndef ID_WIZBACK
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025
#endif

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);
    ~CPropertyPage() override;

    // Called each time the page becomes the current page; false refuses.
    virtual BOOL OnSetActive() { return TRUE; }
    virtual BOOL OnKillActive() { return TRUE; }
    virtual BOOL OnWizardFinish() { return TRUE; }

    // The sheet that holds the page (null before the page is added).
    CPropertySheet* GetSheet() const { return sheet_; }

    PROPSHEETPAGEW m_psp{};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK StaticPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    CPropertySheet* sheet_ = nullptr;
};

class CPropertySheet : public CWnd {
public:
    explicit CPropertySheet(const char* caption = "", CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    // Modeless; with WS_CHILD in style the sheet becomes a child of parent.
    bool Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
    // Modal; a wizard answers ID_WIZFINISH after Finish and IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }
    HWND GetTabControl() const;
    bool PressButton(int button);
    bool IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }

    // Called once the sheet window and its first page exist.
    virtual BOOL OnInitDialog() { return TRUE; }

    PROPSHEETHEADERW m_psh{};

private:
    void BuildHeader(CWnd* parent);
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);

    std::wstring caption_;
    CWnd* parent_;
    std::vector<CPropertyPage*> pages_;
    std::vector<PROPSHEETPAGEW> pageRecords_;
    bool makeChild_ = false;
};
