// The text fields of a title block.
#include <gtest/gtest.h>

#include "simhost/stencil/TitleBlockStencil.h"
#include "tests/shapetools/TitleBlockTestHost.h"

namespace titleblocktest {
namespace {

// The dates, the properties and keys that name nothing are played in the session
// titleblock-text.qav.
TEST(TitleBlockText, TheYearTakesFourPlacesAndWithoutKeyOrFieldNothingIsWritten) {
    TitleBlockTestHost env;
    simhost::stencil::StencilOptions options;
    options.text = "old";
    auto field = simhost::stencil::dropTextField(env.shownPage(), "DATE", options);
    env.system.setTime(0, {812, 3, 4, 0, 0, 0});
    env.pick(*field, 1);
    EXPECT_EQ(field->text(), "04.03. 812");

    env.host.setText(*field, "old");
    EXPECT_TRUE(env.run("SINK=INSTXT Sheet." + std::to_string(field->id())));
    EXPECT_TRUE(env.run("SINK=INSTXT Sheet.999 PARAM=DATE"));
    EXPECT_EQ(field->text(), "old");
}

}  // namespace
}  // namespace titleblocktest
