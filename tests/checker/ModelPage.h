// A page drawn from the stand-in masters of the notation, with connectors glued to the
// elements' connection points as a user glues them, then checked as the checker tool
// checks it: the holder detects the page's kind, the five rules are made with the flags
// of that kind under the checker's keys, the page is read into the holder's model with
// the rules as the tables whose formulas it saves, and the rules run in key order on the
// holder's sets and matrix.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "checker/CCRule.h"
#include "model/CellAddressTable.h"
#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/stencil/StencilOptions.h"
#include "simhost/ui/HeadlessBackend.h"
#include "tests/support/HostFixture.h"

class ModelPage : public HostFixture {
protected:
    using ShapeRef = visio::ComRef<simhost::Shape>;
    using Options = simhost::stencil::StencilOptions;
    using Point = simhost::stencil::Point;
    using Master = ShapeRef (*)(simhost::Page&, const Options&, std::string*);
    using Ids = std::vector<uint32_t>;

    // The rules under the keys the checker tool gives them.
    enum Key { NameClash = 1, Hint = 2, ArcShape = 3, PetriNet = 4, ArcConnection = 5 };

    // The connection points of every 2-D master, by row: the middle of each side.
    static constexpr int16_t north = 0;
    static constexpr int16_t east = 1;
    static constexpr int16_t south = 2;
    static constexpr int16_t west = 3;

    // A 2-D shape dropped from a master, with the options that say where it lies.
    struct Element {
        ShapeRef shape;
        Options options;
        simhost::Shape& operator*() const { return *shape.get(); }
        uint32_t id() const;
    };

    ModelPage();
    ~ModelPage() override;

    // A 2-D master's options centred on (x, y), with the text of its identifier.
    static Options at(double x, double y, const std::string& name = std::string());
    Element drop(Master master, const Options& options);
    // Where a connection point of the element lies on the page.
    static Point pointOf(const Element& element, int16_t row);

    // A connector drawn from the one point to the other and glued nowhere; the options
    // give its arrowheads, weight and name.
    ShapeRef draw(Master master, Point begin, Point end, Options options = Options());
    // A connector from a connection point of one element to one of another, glued at
    // both ends.
    ShapeRef connect(Master master, const Element& from, int16_t fromRow, const Element& to,
                     int16_t toRow, Options options = Options());
    // Glue as the user makes it; the test fails when the host refuses it.
    void glue(simhost::Shape& connector, int16_t end, simhost::Shape& target, int16_t row);
    void glueToConnector(simhost::Shape& connector, int16_t end, simhost::Shape& other,
                         int16_t otherEnd);

    // Detects the kind (the question about a mixed page takes the answer queued with the
    // backend), reads the page and runs the rules.
    void check();
    const Ids& findings(Key key) const;
    // The rules of every key whose findings are not empty.
    std::vector<int32_t> keysWithFindings() const;

    static uint32_t id(const ShapeRef& shape);
    static uint32_t id(const simhost::Shape* shape);
    // Sub-shape `index` of a master's shape, counted from 1 as the notation cells count.
    static simhost::Shape* part(const ShapeRef& shape, size_t index);
    static simhost::Shape* part(const Element& element, size_t index);

    simhost::headless::HeadlessBackend backend_;
    DiagramTypeHolder holder;
    CCRuleMap rules;
    CellAddressTableMap tables;

private:
    void makeRules();

    std::map<int32_t, std::unique_ptr<CCRule>> owned_;
};
