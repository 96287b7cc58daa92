#pragma once
// Thin wrappers of the standard controls, with the messages the program uses.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/DateTime.h"
#include "framework/WindowText.h"
#include "framework/Wnd.h"

// A picture static owns the bitmap it shows: one it loaded from its template
// as well as one given to it with ShowBitmap. The dialog that holds it frees
// that bitmap when it is destroyed (ReleaseStaticPictures).
class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    // Shows the bitmap, which the static then owns, and frees the one it showed.
    void ShowBitmap(HBITMAP owned);
    HBITMAP GetBitmap() const
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    }
};

// Frees the bitmaps that the window's picture statics show. Static controls
// do not free a bitmap they loaded from a template (Wine) or were given
// (Windows), so the holder does, once, before its children go.
void ReleaseStaticPictures(HWND parent);

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT characters) { SendMessage(EM_LIMITTEXT, characters); }
};

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    int AddString(const std::string& text)
    {
        return static_cast<int>(fw::SendTextMessage(m_hWnd, LB_ADDSTRING, 0, text));
    }
    std::string GetText(int index) const;
    LRESULT GetItemData(int index) const { return SendMessage(LB_GETITEMDATA, index); }
    int SetItemData(int index, LRESULT data)
    {
        return static_cast<int>(SendMessage(LB_SETITEMDATA, index, data));
    }
    bool GetItemRect(int index, RECT* rect) const
    {
        return SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)) != LB_ERR;
    }
    // The nearest item to a client point; outside is true below the last item.
    int ItemFromPoint(POINT point, bool& outside) const;

    // Owner drawing, reflected from the parent.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int AddString(const std::string& text)
    {
        return static_cast<int>(fw::SendTextMessage(m_hWnd, CB_ADDSTRING, 0, text));
    }
    int FindStringExact(int start, const std::string& text) const
    {
        return static_cast<int>(
            fw::SendTextMessage(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text));
    }
    std::string GetLBText(int index) const;
    LRESULT GetItemData(int index) const { return SendMessage(CB_GETITEMDATA, index); }
    int SetItemData(int index, LRESULT data)
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, index, data));
    }
    bool GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != 0; }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { SendMessage(UDM_SETRANGE32, lower, upper); }
    // The whole answer of UDM_GETPOS: a non-zero high word reports failure.
    DWORD GetPos() const { return static_cast<DWORD>(SendMessage(UDM_GETPOS)); }
    int SetPos(int position)
    {
        return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0)));
    }
};

class CDateTimeCtrl : public CWnd {
public:
    bool GetTime(COleDateTime& time) const;
    bool SetTime(const COleDateTime& time);
};
