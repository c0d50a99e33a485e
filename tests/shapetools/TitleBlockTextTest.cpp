// The text fields of a title block: the date on the calendar the test sets, the
// document's properties, and keys that name nothing.
#include <gtest/gtest.h>

#include "simhost/host/Document.h"
#include "simhost/stencil/TitleBlockStencil.h"
#include "tests/shapetools/TitleBlockTestHost.h"

namespace titleblocktest {
namespace {

TEST(TitleBlockText, FieldsShowTheDateThePropertiesOrTheKeyAsItIs) {
    TitleBlockTestHost env;
    simhost::DocumentProperties& properties = env.document().properties();
    properties.creator = "Ada";
    properties.manager = "Grace";
    properties.company = "ACME";
    properties.subject = "";
    properties.description = "Pumps";
    simhost::stencil::StencilOptions options;
    options.text = "old";
    auto field = simhost::stencil::dropTextField(env.shownPage(), "DATE", options);
    const std::string sheet = "SINK=INSTXT Sheet." + std::to_string(field->id()) + " PARAM=";

    struct Case {
        os::CalendarTime today;
        std::string key;
        std::string text;
    };
    const Case cases[] = {
        {{2026, 12, 6, 9, 30, 0}, "DATE", "06.12.2026"},
        {{2027, 1, 1, 0, 0, 0}, "DATE", "01.01.2027"},
        {{812, 3, 4, 0, 0, 0}, "DATE", "04.03. 812"},
        {{}, "date", "date"},
        {{}, "DATE x", "DATE x"},
        {{}, "CREATOR", "Ada"},
        {{}, "MANAGER", "Grace"},
        {{}, "COPYRIGHT", "ACME"},
        {{}, "DESCRIPTION", "Pumps"},
        {{}, "PROJECT", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        env.system.setTime(0, c.today);
        env.host.setText(*field, "old");
        ASSERT_TRUE(env.run(sheet + c.key));
        EXPECT_EQ(field->text(), c.text);
    }

    // The field's own menu row sends its ID and key.
    env.system.setTime(0, {2026, 12, 6, 0, 0, 0});
    env.host.setText(*field, "old");
    env.pick(*field, 1);
    EXPECT_EQ(field->text(), "06.12.2026");
    // Without a key, or for a shape that is not there, nothing is written.
    env.host.setText(*field, "old");
    EXPECT_TRUE(env.run("SINK=INSTXT Sheet." + std::to_string(field->id())));
    EXPECT_TRUE(env.run("SINK=INSTXT Sheet.999 PARAM=DATE"));
    EXPECT_EQ(field->text(), "old");
}

}  // namespace
}  // namespace titleblocktest
