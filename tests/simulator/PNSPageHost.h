// What the tests of the simulator's page and its colour buttons run in: the headless
// window backend, a settings store in memory that records what is written, an owner
// that counts how often it took the settings over, and a sheet that shows the page.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/PreferencesTool.h"
#include "core/SupportTool.h"
#include "platform/ui/PropertySheet.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"
#include "simulator/PNSPropertyPage.h"

namespace pnspagetest {

class MemoryStore : public PreferencesTool {
public:
    MemoryStore();
    bool writeSetting(std::string key, std::string value) override;
    bool readSetting(std::string key, std::string* value, int32_t* lineOffset) override;

    std::map<std::string, std::string> values;
    // Every write, in order.
    std::vector<std::pair<std::string, std::string>> written;
};

class CountingTool : public SupportTool {
public:
    void createToolbarButton(CommandBarsAccess*, CommandBarObject*) override {}
    bool onCommand(std::string) override { return false; }
    void onVisioEvent(int32_t, const visio::VObject&, visio::Variant) override {}
    PreferencePage* getPreferencePage() override { return nullptr; }
    void applySettings() override { ++applied; }

    int applied = 0;
};

class PNSPageTest : public ::testing::Test {
protected:
    PNSPageTest();
    ~PNSPageTest() override;

    // Attaches the page to the store and the tool, then shows it in a sheet.
    ui::WindowHandle openPage();
    const simhost::headless::HeadlessWindow& control(int32_t id) const;
    // The top-level window made from the template, or null.
    ui::WindowHandle windowOfTemplate(int32_t templateId) const;
    ui::WindowHandle popup() const;

    simhost::headless::HeadlessBackend backend;
    simhost::headless::HeadlessUser user{backend};
    MemoryStore store;
    CountingTool tool;
    PNSPropertyPage page;
    std::unique_ptr<ui::PropertySheet> sheet;
};

}  // namespace pnspagetest
