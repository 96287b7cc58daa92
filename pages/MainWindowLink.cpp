#include "pages/MainWindowLink.h"

#include "framework/Wnd.h"

MainWindowLink* MainWindowOf(const CWnd* page)
{
    if (!page || !page->IsWindow())
        return nullptr;
    HWND sheet = ::GetParent(page->m_hWnd);
    HWND main = sheet ? ::GetParent(sheet) : nullptr;
    return dynamic_cast<MainWindowLink*>(CWnd::FromHandlePermanent(main));
}
