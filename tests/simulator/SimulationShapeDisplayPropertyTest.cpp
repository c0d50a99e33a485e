// Over many made-up Petri net drawings with places of every kind (marking in a cell or in
// a box, capacities, stack places named and unnamed, start/end and connection places,
// elements in plain groups): a simulation's display of random markings and highlights,
// with saves in between, writes no cell outside the simulator's own and leaves the
// drawing exactly as it was, at every save and at the end; and the batched display shows
// after every step what the display one by one shows.
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
#include "simhost/file/FileNames.h"
#include "simhost/host/Host.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Shapes.h"
#include "simhost/sheet/ShapeSheet.h"
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

void appendCells(std::string& state, int16_t section, const simhost::SheetRow* row) {
    if (!row) return;
    for (const simhost::SheetCell& cell : row->cells)
        state += std::to_string(section) + (cell.inherited ? "^" : "=") + cell.formula + ";";
}

// What a display may change on a page: the text of every shape and the formula of every
// cell, and whether it inherits. As exact for that as the drawing's file, and quicker.
void appendShapeState(std::string& state, simhost::Shape& shape) {
    state += "\n" + std::to_string(shape.id()) + " \"" + shape.text() + "\" ";
    const simhost::ShapeSheet& sheet = shape.sheet();
    for (int16_t section : sheet.sectionNumbers()) {
        if (section == visio::visSectionObject) {
            for (int16_t r : simhost::FileNames::objectRows())
                appendCells(state, section, sheet.row(section, r));
            continue;
        }
        for (int16_t r = 0; r < sheet.rowCount(section); ++r)
            appendCells(state, section, sheet.row(section, r));
    }
    for (const ShapeRef& member : shape.memberList()) appendShapeState(state, *member);
}

