#include "RuleFixture.h"

#include "model/GEGraphElement.h"

uint32_t RuleOnHost::id(const GEGraphElement* element) {
    return static_cast<uint32_t>(element->getID());
}
