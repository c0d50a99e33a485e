// A minimal stand-in for Visio's shapes: enough for the adjacency matrix and the saved
// formulas to be tested with neighbours, relations, geometry and formulas set by hand.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVWindow.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

namespace fake {

template <class I>
class Counted : public I {
public:
    uint32_t AddRef() override { return ++refs_; }
    uint32_t Release() override {
        const uint32_t left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    visio::IVObject* QueryInterface(visio::InterfaceId id) override {
        if (id != I::kId && id != visio::InterfaceId::Object) return nullptr;
        AddRef();
        return this;
    }

private:
    uint32_t refs_ = 0;
};

using Address = std::tuple<int16_t, int16_t, int16_t>;

struct CellData {
    std::string formula;
    double value = 0;
};

class Shape : public Counted<visio::IVShape> {
public:
    explicit Shape(int32_t id) : id_(id) {}

    // What the tests set up.
    int16_t type = 3;
    visio::ObjectRef parent;
    // Not counted: neighbours name each other, and the page keeps them all.
    std::vector<visio::IVShape*> neighbours;
    std::map<int32_t, int16_t> relations;
    std::map<Address, CellData> cells;
    double pageOffsetX = 0;
    double pageOffsetY = 0;
    // What the tests read back.
    int relationQueries = 0;
    int neighbourQueries = 0;

    // Puts vertices into the first geometry section, rows 1, 2, ...
    void setVertices(const std::vector<std::pair<double, double>>& points);

    int32_t ID() override { return id_; }
    int16_t Index() override { return 0; }
    std::string Name() override { return std::string(); }
    std::string NameID() override { return "Sheet." + std::to_string(id_); }
    int16_t Type() override { return type; }
    bool OneD() override { return false; }
    std::string Text() override { return std::string(); }
    void SetText(const std::string&) override {}
    visio::ComRef<visio::IVShapes> Shapes() override { return {}; }
    visio::ObjectRef Parent() override { return parent; }
    visio::ComRef<visio::IVShape> ContainingShape() override { return {}; }
    visio::ComRef<visio::IVPage> ContainingPage() override { return {}; }
    visio::ComRef<visio::IVDocument> Document() override { return {}; }
    visio::ComRef<visio::IVCell> CellsU(const std::string&) override { return {}; }
    visio::ComRef<visio::IVCell> CellsSRC(int16_t section, int16_t row, int16_t cell) override;
    int16_t CellExistsU(const std::string&, int16_t) override { return 0; }
    int16_t CellsSRCExists(int16_t section, int16_t row, int16_t cell, int16_t) override {
        return cells.count({section, row, cell}) ? 1 : 0;
    }
    int16_t SectionExists(int16_t, int16_t) override { return 0; }
    int16_t RowExists(int16_t, int16_t, int16_t) override { return 0; }
    int16_t RowCount(int16_t) override { return 0; }
    int16_t AddSection(int16_t) override { return 0; }
    int16_t AddRow(int16_t, int16_t, int16_t) override { return 0; }
    int16_t AddNamedRow(int16_t, const std::string&, int16_t) override { return 0; }
    void DeleteSection(int16_t) override {}
    void DeleteRow(int16_t, int16_t) override {}
    visio::ComRef<visio::IVConnects> Connects() override { return {}; }
    visio::ComRef<visio::IVConnects> FromConnects() override { return {}; }
    int16_t SpatialRelation(const visio::ComRef<visio::IVShape>& other, double, int16_t) override;
    visio::ComRef<visio::IVSelection> SpatialNeighbors(int16_t, double, int16_t,
                                                       const visio::Variant&) override;
    void BoundingBox(int16_t, double*, double*, double*, double*) override {}
    void XYToPage(double x, double y, double* xPage, double* yPage) override {
        *xPage = x + pageOffsetX;
        *yPage = y + pageOffsetY;
    }
    void XYFromPage(double, double, double*, double*) override {}
    void Delete() override {}

private:
    int32_t id_;
};

// The shapes of a page: the shapes made here, found by index or ID.
class Page {
public:
    Page();
    ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;
    // A new shape on the page; the page keeps it.
    Shape& add(int32_t id);
    // Puts the shape into a group: its parent becomes the group, whose type becomes 2.
    static void group(Shape& member, Shape& group);
    // Both shapes report each other as neighbours with the given relation of a to b
    // (and the mirrored one of b to a).
    static void relate(Shape& a, Shape& b, int16_t relation);
    visio::VShapes shapes() const;
    visio::VShape shape(int32_t id) const;

private:
    class Shapes;
    visio::ComRef<Shapes> shapes_;
};

}  // namespace fake
