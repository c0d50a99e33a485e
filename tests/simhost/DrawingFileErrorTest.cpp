// A drawing file that is not right loads nothing and says what is wrong and where: the
// line and column of a JSON error, the JSON pointer of any other fault.
#include <gtest/gtest.h>

#include <string>

#include "tests/simhost/DrawingFileFixture.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

struct BadFile {
    const char* what;
    std::string text;
    std::string message;
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.what;
}

// A page holding the shapes and glue given (JSON text of their arrays).
std::string onePage(const std::string& shapes, const std::string& glue = "[]") {
    return R"({"pages": [{"name": "P", "shapes": )" + shapes + R"(, "glue": )" + glue + "}]}";
}

const std::string kBox = R"({"id": 1, "cells": {"Connections.X1": "0"}})";

std::string nestedGroups(int depth) {
    std::string shapes = R"([{"id": 1000}])";
    for (int i = depth; i > 0; --i)
        shapes =
            R"([{"id": )" + std::to_string(i) + R"(, "type": "group", "shapes": )" + shapes + "}]";
    return onePage(shapes);
}

const std::vector<BadFile>& badFiles() {
    static const std::vector<BadFile> all = {
        {"NotJson", "{\"pages\": [\n  {\"name\": \"P\",}\n]}", "line 2, column 16"},
        {"Empty", "", "line 1, column 1"},
        {"NotUtf8", "{\"name\": \"\xff\", \"pages\": []}", "line 1, column 11"},
        {"NotAnObject", "[]", "/: expected an object, found an array"},
        {"WrongFormat", R"({"format": "other", "pages": [{"name": "P"}]})",
         "/format: not a format"},
        {"UnknownKey", R"({"colour": 1, "pages": [{"name": "P"}]})", "/colour: unknown key"},
        {"NoPages", R"({"pages": []})", "/pages: a drawing has at least one page"},
        {"PagesMissing", R"({"name": "x"})", "/pages: missing"},
        {"PageNameNumber", R"({"pages": [{"name": 5}]})",
         "/pages/0/name: expected a string, found a number"},
        {"PageNamedTwice", R"({"pages": [{"name": "P"}, {"name": "P"}]})",
         "/pages/1/name: another page has this name"},
        {"PageIdTwice", R"({"pages": [{"name": "P", "id": 2}, {"name": "Q", "id": 2}]})",
         "/pages/1/id: another page has this ID"},
        {"BackPageNotBackground", R"({"pages": [{"name": "P", "backPage": "Q"}, {"name": "Q"}]})",
         "/pages/0/backPage: not a background page"},
        {"BackPageMissing", R"({"pages": [{"name": "P", "backPage": "Q"}]})",
         "/pages/0/backPage: no page has this name"},
        {"NextPageIdTaken", R"({"nextPageId": 0, "pages": [{"name": "P"}]})",
         "/nextPageId: expected a whole number from 1"},
        {"ShapeIdZero", onePage(R"([{"id": 0}])"),
         "/pages/0/shapes/0/id: expected a whole number from 1 to 2147483646"},
        {"ShapeIdFraction", onePage(R"([{"id": 1.5}])"),
         "/pages/0/shapes/0/id: expected a whole number, found a number"},
        {"ShapeIdMissing", onePage(R"([{"name": "A"}])"), "/pages/0/shapes/0/id: missing"},
        {"ShapeIdTwice",
         onePage(R"([{"id": 1}, {"id": 2, "type": "group", "shapes": [{"id": 1}]}])"),
         "/pages/0/shapes/1/shapes/0/id: another shape on the page has this ID"},
        {"ShapeNameTwice", onePage(R"([{"id": 1, "name": "A"}, {"id": 2, "name": "a"}])"),
         "/pages/0/shapes/1/name: another shape on the page has this name"},
        {"UnknownType", onePage(R"([{"id": 1, "type": "box"}])"),
         "/pages/0/shapes/0/type: unknown shape type"},
        {"OneDPicture", onePage(R"([{"id": 1, "type": "foreign", "oneD": true}])"),
         "/pages/0/shapes/0/oneD: a foreign is never 1-D"},
        {"ImageOfABox", onePage(R"([{"id": 1, "image": "iVBORw=="}])"),
         "/pages/0/shapes/0/image: only foreign objects hold an image"},
        {"ImageNotBase64", onePage(R"([{"id": 1, "type": "foreign", "image": "iVB*Rw=="}])"),
         "/pages/0/shapes/0/image: not base64"},
        {"ImageBitsLeftOver", onePage(R"([{"id": 1, "type": "foreign", "image": "iVBORx=="}])"),
         "/pages/0/shapes/0/image: not base64"},
        {"ImageEmpty", onePage(R"([{"id": 1, "type": "foreign", "image": ""}])"),
         "/pages/0/shapes/0/image: empty"},
        {"MembersOfABox", onePage(R"([{"id": 1, "shapes": [{"id": 2}]}])"),
         "/pages/0/shapes/0/shapes: only groups hold shapes"},
        {"NestedTooDeep", nestedGroups(70), "groups nested deeper than 64"},
        {"NextShapeIdTaken",
         R"({"pages": [{"name": "P", "nextShapeId": 3, "shapes": [{"id": 3}]}]})",
         "/pages/0/nextShapeId: expected a whole number from 4"},
        {"CellNameNoCell", onePage(R"([{"id": 1, "cells": {"PinZ": "1"}}])"),
         "/pages/0/shapes/0/cells/PinZ: \"PinZ\" names no cell"},
        {"BadRowName", onePage(R"([{"id": 1, "cells": {"User.a b": "1"}}])"),
         "/pages/0/shapes/0/cells/User.a b: \"User.a b\" names no cell"},
        {"FormulaNotText", onePage(R"([{"id": 1, "inherited": {"PinX": 2}}])"),
         "/pages/0/shapes/0/inherited/PinX: expected a string, found a number"},
        {"FormulaDoesNotParse", onePage(R"([{"id": 1, "inherited": {"PinX": "(2"}}])"),
         "/pages/0/shapes/0/inherited/PinX: \"(2\" does not parse"},
        {"RowFormulaDoesNotParse",
         onePage(R"([{"id": 1, "sections": {"User": [{"name": "a", "Value": "1 +"}]}}])"),
         "/pages/0/shapes/0/sections/User/0/Value: \"1 +\" does not parse"},
        {"EmptyOverTheMasters",
         onePage(R"([{"id": 1, "master": true, "cells": {"PinX": "2", "pinx": "="}}])"),
         "/pages/0/shapes/0/cells/pinx: an empty formula over the master's: leave the cell out"},
        {"UnknownSection", onePage(R"([{"id": 1, "sections": {"Usr": []}}])"),
         "/pages/0/shapes/0/sections/Usr: unknown section \"Usr\""},
        {"ObjectSectionAsSection", onePage(R"([{"id": 1, "sections": {"Object": []}}])"),
         "/pages/0/shapes/0/sections/Object: unknown section"},
        {"RowCellUnknown",
         onePage(R"([{"id": 1, "sections": {"User": [{"name": "a", "Valu": "1"}]}}])"),
         "/pages/0/shapes/0/sections/User/0/Valu: no cell of a User row"},
        {"RowWithoutName", onePage(R"([{"id": 1, "sections": {"Prop": [{"Value": "1"}]}}])"),
         "/pages/0/shapes/0/sections/Prop/0/name: missing"},
        {"RowNamedTwice",
         onePage(R"([{"id": 1, "sections": {"User": [{"name": "a"}, {"name": "A"}]}}])"),
         "/pages/0/shapes/0/sections/User/1/name: \"A\" is no row name or used twice"},
        {"NamedCharRow", onePage(R"([{"id": 1, "sections": {"Char": [{"name": "a"}]}}])"),
         "/pages/0/shapes/0/sections/Char/0/name: rows of Char have no names"},
        {"UnknownRowType",
         onePage(R"([{"id": 1, "sections": {"Geometry2": [{}, {"tag": "Wiggle"}]}}])"),
         "/pages/0/shapes/0/sections/Geometry2/1/tag: unknown row type \"Wiggle\""},
        {"InheritedSectionWithLocalRow",
         onePage(
             R"([{"id": 1, "sections": {"User": {"inherited": true, "rows": [{"name": "a"}]}}}])"),
         "/pages/0/shapes/0/sections/User/rows/0: an inherited section holds inherited rows only"},
        {"InheritedListNamesNoCell",
         onePage(R"([{"id": 1, "sections": {"User": [{"name": "a", "inherited": ["Label"]}]}}])"),
         "/pages/0/shapes/0/sections/User/0/inherited/0: no cell of a User row"},
        {"RemovedUnknown", onePage(R"([{"id": 1, "removed": ["Wheels"]}])"),
         "/pages/0/shapes/0/removed/0: \"Wheels\" names no row or section"},
        {"RemovedTwice", onePage(R"([{"id": 1, "removed": ["Geometry1", "Geometry1"]}])"),
         "/pages/0/shapes/0/removed/1: there is no Geometry1 section to remove"},
        {"RemovedAndGiven",
         onePage(R"([{"id": 1, "removed": ["Geometry1"], "sections": {"Geometry1": [{}]}}])"),
         "/pages/0/shapes/0/sections/Geometry1: removed and given"},
        {"PageSheetUnknownKey", R"({"pages": [{"name": "P", "sheet": {"text": "x"}}]})",
         "/pages/0/sheet/text: unknown key"},
        {"GlueToMissingShape",
         onePage("[" + kBox + "]",
                 R"([{"from": 1, "fromPart": "EndX", "to": 2, "toPart": "PinX"}])"),
         "/pages/0/glue/0/to: no shape on the page has this ID"},
        {"GlueFromMissingShape",
         onePage("[" + kBox + "]",
                 R"([{"from": 4, "fromPart": "EndX", "to": 1, "toPart": "PinX"}])"),
         "/pages/0/glue/0/from: no shape on the page has this ID"},
        {"GlueToMissingPoint",
         onePage("[" + kBox + R"(, {"id": 2, "oneD": true}])",
                 R"([{"from": 2, "fromPart": "EndX", "to": 1, "toPart": "Connections.X2"}])"),
         "/pages/0/glue/0/toPart: shape 1 has no such connection point"},
        {"GlueBadPart",
         onePage("[" + kBox + R"(, {"id": 2, "oneD": true}])",
                 R"([{"from": 2, "fromPart": "Width", "to": 1, "toPart": "PinX"}])"),
         "/pages/0/glue/0/fromPart: \"Width\" names no part that glue can hold"},
        {"GlueToItself",
         onePage("[" + kBox + "]",
                 R"([{"from": 1, "fromPart": "EndX", "to": 1, "toPart": "PinX"}])"),
         "/pages/0/glue/0: a shape is not glued to itself"},
        {"GluedTwice",
         onePage("[" + kBox + R"(, {"id": 2, "oneD": true}])",
                 R"([{"from": 2, "fromPart": "EndX", "to": 1, "toPart": "PinX"},
                     {"from": 2, "fromPart": "EndY", "to": 1, "toPart": "Connections.X1"}])"),
         "/pages/0/glue/1: this part of the shape is glued twice"},
    };
    return all;
}

