// The drawing type the active page is read as, and the one diagram model read from it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "helpers/ShapeFacts.h"
#include "model/CellAddressTable.h"
#include "model/ReadingMode.h"
#include "platform/visio/VShapes.h"

class DiagramModel;
class GEAdjacencyMatrix;
class GEElementSet;
class SavedFormulaIndex;
class ShownBoxTexts;

// The main controller owns one holder and hands it to the checker and the simulator,
// which reach the model only through it. The type is decided from the kinds of the
// page's shapes, asking the user when the page mixes kinds.
class DiagramTypeHolder {
public:
    DiagramTypeHolder();
    ~DiagramTypeHolder();
    DiagramTypeHolder(const DiagramTypeHolder&) = delete;
    DiagramTypeHolder& operator=(const DiagramTypeHolder&) = delete;

    // Sets the flag of each kind the shapes (plain groups searched) belong to; the
    // others stay as the caller set them.
    void scanDrawingTypes(const visio::VShapes& shapes, bool& block, bool& petri, bool& er) const;
    // The same; with keepForReading, a batched createModel of the same shapes right
    // after the scan takes over what it read of the page's shapes.
    void scanDrawingTypes(const visio::VShapes& shapes, bool& block, bool& petri, bool& er,
                          bool keepForReading);
    // One kind present: that kind; none: a block diagram; several: the user chooses. A
    // question closed without a choice keeps the type as it was.
    void identifyDiagramType(const visio::VShapes& shapes);
    void setType(const std::string& type) { type_ = type; }

    bool isBlockDiagram() const;
    bool isPetriNet() const;
    bool isERDiagram() const;

    // Reads the page into a new model of the type, which replaces any model still held,
    // and saves the formulas of the scope's shapes. A type that is no diagram kind leaves
    // no model.
    void createModel(const visio::VShapes& shapes, const CellAddressTableMap& tables,
                     FormulaScope scope = FormulaScope::EveryShape);
    // How models read the page (batched unless set); both read the same.
    void setReadingMode(ReadingMode mode) { readingMode_ = mode; }
    // What the tools show in boxes for a while, which models read past (not owned; it
    // must outlive the holder's models).
    void setShownBoxTexts(const ShownBoxTexts* texts) { shownTexts_ = texts; }
    void deleteModel();
    bool hasModel() const { return model_ != nullptr; }

    // The current model's members; null while there is no model.
    GEElementSet* getActive() const;
    GEElementSet* getPassive() const;
    GEElementSet* getArcs() const;
    GEElementSet* getOtherShapes() const;
    GEAdjacencyMatrix* getAdjacencyMatrix() const;
    SavedFormulaIndex* getSavedFormulaIndex() const;

private:
    std::unique_ptr<DiagramModel> newModel(const CellAddressTableMap& tables) const;
    // The question about a page that mixes kinds; the flags name the kinds offered.
    void askDiagramType(bool block, bool petri, bool er);

    // The shapes of a collection with their drawing types, read ahead while batched (and
    // what reading asks first with them, when the page is scanned for reading).
    std::vector<ShapeFacts> walk(const visio::VShapes& shapes, bool forReading = false) const;
    void scanShapes(std::vector<ShapeFacts>& shapes, bool& block, bool& petri, bool& er) const;
    std::vector<ShapeFacts> takeScan(const visio::VShapes& shapes);

    std::string type_;
    std::unique_ptr<DiagramModel> model_;
    // The page's shapes as the last scan read them, while batched: the model reading
    // right after the scan takes them over.
    visio::VShapes scannedPage_;
    std::vector<ShapeFacts> scanned_;
    ReadingMode readingMode_ = ReadingMode::Batched;
    const ShownBoxTexts* shownTexts_ = nullptr;
};
