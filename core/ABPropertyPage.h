// The About page (dialog 117), the last page of the preference sheet: the add-on's
// picture, the makers' notice, who realised the stencils and thanks. It holds no
// settings: it never reads or writes one, and applying it writes nothing.
#pragma once

#include "core/PreferencePage.h"
#include "platform/ui/RuntimeClass.h"

class ABPropertyPage : public PreferencePage {
    UI_DECLARE_DYNCREATE(ABPropertyPage)

public:
    ABPropertyPage();
    ~ABPropertyPage() override;

    // Keeps neither: the store and the owner stay null.
    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    bool OnInitDialog() override;
    bool OnApply() override;
};