class DrawingFileErrorTest : public ::testing::TestWithParam<BadFile> {
protected:
    Host host;
};

TEST_P(DrawingFileErrorTest, SaysWhereAndLoadsNothing) {
    auto before = host.newDocument();
    testsupport::EventRecorder recorder(host.application());
    recorder.subscribeAll();
    std::string error;
    auto document = DrawingFile::openText(host, GetParam().text, &error);
    EXPECT_FALSE(document);
    EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
    EXPECT_EQ(host.application().documents().Count(), 1);
    EXPECT_EQ(host.application().activeDocument(), before.get());
    EXPECT_TRUE(recorder.events().empty());
}

INSTANTIATE_TEST_SUITE_P(Malformed, DrawingFileErrorTest, ::testing::ValuesIn(badFiles()),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(DrawingFileOpenTest, AFileThatCannotBeReadIsNamed) {
    Host host;
    std::string error;
    EXPECT_FALSE(DrawingFile::open(host, "/no/such/folder/net.json", &error));
    EXPECT_EQ(error, "cannot read /no/such/folder/net.json");
    std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_FALSE(DrawingFile::open(host, folder, &error));
    EXPECT_EQ(error, "cannot read " + folder);
    EXPECT_EQ(host.application().documents().Count(), 0);
}

}  // namespace
}  // namespace simhost
