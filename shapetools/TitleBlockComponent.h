// The tool behind the action menus of the title block, the frame with title block, the
// logo area and the text fields of a title block. It moves a dropped block or frame onto
// its background page, which it creates and puts behind every page when the document
// has none, binds the visibility of the block's parts to the background page's shortcut
// menu, removes the background again on request, keeps new and changed pages in step
// with the background page, places a logo picture into the logo area, and fills text
// fields from the date and the document's properties. It has no button, no page and no
// dialog; its only message tells that a logo command found no picture to act on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"

class CellDisplays;

class TitleBlockComponent : public SupportTool {
public:
    // The commands of the run strings, six characters after "SINK=", compared exactly.
    enum class Command {
        TitleBlock,            // "TITLEB", with the block's ID
        FrameAndTitleBlock,    // "FBLOCK", with the frame's ID
        RemoveBackground,      // "DELBGR"
        InsertLogo,            // "LOGOIn", with the logo area's ID
        DeleteLogo,            // "LOGODe", with the picture's or its logo area's ID
        MakeLogoProportional,  // "LOGOPS", likewise
        StretchLogo,           // "LOGOMS", likewise
        InsertText,            // "INSTXT", with the field's ID and "PARAM=" and a key
    };
    static constexpr std::size_t kCommandLength = 6;
    // The name of the background page the tool makes; "Background-2", "-3", ... when a
    // page of the document holds it already.
    static constexpr char kBackgroundPageName[] = "Background";

    // The displays, when given, must outlive the component: a shape moved to another
    // page has every tool's display put back first.
    explicit TitleBlockComponent(const visio::VApplication& application,
                                 CellDisplays* displays = nullptr);
    ~TitleBlockComponent() override;

    // The controller's entry: not registered, so it has neither page nor button.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Runs the command the string names; false for any string that names none of them.
    bool onCommand(std::string argument) override;
    // Page added: the new page is set up; page changed: the background page takes the
    // first page's size; idle: a removal asked for is carried out.
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;

    // The command of a run string; false when it names none of the component's.
    static bool readCommand(const std::string& runString, Command* command);

    // --- Title block, frame and background page
    void insertTitleBlock(int32_t shapeId);
    void insertFrameAndTitleBlock(int32_t shapeId);
    // Detaches the tool's background page from every page now (what the user put behind
    // it takes its place); that page goes at the next idle event.
    void removeBackground();
    // Grid and rulers of a new page, and the background page behind it.
    void setupNewPage(const visio::VPage& page);
    // The background page takes the size and scale of the document's first page.
    void syncBackgroundPageSize(const visio::VDocument& document);
    // The drawing a page belongs to; the drawing shown when the page names none.
    visio::VDocument documentOf(const visio::VPage& page);
    bool hasBackgroundPage();
    // The tool uses, moves blocks to and deletes only a page of its own: a background
    // page named "Background" (as every drawing made before names it), or a background
    // page whose shortcut menu offers the tool's "_Remove Background". A foreground page
    // is never the tool's, whatever its name.
    static bool isOwnBackgroundPage(const visio::VPage& page);
    // The new background page (the last page) stands behind every other page.
    void assignBackgroundToAllPages();
    // The background page's shortcut menu for a title block (two rows) or a frame (four)
    // first; the rows the user added follow them.
    void addTitleBlockPageActions(const visio::VPage& page);
    void addFramePageActions(const visio::VPage& page);

    // --- Logo picture
    // A picture and the logo area that holds it.
    struct Logo {
        visio::VShape picture;
        visio::VShape area;
    };
    // The logo commands act on the picture whose row (or whose area's row) the user
    // picked: the row sends that shape's ID. Rows of pictures placed by earlier versions
    // send none; then the one selected shape says which picture is meant. With no picture
    // found, nothing changes and the user is told.
    void insertLogo(int32_t shapeId);
    void deleteLogo(std::optional<int32_t> shapeId);
    void makeLogoProportional(std::optional<int32_t> shapeId);
    void stretchLogo(std::optional<int32_t> shapeId);
    // The picture and its area, when the shape is a logo picture or a logo area holding
    // one; empty otherwise.
    static Logo logoOf(const visio::VShape& shape);

    // --- Text fields
    void insertTitleBlockText(int32_t shapeId, const std::string& key);

    bool isDeletePending() const { return deletePending_; }

private:
    // The logo area's size and margin, in millimetres.
    struct LogoArea {
        double width = 0;
        double height = 0;
        double lineWeight = 0;
    };

    void runCommand(Command command, const std::string& runString);
    // The tool's first background page in the active document, or empty.
    visio::VPage findBackgroundPage();
    // The same in the given document: a page may be added to a document not shown.
    static visio::VPage findBackgroundPage(const visio::VDocument& document);
    // "Background", or the first of "Background-2", "Background-3", ... that no page of
    // the active document holds.
    std::string freeBackgroundPageName();
    // The background page the block goes onto (created when missing), with the block
    // moved there unless it lies on it already; the block becomes the moved copy.
    visio::VPage placeOnBackgroundPage(visio::VShape& block);
    // Named, marked as a background page and put behind every other page.
    visio::VPage createBackgroundPage();
    // A copy of the shape on the page at (0, 0); the shape itself is deleted. What the
    // tools show in its cells stays behind: the copy carries the user's formulas.
    visio::VShape moveShapeTo(const visio::VShape& shape, const visio::VPage& page);
    // What a shape on the background page is, as the tool's guards in its parts tell.
    enum class BlockKind { None, TitleBlock, Frame };
    static BlockKind guardedBlockKind(const visio::VShape& shape);
    static bool holdsGuardedBlock(const visio::VPage& page, BlockKind kind);
    void guardTitleBlock(const visio::VShape& block, const std::string& guard);
    void guardFrame(const visio::VShape& frame);
    void deletePendingBackgroundPage();

    // The logo the command's row names, or the one selected; empty, with the user told,
    // when there is none.
    Logo findLogo(std::optional<int32_t> shapeId);
    // The area's cells; false when there is no area or no picture to fit, or the area
    // has no size, so that nothing is computed from values that were never read.
    static bool readLogoArea(const Logo& logo, LogoArea* area);
    void fitLogoPicture(const Logo& logo);
    static void sizeLogo(const visio::VShape& picture, double pictureRatio, const LogoArea& area);
    void placeInArea(const Logo& logo, const LogoArea& area);
    static void centreLogo(const visio::VShape& picture, const LogoArea& area);
    static void addLogoScratchFormulas(const Logo& logo);
    // The cells of the picture that name its area's shapes and its own ID: its image
    // size and its menu, and the area's rows that serve it.
    static void writeLogoReferences(const Logo& logo);
    // The same, and the formulas that keep the picture inside its area, for every logo
    // picture inside the shape: a moved copy's shapes have new IDs.
    static void rewriteLogoReferences(const visio::VShape& shape);
    static void enableLogoAreaActions(const visio::VShape& area, bool enabled);

    visio::VApplication application_;
    CellDisplays* displays_;
    bool deletePending_ = false;
    // The background page "_Remove Background" detached, to be deleted when Visio is idle.
    visio::VPage pageToDelete_;
};
