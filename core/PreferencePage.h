// The base of every preference page: a page of the preference sheet, built from its
// dialog template, that is handed the settings store and its owning tool once, loads
// its settings, and on Apply writes them and lets its tool take them over.
//
// The page objects outlive the sheet: each is created by its tool, lives as long as the
// tool, and holds the tool's settings in its fields, which the tool reads directly.
//
// The contract of a concrete page:
// - attachSettings stores the store and the owner, then loadSettings;
// - loadSettings reads each key through the store; a missing key gives the field its
//   default;
// - OnInitDialog: the dialog's own initialisation, loadSettings (a page shown in the
//   sheet starts from the file), the page's set-up and the fields into the controls;
//   answers false;
// - OnApply saves every key in the page's order, lets the owner apply the settings
//   where the tool takes them over at once, and answers the base's Apply. A key whose
//   value is still what the page loaded is not written: the file may have changed since
//   (edited by hand, or by a second running copy), and a key the user did not touch on
//   the page keeps what the file holds;
// - control handlers mark the page modified, which enables the sheet's Apply.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/ui/PropertyPage.h"

class PreferencesTool;
class SupportTool;

class PreferencePage : public ui::PropertyPage {
public:
    // The page's caption is the template's.
    explicit PreferencePage(ui::DialogTemplate dialogTemplate);
    ~PreferencePage() override;

    // Every concrete page overrides both; here they do nothing and answer false.
    bool OnInitDialog() override;
    bool OnApply() override;

    // Reads the page's keys into its fields; nothing here.
    virtual void loadSettings();
    // Called once, when the command bar is first built; nothing here.
    virtual void attachSettings(PreferencesTool* store, SupportTool* owner);
    PreferencesTool* store() const { return store_; }
    SupportTool* owner() const { return owner_; }

protected:
    // How switches are written.
    static const char* switchText(int32_t on);
    // Each read remembers what the page now holds for the key, in the form it is written.
    // 1 when the key's value is exactly "TRUE", 0 for any other value, whenMissing when
    // there is no line for the key (or no store).
    int32_t readSwitch(const std::string& key, int32_t whenMissing);
    // The decimal number at the start of the key's value as the C library reads it (0
    // when there is none; beyond 32 bits the nearest 32-bit number), whenMissing when
    // there is no line for the key (or no store).
    int32_t readNumber(const std::string& key, int32_t whenMissing);
    // The key's value as it stands, whenMissing when there is no line for the key (or no
    // store).
    std::string readText(const std::string& key, const std::string& whenMissing);
    // The key's value when there is a line for it (and a store).
    std::optional<std::string> readValue(const std::string& key) const;
    // For a page that reads a key its own way: what the page now holds for it, written.
    void noteLoaded(const std::string& key, std::string written);
    // Writes the key through the store unless the value is what the page loaded or last
    // stored for it.
    void saveSetting(const std::string& key, const std::string& value);

    // Set by the concrete page's attachSettings; the page does not own them.
    PreferencesTool* store_ = nullptr;
    SupportTool* owner_ = nullptr;

private:
    // Per key, the value the page loaded or last stored, as written.
    std::map<std::string, std::string> loaded_;
};
