// The member tables as the automation adapters read them, and the wrappers generated
// from them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/visio/Wrappers.h"
#include "simhost/host/Host.h"

namespace visio {
namespace {

// Each row's member pointer is a member the interface itself declares.
template <class I>
constexpr bool declaresEveryRow() {
    bool declared = true;
    forEachMember<I>([&](const auto& row) {
        using Signature = MemberSignature<decltype(row.member)>;
        declared = declared && std::is_same_v<typename Signature::Interface, I>;
    });
    return declared;
}
#define QAV_CHECK_DECLARED(Object) \
    static_assert(declaresEveryRow<IV##Object>(), "a row of IV" #Object " is not its member");
QAV_VISIO_OBJECTS(QAV_CHECK_DECLARED)
#undef QAV_CHECK_DECLARED

// A late-bound call finds a row by kind and Visio name, so that pair is unique; a put
// passes its value as the last argument and a get answers one.
template <class I>
void expectCallableByName(const char* object) {
    std::set<std::pair<MemberKind, std::string>> seen;
    forEachMember<I>([&](const auto& row) {
        using Signature = MemberSignature<decltype(row.member)>;
        std::string name = row.visioName ? row.visioName : "";
        SCOPED_TRACE(std::string(object) + "." + name);
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(seen.emplace(row.kind, name).second) << "named twice";
        if (row.kind == MemberKind::Put) {
            EXPECT_GE(std::tuple_size_v<typename Signature::Parameters>, 1u);
        }
        if (row.kind == MemberKind::Get) {
            EXPECT_FALSE(std::is_void_v<typename Signature::Result>);
        }
    });
    EXPECT_FALSE(seen.empty());
}

TEST(MemberTableTest, EveryRowIsCallableByItsVisioName) {
#define QAV_CHECK_TABLE(Object) expectCallableByName<IV##Object>(#Object);
    QAV_VISIO_OBJECTS(QAV_CHECK_TABLE)
#undef QAV_CHECK_TABLE
}

TEST(WrapperTest, AnEmptyWrapperAnswersEmptyValuesAndZeroedOutputs) {
    VShape shape;
    double left = 1, bottom = 2, right = 3, top = 4;
    shape.BoundingBox(0, &left, &bottom, &right, &top);
    EXPECT_EQ(std::make_tuple(left, bottom, right, top), std::make_tuple(0.0, 0.0, 0.0, 0.0));
    shape.XYToPage(1, 1, &left, nullptr);
    EXPECT_EQ(left, 0.0);
    EXPECT_EQ(shape.Name(), "");
    EXPECT_TRUE(shape.CellsU("PinX").isEmpty());
    EXPECT_EQ(shape.SpatialRelation(shape, 0, 0), 0);
}

TEST(WrapperTest, AWrapperStandsForItsObjectAndResultsComeBackWrapped) {
    simhost::Host host;
    auto document = host.newDocument();
    auto* page = document->page(1);
    VShape box(host.addShape(*page, simhost::ShapeSpec::box(2, 2, 1, 1)));
    VShape copy = VPage(ComRef<IVPage>(page)).Drop(box, 5, 6);
    ASSERT_FALSE(copy.isEmpty());
    EXPECT_FALSE(copy.isSameObject(box));
    EXPECT_EQ(copy.CellsU("PinX").ResultIU(), 5.0);
    EXPECT_TRUE(copy.ContainingPage().isSameObject(VPage(ComRef<IVPage>(page))));
}

}  // namespace
}  // namespace visio
