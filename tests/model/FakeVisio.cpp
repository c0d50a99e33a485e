#include "FakeVisio.h"

namespace fake {

namespace {

class Cell : public Counted<visio::IVCell> {
public:
    explicit Cell(CellData data) : data_(std::move(data)) {}

    std::string Name() override { return std::string(); }
    int16_t Section() override { return 0; }
    int16_t Row() override { return 0; }
    int16_t Column() override { return 0; }
    visio::ComRef<visio::IVShape> Shape() override { return {}; }
    std::string FormulaU() override { return data_.formula; }
    bool IsInherited() override { return false; }
    int32_t SetFormulaU(const std::string&) override { return 0; }
    int32_t SetFormulaForceU(const std::string&) override { return 0; }
    double ResultIU() override { return data_.value; }
    void SetResultIU(double) override {}
    double Result(const visio::Variant&) override { return data_.value; }
    void SetResult(const visio::Variant&, double) override {}
    std::string ResultStr(const visio::Variant&) override { return std::string(); }
    void GlueTo(const visio::ComRef<visio::IVCell>&) override {}

private:
    CellData data_;
};

class Selection : public Counted<visio::IVSelection> {
public:
    explicit Selection(std::vector<visio::ComRef<visio::IVShape>> items)
        : items_(std::move(items)) {}

    int32_t Count() override { return static_cast<int32_t>(items_.size()); }
    visio::ComRef<visio::IVShape> Item(int32_t index) override {
        if (index < 1 || index > Count()) return {};
        return items_[static_cast<std::size_t>(index - 1)];
    }
    int32_t IterationMode() override { return 0; }
    void SetIterationMode(int32_t) override {}
    void Select(const visio::ComRef<visio::IVShape>&, int16_t) override {}
    void DeselectAll() override {}
    void AddToGroup() override {}
    visio::ComRef<visio::IVPage> ContainingPage() override { return {}; }

private:
    std::vector<visio::ComRef<visio::IVShape>> items_;
};

int16_t mirror(int16_t relation) {
    if (relation == 2) return 4;
    if (relation == 4) return 2;
    return relation;
}

}  // namespace

class Page::Shapes : public Counted<visio::IVShapes> {
public:
    std::vector<visio::ComRef<fake::Shape>> items;

    int32_t Count() override { return static_cast<int32_t>(items.size()); }
    visio::ComRef<visio::IVShape> Item(int32_t index) override {
        if (index < 1 || index > Count()) return {};
        return items[static_cast<std::size_t>(index - 1)];
    }
    visio::ComRef<visio::IVShape> ItemFromID(int32_t id) override {
        for (const auto& s : items) {
            if (s->ID() == id) return s;
        }
        return {};
    }
    visio::ComRef<visio::IVPage> ContainingPage() override { return {}; }
    visio::ComRef<visio::IVShape> ContainingShape() override { return {}; }
};

void Shape::setVertices(const std::vector<std::pair<double, double>>& points) {
    int16_t row = 1;
    for (const auto& [x, y] : points) {
        cells[{10, row, 0}] = {std::to_string(x), x};
        cells[{10, row, 1}] = {std::to_string(y), y};
        ++row;
    }
}

visio::ComRef<visio::IVCell> Shape::CellsSRC(int16_t section, int16_t row, int16_t cell) {
    auto it = cells.find({section, row, cell});
    if (it == cells.end()) return {};
    return visio::ComRef<visio::IVCell>(new Cell(it->second));
}

int16_t Shape::SpatialRelation(const visio::ComRef<visio::IVShape>& other, double, int16_t) {
    ++relationQueries;
    if (!other) return 0;
    auto it = relations.find(other->ID());
    return it == relations.end() ? 0 : it->second;
}

visio::ComRef<visio::IVSelection> Shape::SpatialNeighbors(int16_t, double, int16_t,
                                                          const visio::Variant&) {
    ++neighbourQueries;
    std::vector<visio::ComRef<visio::IVShape>> items;
    for (visio::IVShape* s : neighbours) items.emplace_back(s);
    return visio::ComRef<visio::IVSelection>(new Selection(std::move(items)));
}

Page::Page() : shapes_(new Shapes) {}

Page::~Page() = default;

Shape& Page::add(int32_t id) {
    visio::ComRef<Shape> shape(new Shape(id));
    shapes_->items.push_back(shape);
    return *shape.get();
}

void Page::group(Shape& member, Shape& group) {
    member.parent = visio::ObjectRef(&group);
    group.type = 2;
}

void Page::relate(Shape& a, Shape& b, int16_t relation) {
    a.neighbours.push_back(&b);
    b.neighbours.push_back(&a);
    a.relations[b.ID()] = relation;
    b.relations[a.ID()] = mirror(relation);
}

visio::VShapes Page::shapes() const {
    return visio::VShapes(visio::ComRef<visio::IVShapes>(shapes_));
}

visio::VShape Page::shape(int32_t id) const {
    return visio::VShape(shapes_->ItemFromID(id));
}

}  // namespace fake
