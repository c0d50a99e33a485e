#include "model/GEGraphElement.h"

#include <utility>

const int32_t GEGraphElement::UNSET = 0;

GEGraphElement::GEGraphElement()
    : records_(std::make_unique<std::vector<CellRecord>>()), shapesIDs_{UNSET} {}

// The records stay the element's own: a copy starts with an empty list of its own.
GEGraphElement::GEGraphElement(const GEGraphElement& other)
    : identifier_(other.identifier_),
      identifierID_(other.identifierID_),
      records_(std::make_unique<std::vector<CellRecord>>()),
      shapesIDs_(other.shapesIDs_) {}

GEGraphElement& GEGraphElement::operator=(const GEGraphElement& other) {
    if (this != &other) {
        identifier_ = other.identifier_;
        identifierID_ = other.identifierID_;
        shapesIDs_ = other.shapesIDs_;
    }
    return *this;
}

GEGraphElement::~GEGraphElement() = default;

int32_t GEGraphElement::getID() const {
    return getShapesID(0);
}

void GEGraphElement::setID(int32_t id) {
    setShapesID(0, id);
}

std::string GEGraphElement::getIdentifier() const {
    return identifier_;
}

void GEGraphElement::setIdentifier(std::string identifier) {
    identifier_ = std::move(identifier);
}

ExportedLong GEGraphElement::getIdentifierID() const {
    return identifierID_;
}

void GEGraphElement::setIdentifierID(ExportedLong id) {
    identifierID_ = id;
}

int32_t GEGraphElement::getShapesIDsCount() const {
    return static_cast<int32_t>(shapesIDs_.size());
}

int32_t GEGraphElement::getShapesID(int32_t i) const {
    if (i < 0 || i >= getShapesIDsCount()) return UNSET;
    return shapesIDs_[static_cast<std::size_t>(i)];
}

void GEGraphElement::appendShapesID(int32_t id) {
    shapesIDs_.push_back(id);
}

void GEGraphElement::setShapesID(int32_t i, int32_t id) {
    if (i < 0 || i >= getShapesIDsCount()) return;
    shapesIDs_[static_cast<std::size_t>(i)] = id;
}
