// Over many made-up Petri net drawings with places of every kind (marking in a cell or in
// a box, capacities, stack places named and unnamed, start/end and connection places,
// elements in plain groups): a simulation's display of random markings and highlights,
// with saves in between, writes no cell outside the simulator's own and leaves the
// drawing exactly as it was, at every save and at the end.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "platform/ui/Backend.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Host.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simulator/Marking.h"
#include "simulator/SimulationShapeDisplay.h"
#include "tests/simulator/SimulatorNets.h"
#include "tests/support/EventRecorder.h"

namespace simtest {
namespace {

using simhost::stencil::StencilOptions;
using simhost::stencil::ValueIn;
using ShapeRef = visio::ComRef<simhost::Shape>;
using CellKey = std::array<int32_t, 4>;

constexpr uint32_t kDrawings = 30;
constexpr int kActions = 10;

bool chance(std::mt19937& random, int oneIn) {
    return uniform(random, 1, oneIn) == 1;
}

template <class T>
const T& pick(std::mt19937& random, const std::vector<T>& list) {
    return list[uniform(random, 0, static_cast<int>(list.size()) - 1)];
}

// Places of every kind and transitions on a grid, arcs between those on the page, now
// and then an element inside a plain group, and a plain shape.
class NetDrawing {
public:
    NetDrawing(simhost::Host& host, simhost::Page& page, std::mt19937& random)
        : host_(host), page_(page), random_(random) {}

    void draw() {
        const int places = uniform(random_, 2, 7);
        for (int i = 0; i < places; ++i) placed(dropPlace(optionsFor("p" + std::to_string(i))));
        const int transitions = uniform(random_, 1, 4);
        for (int i = 0; i < transitions; ++i) {
            const ShapeRef t =
                simhost::stencil::dropTransition(page_, optionsFor("t" + std::to_string(i)));
            if (t && !t->group()) transitions_.push_back(t);
        }
        for (int arcs = uniform(random_, 0, 2 * transitions); arcs > 0; --arcs) dropArc();
        if (chance(random_, 2)) host_.addShape(page_, simhost::ShapeSpec::box(0.5, 9, 0.5, 0.5));
    }

private:
    StencilOptions optionsFor(const std::string& name) {
        StencilOptions options;
        options.text = name;
        options.fromMaster = !chance(random_, 4);
        const int slot = next_++;
        options.pin = {1.5 + 2.5 * (slot % 5), 1.5 + 2.5 * (slot / 5)};
        if (chance(random_, 5)) {
            const ShapeRef group = host_.addShape(
                page_, simhost::ShapeSpec::group(options.pin.x, options.pin.y, 2, 2));
            options.group = group.get();
            options.pin = {1, 1};
        }
        return options;
    }

    ShapeRef dropPlace(StencilOptions options) {
        using namespace simhost::stencil;
        const std::string one = chance(random_, 2) ? "1" : "0";
        switch (uniform(random_, 0, 5)) {
            case 0:
                options.marking = one;
                options.capacity = chance(random_, 2) ? "" : "2";
                return simhost::stencil::dropPlace(page_, options);
            case 1:
                options.markingIn = ValueIn::TextBox;
                options.marking = pick(random_, std::vector<std::string>{"", "0", "3"});
                options.capacityIn = chance(random_, 2) ? ValueIn::TextBox : ValueIn::Cell;
                options.capacity = chance(random_, 2) ? "" : "4";
                return simhost::stencil::dropPlace(page_, options);
            case 2:
                options.marking = one;
                options.capacityIn = ValueIn::TextBox;
                options.capacity = chance(random_, 2) ? "" : "2";
                return simhost::stencil::dropPlace(page_, options);
            case 3:
                options.capacity = pick(random_, std::vector<std::string>{"", "1", "2"});
                if (chance(random_, 2)) options.text.clear();
                return colouredName(dropStackPlace(page_, options));
            case 4:
                options.marking = one;
                return dropStartEndPlace(page_, options);
            default:
                options.marking = one;
                return dropConnectionPlace(page_, options);
        }
    }

    // A user's colour on the part that shows the name.
    ShapeRef colouredName(ShapeRef stackPlace) {
        if (chance(random_, 2)) stackPlace->memberList()[1]->setCell("Char.Color", "RGB(0,0,255)");
        return stackPlace;
    }

    void placed(const ShapeRef& place) {
        if (place && !place->group()) places_.push_back(place);
    }

    void dropArc() {
        if (places_.empty() || transitions_.empty()) return;
        ShapeRef from = pick(random_, places_);
        ShapeRef to = pick(random_, transitions_);
        if (chance(random_, 2)) std::swap(from, to);
        StencilOptions options;
        options.begin = {from->number("PinX"), from->number("PinY")};
        options.end = {to->number("PinX"), to->number("PinY")};
        options.weight = chance(random_, 2) ? "" : "2";
        const ShapeRef arc = simhost::stencil::dropArc(page_, options);
        host_.glueToShape(*arc, visio::visBegin, *from);
        host_.glueToShape(*arc, visio::visEnd, *to);
    }

    simhost::Host& host_;
    simhost::Page& page_;
    std::mt19937& random_;
    std::vector<ShapeRef> places_;
    std::vector<ShapeRef> transitions_;
    int next_ = 0;
};

std::string fileOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    return text;
}

template <class Element>
std::vector<Element*> someOf(GEElementSet& set, std::mt19937& random) {
    std::vector<Element*> chosen;
    for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext()) {
        if (chance(random, 3)) chosen.push_back(static_cast<Element*>(e));
    }
    return chosen;
}

