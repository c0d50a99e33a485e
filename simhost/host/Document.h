// A drawing document: its pages, its document sheet, its summary properties, its file
// name once saved, and whether it has changes since.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Application;
class Page;
class Pages;
class Shape;
class UIObject;

struct DocumentProperties {
    std::string title;
    std::string subject;
    std::string creator;
    std::string manager;
    std::string company;
    std::string category;
    std::string keywords;
    std::string description;
};

class Document : public HostObject<visio::IVDocument> {
public:
    // A new, unsaved document named like Visio's new drawings ("Drawing1").
    Document(Application* application, int32_t id, const std::string& name);
    ~Document() override;

    // IVDocument
    QAV_VISIO_DECLARE_OVERRIDES(Document)

    // The host's plain accessors and operations.
    Application* application() const { return application_; }
    int32_t id() const { return id_; }
    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    std::string fullName() const { return path_ + name_; }
    DocumentProperties& properties() { return properties_; }
    bool isSaved() const { return saved_; }
    // Something in the document changed since it was last saved (the application
    // counts the change).
    void markModified();
    // Takes the file name of a save: Name, Path and FullName follow it.
    void setFileName(const std::string& fullName);
    Shape* documentSheet() const { return documentSheet_.get(); }
    simhost::Pages& pageCollection() { return *pages_; }
    std::vector<Page*> pageList() const;
    // By position from 1; null when there is none.
    Page* page(int index) const;
    Page* pageNamed(const std::string& name) const;
    int16_t indexOf(const Page& page) const;
    // Adds a page at the end ("Page-N" when the name is empty) and raises page-added;
    // empty, and *error says why, when the document has no page IDs left.
    visio::ComRef<Page> addPage(const std::string& name = std::string(),
                                std::string* error = nullptr);
    // Deletes the page: pages it stood behind lose it, windows showing it turn to
    // another page (or close when none is left).
    void deletePage(Page& page);
    // Gives the pages that bear Visio's default names ("Page-N" in front, "Background-N"
    // behind) the numbers of their places again, as a page deletion asks it to.
    void renumberDefaultPageNames();
    void setCustomToolbars(visio::ComRef<UIObject> ui);
    // The ID the next new page takes (a drawing file restores it).
    int32_t nextPageId() const { return nextPageId_; }
    void setNextPageId(int32_t id) { nextPageId_ = id; }
    // The document closes: it and everything in it is marked deleted.
    void detach();

private:
    bool usable() const { return !isDeleted() && application_; }

    Application* application_;
    int32_t id_;
    std::string name_;
    std::string path_;
    DocumentProperties properties_;
    bool saved_ = true;
    visio::ComRef<simhost::Pages> pages_;
    visio::ComRef<Shape> documentSheet_;
    visio::ComRef<UIObject> customToolbars_;
    int32_t nextPageId_ = 0;
};

}  // namespace simhost
