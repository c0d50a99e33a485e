// Elements of one kind that carry the same name on block and ER pages.
#include <gtest/gtest.h>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

class NameClashOnModel : public ModelPage {};

TEST_F(NameClashOnModel, PassiveElementsWhoseNamesDifferInCaseAndBlanks) {
    Element buffer = drop(dropBlockPassive, at(1, 1, "Buffer"));
    Element trailing = drop(dropBlockPassive, at(1, 3, "buffer "));
    drop(dropBlockActive, at(4, 1, "Store"));
    drop(dropBlockPassive, at(4, 3, "Store"));
    drop(dropBlockPassive, at(7, 1));
    drop(dropBlockPassive, at(7, 3));
    drop(dropBlockActive, at(7, 5));
    drop(dropBlockPassive, at(1, 5, "Buffer_1"));
    check();
    ASSERT_TRUE(holder.isBlockDiagram());
    EXPECT_EQ(findings(NameClash), (Ids{buffer.id(), trailing.id()}));
}

// The channel's node is a passive element whose shape is the channel's sub-shape 2.
TEST_F(NameClashOnModel, AChannelClashesThroughItsNode) {
    Element bus = drop(dropBlockPassive, at(1, 1, "Bus"));
    Options wide = at(5, 1, "bus");
    wide.width = 2;
    Element channel = drop(dropChannel, wide);
    check();
    EXPECT_EQ(findings(NameClash), (Ids{bus.id(), id(part(channel, 2))}));
}

// A relationship is an active element, like the entities.
TEST_F(NameClashOnModel, EntitiesAndRelationshipsOfAnERPage) {
    Element customer = drop(dropERActive, at(1, 1, "Customer"));
    Element shouted = drop(dropERActive, at(1, 3, "CUSTOMER\t"));
    drop(dropERPassive, at(4, 1, "customer"));
    Options wide = at(5, 5, "places");
    wide.width = 2;
    Element places = drop(dropBinaryRelationship, wide);
    Element entity = drop(dropERActive, at(1, 5, "Places"));
    check();
    ASSERT_TRUE(holder.isERDiagram());
    EXPECT_EQ(findings(NameClash),
              (Ids{customer.id(), shouted.id(), id(part(places, 9)), entity.id()}));
}

TEST_F(NameClashOnModel, NamesNeverClashOnAPetriNetPage) {
    drop(dropPlace, at(1, 1, "p"));
    drop(dropPlace, at(1, 3, "P"));
    drop(dropTransition, at(4, 1, "t"));
    drop(dropTransition, at(4, 3, "t"));
    check();
    ASSERT_TRUE(holder.isPetriNet());
    EXPECT_TRUE(findings(NameClash).empty());
}

}  // namespace
