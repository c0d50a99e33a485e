// Tools show things in the user's cells for a while: the checker its looks, the
// simulator its protection and highlights, the text input assistant the format of its
// prompts. Each saves the formula it finds in a cell and writes it back when it is done.
// Where another tool's display holds the cell already, the formula found is that
// display, not what the user wrote: written back, it would stay for good. So a tool that
// shows something in cells is a CellDisplay and tells the others what the user had
// beneath; one that saves a cell's formula asks them first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/CellAddress.h"
#include "model/ShownBoxTexts.h"
#include "platform/visio/VPage.h"

class CellDisplays;
class SavedFormulaIndex;

class CellDisplay {
public:
    CellDisplay() = default;
    // Leaves the displays it joined.
    virtual ~CellDisplay();
    CellDisplay(const CellDisplay&) = delete;
    CellDisplay& operator=(const CellDisplay&) = delete;

    // Makes the display one of them, for as long as it lives; they must outlive it.
    void joinDisplays(CellDisplays* displays);

    // The user's formula beneath this display in the cell of the shape (by ID) on the
    // page, while the display holds that cell.
    virtual std::optional<std::string> userFormula(const visio::VPage& page, int32_t shapeID,
                                                   const CellAddress& cell) const = 0;
    // The shapes (by ID) are about to leave the page, and no display follows a shape to
    // another page: the display writes back what the user had in the cells it holds in
    // them.
    virtual void putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) = 0;
    // Whether the display shows the text, a text of its own, in the box (of that ID) that
    // the user left empty. Most displays show none.
    virtual bool showsOwnText(const visio::VShape& box, int32_t boxID,
                              const std::string& text) const;
    // The cells the display holds in the shape (by ID) on the page, each with the user's
    // formula beneath: what a copy of the shape is to get back. A display that follows
    // the copies of its shapes itself holds none for them.
    struct HeldCell {
        CellAddress address;
        std::string userFormula;
        // What the display wrote there, where it may be typed over: a cell that holds
        // anything else holds what the user typed, and the copy keeps it. Nothing where
        // the display's formula cannot be typed over (a guarded one).
        std::optional<std::string> shown = std::nullopt;
    };
    virtual std::vector<HeldCell> heldCells(const visio::VPage& page, int32_t shapeID) const;
    // The user's text beneath what the display shows as the shape's text; nothing where
    // it shows none there.
    virtual std::optional<std::string> heldText(const visio::VPage& page, int32_t shapeID) const;

protected:
    // What the user had beneath another display in the cell, when one holds it.
    std::optional<std::string> userFormulaBeneathOthers(const visio::VPage& page, int32_t shapeID,
                                                        const CellAddress& cell) const;
    // The formulas saved for the page's shapes that another display holds become the
    // user's formulas beneath it.
    void takeUserFormulas(const visio::VPage& page, SavedFormulaIndex& index) const;
    // The cells the index saved for the shape, with what they held when it read the page.
    static std::vector<HeldCell> heldCellsOf(const SavedFormulaIndex& index, int32_t shapeID);

private:
    CellDisplays* displays_ = nullptr;
};

// The displays of the tools that the main controller creates: it owns one and hands it
// to them, and to the models, which read past the texts a display shows.
class CellDisplays : public ShownBoxTexts {
public:
    void join(CellDisplay* display);
    void leave(CellDisplay* display);

    // What the user had beneath a display other than the asker in the cell.
    std::optional<std::string> userFormula(const CellDisplay* asker, const visio::VPage& page,
                                           int32_t shapeID, const CellAddress& cell) const;
    // Every display puts back what it holds in these shapes of the page.
    void putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) const;
    bool showsOwnText(const visio::VShape& box, int32_t boxID,
                      const std::string& text) const override;
    // The cells any display holds in the shape, each once.
    std::vector<CellDisplay::HeldCell> heldCells(const visio::VPage& page, int32_t shapeID) const;
    std::optional<std::string> heldText(const visio::VPage& page, int32_t shapeID) const;

private:
    std::vector<CellDisplay*> displays_;
};
