// The text input assistant for the masters with several text boxes (a place's name,
// tokens and capacity, an arc's weight): while such a shape is the only one selected,
// each of its empty boxes shows a prompt in a small coloured font; the prompts go when
// the selection moves on, and a box whose editing begins gets its own format back. An
// action row of such a master ("SINK=TIA Sheet.<ID> TBIndex=<sub-shape>") opens a box
// for typing.
//
// It also keeps a document's "User.HideInputBoxes" at "TRUE" while the add-on runs and
// at "FALSE" in every file saved, so that the masters hide their prompt boxes where the
// add-on is not there to serve them, and offers to repair a file that was stored
// otherwise (Visio crashed in between). Prompts are display only: they are taken out
// before a document is written and shown again once it is, showing and taking them out
// leaves the document as saved as it was, and reading takes a box that shows one as
// empty. Only a prompt it wrote itself, into an empty box, ever comes out again.
//
// The prompts' format is a display in the user's cells (see CellDisplay). Not
// registered: no button, no page. Created fifth among the tools.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CellDisplays.h"
#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShape.h"

class TextInputAssistant : public SupportTool, public CellDisplay {
public:
    static constexpr char kCommand[] = "TIA";
    static constexpr char kBoxKey[] = "TBIndex=";
    static constexpr char kBoxCountCell[] = "User.TIA_NumberOfTextBoxes";
    static constexpr char kBoxCellPrefix[] = "User.TIA_TextBox";
    static constexpr char kHideCell[] = "User.HideInputBoxes";
    static constexpr char kRepairQuestion[] =
        "Your Document was not correctly saved for use without the QAVSupport tools. This may "
        "happen if Visio crashes. Should it be fixed?";
    // The drawing tool scopes: the text tool types into shapes itself, so while it is the
    // chosen tool no prompt text is written or taken out.
    static constexpr int32_t kTextToolScope = 1227;
    static constexpr int32_t kFirstToolScope = 1219;
    static constexpr int32_t kLastToolScope = 1228;

    // A text box's character format: the formulas of "Char.Color", "Char.Size" and
    // "Char.Font".
    struct CharFormat {
        std::string color;
        std::string size;
        std::string font;
    };

    explicit TextInputAssistant(const visio::VApplication& application);
    ~TextInputAssistant() override;

    // The controller's entry: not registered.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // "SINK=TIA": handled; with "Sheet." and "TBIndex=" it opens that box.
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;
    // Takes the prompts out as a cleared selection does, and leaves every open document's
    // hide cell at "FALSE", as a file stored without the add-on has it.
    void endRun() override;

    // Selects sub-shape boxIndex of the shape (its groups first) and opens its text.
    void editTextBox(int32_t shapeID, int32_t boxIndex);
    void onSelectionChanged();
    void showPrompts();
    void hidePrompts();
    void restoreEditedBoxFormat();
    void restoreCharFormat(const visio::VShape& box, int32_t n);
    // The repair question for a document stored with the hide cell set; Yes runs the
    // built-in command (1004 save, 1005 save as).
    void repairCheck(const visio::VDocument& document, int16_t command);

    std::optional<std::string> userFormula(const visio::VPage& page, int32_t shapeID,
                                           const CellAddress& cell) const override;
    void putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) override;
    // The prompt the assistant wrote into the box still stands there.
    bool showsOwnText(const visio::VShape& box, int32_t boxID,
                      const std::string& text) const override;
    // The format of each box that shows a prompt's, and the empty text beneath a prompt
    // the assistant wrote: what a copy gets back.
    std::vector<HeldCell> heldCells(const visio::VPage& page, int32_t shapeID) const override;
    std::optional<std::string> heldText(const visio::VPage& page, int32_t shapeID) const override;

    bool arePromptsActive() const { return promptsActive_; }
    bool isPromptTextSuppressed() const { return suppressPromptText_; }

private:
    // A box of the shape that shows the prompts: its ID (0 when the shape names no box),
    // its prompt, the format the user gave it, whether the prompt's format shows in it
    // now, and whether the prompt text the assistant wrote stands in it (the user has no
    // text beneath). The box is found by its ID: a member deleted meanwhile moves the
    // others up among the shape's members.
    struct SavedBox {
        int32_t id = 0;
        std::string prompt;
        CharFormat format;
        bool showsPrompt = false;
        bool wrotePrompt = false;
    };
    // The box of text box n (from 1) of the shape: the shape itself or one of its
    // sub-shapes; empty when the shape names none for n.
    static visio::VShape textBox(const visio::VShape& shape, int32_t n);
    // How many boxes the shape's cells describe (0 when it is no prompt-bearing shape).
    static int32_t boxCount(const visio::VShape& shape);
    static std::string promptOf(const visio::VShape& shape, int32_t n);
    static bool hasBoxCount(const visio::VShape& shape);
    // The active window's selection without the groups that are only superselected
    // because a shape inside them is.
    visio::VSelection selectionSkippingSuper() const;
    void saveCharFormat(const visio::VShape& box);
    void restoreFormat(const visio::VShape& box, SavedBox& saved);
    // The cell's formula as the user has it, beneath another tool's display when one
    // holds it.
    std::string userCharFormula(const visio::VShape& box, int32_t boxID, const char* name,
                                const CellAddress& cell) const;
    // The shape was part of the previous selection: the same ID on the same page (another
    // page or drawing numbers its own shapes alike).
    bool wasSelectedBefore(const visio::VShape& shape) const;
    // The box on the prompts' page, found by its ID; empty when it has gone.
    visio::VShape boxOf(const SavedBox& saved) const;
    // The box still shows the prompt text the assistant wrote.
    static bool showsOwnPrompt(const visio::VShape& box, const SavedBox& saved);
    // Whether a prompt text comes out while the text tool is chosen, which types into
    // shapes itself.
    enum class WhileTextTool { KeepText, TakeOutText };
    // Takes the prompt's format and the prompt text the assistant wrote out of the box;
    // true when the text came out.
    bool takeOutPrompt(const visio::VShape& box, SavedBox& saved, WhileTextTool rule);
    void onScope(const visio::Variant& moreInfo);
    void onIdle();
    // Writes the hide cell of the document, when it has one; marks the document saved
    // when asked, so that the write counts as no change.
    static void setHideFlag(const visio::VDocument& document, const char* formula, bool markSaved);
    // A save of the document begins: its file is to hold neither prompts nor "TRUE".
    // Further save events before the save ends change nothing more.
    void beginSave(const visio::VDocument& document);
    // The save ended: the prompts and "TRUE" come back. After a save the document is
    // saved; after one that never reported back it is as it was before.
    void endSave(bool saved);
    void takeOutPromptsForSave(const visio::VDocument& document);
    void showPromptsAfterSave();

    // The boxes as they were before their prompts were shown, box n at n - 1, on the
    // page of the shape that shows them.
    std::vector<SavedBox> savedBoxes_;
    visio::VPage promptPage_;
    std::vector<int32_t> previousSelectionIDs_;
    visio::VPage previousSelectionPage_;
    visio::VApplication application_;
    visio::VShape promptShape_;
    visio::VShape selectedShape_;
    bool promptsActive_ = false;
    bool repairPending_ = true;
    bool hideFlagTrue_ = true;
    bool suppressPromptText_ = false;
    // While a save is under way: the document, whether it was saved when the save began,
    // and the boxes of promptShape_ whose prompts were taken out for it.
    visio::VDocument savingDocument_;
    bool savedBeforeSave_ = false;
    std::vector<std::size_t> boxesHiddenForSave_;
};
