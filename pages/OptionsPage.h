#pragma once
// The Options page: start with Windows, the pink notification icon during a
// critical period, and the language of the user interface with its
// translator's name, contact and date. Every change is stored at once.
#include "framework/Controls.h"
#include "ui/FramedPage.h"

class CDialogCritOpt : public CFramedPage {
public:
    CDialogCritOpt();

    // Lists the language files beside the executable.
    BOOL OnInitDialog() override;
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnAutoload();
    void OnCritRed();
    void OnLanguageChange();

private:
    void FillLanguageList();
    void SelectStoredLanguage();
    void ShowTranslatorInfo();

    CEdit date_;
    CEdit translator_;
    CEdit contact_;
    // The language list is left to its own (Unicode) window procedure: bound
    // through the framework's ANSI one, names in other scripts would become
    // question marks.
    HWND language_ = nullptr;
    CButton critRed_;
    CButton autoload_;
};
