// Visio's built-in commands the add-on runs through DoCmd, carried out as the user's
// action would be, with the events it raises: save (1004), save as (1005), picture
// import (1007) and text editing (1214). Also the host's own save of a document.
#pragma once

#include <cstdint>
#include <string>

namespace simhost {

class Application;
class Document;

class DocumentCommands {
public:
    // Runs a command by number; numbers it does not know are only recorded.
    static void run(Application& application, int16_t command);

    // Saves the document under its file name (an unsaved document goes through save
    // as): before-save, the save itself, then saved, in queue order (no saved event when
    // the save hook cannot write the file).
    static void save(Application& application, Document& document);
    // Saves under the name (the answer queued for the dialog, else the default name in
    // the temporary folder): before-save-as, the save, saved-as.
    static void saveAs(Application& application, Document& document, const std::string& fullName);
    // The name the save-as dialog gives: the next queued answer (none: cancelled), or
    // the default when none is queued.
    static bool chooseSaveAsName(Application& application, Document& document,
                                 std::string* fullName);
    // The default full name of a document that was never saved.
    static std::string defaultFileName(const Document& document);

private:
    static void queueSave(Application& application, Document& document, int16_t before,
                          int16_t after, const std::string& fullName);
    static void importPicture(Application& application);
    static void editText(Application& application);
};

}  // namespace simhost
