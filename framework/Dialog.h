#pragma once
// Dialogs from templates of the program's resources: modal (DoModal, with a
// message loop of our own so that PreTranslateMessage works inside it) and
// modeless (Create).
#include "framework/Wnd.h"

class CDialog;

// What DoDataExchange gets: the dialog whose controls are bound.
struct CDataExchange {
    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Registers the common control classes (once per process); every dialog and
// sheet does it before it is created.
void AfxInitCommonControls();

// Binds a control member to the dialog's control with that id.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

// Registers a window class that behaves as the system's dialog class, for a
// template that names it (CLASS "name"): other programs can then find the
// dialog by its class rather than by its translated caption. Once per process.
bool RegisterDialogClass(const char* className);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally, owned by its parent (none without one).
    // Returns the EndDialog result, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (hidden unless its template is visible).
    bool Create(UINT templateId = 0, CWnd* parent = nullptr);
    void EndDialog(INT_PTR result);

    UINT GetTemplateId() const { return templateId_; }
    bool UpdateData(bool saveAndValidate = true);

    BOOL PreTranslateMessage(MSG* message) override;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Frees the pictures of the dialog's statics when the dialog goes.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Binding at WM_INITDIALOG, shared with property pages.
    BOOL BindAndInit(HWND window);
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

    UINT templateId_;
    CWnd* parent_;

private:
    bool inModalLoop_ = false;
    bool endModal_ = false;
    INT_PTR modalResult_ = -1;
};
