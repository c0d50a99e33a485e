// What the title block component's tests run in: the stand-in host registered as the
// running Visio, the stand-in system with its files in memory and a calendar the test
// sets, and a main controller whose only tool is the title block component, so that
// Visio's events and the action rows' run requests reach it as they do inside Visio.
#pragma once

#include <memory>
#include <string>

#include "core/MainController.h"
#include "shapetools/TitleBlockComponent.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/stencil/StencilOptions.h"

namespace titleblocktest {

class TitleBlockTestHost {
public:
    // A drawing with the pages named (the first one shown) and the tools created, for a
    // user with that list separator.
    explicit TitleBlockTestHost(const std::vector<std::string>& pageNames = {"Page-1"},
                                const std::string& listSeparator = ",");
    ~TitleBlockTestHost();
    TitleBlockTestHost(const TitleBlockTestHost&) = delete;
    TitleBlockTestHost& operator=(const TitleBlockTestHost&) = delete;

    TitleBlockComponent& component() { return *component_; }
    simhost::Document& document() { return *document_.get(); }
    simhost::Window& window() { return *host.application().activeWindow(); }
    simhost::Page& page(const std::string& name) { return *document().pageNamed(name); }
    simhost::Page& shownPage() { return *host.application().activePage(); }
    void show(const std::string& pageName) { host.turnToPage(window(), page(pageName)); }

    // A run request as an action row sends it, and what follows until Visio is idle.
    bool run(const std::string& runString);
    // The user picks a row (from 1) of a shape's or page's shortcut menu.
    bool pick(simhost::Shape& shape, int row);
    // Visio becomes idle once more.
    void idle();

    // The masters dropped on the shown page, with their pin (lower left corner) at the
    // options' pin.
    visio::ComRef<simhost::Shape> dropTitleBlock(simhost::stencil::Point corner = {1, 1});
    visio::ComRef<simhost::Shape> dropFrame();

    simhost::StandInSystem system;
    simhost::Host host;

private:
    visio::ComRef<simhost::Document> document_;
    std::unique_ptr<MainController> controller_;
    TitleBlockComponent* component_ = nullptr;
};

// The shape's n-th sub-shape (from 1).
simhost::Shape* part(simhost::Shape& shape, int n);
// The cell's value as Visio's value read in millimetres gives it.
double millimetres(simhost::Shape& shape, const std::string& cell);

}  // namespace titleblocktest
