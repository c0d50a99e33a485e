#include "simhost/host/DocumentCommands.h"

#include <filesystem>
#include <system_error>

#include "platform/os/System.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/ImageSize.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Window.h"

namespace simhost {

void DocumentCommands::run(Application& application, int16_t command) {
    application.log().commands.push_back(command);
    Document* document = application.activeDocument();
    switch (command) {
        case visio::visCmdFileSave:
            if (document) save(application, *document);
            break;
        case visio::visCmdFileSaveAs: {
            std::string name;
            if (document && chooseSaveAsName(application, *document, &name))
                saveAs(application, *document, name);
            break;
        }
        case visio::visCmdInsertPicture:
            importPicture(application);
            break;
        case visio::visCmdTextEdit:
            editText(application);
            return;
        default:
            return;
    }
    // Saving and choosing a picture run to completion inside the call, in their own
    // modal loops, so the events they raise reach the add-on before the call returns,
    // as in Visio: a tool that saves before it starts work sees the save's events while
    // it is still idle.
    application.events().deliverPending();
}

void DocumentCommands::save(Application& application, Document& document) {
    if (document.path().empty()) {
        std::string name;
        if (chooseSaveAsName(application, document, &name)) saveAs(application, document, name);
        return;
    }
    queueSave(application, document, visio::visEvtCodeBefDocSave, visio::visEvtCodeDocSave,
              document.fullName());
}

void DocumentCommands::saveAs(Application& application, Document& document,
                              const std::string& fullName) {
    queueSave(application, document, visio::visEvtCodeBefDocSaveAs, visio::visEvtCodeDocSaveAs,
              fullName);
}

void DocumentCommands::queueSave(Application& application, Document& document, int16_t before,
                                 int16_t after, const std::string& fullName) {
    visio::ComRef<Document> keep(&document);
    application.events().queue(before, visio::ObjectRef(&document));
    // The save itself happens when its turn in the queue comes: after the handlers of the
    // before-save event have taken back what should not be saved.
    application.events().queueAction([&application, keep, after, fullName]() {
        if (keep->isDeleted()) return;
        std::string previous = keep->fullName();
        keep->setFileName(fullName);
        // A file that could not be written is no save: the document keeps its name and
        // its changes, and no saved event claims otherwise.
        auto& write = application.hooks().saveDocument;
        if (write && !write(*keep)) {
            keep->setFileName(previous);
            return;
        }
        keep->SetSaved(true);
        application.events().queue(after, visio::ObjectRef(keep.get()));
    });
}

bool DocumentCommands::chooseSaveAsName(Application& application, Document& document,
                                        std::string* fullName) {
    auto& answers = application.answers().saveAsNames;
    if (answers.empty()) {
        *fullName = defaultFileName(document);
        return true;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    if (!answer || answer->empty()) return false;
    *fullName = *answer;
    return true;
}

std::string DocumentCommands::defaultFileName(const Document& document) {
    std::error_code error;
    std::string folder = std::filesystem::temp_directory_path(error).string();
    if (!folder.empty() && folder.back() != os::kPathSeparator) folder += os::kPathSeparator;
    std::string name = document.name();
    if (name.find('.') == std::string::npos) name += ".vsd";
    return folder + name;
}

void DocumentCommands::importPicture(Application& application) {
    auto& answers = application.answers().pictures;
    if (answers.empty()) return;
    std::optional<PictureChoice> choice = answers.front();
    answers.pop_front();
    Page* page = application.activePage();
    if (!choice || !page) return;
    std::optional<ImageSize> size = ImageSize{choice->width, choice->height};
    std::string bytes;
    if (!choice->path.empty()) {
        // A file that cannot be read as a picture imports nothing (Visio says so).
        size = os::System::current().readFile(choice->path, bytes) == os::ReadResult::Read
                   ? ImageSizes::read(bytes)
                   : std::nullopt;
        if (!size) return;
    }
    double x = page->pageSheet()->number("PageWidth") / 2;
    double y = page->pageSheet()->number("PageHeight") / 2;
    // The picture keeps the file's bytes, as Visio embeds them: it draws them from now on.
    ShapeSpec spec = ShapeSpec::picture(x, y, size->width, size->height).image(std::move(bytes));
    if (!choice->name.empty()) spec.name(choice->name);
    auto picture = page->addShape(spec);
    // The imported picture is what the window has selected afterwards.
    if (Window* window = application.activeWindow()) {
        window->DeselectAll();
        window->select(*picture, visio::visSelect);
    }
}

void DocumentCommands::editText(Application& application) {
    Window* window = application.activeWindow();
    if (!window) return;
    auto selected = window->selection().reported(visio::visSelModeSkipSuper);
    // A shape whose text is locked opens no text for typing.
    if (selected.empty() || selected.front()->isTextEditLocked()) return;
    window->openTextEditor(*selected.front());
    application.events().queue(visio::visEvtCodeShapeTextEdit,
                               visio::ObjectRef(selected.front().get()));
}

}  // namespace simhost
