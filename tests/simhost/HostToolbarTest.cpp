// The menus-and-toolbars object model: toolbar sets, toolbars and items in order,
// deletion, independent clones, UpdateUI, custom toolbars and button clicks.
#include <gtest/gtest.h>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/Host.h"
#include "simhost/host/UIObject.h"

namespace simhost {
namespace {

using namespace visio;

ComRef<IVToolbar> drawingToolbar(const ComRef<IVUIObject>& ui, int32_t index) {
    return ui->ToolbarSets()->ItemAtID(2)->Toolbars()->Item(index);
}

class HostToolbarTest : public ::testing::Test {
protected:
    Host host;
    Application& application = host.application();
};

TEST_F(HostToolbarTest, BuiltInToolbarsHaveTheDrawingSet) {
    ComRef<IVUIObject> builtIn = application.BuiltInToolbars(0);
    ASSERT_TRUE(builtIn);
    ComRef<IVToolbarSet> set = builtIn->ToolbarSets()->ItemAtID(2);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->SetID(), 2);
    EXPECT_GE(set->Toolbars()->Count(), 1);
    EXPECT_FALSE(builtIn->ToolbarSets()->ItemAtID(99));
    EXPECT_FALSE(application.CustomToolbars());
}

TEST_F(HostToolbarTest, ItemsKeepTheirOrderAndGoFrontFirst) {
    ComRef<IVUIObject> ui = application.BuiltInToolbars(0)->Clone();
    ComRef<IVToolbars> toolbars = ui->ToolbarSets()->ItemAtID(2)->Toolbars();
    int32_t before = toolbars->Count();
    ComRef<IVToolbar> bar = toolbars->Add();
    EXPECT_EQ(toolbars->Count(), before + 1);
    EXPECT_EQ(toolbars->Item(before), bar);
    bar->SetCaption("QAV Tools 2.1.1");
    bar->SetProtection(1);
    bar->SetPosition(6);
    bar->SetRowIndex(-1);
    bar->SetVisible(false);
    EXPECT_EQ(bar->Caption(), "QAV Tools 2.1.1");
    EXPECT_EQ(bar->Position(), 6);
    EXPECT_EQ(bar->RowIndex(), -1);
    EXPECT_FALSE(bar->Visible());

    ComRef<IVToolbarItems> items = bar->ToolbarItems();
    for (const char* tag : {"CCStartButton", "PNSButton", "ABHelpButton"}) {
        ComRef<IVToolbarItem> item = items->Add();
        item->SetAddOnArgs(tag);
    }
    ASSERT_EQ(items->Count(), 3);
    EXPECT_EQ(items->Item(0)->AddOnArgs(), "CCStartButton");
    EXPECT_EQ(items->Item(2)->AddOnArgs(), "ABHelpButton");
    EXPECT_FALSE(items->Item(3));

    ComRef<IVToolbarItem> first = items->Item(0);
    first->Delete();
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Item(0)->AddOnArgs(), "PNSButton");
    EXPECT_EQ(first->AddOnArgs(), "");  // a deleted item answers empty values
    first->SetAddOnArgs("x");
    EXPECT_EQ(first->AddOnArgs(), "");

    ComRef<IVToolbarItem> kept = items->Item(0);
    bar->Delete();
    EXPECT_EQ(toolbars->Count(), before);
    EXPECT_EQ(bar->Caption(), "");
    EXPECT_EQ(kept->AddOnArgs(), "");
    EXPECT_FALSE(bar->ToolbarItems());
}

TEST_F(HostToolbarTest, ItemsHaveEveryPropertyOfAButton) {
    ComRef<IVUIObject> ui = application.BuiltInToolbars(0)->Clone();
    ComRef<IVToolbarItem> item = drawingToolbar(ui, 0)->ToolbarItems()->Add();
    item->SetTooltipText("Start Consistency Checker");
    item->SetAddOnName("QAVSupportTools");
    item->SetStyle(2);
    item->SetCaption("Consistency Check");
    item->SetCntrlType(1);
    item->SetPriority(3);
    item->SetIconFileName("QAVSupportTools.vsl,0");
    item->SetEnabled(false);
    item->SetState(-1);
    item->SetVisible(true);
    EXPECT_EQ(item->TooltipText(), "Start Consistency Checker");
    EXPECT_EQ(item->AddOnName(), "QAVSupportTools");
    EXPECT_EQ(item->Style(), 2);
    EXPECT_EQ(item->Caption(), "Consistency Check");
    EXPECT_EQ(item->CntrlType(), 1);
    EXPECT_EQ(item->Priority(), 3);
    EXPECT_EQ(item->IconFileName(), "QAVSupportTools.vsl,0");
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(item->State(), -1);
    EXPECT_TRUE(item->Visible());
}

TEST_F(HostToolbarTest, ClonesAreIndependent) {
    ComRef<IVUIObject> original = application.BuiltInToolbars(0)->Clone();
    ComRef<IVToolbarItem> item = drawingToolbar(original, 0)->ToolbarItems()->Add();
    item->SetCaption("before");

    ComRef<IVUIObject> copy = original->Clone();
    ComRef<IVToolbarItem> copied = drawingToolbar(copy, 0)->ToolbarItems()->Item(0);
    ASSERT_TRUE(copied);
    EXPECT_NE(copied, item);
    EXPECT_EQ(copied->Caption(), "before");
    copied->SetCaption("after");
    EXPECT_EQ(item->Caption(), "before");
    copy->ToolbarSets()->ItemAtID(2)->Toolbars()->Add();
    EXPECT_EQ(original->ToolbarSets()->ItemAtID(2)->Toolbars()->Count() + 1,
              copy->ToolbarSets()->ItemAtID(2)->Toolbars()->Count());
    // The built-in toolbars are untouched by changes to their clones.
    EXPECT_EQ(drawingToolbar(application.BuiltInToolbars(0), 0)->ToolbarItems()->Count(), 0);
}

TEST_F(HostToolbarTest, InstalledToolbarsAreUpdatedAndClicked) {
    std::vector<std::string> runs;
    application.hooks().runAddon = [&](const std::string& name, const std::string& args) {
        runs.push_back(name + ":" + args);
    };
    ComRef<IVUIObject> ui = application.BuiltInToolbars(0)->Clone();
    ComRef<IVToolbar> bar = ui->ToolbarSets()->ItemAtID(2)->Toolbars()->Add();
    ComRef<IVToolbarItem> button = bar->ToolbarItems()->Add();
    button->SetAddOnName("QAVSupportTools");
    button->SetAddOnArgs("CCStartButton");
    application.SetCustomToolbars(ui);
    EXPECT_EQ(application.CustomToolbars(), ui);
    ui->UpdateUI();
    ui->UpdateUI();
    EXPECT_EQ(application.customToolbars()->updateCount(), 2);

    auto found = host.toolbarItem("CCStartButton");
    ASSERT_TRUE(found);
    EXPECT_TRUE(host.clickToolbarItem(*found));
    button->SetEnabled(false);
    EXPECT_FALSE(host.clickToolbarItem(*found));
    EXPECT_EQ(runs, std::vector<std::string>{"QAVSupportTools:CCStartButton"});
    EXPECT_FALSE(host.toolbarItem("PNSButton"));

    // A document's custom toolbars are empty until the host sets them.
    auto document = host.newDocument();
    EXPECT_FALSE(document->CustomToolbars());
    document->setCustomToolbars(UIObject::builtIn());
    EXPECT_TRUE(document->CustomToolbars());
}

}  // namespace
}  // namespace simhost
