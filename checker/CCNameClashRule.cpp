#include "checker/CCNameClashRule.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "checker/CCLooks.h"
#include "model/GEGraphElement.h"

namespace {

std::string normalised(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    for (char blank : {' ', '\t', '\n', '\r'}) {
        name.erase(std::remove(name.begin(), name.end(), blank), name.end());
    }
    return name;
}

}  // namespace

CCNameClashRule::CCNameClashRule(bool blockDiagram, bool erDiagram)
    : blockDiagram_(blockDiagram), erDiagram_(erDiagram) {
    using namespace cclooks;
    addCell(charColourCell, hintColour, consistentColour, ignoredColour);
    addCell(charStyleCell, boldCharStyle, plainCharStyle, plainCharStyle);
}

void CCNameClashRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                            GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    CCRule::check(active, passive, arcs, otherShapes, matrix);
    if (!blockDiagram_ && !erDiagram_) return;
    checkSet(active_);
    checkSet(passive_);
    checkSet(arcs_);
}

bool CCNameClashRule::namesClash(std::string a, std::string b) {
    return normalised(std::move(a)) == normalised(std::move(b));
}

// Names are normalised once per element rather than once per pair.
void CCNameClashRule::checkSet(GEElementSet* set) {
    std::vector<std::pair<GEGraphElement*, std::string>> named;
    for (GEGraphElement* element : elementsOf(set)) {
        std::string identifier = element->getIdentifier();
        if (!identifier.empty()) named.emplace_back(element, normalised(std::move(identifier)));
    }
    for (const auto& [a, nameA] : named) {
        for (const auto& [b, nameB] : named) {
            if (b->getID() != a->getID() && nameA == nameB) recordFinding(a->getID());
        }
    }
}
