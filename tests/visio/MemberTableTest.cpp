// The member tables as the automation adapters read them, and the wrappers generated
// from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
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

#ifndef _WIN32  // the document is read where the sources are: on the build machine
// The table of docs/visio-members.md names every row under its object and kind, so
// the list of what the add-on asks of Visio stays true as rows are added.
std::string documentedMembers() {
    std::ifstream in(std::string(QAV_SOURCE_DIR) + "/docs/visio-members.md");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whether the word stands in the text's list of words, which commas and blanks part; a
// member name may carry a footnote mark, \* in the document's Markdown. Plain string
// work, not std::regex: gcc 12 with -O3 and the sanitizers warns falsely inside it.
bool namesWord(const std::string& text, const std::string& word) {
    constexpr char kFootnote[] = "\\*";
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of(", ", start), text.size());
        std::string found = text.substr(start, end - start);
        if (found.size() > word.size() &&
            found.compare(word.size(), std::string::npos, kFootnote) == 0) {
            found.resize(word.size());
        }
        if (found == word) return true;
        start = end + 1;
    }
    return false;
}

// The cell of the document's table for the object (one of the names in its first
// column) and kind; empty when there is none.
std::string documentedCell(const std::string& doc, const std::string& object, MemberKind kind) {
    std::istringstream lines(doc);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("| ", 0) != 0) continue;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(2));
        std::string cell;
        while (std::getline(row, cell, '|')) cells.push_back(cell);
        if (cells.size() < 4) continue;
        std::string first = cells[0];
        while (!first.empty() && first.back() == ' ') first.pop_back();
        if (!namesWord(first, object)) continue;
        return cells[kind == MemberKind::Get ? 1 : kind == MemberKind::Put ? 2 : 3];
    }
    return std::string();
}

template <class I>
void expectDocumented(const std::string& doc, const char* object) {
    forEachMember<I>([&](const auto& row) {
        const std::string cell = documentedCell(doc, object, row.kind);
        EXPECT_TRUE(namesWord(cell, row.visioName))
            << object << "." << row.visioName << " is missing from docs/visio-members.md";
    });
}

TEST(MemberTableTest, TheMemberListNamesEveryRow) {
    const std::string doc = documentedMembers();
    ASSERT_FALSE(doc.empty());
#define QAV_CHECK_DOCUMENTED(Object) expectDocumented<IV##Object>(doc, #Object);
    QAV_VISIO_OBJECTS(QAV_CHECK_DOCUMENTED)
#undef QAV_CHECK_DOCUMENTED
}
#endif

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
