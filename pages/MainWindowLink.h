#pragma once
// How the configuration pages reach the main window: a page sits in the main
// window's page sheet, so the main window is the parent of the page's
// parent. The main window implements this interface.
class CWnd;

class MainWindowLink {
public:
    // Brings the Monitor page to today and sets the notification icon.
    virtual void RefreshCycleState() = 0;
    // Makes the stored language current and translates the main window.
    virtual void ApplyLanguage(bool initial) = 0;

protected:
    ~MainWindowLink() = default;
};

// The main window that holds the page (page, page sheet, main window); null
// when the page is not inside such a window.
MainWindowLink* MainWindowOf(const CWnd* page);