std::string pageState(simhost::Page& page) {
    std::string state;
    for (const ShapeRef& shape : page.shapeCollection().list()) appendShapeState(state, *shape);
    return state;
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

// One drawing twice, in hosts of their own: one shown by the batched display, the other
// as the display always showed it: every cell of the simulator's tables saved for every
// shape of the page, sub-shapes to any depth, read and written one by one. Every step of a
// long random run, as the simulator shows it (the new marking, then the outlines of
// conflict places and enabled transitions), the outlines colour by colour and cleared,
// saves in between, and the end of the run, leave both pages the same. Some outline and
// lock cells hold a guard, which a step's plain write leaves alone either way.
class ComparedRun {
public:
    explicit ComparedRun(uint32_t seed) : random_(seed) {
        for (Side& side : sides_) {
            std::mt19937 drawing(seed);
            side.document = side.host.newDocument("run.vsd");
            NetDrawing(side.host, *side.document->page(1), drawing).draw();
            guardSome(*side.document->page(1), drawing);
        }
        batched().shown = std::make_unique<DisplayedPage>(pageOf(batched()));
        oneByOne().shown =
            std::make_unique<DisplayedPage>(pageOf(oneByOne()), DisplayedPage::Showing::AsAlways);
    }

    void run() {
        for (Side& side : sides_) {
            side.display().saveFormats(&side.shown->writtenCells());
            side.current = std::make_unique<Marking>(side.shown->initialMarking());
        }
        expectSame("entered");
        for (int i = 0; i < kSteps; ++i) act("action " + std::to_string(i));
        for (Side& side : sides_) {
            side.display().showMarking(side.shown->initialMarking());
            side.display().restoreFormats();
        }
        expectSame("left");
        EXPECT_EQ(fileOf(*batched().document), fileOf(*oneByOne().document));
    }

private:
    static constexpr int kSteps = 30;

    struct Side {
        simhost::Host host;
        visio::ComRef<simhost::Document> document;
        std::unique_ptr<DisplayedPage> shown;
        std::unique_ptr<Marking> current;
        SimulationShapeDisplay& display() { return shown->display(); }
    };
    Side& batched() { return sides_[0]; }
    Side& oneByOne() { return sides_[1]; }
    static visio::VShapes pageOf(Side& side) {
        return visio::VShapes(side.document->page(1)->Shapes());
    }

    void guardSome(simhost::Page& page, std::mt19937& random) {
        for (const ShapeRef& shape : page.shapeCollection().list()) {
            if (chance(random, 6)) shape->setCell("LineColor", "GUARD(RGB(9,9,9))");
            if (shape->sheet().resolve("User.QAV_marking") && chance(random, 5))
                shape->setCell("User.QAV_marking", "GUARD(1)");
            for (const ShapeRef& member : shape->memberList()) {
                if (chance(random, 8)) member->setCell("LockTextEdit", "GUARD(0)");
            }
        }
    }

    void act(const std::string& what) {
        switch (uniform(random_, 0, 5)) {
            case 0:
            case 1:
            case 2:
                step();
                break;
            case 3:
                colourSome();
                break;
            case 4:
                for (Side& side : sides_) side.display().clearHighlight();
                break;
            default:
                saveInBetween();
                break;
        }
        expectSame(what);
    }

    // The same places and transitions, by their place in the model's sets, on each side.
    template <class Element>
    static std::vector<Element*> elementsAt(GEElementSet& set, const std::vector<int>& at) {
        std::vector<Element*> elements;
        int i = 0;
        for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext(), ++i) {
            for (int wanted : at)
                if (wanted == i) elements.push_back(static_cast<Element*>(e));
        }
        return elements;
    }
    std::vector<int> someIndexes(int count) {
        std::vector<int> at;
        for (int i = 0; i < count; ++i)
            if (chance(random_, 3)) at.push_back(i);
        if (!at.empty() && chance(random_, 4)) at.push_back(at.front());
        return at;
    }
    static int countOf(GEElementSet& set) { return set.getCount(); }

    void step() {
        std::vector<int32_t> counts;
        for (int32_t i = 0; i < batched().current->placeCount(); ++i)
            counts.push_back(chance(random_, 3) ? 0 : uniform(random_, 1, 12));
        const std::vector<int> places =
            someIndexes(countOf(*batched().shown->holder().getPassive()));
        const std::vector<int> transitions =
            someIndexes(countOf(*batched().shown->holder().getActive()));
        const uint32_t conflict = chance(random_, 4) ? 0x0000FFu : random_();
        const uint32_t enabled = chance(random_, 4) ? 0x00FF00u : random_();
        const bool both = !chance(random_, 5);
        for (Side& side : sides_) {
            for (int32_t i = 0; i < side.current->placeCount(); ++i)
                side.current->setTokensAt(i, counts[static_cast<size_t>(i)]);
            side.display().showMarking(*side.current);
            SimulationShapeDisplay::Outlines outlines;
            if (both) {
                const std::vector<GEPlace*> conflicts =
                    elementsAt<GEPlace>(*side.shown->holder().getPassive(), places);
                outlines.push_back({{conflicts.begin(), conflicts.end()}, conflict});
            }
            outlines.push_back(
                {elementsAt<GEGraphElement>(*side.shown->holder().getActive(), transitions),
                 enabled});
            side.display().showOutlines(outlines);
        }
    }

    void colourSome() {
        const std::vector<int> places =
            someIndexes(countOf(*batched().shown->holder().getPassive()));
        const uint32_t colour = random_();
        for (Side& side : sides_) {
            side.display().highlightConflictPlaces(
                elementsAt<GEPlace>(*side.shown->holder().getPassive(), places), colour);
        }
    }

    void saveInBetween() {
        for (Side& side : sides_) {
            side.display().showMarking(side.shown->initialMarking());
            side.display().restoreFormats();
        }
        expectSame("saved");
        for (Side& side : sides_) {
            side.display().saveFormats(&side.shown->writtenCells());
            side.display().showMarking(*side.current);
        }
    }

    void expectSame(const std::string& when) {
        EXPECT_EQ(pageState(*batched().document->page(1)), pageState(*oneByOne().document->page(1)))
            << when;
    }

    std::mt19937 random_;
    std::array<Side, 2> sides_;
};

// Every made-up drawing through a run of its kind.
template <class Run>
void runEveryDrawing() {
    simhost::headless::HeadlessBackend backend;
    ui::Backend::install(&backend);
    for (uint32_t seed = 1; seed <= kDrawings; ++seed) {
        SCOPED_TRACE("drawing " + std::to_string(seed));
        Run(seed).run();
    }
    ui::Backend::install(nullptr);
}

TEST(SimulationShapeDisplayPropertyTest, BatchedStepsShowWhatOneByOneStepsShow) {
    runEveryDrawing<ComparedRun>();
}

TEST(SimulationShapeDisplayPropertyTest, ShowsOnlyItsOwnCellsAndLeavesTheDrawingAsItWas) {
    runEveryDrawing<ShownDrawing>();
}

}  // namespace
}  // namespace simtest
