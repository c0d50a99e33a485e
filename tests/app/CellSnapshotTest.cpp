// What "show" reports as changed: cells whose formula changed, came or went, and shapes
// and pages that came or went, sheet by sheet in order.
#include <gtest/gtest.h>

#include "app/CellSnapshot.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"

namespace runner {
namespace {

using simhost::ShapeSpec;

TEST(CellSnapshotTest, TellsChangedCellsAndShapesThatCameOrWent) {
    simhost::Host host;
    auto document = host.newDocument();
    simhost::Page& page = *document->page(1);
    auto kept = host.addShape(page, ShapeSpec::box(1, 1, 1, 1).cell("User.A", "1"));
    auto gone = host.addShape(page, ShapeSpec::box(2, 2, 1, 1));
    CellSnapshot before = CellSnapshot::of(*document);
    EXPECT_TRUE(CellSnapshot::changes(before, CellSnapshot::of(*document)).empty());

    host.setFormula(*kept, "User.A", "2");
    host.setFormula(*kept, "User.B", "\"b\"");
    host.setFormula(*kept, "LineColor", "");
    kept->DeleteSection(visio::visSectionParagraph);
    host.deleteShape(*gone);
    host.addShape(page, ShapeSpec::box(3, 3, 1, 1));
    host.setFormula(*page.pageSheet(), "PageWidth", "10 in");
    host.setFormula(*document->documentSheet(), "User.Flag", "TRUE");
    host.addPage(*document, "Second");

    EXPECT_EQ(CellSnapshot::changes(before, CellSnapshot::of(*document)),
              (std::vector<std::string>{
                  "document sheet User.Flag: (none) -> TRUE",
                  "page \"Page-1\" sheet PageWidth: 8.5 in -> 10 in",
                  "page \"Page-1\" shape 1 LineColor: 0 -> (empty)",
                  "page \"Page-1\" shape 1 User.A: 1 -> 2",
                  "page \"Page-1\" shape 1 User.B: (none) -> \"b\"",
                  "page \"Page-1\" shape 1 Para.Bullet: 0 -> (none)",
                  "page \"Page-1\" shape 1 Para.HorzAlign: 1 -> (none)",
                  "page \"Page-1\" shape 1 Para.IndFirst: 0 in -> (none)",
                  "page \"Page-1\" shape 1 Para.IndLeft: 0 in -> (none)",
                  "page \"Page-1\" shape 1 Para.IndRight: 0 in -> (none)",
                  "page \"Page-1\" shape 1 Para.SpAfter: 0 pt -> (none)",
                  "page \"Page-1\" shape 1 Para.SpBefore: 0 pt -> (none)",
                  "page \"Page-1\" shape 1 Para.SpLine: 0 -> (none)",
                  "page \"Page-1\" shape 2 is gone",
                  "page \"Page-1\" shape 3 is new",
                  "page \"Second\" sheet is new",
              }));
}

}  // namespace
}  // namespace runner
