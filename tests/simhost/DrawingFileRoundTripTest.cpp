// Drawing files keep a document whole: writing, reading and writing again gives the same
// bytes, and the document read back is the one written, down to the order of rows and
// glue records, the inherited state of each cell, and the IDs the next page and shape
// will take. A file written by hand with its defaults left out reads as the full sheet.
#include <gtest/gtest.h>

#include <random>

#include "platform/visio/VisioConstants.h"
#include "simhost/file/Base64.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/StencilGeometry.h"
#include "tests/simhost/DrawingFileFixture.h"

namespace simhost {
namespace {

using namespace visio;
using testing::describe;

class DrawingFileRoundTripTest : public ::testing::Test {
protected:
    // Writes the document, reads it back, and answers the new document.
    visio::ComRef<Document> reload(Document& document, std::string* text) {
        std::string error;
        EXPECT_TRUE(DrawingFile::write(document, text, &error)) << error;
        auto loaded = DrawingFile::openText(host, *text, &error);
        EXPECT_TRUE(loaded) << error;
        return loaded;
    }

    void expectSameAfterReload(Document& document) {
        std::string first;
        auto loaded = reload(document, &first);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(describe(*loaded), describe(document));
        std::string second;
        EXPECT_TRUE(DrawingFile::write(*loaded, &second, nullptr));
        EXPECT_EQ(second, first);
    }

