// Page exports write into the files of the installed system, where the add-on finds and
// deletes them; what each file holds is read from its bytes, not from its name.
#include <gtest/gtest.h>

#include <string>

#include "platform/os/System.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/render/PageExport.h"
#include "simhost/render/PictureFormat.h"
#include "simhost/render/PictureProbe.h"

namespace simhost::testing {
namespace {

using render::PictureFormat;
using render::PictureProbe;

TEST(PageExportSystemTest, PicturesGoIntoTheInstalledFilesAndTellTheirFormat) {
    StandInSystem system;
    system.install();
    Host host;
    render::PageExport::attach(host.application());
    auto document = host.newDocument();
    Page& page = *document->page(1);
    host.setFormula(*page.pageSheet(), "PageWidth", "4 in");
    host.setFormula(*page.pageSheet(), "PageHeight", "3 in");
    const std::string folder = system.settingsFolder + os::kPathSeparator + "pictures";
    ASSERT_TRUE(system.makeFolders(folder));

    const struct {
        const char* extension;
        PictureFormat format;
        const char* description;
    } formats[] = {{"png", PictureFormat::Png, "PNG, 384 x 288 pixels"},
                   {"jpg", PictureFormat::Jpg, "JPEG, 384 x 288 pixels"},
                   {"gif", PictureFormat::Gif, "GIF, 384 x 288 pixels"},
                   {"eps", PictureFormat::Eps, "EPS, 4 x 3 in"},
                   {"wmf", PictureFormat::Wmf, "WMF, 4 x 3 in"},
                   {"emf", PictureFormat::Emf, "EMF, 4 x 3 in"}};
    for (const auto& f : formats) {
        const std::string path = folder + os::kPathSeparator + "page." + f.extension;
        page.Export(path);
        if (!render::PictureFormats::drawable(f.format)) {
            EXPECT_FALSE(system.fileContent(path)) << "nothing where the host cannot draw";
            continue;
        }
        const std::optional<std::string> bytes = system.fileContent(path);
        ASSERT_TRUE(bytes) << path;
        const render::PictureFacts facts = PictureProbe::probe(*bytes);
        EXPECT_EQ(facts.format, f.format) << path;
        EXPECT_EQ(facts.description, f.description);
        EXPECT_EQ(PictureProbe::probe(bytes->substr(0, 5)).format, PictureFormat::Other);
    }
    EXPECT_EQ(PictureProbe::probe("not a picture").format, PictureFormat::Other);
    // A folder that is not there is no place for a picture.
    page.Export(folder + os::kPathSeparator + "missing" + os::kPathSeparator + "page.png");
    EXPECT_EQ(system.find(folder + os::kPathSeparator + "missing"), os::PathKind::None);
}

}  // namespace
}  // namespace simhost::testing
