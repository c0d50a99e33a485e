// A property sheet, in the manner of MFC's CPropertySheet: a dialog with a tab per page
// and the buttons OK, Cancel and Apply, modal or modeless. The buttons are there in both
// cases (a modeless Win32 sheet would lose them):
// - OK applies every page in page order (also pages never shown, which apply the values
//   they hold), then closes the sheet;
// - Cancel closes the sheet and applies nothing;
// - Apply applies the pages shown so far and is enabled only while a page is modified.
// A page's OnInitDialog runs when the page is first shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

namespace ui {

class PropertyPage;

class PropertySheet : public Dialog {
public:
    // The ids of the sheet's tab control and Apply button (AFX_IDC_TAB_CONTROL,
    // ID_APPLY_NOW); OK and Cancel are kIdOk and kIdCancel.
    static constexpr int32_t kTabControlId = 0x3020;
    static constexpr int32_t kApplyNowId = 0x3021;

    explicit PropertySheet(std::string caption, WindowHandle parent = WindowHandle(),
                           int32_t selectPage = 0);
    // Pages stay: the sheet does not own them.
    ~PropertySheet() override;

    // Appends a page (not owned), before the sheet is created.
    void addPage(PropertyPage* page);
    void removePage(PropertyPage* page);
    int32_t pageCount() const { return static_cast<int32_t>(pages_.size()); }
    PropertyPage* page(int32_t index) const;
    const std::string& caption() const { return caption_; }

    // Before creation: the page shown first. Afterwards: shows the page; false when the
    // page shown refuses to be left or the index is out of range.
    bool setActivePage(int32_t index);
    int32_t activeIndex() const { return active_; }
    PropertyPage* activePage() const { return page(active_); }

    // Enables Apply while any page is modified.
    void updateApplyButton();

    // Shows the first page.
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // The Apply button.
    virtual void OnApplyNow();

protected:
    void prepareTemplate(DialogTemplate& dialogTemplate) override;

private:
    void onTabChanged();
    bool showPage(int32_t index);
    bool createPageWindow(PropertyPage& page);
    bool leaveActivePage();
    void closeSheet(intptr_t result);

    std::string caption_;
    std::vector<PropertyPage*> pages_;
    int32_t firstPage_ = 0;
    int32_t active_ = -1;
    // Where the pages sit, in the sheet's dialog units.
    UnitRect pageArea_;
};

}  // namespace ui
