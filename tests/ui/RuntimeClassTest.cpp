#include "platform/ui/RuntimeClass.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/PropertyPage.h"

namespace {

ui::DialogTemplate testPageTemplate() {
    ui::DialogTemplate t;
    t.caption = "Test Page";
    t.style = ui::dialog_style::kChild;
    return t;
}

class TestPropertyPage : public ui::PropertyPage {
    UI_DECLARE_DYNCREATE(TestPropertyPage)
public:
    TestPropertyPage() : ui::PropertyPage(testPageTemplate()) {}
};

UI_IMPLEMENT_DYNCREATE(TestPropertyPage)

std::unique_ptr<ui::Dialog> makePlainDialog() {
    return std::make_unique<ui::Dialog>(ui::DialogTemplate());
}

TEST(RuntimeClass, AClassWithARecordIsFoundAndCreatedByItsName) {
    const ui::RuntimeClass* record = ui::RuntimeClass::fromName("TestPropertyPage");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record, &TestPropertyPage::classRecord());
    EXPECT_EQ(record->className(), "TestPropertyPage");

    std::unique_ptr<ui::Dialog> created = record->createObject();
    ASSERT_NE(created, nullptr);
    auto* page = dynamic_cast<TestPropertyPage*>(created.get());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->caption(), "Test Page");
    EXPECT_EQ(created->GetRuntimeClass(), record);
}

TEST(RuntimeClass, ClassesWithoutARecordAndUnknownNamesHaveNone) {
    ui::Dialog plain{ui::DialogTemplate()};
    EXPECT_EQ(plain.GetRuntimeClass(), nullptr);
    EXPECT_EQ(ui::RuntimeClass::fromName("PPDialogX"), nullptr);
    EXPECT_EQ(ui::RuntimeClass::fromName("testpropertypage"), nullptr) << "names are exact";
}

TEST(RuntimeClass, ARecordIsWithdrawnWithItsObjectAndNeverReplacesAnother) {
    {
        ui::RuntimeClass scoped("ScopedDialog", &makePlainDialog);
        EXPECT_TRUE(scoped.isRegistered());
        EXPECT_EQ(ui::RuntimeClass::fromName("ScopedDialog"), &scoped);
        std::vector<std::string> names = ui::RuntimeClass::registeredNames();
        EXPECT_NE(std::find(names.begin(), names.end(), "ScopedDialog"), names.end());

        ui::RuntimeClass duplicate("TestPropertyPage", &makePlainDialog);
        EXPECT_FALSE(duplicate.isRegistered());
    }
    EXPECT_EQ(ui::RuntimeClass::fromName("ScopedDialog"), nullptr);
    EXPECT_EQ(ui::RuntimeClass::fromName("TestPropertyPage"), &TestPropertyPage::classRecord());
}

}  // namespace
