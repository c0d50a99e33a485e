// Drawing files in the stand-in host: opening one as Visio opens a document (its content
// first, then the document-opened event and a window on its first page), writing one,
// and making the host's save commands write them (with the host's save events around).
//
//   simhost::DrawingFile::attach(host.application(), nullptr);
//   std::string error;
//   auto document = simhost::DrawingFile::open(host, "net.json", &error);
//   host.application().DoCmd(visio::visCmdFileSave);  // writes net.json again
#pragma once

#include <functional>
#include <string>

#include "platform/visio/ComRef.h"

namespace simhost {

class Application;
class Document;
class Host;
struct DrawingData;

class DrawingFile {
public:
    // Called with the document once its content is in place, before any event about it.
    using Built = std::function<void(Document&)>;

    // Opens the file as a document; the document's name and path are the file's. Empty,
    // with *error, when the file cannot be read or is no drawing file: the host is then
    // as it was.
    static visio::ComRef<Document> open(Host& host, const std::string& fileName, std::string* error,
                                        const Built& built = nullptr);
    // The same from a drawing file's text; the document takes the name and path the text
    // gives (a new drawing's name when it gives none).
    static visio::ComRef<Document> openText(Host& host, const std::string& text, std::string* error,
                                            const Built& built = nullptr);

    // The document as a drawing file's text.
    static bool write(Document& document, std::string* text, std::string* error);
    // Writes the document to the file (through a temporary file beside it, so that a
    // failed write leaves the old file whole). Raises no event and renames nothing.
    static bool save(Document& document, const std::string& fileName, std::string* error);

    // From now on the application's saves (save, save as, DoCmd 1004 and 1005) write the
    // document to its file name; a save that cannot write is reported and does not
    // happen (the document keeps its name and its unsaved changes). Each file written is
    // told to saved, whoever asked for the save (the user, or an add-on's command).
    static void attach(Application& application, std::function<void(const std::string&)> report,
                       std::function<void(Document&)> saved = nullptr);

private:
    static visio::ComRef<Document> openData(Host& host, const std::string& fullName,
                                            DrawingData& drawing, const Built& built);
};

}  // namespace simhost
