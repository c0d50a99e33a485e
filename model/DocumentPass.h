// Brings every notation shape of a document up to date without building a model and
// without asking the user: missing cells of known stencils are generated and old shapes
// get their fix-ups, through an attribute record that accepts every diagram kind.
#pragma once

#include <string>

#include "platform/visio/VDocument.h"
#include "platform/visio/VShapes.h"

class ShapeAttributes;

class DocumentPass {
public:
    explicit DocumentPass(ShapeAttributes& record) : record_(record) {}

    // Every page; true when some shape was (or had to be) changed.
    bool updateDocument(const visio::VDocument& document);
    // The notation shapes of the collection; plain groups are searched, the sub-shapes
    // of a notation shape are not.
    bool updateShapes(const visio::VShapes& shapes);
    // Every required cell of the record's shape: read, else generated.
    bool updateShape();

private:
    // True when the missing cell was written.
    bool generatesMissingCell(std::string name);

    ShapeAttributes& record_;
};
