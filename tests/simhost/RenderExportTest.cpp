// Page export through IVPage::Export and PageExport::run: the formats the extension
// names, the file written or not, and the reasons a host caller and the log are given.
#include "platform/os/System.h"
#include "simhost/render/PictureFormat.h"
#include "tests/simhost/RenderTestFixture.h"

namespace simhost::testing {
namespace {

using RenderExportTest = RenderTest;
using render::PageExport;

TEST_F(RenderExportTest, EpsIsEncapsulatedPostScriptOfThePageSize) {
    QAV_NEEDS_FORMAT(Eps);
    add(ShapeSpec::box(1, 1, 1, 1).text("P1"));
    std::string name = file("Page-1.eps");
    page->Export(name);
    std::string content = contentOf(name);
    EXPECT_EQ(content.rfind("%!PS-Adobe", 0), 0u);
    EXPECT_NE(content.find("EPSF"), std::string::npos);
    EXPECT_NE(content.find("%%BoundingBox: 0 0 288 216"), std::string::npos);
    EXPECT_TRUE(host.application().log().exportFailures.empty());
}

TEST_F(RenderExportTest, ExtensionsAreReadWithoutRegardToCase) {
    QAV_NEEDS_PICTURES();
    auto png = PageExport::run(*page, file("a.PnG"));
    auto emf = PageExport::run(*page, file("b.Emf"));
    EXPECT_TRUE(png.written) << png.message;
    EXPECT_TRUE(emf.written) << emf.message;
    EXPECT_EQ(contentOf(file("a.PnG")).rfind("\x89PNG", 0), 0u);
    EXPECT_EQ(contentOf(file("b.Emf")).substr(40, 4), " EMF");
}

TEST_F(RenderExportTest, AnExistingPictureIsReplaced) {
    QAV_NEEDS_PICTURES();
    std::string name = file("page.png");
    { std::ofstream(name) << "old"; }
    EXPECT_TRUE(PageExport::run(*page, name).written);
    EXPECT_EQ(contentOf(name).rfind("\x89PNG", 0), 0u);
    EXPECT_FALSE(exists(name + os::kNewContentSuffix));
}

// Runs on every build: a format the build cannot draw (EPS on Windows, all six without
// cairo, the codecs and libUEMF) is refused the same way.
TEST_F(RenderExportTest, UnsupportedFormatWritesNothingAndSaysSo) {
    std::vector<std::string> refused = {file("page.bmp"), file("page.svg"), file("page")};
    for (auto format :
         {render::PictureFormat::Emf, render::PictureFormat::Wmf, render::PictureFormat::Eps,
          render::PictureFormat::Jpg, render::PictureFormat::Png, render::PictureFormat::Gif}) {
        static const char* const kNames[] = {"emf", "wmf", "eps", "jpg", "png", "gif"};
        if (!render::PictureFormats::drawable(format)) {
            refused.push_back(file(std::string("page.") + kNames[static_cast<int>(format)]));
        }
    }
    for (const std::string& name : refused) {
        auto result = PageExport::run(*page, name);
        EXPECT_FALSE(result.written);
        EXPECT_NE(result.message.find("format not supported by this host"), std::string::npos)
            << result.message;
        EXPECT_NE(result.message.find(name), std::string::npos);
        EXPECT_FALSE(exists(name));
    }
    // The add-on's call answers nothing; the host's log keeps the reason, and so does
    // whoever the host reports to.
    std::vector<std::string> reported;
    PageExport::attach(host.application(),
                       [&](const std::string& why) { reported.push_back(why); });
    host.application().log().exportFailures.clear();
    page->Export(file("page.tif"));
    EXPECT_FALSE(exists(file("page.tif")));
    const HostLog& log = host.application().log();
    ASSERT_EQ(log.exportFailures.size(), 1u);
    EXPECT_NE(log.exportFailures[0].find("format not supported by this host"), std::string::npos);
    EXPECT_NE(log.exportFailures[0].find("page.tif"), std::string::npos);
    EXPECT_EQ(reported, log.exportFailures);
    ASSERT_FALSE(log.exports.empty());
    EXPECT_EQ(log.exports.back().second, file("page.tif"));
}

TEST_F(RenderExportTest, AMissingFolderIsAClearFailure) {
    QAV_NEEDS_PICTURES();
    std::string name = file("missing/page.png");
    auto result = PageExport::run(*page, name);
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.message.find("does not exist"), std::string::npos) << result.message;
    EXPECT_FALSE(exists(file("missing")));
    ASSERT_EQ(host.application().log().exportFailures.size(), 1u);
    EXPECT_EQ(host.application().log().exportFailures[0], result.message);

    std::filesystem::create_directory(file("taken.png"));
    auto blocked = PageExport::run(*page, file("taken.png"));
    EXPECT_FALSE(blocked.written);
    EXPECT_TRUE(std::filesystem::is_directory(file("taken.png")));
}

TEST_F(RenderExportTest, PagesWithoutADrawableSizeAreRefused) {
    QAV_NEEDS_PICTURES();
    set(*page->pageSheet(), "PageWidth", "0 in");
    auto empty = PageExport::run(*page, file("empty.png"));
    EXPECT_FALSE(empty.written);
    EXPECT_NE(empty.message.find("no size"), std::string::npos) << empty.message;

    set(*page->pageSheet(), "PageWidth", "400 in");
    auto huge = PageExport::run(*page, file("huge.png"));
    EXPECT_FALSE(huge.written);
    EXPECT_NE(huge.message.find("too large"), std::string::npos) << huge.message;
    EXPECT_FALSE(exists(file("empty.png")));
    EXPECT_FALSE(exists(file("huge.png")));
}

TEST_F(RenderExportTest, TextThatIsNoUtf8StillDraws) {
    QAV_NEEDS_PICTURES();
    add(ShapeSpec::box(1, 1, 1, 1)
            .text("Gr\xF6\xDF"
                  "e \xFF"));
    auto result = PageExport::run(*page, file("latin1.png"));
    EXPECT_TRUE(result.written) << result.message;
}

}  // namespace
}  // namespace simhost::testing