    Host host;
};

// A drawing with something of everything a file keeps.
visio::ComRef<Document> richDrawing(Host& host) {
    auto document = host.newDocument("Rich.vsd");
    document->properties() = {"Title",   "Subject",  "Creator",  "Manager",
                              "Company", "Category", "Keywords", "Description"};
    document->documentSheet()->setCell("User.HideInputBoxes", "TRUE");
    Page& page = *document->page(1);
    auto extra = host.addPage(*document, "Extra");
    auto background = host.addPage(*document, "Background");
    background->SetBackground(true);
    page.SetBackPage("Background");
    document->deletePage(*extra);
    document->deletePage(*host.addPage(*document, "Gone"));
    host.setFormula(*page.pageSheet(), "PageWidth", "297 mm");
    host.setFormula(*page.pageSheet(), "User.Scale", "2");

    stencil::StencilOptions options;
    options.text = "p1";
    auto place = stencil::dropPlace(page, options);
    options.pin = {5, 2};
    options.markingIn = stencil::ValueIn::TextBox;
    options.marking = "3";
    options.text = "Größe \"2\"\nnew line";
    auto boxed = stencil::dropPlace(page, options);
    options.pin = {3, 4};
    auto transition = stencil::dropTransition(page, options);
    options.begin = {2, 2};
    options.end = {3, 4};
    auto arc = stencil::dropArc(page, options);
    auto other = stencil::dropArc(page, options);
    host.glue(*arc, visBegin, *place, 1);
    host.glue(*other, visBegin, *place, 0);
    host.glueToShape(*arc, visEnd, *transition);
    host.glue(*other, visEnd, *transition, 2);
    // Glued again: the place lists the other arc first now.
    host.glue(*arc, visBegin, *place, 1);
    auto guide = host.addShape(page, ShapeSpec::line(0, 0, 1, 1));
    Connect::glue(*guide, visEnd, *boxed, 1);
    host.setFormula(*place, "User.QAV_marking", "1");

    auto nested = host.addShape(
        page,
        ShapeSpec::group(6, 6, 2, 2)
            .name("Outer")
            .member(ShapeSpec::group(1, 1, 1, 1).member(ShapeSpec::box(0.5, 0.5, 1, 1)))
            .member(ShapeSpec::picture(0.5, 0.5, 0.2, 0.2).image(std::string("\x89PNG\0\xff", 6))));
    auto bare = host.addShape(page, ShapeSpec::box(1, 7, 1, 1).withoutGeometry().name("Bare"));
    bare->DeleteRow(visSectionObject, visRowMisc);
    bare->AddSection(visSectionUser);
    bare->AddNamedRow(visSectionConnectionPts, "Left", 0);
    bare->AddRow(visSectionScratch, -2, 77);
    bare->setCell("Char.Color[2]", "4");
    auto master = host.addShape(page, ShapeSpec::box(2, 7, 1, 1)
                                          .fromMaster()
                                          .inherited("User.A", "1")
                                          .inherited("User.A.Prompt", "\"a\"")
                                          .inherited("Prop.P", "2")
                                          .inherited("EndArrow", "4"));
    master->setCell("User.A", "5");        // the row goes local, its prompt stays inherited
    master->DeleteRow(visSectionProp, 0);  // an inherited section left empty
    master->setCell("User.B", "6");
    master->DeleteRow(visSectionUser, 1);  // a local section of inherited rows only
    host.deleteShape(*host.addShape(page, ShapeSpec::box(1, 1, 1, 1)));
    (void)nested;
    return document;
}

TEST_F(DrawingFileRoundTripTest, AWrittenDrawingReadsBackAsItWasAndWritesTheSameBytes) {
    auto document = richDrawing(host);
    expectSameAfterReload(*document);
}

// A picture's bytes of every length and value come back as they were, and no text that
// encode would not write reads as bytes.
TEST(DrawingFileImageTest, PictureBytesSurviveTheirTextForm) {
    std::mt19937 random(11);
    for (size_t length = 0; length < 40; ++length) {
        std::string bytes;
        for (size_t i = 0; i < length; ++i) bytes += static_cast<char>(random() & 0xFF);
        const std::string text = Base64::encode(bytes);
        EXPECT_EQ(text.size() % 4, 0u);
        EXPECT_EQ(Base64::decode(text), bytes) << text;
        for (const char* wrong : {"=", "A", "A===", " ", "*"})
            EXPECT_FALSE(Base64::decode(text + wrong));
    }
}

TEST_F(DrawingFileRoundTripTest, ANewDocumentRoundTripsWithNothingButItsPage) {
    auto document = host.newDocument();
    std::string text;
    auto loaded = reload(*document, &text);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(text, "{\n  \"format\": \"qavhost drawing 1\",\n  \"name\": \"" + document->name() +
                        "\",\n  \"pages\": [\n    {\"name\": \"Page-1\"}\n  ]\n}\n");
    EXPECT_EQ(describe(*loaded), describe(*document));
}

TEST_F(DrawingFileRoundTripTest, ADocumentWithoutPagesIsNotWritten) {
    auto document = host.newDocument();
    document->deletePage(*document->page(1));
    std::string text = "unchanged";
    std::string error;
    EXPECT_FALSE(DrawingFile::write(*document, &text, &error));
    EXPECT_EQ(error, "/pages: the document has no page");
    EXPECT_EQ(text, "unchanged");
}

TEST_F(DrawingFileRoundTripTest, TextThatIsNotUtf8IsNotWritten) {
    auto document = host.newDocument();
    auto shape = host.addShape(*document->page(1), ShapeSpec::box(1, 1, 1, 1));
    host.setText(*shape, "caf\xe9");
    std::string text;
    std::string error;
    EXPECT_FALSE(DrawingFile::write(*document, &text, &error));
    EXPECT_EQ(error, "/pages/0/shapes/0/text: text that is not valid UTF-8");
}

// Every cell read back can be written again: the file holds no text that does not parse,
// and no empty formula of the shape's own over the master's (deleting a cell's own formula
// makes it inherit again).
TEST_F(DrawingFileRoundTripTest, CellsHoldOnlyWhatTheAddOnCanPutBack) {
    auto document = host.newDocument();
    Page& page = *document->page(1);
    auto instance =
        host.addShape(page, ShapeSpec::box(1, 1, 1, 1).fromMaster().cell("LineColor", ""));
    expectSameAfterReload(*document);
    std::string text;
    auto loaded = reload(*document, &text);
    Shape& shape = *loaded->page(1)->findShape(instance->id());
    EXPECT_EQ(shape.CellsU("LineColor")->SetFormulaU(""), 0);
    EXPECT_EQ(shape.CellsU("LineColor")->IsInherited(), false);

    host.addShape(page, ShapeSpec::box(1, 1, 1, 1).cell("User.Odd", "1+"));
    std::string error;
    EXPECT_FALSE(DrawingFile::write(*document, &text, &error));
    EXPECT_EQ(error,
              "/pages/0/shapes/1/sections/User/0/Value: \"1+\" does not parse: Unexpected end of "
              "formula");
}

// Written by hand: defaults left out, cells of any section by name, sections whole.
const char* const kHandWritten = R"json({
  "name": "hand.vsd",
  "title": "By hand",
  "pages": [
    {
      "name": "Net",
      "shapes": [
        {"id": 3, "name": "Start", "text": "start",
         "cells": {"PinX": "=2 in", "User.Weight": "2", "Connections.X1": "Width",
                   "Connections.Y1": "Height*0.5", "Prop.Kind.Label": "\"Kind\""}},
        {"id": 7, "name": "Link", "oneD": true, "master": true,
         "cells": {"BeginX": "PAR(PNT(Sheet.3!Connections.X1,Sheet.3!Connections.Y1))"},
         "inherited": {"User.Hint.Prompt": "\"from the master\""},
         "sections": {"Actions": [{"name": "Go", "Action": "1", "Menu": "\"Go\""}]}},
        {"id": 9, "type": "group", "shapes": [{"id": 10, "text": "inside"}]}
      ],
      "glue": [{"from": 7, "fromPart": "BeginX", "to": 3, "toPart": "Connections.X1"}]
    }
  ]
})json";

