// Which stencil versions the record reads: exactly two dots, each part read as the C
// library reads a leading number, the known versions and those newer than the add-on.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "helpers/LeadingInteger.h"
#include "model/ShapeAttributes.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

TEST(LeadingIntegerTest, ReadsAsTheCLibraryDoesWithin32Bits) {
    struct Case {
        const char* text;
        int32_t value;
        bool digits;
        bool overflow;
    };
    const int32_t max = std::numeric_limits<int32_t>::max();
    const int32_t min = std::numeric_limits<int32_t>::min();
    const Case cases[] = {
        {"7", 7, true, false},
        {"07", 7, true, false},
        {" \t+5", 5, true, false},
        {"-12abc", -12, true, false},
        {"12 34", 12, true, false},
        {"", 0, false, false},
        {"abc", 0, false, false},
        {"+", 0, false, false},
        {"- 3", 0, false, false},
        {"2147483647", max, true, false},
        {"2147483648", max, true, true},
        {"-2147483648", min, true, false},
        {"-2147483649", min, true, true},
        {"99999999999999999999", max, true, true},
    };
    for (const Case& c : cases) {
        const LeadingInteger n = parseLeadingInteger(c.text);
        EXPECT_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(n.hasDigits, c.digits) << c.text;
        EXPECT_EQ(n.overflow, c.overflow) << c.text;
    }
}

class ShapeAttributesVersion : public ShapeAttributesFixture {
protected:
    // Whether a complete passive block shape of that version is read.
    bool reads(const std::string& text) {
        ShapeAttributes record;
        record.setBlockDiagram();
        return record.readShape(wrap(dropBlockPassive(page(), version(text))));
    }
    // Whether a passive block shape of that version gets a missing identifier.
    bool completes(const std::string& text) {
        ShapeAttributes record;
        record.setBlockDiagram();
        auto shape = dropBlockPassive(page(), without("User.QAV_Identifier_ID", text));
        record.readShape(wrap(shape));
        return hasCell(shape, "User.QAV_Identifier_ID");
    }
};

TEST_F(ShapeAttributesVersion, KnownVersionsAreReadAndCompleted) {
    for (const char* v : {"2.0.0", "2.0.1", "2.1.0", "2.1.1"}) {
        EXPECT_TRUE(reads(v)) << v;
        EXPECT_TRUE(completes(v)) << v;
    }
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(ShapeAttributesVersion, NewerVersionsAreReadButNeverCompleted) {
    for (const char* v :
         {"2.1.2", "2.2.0", "3.0.0", " 3.0.0", "+3.0.0", "3.x.y", "2.1.2beta", "99999999999.0.0"}) {
        EXPECT_TRUE(reads(v)) << v;
        const size_t before = messageBoxes().size();
        EXPECT_FALSE(completes(v)) << v;
        EXPECT_EQ(messageBoxes().size(), before + 1) << v;
    }
}

TEST_F(ShapeAttributesVersion, OlderAndMalformedVersionsAreNotRead) {
    // 2.1.01 is no known text, and as (2, 1, 1) it is not newer than the add-on.
    for (const char* v : {"2.0.5", "1.9.9", "2.1.01", "2.1", "2.1.1.0", "211", "", "..", "x.y.z",
                          "-3.0.0", "2.-1.5"}) {
        EXPECT_FALSE(reads(v)) << v;
        EXPECT_FALSE(completes(v)) << v;
    }
    EXPECT_TRUE(messageBoxes().empty());
}

}  // namespace
