// Optional rule of block and ER diagrams: elements of one kind with the same name.
#pragma once

#include <string>

#include "checker/CCRule.h"

// Compares the identifiers within the active elements, within the passive elements and
// within the arcs, and records both elements of a clashing pair (each once for every
// element it clashes with).
class CCNameClashRule : public CCRule {
public:
    CCNameClashRule(bool blockDiagram, bool erDiagram);

    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override;

    // Equal once ASCII letters are lower-cased and spaces, tabs, line feeds and
    // carriage returns removed.
    static bool namesClash(std::string a, std::string b);

private:
    void checkSet(GEElementSet* set);

    bool blockDiagram_;
    bool erDiagram_;
};
