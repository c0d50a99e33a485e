#include "simulator/InitialMarkingBuilder.h"

#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "simulator/Marking.h"

std::unique_ptr<Marking> InitialMarkingBuilder::buildInitialMarking(GEElementSet* places) const {
    auto marking = std::make_unique<Marking>();
    if (!places) return marking;
    for (GEGraphElement* e = places->getFirst(); e != places->end(); e = places->getNext()) {
        auto* place = static_cast<GEPlace*>(e);
        marking->insert(place, place->getMarking());
    }
    return marking;
}
