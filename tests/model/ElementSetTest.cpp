#include <gtest/gtest.h>

#include <vector>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"

namespace {

// Counts its own destruction, so that the tests see what the set deletes.
class Tracked : public GEGraphElement {
public:
    Tracked(int32_t id, int* destroyed) : destroyed_(destroyed) { setID(id); }
    ~Tracked() override { ++*destroyed_; }

private:
    int* destroyed_;
};

std::vector<GEGraphElement*> walk(GEElementSet& set) {
    std::vector<GEGraphElement*> seen;
    for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext()) seen.push_back(e);
    return seen;
}

GEArc* newArc() {
    return new GEArc(nullptr, {}, nullptr);
}

TEST(ElementSet, KeepsTheFirstElementOfAShapeID) {
    int destroyed = 0;
    GEElementSet set;
    Tracked first(4, &destroyed);
    Tracked second(4, &destroyed);
    EXPECT_TRUE(set.insert(&first));
    EXPECT_FALSE(set.insert(&second));
    EXPECT_FALSE(set.insert(nullptr));
    EXPECT_EQ(set.getCount(), 1);
    EXPECT_EQ(set.getByID(4), &first);
    EXPECT_EQ(set.getByID(5), nullptr);
}

TEST(ElementSet, IteratesInShapeIDOrderAndEndsWithNull) {
    int destroyed = 0;
    Tracked a(9, &destroyed), b(2, &destroyed), c(5, &destroyed);
    GEElementSet set;
    EXPECT_EQ(set.getFirst(), nullptr);
    EXPECT_EQ(set.getNext(), nullptr);
    set.insert(&a);
    set.insert(&b);
    set.insert(&c);
    EXPECT_EQ(walk(set), (std::vector<GEGraphElement*>{&b, &c, &a}));
    EXPECT_EQ(set.getNext(), nullptr);
    EXPECT_EQ(set.getNext(), nullptr);
}

TEST(ElementSet, KeysElementsWithoutShapeIDByPosition) {
    GEElementSet set;
    GEArc* arcs[] = {newArc(), newArc(), newArc()};
    for (GEArc* arc : arcs) EXPECT_TRUE(set.insert(arc));
    EXPECT_EQ(set.getByID(0), arcs[0]);
    EXPECT_EQ(set.getByID(1), arcs[1]);
    EXPECT_EQ(set.getByID(2), arcs[2]);
    EXPECT_EQ(walk(set), (std::vector<GEGraphElement*>{arcs[0], arcs[1], arcs[2]}));
    set.destroyElements();
    EXPECT_EQ(set.getCount(), 0);
}

TEST(ElementSet, SetCursorRestoresAnOuterLoopsPosition) {
    int destroyed = 0;
    Tracked a(1, &destroyed), b(2, &destroyed), c(3, &destroyed);
    GEElementSet set;
    set.insert(&a);
    set.insert(&b);
    set.insert(&c);
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (GEGraphElement* outer = set.getFirst(); outer != set.end(); outer = set.getNext()) {
        for (GEGraphElement* inner = set.getFirst(); inner != set.end(); inner = set.getNext()) {
            pairs.emplace_back(outer->getID(), inner->getID());
        }
        set.setCursor(outer);
    }
    EXPECT_EQ(pairs.size(), 9u);
    EXPECT_EQ(pairs.back(), std::make_pair(3, 3));
}

TEST(ElementSet, SetCursorToAnAbsentShapeIDEndsTheWalk) {
    int destroyed = 0;
    Tracked a(1, &destroyed), b(2, &destroyed), stranger(7, &destroyed);
    GEElementSet set;
    set.insert(&a);
    set.insert(&b);
    set.getFirst();
    set.setCursor(&stranger);
    EXPECT_EQ(set.getNext(), nullptr);
}

TEST(ElementSet, SetCursorFindsElementsWithoutShapeIDByIdentity) {
    GEElementSet set;
    GEArc* first = newArc();
    GEArc* second = newArc();
    set.insert(first);
    set.insert(second);
    set.setCursor(second);
    EXPECT_EQ(set.getNext(), nullptr);
    set.setCursor(first);
    EXPECT_EQ(set.getNext(), second);

    GEArc stranger(nullptr, {}, nullptr);
    set.getFirst();
    set.setCursor(&stranger);  // not found: the cursor stays on the first
    EXPECT_EQ(set.getNext(), second);
    set.destroyElements();
}

TEST(ElementSet, OnlyDestroyElementsDeletesTheElements) {
    int destroyed = 0;
    {
        GEElementSet set;
        Tracked kept(1, &destroyed);
        set.insert(&kept);
        set.clear();
        EXPECT_EQ(set.getCount(), 0);
        EXPECT_EQ(set.getFirst(), nullptr);
        set.insert(&kept);
    }
    EXPECT_EQ(destroyed, 1);  // only `kept` leaving its scope

    destroyed = 0;
    GEElementSet set;
    set.insert(new Tracked(1, &destroyed));
    set.insert(new Tracked(2, &destroyed));
    set.destroyElements();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(set.getCount(), 0);
}

TEST(ElementSet, AnElementInsertedTwiceIsDeletedOnce) {
    GEElementSet set;
    GEArc* arc = newArc();
    set.insert(arc);
    set.insert(arc);  // keyed by position, so it stands twice
    EXPECT_EQ(set.getCount(), 2);
    set.destroyElements();  // the sanitizer run catches a double delete
    EXPECT_EQ(set.getCount(), 0);
}

}  // namespace