TEST_F(DrawingFileRoundTripTest, AHandWrittenFileTakesTheDefaultsOfEachKindOfShape) {
    std::string error;
    auto document = DrawingFile::openText(host, kHandWritten, &error);
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(document->fullName(), "hand.vsd");
    EXPECT_EQ(document->properties().title, "By hand");
    Page& page = *document->page(1);
    Shape& start = *page.findShape(3);
    EXPECT_EQ(start.Name(), "Start");
    EXPECT_EQ(start.formula("PinX"), "2 in");
    EXPECT_EQ(start.formula("LineWeight"), "0.01 in");    // a box's default
    EXPECT_EQ(start.formula("Geometry1.X2"), "Width*1");  // with its rectangle
    EXPECT_EQ(start.formula("Prop.Kind.Label"), "\"Kind\"");
    EXPECT_EQ(start.CellExistsU("User.Weight", 1), -1);
    Shape& link = *page.findShape(7);
    EXPECT_TRUE(link.isOneDShape());
    EXPECT_EQ(link.CellExistsU("LineWeight", 1), 0);  // from the master
    EXPECT_EQ(link.CellExistsU("BeginX", 1), -1);
    EXPECT_EQ(link.CellExistsU("User.Hint.Prompt", 1), 0);
    EXPECT_EQ(link.CellExistsU("User.Hint.Prompt", 0), -1);
    EXPECT_EQ(link.formula("Actions.Go.Menu"), "\"Go\"");
    ASSERT_EQ(link.connects().list().size(), 1u);
    EXPECT_EQ(link.connects().list()[0]->to(), &start);
    EXPECT_EQ(link.connects().list()[0]->toPart(), visConnectionPoint);
    EXPECT_NEAR(link.number("BeginX"), 2.5, 1e-9);
    EXPECT_EQ(page.findShape(10)->text(), "inside");
    EXPECT_EQ(page.nextShapeId(), 11);

    // Written back it says the same in the writer's own terms, and stays so.
    expectSameAfterReload(*document);
}

}  // namespace
}  // namespace simhost
