// The base of the graph elements that a diagram model reads from a page's shapes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "helpers/Export.h"

// One element of the graph, identified by the Visio shape ID of the shape it was read
// from. Further shape IDs (text boxes showing a value of the element) follow the own
// ID in the same list.
class QAV_EXPORT GEGraphElement {
public:
    // No shape ID yet; Visio's shape IDs start at 1.
    static const int32_t UNSET;

    GEGraphElement();
    GEGraphElement(const GEGraphElement& other);
    GEGraphElement& operator=(const GEGraphElement& other);
    virtual ~GEGraphElement();

    int32_t getID() const;
    void setID(int32_t id);
    std::string getIdentifier() const;
    void setIdentifier(std::string identifier);
    ExportedLong getIdentifierID() const;
    void setIdentifierID(ExportedLong id);
    int32_t getShapesIDsCount() const;
    // Entry i of the shape-ID list; UNSET past its end.
    int32_t getShapesID(int32_t i) const;

protected:
    // For the derived elements' text-box IDs behind the own ID.
    void appendShapesID(int32_t id);
    void setShapesID(int32_t i, int32_t id);

private:
    // A cell value kept per element; nothing fills or reads these yet.
    struct CellRecord {
        int32_t sectionRow = 0;
        int16_t cell = 0;
        std::string value;
    };

    std::string identifier_;
    ExportedLong identifierID_ = 0;
    std::unique_ptr<std::vector<CellRecord>> records_;
    std::vector<int32_t> shapesIDs_;
};
