#pragma once
// Plays the main window for one page: a dialog (template 102) holding the page
// in a child sheet, so the page finds it as the parent of its parent. It owns
// the language engine, counts refreshes, records language changes and
// translates itself as the main window does.
#include <vector>

#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"

template <class Page> class PageHost : public CDialog, public MainWindowLink, public LanguageOwner {
public:
    PageHost() : CDialog(IDD_MAIN) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        sheet.AddPage(&page);
        sheet.Create(this, WS_CHILD | WS_VISIBLE);
        return TRUE;
    }
    void RefreshCycleState() override
    {
        ++refreshes;
        OnRefresh();
    }
    void ApplyLanguage(bool initial) override
    {
        applied.push_back(initial);
        CString stored;
        ReadSettingText(SettingLang, stored);
        language.SetLanguage(stored);
        CString section;
        language.TranslateDialog(initial, false, this, IDD_MAIN, 0, section);
    }
    LanguageManager* GetLanguageManager() override { return &language; }

    CPropertySheet sheet;
    Page page;
    LanguageManager language;
    int refreshes = 0;
    std::vector<bool> applied;

protected:
    virtual void OnRefresh() {}
};
