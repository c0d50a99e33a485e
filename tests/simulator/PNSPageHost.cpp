#include "tests/simulator/PNSPageHost.h"

#include "platform/ui/Backend.h"
#include "platform/visio/VApplication.h"
#include "resources/Dialog5100Palette.h"

namespace pnspagetest {

MemoryStore::MemoryStore() : PreferencesTool(visio::VApplication()) {}

bool MemoryStore::writeSetting(std::string key, std::string value) {
    values[key] = value;
    written.emplace_back(std::move(key), std::move(value));
    return true;
}

bool MemoryStore::readSetting(std::string key, std::string* value, int32_t*) {
    auto it = values.find(key);
    if (it == values.end()) return false;
    *value = it->second;
    return true;
}

PNSPageTest::PNSPageTest() {
    ui::Backend::install(&backend);
    ColorPalette::shared().reset();
}

PNSPageTest::~PNSPageTest() {
    sheet.reset();
    ui::Backend::install(nullptr);
}

ui::WindowHandle PNSPageTest::openPage() {
    page.attachSettings(&store, &tool);
    sheet = std::make_unique<ui::PropertySheet>("Settings");
    sheet->addPage(&page);
    EXPECT_TRUE(sheet->create());
    return sheet->handle();
}

const simhost::headless::HeadlessWindow& PNSPageTest::control(int32_t id) const {
    const simhost::headless::HeadlessWindow* w = backend.window(page.item(id));
    EXPECT_NE(w, nullptr) << id;
    static const simhost::headless::HeadlessWindow none;
    return w ? *w : none;
}

ui::WindowHandle PNSPageTest::windowOfTemplate(int32_t templateId) const {
    for (ui::WindowHandle h : backend.topLevelWindows()) {
        if (backend.window(h)->templateId == templateId) return h;
    }
    return {};
}

ui::WindowHandle PNSPageTest::popup() const {
    return windowOfTemplate(dialog5100::kId);
}

}  // namespace pnspagetest
