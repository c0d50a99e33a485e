// A copy of a shape that a tool shows something in carries the display's formulas, and
// no tool knows the copy: once the tool stops, the copy would keep them for good. The
// originals are the shapes selected when the copy, cut or duplicate command began; what
// the user had beneath each display in their cells is noted then, and each copy the
// command (or a later paste) adds gets it at once, before any tool hears of the copy.
// A cell of the copy that no longer holds what its original showed is left alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "model/CellAddress.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"

class CellDisplays;

class DisplayCopies {
public:
    // The displays must outlive this.
    DisplayCopies(const visio::VApplication& application, const CellDisplays* displays);

    // Each event before the tools hear of it.
    void onVisioEvent(int32_t code, const visio::VObject& subject, const visio::Variant& moreInfo);

private:
    struct CopiedCell {
        CellAddress address;
        // What the original showed, and what the user had beneath it.
        std::string shown;
        std::string user;
    };
    struct CopiedText {
        std::string shown;
        std::string user;
    };
    // A copied shape, by its original's ID, and its members in their order.
    struct CopiedShape {
        int32_t id = 0;
        std::vector<CopiedCell> cells;
        std::optional<CopiedText> text;
        std::vector<CopiedShape> members;
    };
    using Copied = std::vector<CopiedShape>;

    void noteSelection();
    void onScope(int32_t scope);
    Copied copiesOfSelection() const;
    CopiedShape copyOf(const visio::VShape& shape) const;
    static bool holdsDisplay(const CopiedShape& copied);
    void onShapeAdded(const visio::VShape& shape);
    // The copies among the shapes, each paired with the next original of its build.
    void pairCopies(const std::vector<visio::VShape>& shapes);
    std::vector<visio::VShape> selectedCopies(const visio::VShape& added) const;
    static bool sameBuild(const CopiedShape& copied, const visio::VShape& shape);
    // The copy and its members are the command's: their IDs by their originals'.
    void noteCopy(const CopiedShape& copied, const visio::VShape& shape);
    // The cells of the copy that still hold what the original showed get the user's.
    void giveUserFormulas(const CopiedShape& copied, const visio::VShape& shape) const;
    void enterUserFormulas(const CopiedShape& copied, const visio::VShape& shape,
                           FormulaBatchMap& batch, ShapesByID& shapes) const;
    // After the cells, which may have protected the text.
    static void giveUserTexts(const CopiedShape& copied, const visio::VShape& shape);

    visio::VApplication application_;
    const CellDisplays* displays_;
    // The shapes selected as the last selection change left them, and their page.
    visio::VPage selectionPage_;
    std::vector<int32_t> selection_;
    // What the last copy or cut put on the clipboard, and what the duplicate in progress copies.
    Copied clipboard_;
    Copied duplicated_;
    // The copies the command in progress adds come from these, in order.
    const Copied* adding_ = nullptr;
    std::size_t nextAdded_ = 0;
    // The copies of the command in progress already given their formulas, by ID, and the
    // IDs of their originals: a reference among copied shapes names the copy, as Visio
    // renames it.
    std::vector<int32_t> added_;
    std::map<int32_t, int32_t> copyIDs_;
};