// One drawing through a simulation's display, as the simulator drives it.
class ShownDrawing {
public:
    explicit ShownDrawing(uint32_t seed) : random_(seed), document_(host_.newDocument()) {
        NetDrawing(host_, page(), random_).draw();
        shown_ = std::make_unique<DisplayedPage>(visio::VShapes(page().Shapes()));
        // The writes of the drawing and of its reading are none of the display's.
        host_.pump();
        before_ = fileOf(*document_);
        allowCellsOfTheDisplay();
        writes_.subscribe(visio::visEvtCodeCellChanged);
    }

    void run() {
        SimulationShapeDisplay& display = shown_->display();
        display.saveFormats(&shown_->writtenCells());
        current_ = std::make_unique<Marking>(shown_->initialMarking());
        display.showMarking(*current_);
        for (int i = 0; i < kActions; ++i) act();
        if (chance(random_, 2)) display.clearHighlight();
        display.showMarking(shown_->initialMarking());
        display.restoreFormats();
        EXPECT_EQ(fileOf(*document_), before_);
        expectOnlyTheDisplaysCellsWritten();
    }

private:
    simhost::Page& page() { return *document_->page(1); }

    void act() {
        SimulationShapeDisplay& display = shown_->display();
        switch (uniform(random_, 0, 4)) {
            case 0:
            case 1:
                showRandomMarking();
                break;
            case 2:
                display.highlightConflictPlaces(someOf<GEPlace>(*passive(), random_), random_());
                display.highlightEnabledTransitions(
                    someOf<GEGraphElement>(*shown_->holder().getActive(), random_), random_());
                break;
            case 3:
                display.clearHighlight();
                break;
            default:
                saveInBetween();
                break;
        }
    }

    void showRandomMarking() {
        for (int32_t i = 0; i < current_->placeCount(); ++i) {
            current_->setTokensAt(i, chance(random_, 3) ? 0 : uniform(random_, 1, 12));
        }
        shown_->display().showMarking(*current_);
    }

    // What the simulator does around a save: the saved drawing is the one drawn.
    void saveInBetween() {
        SimulationShapeDisplay& display = shown_->display();
        display.showMarking(shown_->initialMarking());
        display.restoreFormats();
        EXPECT_EQ(fileOf(*document_), before_) << "saved during the simulation";
        display.saveFormats(&shown_->writtenCells());
        display.showMarking(*current_);
    }

    // Besides the simulator's tables: the marking cells and the colour of the stack
    // places' names that the display generates.
    void allowCellsOfTheDisplay() {
        GEElementSet& places = *passive();
        for (GEGraphElement* e = places.getFirst(); e != places.end(); e = places.getNext()) {
            const auto* place = static_cast<const GEPlace*>(e);
            if (!place->isStackPlace() && !place->getMarkingCellName().empty()) {
                allow(place->getMarkingCellShapeID(), place->getMarkingCellName());
            } else if (place->isStackPlace() && place->getIdentifier().empty() &&
                       place->getIdentifierID() > 0) {
                allow(place->getIdentifierID(), "Char.Color");
            }
        }
    }

    void allow(int32_t shapeID, const std::string& cellName) {
        const auto address = shape(shapeID).sheet().resolve(cellName);
        ASSERT_TRUE(address) << cellName;
        allowed_.insert({shapeID, address->section, address->row, address->cell});
    }

    void expectOnlyTheDisplaysCellsWritten() {
        host_.pump();
        const CellAddressTable& tables = shown_->savedCells();
        int written = 0;
        for (const auto& event : writes_.events()) {
            const visio::VCell cell = visio::VObject(event.subject).as<visio::VCell>();
            const CellKey key{cell.Shape().ID(), cell.Section(), cell.Row(), cell.Column()};
            bool inTables = false;
            for (int32_t i = 0; i < tables.getCount(); ++i) {
                const CellAddress a = tables.get(i);
                inTables |= a.section == key[1] && a.row == key[2] && a.cell == key[3];
            }
            EXPECT_TRUE(inTables || allowed_.count(key))
                << "shape " << key[0] << " cell " << key[1] << "/" << key[2] << "/" << key[3];
            ++written;
        }
        EXPECT_GT(written, 0);
    }

    GEElementSet* passive() { return shown_->holder().getPassive(); }
    simhost::Shape& shape(int32_t id) { return *page().findShape(id); }

    std::mt19937 random_;
    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    std::unique_ptr<DisplayedPage> shown_;
    std::unique_ptr<Marking> current_;
    std::string before_;
    std::set<CellKey> allowed_;
    testsupport::EventRecorder writes_{host_.application()};
};

TEST(SimulationShapeDisplayPropertyTest, ShowsOnlyItsOwnCellsAndLeavesTheDrawingAsItWas) {
    simhost::headless::HeadlessBackend backend;
    ui::Backend::install(&backend);
    for (uint32_t seed = 1; seed <= kDrawings; ++seed) {
        SCOPED_TRACE("drawing " + std::to_string(seed));
        ShownDrawing(seed).run();
    }
    ui::Backend::install(nullptr);
}

}  // namespace
}  // namespace simtest
