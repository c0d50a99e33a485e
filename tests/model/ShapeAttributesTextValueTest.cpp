// The numbers in the text boxes of Petri net shapes: the defaults of empty and prompting
// boxes, whole numbers as typed, and the marks of texts that hold no acceptable number.
#include <gtest/gtest.h>

#include <string>

#include "model/ShapeAttributes.h"
#include "model/TextBoxValue.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

class ShapeAttributesTextValue : public ShapeAttributesFixture {
protected:
    ShapeAttributesTextValue() { record.setPetriNet(); }

    struct Read {
        int32_t value;
        std::string textAfter;
    };
    Read capacity(const std::string& text) {
        StencilOptions options;
        options.capacityIn = ValueIn::TextBox;
        options.capacity = text;
        auto place = dropPlace(page(), options);
        EXPECT_TRUE(record.readShape(wrap(place))) << text;
        EXPECT_EQ(record.getCapacityShapeID(), subShape(place, 4)->id());
        return {record.getCapacityValue(), subShape(place, 4)->text()};
    }
    Read marking(const std::string& text) {
        StencilOptions options;
        options.markingIn = ValueIn::TextBox;
        options.marking = text;
        auto place = dropPlace(page(), options);
        EXPECT_TRUE(record.readShape(wrap(place))) << text;
        EXPECT_EQ(record.getMarkingShapeID(), subShape(place, 3)->id());
        EXPECT_EQ(record.getMarkingCellShapeID(), subShape(place, 3)->id());
        EXPECT_EQ(record.getMarkingText(), "");
        return {record.getMarkingValue(), subShape(place, 3)->text()};
    }
    Read weight(const std::string& text) {
        StencilOptions options;
        options.weight = text;
        auto arc = dropArc(page(), options);
        EXPECT_TRUE(record.readShape(wrap(arc))) << text;
        return {record.getArcWeightValue(), subShape(arc, 2)->text()};
    }

    ShapeAttributes record;
};

#define EXPECT_READ(read, expectedValue, expectedText) \
    do {                                               \
        const auto r = (read);                         \
        EXPECT_EQ(r.value, expectedValue);             \
        EXPECT_EQ(r.textAfter, expectedText);          \
    } while (0)

TEST_F(ShapeAttributesTextValue, EmptyAndPromptingBoxesStandForTheDefault) {
    EXPECT_READ(capacity(""), 1, "");
    EXPECT_READ(capacity("\"Capacity\""), 1, "\"Capacity\"");
    EXPECT_READ(marking(""), 0, "");
    EXPECT_READ(marking("\"Tokens\""), 0, "\"Tokens\"");
    EXPECT_READ(weight(""), 1, "");
    // An arc weight box shows its prompt with or without the quotes.
    EXPECT_READ(weight("Weight"), 1, "Weight");
    EXPECT_READ(weight("\"Weight\""), 1, "\"Weight\"");
    // Without quotes, only the weight box takes the prompt for the default.
    EXPECT_READ(capacity("Capacity"), -3, "Capacity");
}

TEST_F(ShapeAttributesTextValue, WholeNumbersAreReadAndTheTextStaysAsTyped) {
    EXPECT_READ(capacity("+5"), 5, "+5");
    EXPECT_READ(capacity("5"), 5, "5");
    EXPECT_READ(marking("07"), 7, "07");
    EXPECT_READ(marking("0"), 0, "0");
    EXPECT_READ(weight(" 3 "), 3, " 3 ");
    EXPECT_READ(weight("2147483647"), 2147483647, "2147483647");
}

TEST_F(ShapeAttributesTextValue, UnacceptableTextsAreMarkedAndLeftAsTheyAre) {
    EXPECT_READ(capacity("abc"), -3, "abc");
    EXPECT_READ(capacity("0"), -3, "0");
    EXPECT_READ(capacity("-1"), -3, "-1");
    EXPECT_READ(weight("0"), -3, "0");
    EXPECT_READ(weight("-07"), -3, "-07");
    EXPECT_READ(marking("-1"), -3, "-1");
    // A marking without any number is not zero tokens, and the user's text stays.
    EXPECT_READ(marking("many"), -3, "many");
    EXPECT_READ(marking(" "), -3, " ");
    // Only a whole number counts: a number followed by anything else is no count.
    EXPECT_READ(weight("1.5"), -3, "1.5");
    EXPECT_READ(weight("2 tokens"), -3, "2 tokens");
    EXPECT_READ(capacity("3abc"), -3, "3abc");
    EXPECT_READ(marking("1e3"), -3, "1e3");
    EXPECT_READ(marking("2026-12-08"), -3, "2026-12-08");
    // A number past 32 bits would come back as another number.
    EXPECT_READ(weight("99999999999"), -3, "99999999999");
    EXPECT_READ(marking("4294967297"), -3, "4294967297");
    // Past Visio's text buffer only the start is read: a text that is no count stays none.
    const std::string tail = "2" + std::string(9000, ' ') + "x";
    EXPECT_READ(weight(tail), -3, tail);
}

// The prompt is the text its cell gives, not its formula.
TEST_F(ShapeAttributesTextValue, APromptIsReadAsTheTextItsCellGives) {
    StencilOptions options;
    options.cells["User.TIA_TextBox1.Prompt"] = "\"Say \"\"hi\"\"\"";
    options.weight = "Say \"hi\"";
    EXPECT_TRUE(record.readShape(wrap(dropArc(page(), options))));
    EXPECT_EQ(record.getArcWeightValue(), 1);
    options.cells["User.TIA_TextBox1.Prompt"] = "\"Wei\"&\"ght\"";
    options.weight = "Weight";
    EXPECT_TRUE(record.readShape(wrap(dropArc(page(), options))));
    EXPECT_EQ(record.getArcWeightValue(), 1);
}

TEST(TextBoxValueTest, ALoneQuoteIsNoQuotedPrompt) {
    EXPECT_EQ(evaluateTextBox(TextBoxKind::ArcWeight, "\"", "").value, -3);
    EXPECT_EQ(evaluateTextBox(TextBoxKind::ArcWeight, "\"\"", "").value, 1);
    EXPECT_EQ(evaluateTextBox(TextBoxKind::Marking, "\"\"", "").value, 0);
}

}  // namespace
