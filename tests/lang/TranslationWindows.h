#pragma once
// A window shaped like the main window: a dialog (id 102) with a button, a
// static without an id, a list box of page names, a combo box, list views and
// an edit, holding a child property sheet with three pages (Monitor,
// Scheduler, Options); the Options page has the autoload check box 1005 and
// the excluded language list 1043. Every page has been activated once.
#include <memory>

#include "framework/PropertySheet.h"
#include "tests/lang/DialogTemplate.h"

// The template of a property page with the given caption.
DialogTemplate PageTemplate(const std::string& caption);

class TestPage : public CPropertyPage {
public:
    explicit TestPage(const DialogTemplate& pageTemplate);
};

class MainLikeWindow {
public:
    MainLikeWindow();
    ~MainLikeWindow();

    HWND Dialog() const { return host_.m_hWnd; }
    CWnd* DialogWnd() { return &host_; }
    HWND Control(int id) const { return GetDlgItem(Dialog(), id); }
    HWND PageControl(int page, int id) const { return GetDlgItem(Page(page), id); }
    HWND Page(int index) const { return pages_[index]->m_hWnd; }
    CPropertySheet& Sheet() { return sheet_; }
    std::string TabText(int index) const;

private:
    std::vector<DialogTemplate> templates_;
    CWnd host_;
    std::vector<std::unique_ptr<TestPage>> pages_;
    CPropertySheet sheet_;
};

// A dialog shaped like the half-year calendar (131): caption and two buttons.
class HalfYearLikeDialog {
public:
    HalfYearLikeDialog();
    ~HalfYearLikeDialog();
    HWND Get() const { return window_; }

private:
    DialogTemplate template_;
    HWND window_;
};

std::string TextOf(HWND window);
std::string ListBoxItem(HWND listBox, int index);
std::string ComboBoxItem(HWND comboBox, int index);

// Test ids of the main-like window's own controls.
enum {
    kWizardButton = 1001,
    kDotsButton = 1002,
    kEdit = 1003,
    kCombo = 1004,
    kListView = 1008,
    kBareListView = 1009,
    kPageList = 1023,
    kTodayStatic = 1010,
    kAutoload = 1005,
    kLanguageList = 1043,
    kNoId = 65535
};
