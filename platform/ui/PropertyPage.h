// One page of a property sheet, in the manner of MFC's CPropertyPage: a child dialog
// built from its template (whose caption is the page's tab title), created when the
// sheet first shows it, and applied by the sheet.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

namespace ui {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(DialogTemplate dialogTemplate);
    // Leaves the sheet it belongs to.
    ~PropertyPage() override;

    const std::string& caption() const { return dialogTemplate().caption; }
    PropertySheet* sheet() const { return sheet_; }

    // Marks the page changed (or clean); the sheet's Apply button is enabled while any
    // page is changed.
    void SetModified(bool changed = true);
    bool isModified() const { return modified_; }

    // Applies the page's values (the sheet's OK and Apply); true when it did. The base
    // has nothing to apply.
    virtual bool OnApply();
    // The page is about to be shown; false keeps the sheet on the page it was on.
    virtual bool OnSetActive();
    // The page is about to be left, or the sheet applied: the base moves the controls
    // into the fields. False keeps the page.
    virtual bool OnKillActive();

protected:
    // A page is a child window without frame, shown by its sheet.
    void prepareTemplate(DialogTemplate& dialogTemplate) override;

private:
    friend class PropertySheet;
    PropertySheet* sheet_ = nullptr;
    bool modified_ = false;
};

}  // namespace ui
