#include "tests/checker/ModelPage.h"

#include "checker/CCArcConnectionRule.h"
#include "checker/CCArcShapeRule.h"
#include "checker/CCHintRule.h"
#include "checker/CCNameClashRule.h"
#include "checker/CCPetriNetRule.h"
#include "model/GEAdjacencyMatrix.h"
#include "platform/ui/Backend.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Shape.h"

uint32_t ModelPage::Element::id() const {
    return ModelPage::id(shape);
}

ModelPage::ModelPage() {
    ui::Backend::install(&backend_);
}

ModelPage::~ModelPage() {
    holder.deleteModel();
    ui::Backend::install(nullptr);
}

ModelPage::Options ModelPage::at(double x, double y, const std::string& name) {
    Options options;
    options.pin = {x, y};
    options.text = name;
    return options;
}

ModelPage::Element ModelPage::drop(Master master, const Options& options) {
    std::string problems;
    ShapeRef shape = master(page(), options, &problems);
    EXPECT_TRUE(shape) << problems;
    EXPECT_EQ(problems, "");
    return Element{shape, options};
}

ModelPage::Point ModelPage::pointOf(const Element& element, int16_t row) {
    const double dx[] = {0, 0.5, 0, -0.5};
    const double dy[] = {0.5, 0, -0.5, 0};
    const Options& o = element.options;
    return {o.pin.x + dx[row] * o.width, o.pin.y + dy[row] * o.height};
}

ModelPage::ShapeRef ModelPage::draw(Master master, Point begin, Point end, Options options) {
    options.begin = begin;
    options.end = end;
    std::string problems;
    ShapeRef connector = master(page(), options, &problems);
    EXPECT_TRUE(connector) << problems;
    return connector;
}

ModelPage::ShapeRef ModelPage::connect(Master master, const Element& from, int16_t fromRow,
                                       const Element& to, int16_t toRow, Options options) {
    ShapeRef connector = draw(master, pointOf(from, fromRow), pointOf(to, toRow), options);
    glue(*connector, visio::visBegin, *from, fromRow);
    glue(*connector, visio::visEnd, *to, toRow);
    return connector;
}

void ModelPage::glue(simhost::Shape& connector, int16_t end, simhost::Shape& target, int16_t row) {
    std::string error;
    EXPECT_TRUE(simhost::geometry::Glue::toPoint(host_, connector, end, target, row, &error))
        << error;
}

void ModelPage::glueToConnector(simhost::Shape& connector, int16_t end, simhost::Shape& other,
                                int16_t otherEnd) {
    std::string error;
    EXPECT_TRUE(
        simhost::geometry::Glue::toConnectorEnd(host_, connector, end, other, otherEnd, &error))
        << error;
}

// The name-clash and hint rules are the optional ones; both are switched on here.
void ModelPage::makeRules() {
    const bool block = holder.isBlockDiagram();
    const bool petri = holder.isPetriNet();
    const bool er = holder.isERDiagram();
    owned_.clear();
    owned_[NameClash] = std::make_unique<CCNameClashRule>(block, er);
    owned_[Hint] = std::make_unique<CCHintRule>(petri);
    owned_[ArcShape] = std::make_unique<CCArcShapeRule>(block, petri, er);
    owned_[PetriNet] = std::make_unique<CCPetriNetRule>(petri);
    owned_[ArcConnection] = std::make_unique<CCArcConnectionRule>();
    rules.clear();
    tables.clear();
    for (const auto& [key, rule] : owned_) {
        rules[key] = rule.get();
        tables[key] = rule.get();
    }
}

void ModelPage::check() {
    holder.deleteModel();
    holder.identifyDiagramType(pageShapes());
    makeRules();
    holder.createModel(pageShapes(), tables);
    ASSERT_NE(holder.getActive(), nullptr) << "no model was read";
    for (const auto& [key, rule] : rules) {
        rule->check(holder.getActive(), holder.getPassive(), holder.getArcs(),
                    holder.getOtherShapes(), holder.getAdjacencyMatrix());
    }
}

const ModelPage::Ids& ModelPage::findings(Key key) const {
    return owned_.at(key)->getFindings();
}

std::vector<int32_t> ModelPage::keysWithFindings() const {
    std::vector<int32_t> keys;
    for (const auto& [key, rule] : owned_) {
        if (!rule->getFindings().empty()) keys.push_back(key);
    }
    return keys;
}

uint32_t ModelPage::id(const ShapeRef& shape) {
    return id(shape.get());
}

uint32_t ModelPage::id(const simhost::Shape* shape) {
    return shape ? static_cast<uint32_t>(shape->id()) : 0;
}

simhost::Shape* ModelPage::part(const ShapeRef& shape, size_t index) {
    return shape->memberList().at(index - 1).get();
}

simhost::Shape* ModelPage::part(const Element& element, size_t index) {
    return part(element.shape, index);
}
