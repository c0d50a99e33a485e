#include "simhost/host/Document.h"

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/ObjectIds.h"
#include "simhost/host/Page.h"
#include "simhost/host/Pages.h"
#include "simhost/host/Shape.h"
#include "simhost/host/UIObject.h"
#include "simhost/host/Window.h"
#include "simhost/host/Windows.h"

namespace simhost {

Document::Document(Application* application, int32_t id, const std::string& name)
    : application_(application),
      id_(id),
      name_(name),
      pages_(makeObject<simhost::Pages>(this)),
      documentSheet_(makeObject<Shape>(application, this, nullptr, 0, visio::visTypeDoc, false)) {
    DefaultCells::apply(documentSheet_->sheet(), SheetKind::DocumentSheet, false,
                        application->formulas());
}

int32_t Document::ID() {
    return usable() ? id_ : 0;
}

std::string Document::Name() {
    return usable() ? name_ : std::string();
}

std::string Document::FullName() {
    return usable() ? fullName() : std::string();
}

std::string Document::Path() {
    return usable() ? path_ : std::string();
}

std::string Document::Title() {
    return usable() ? properties_.title : std::string();
}

std::string Document::Subject() {
    return usable() ? properties_.subject : std::string();
}

std::string Document::Creator() {
    return usable() ? properties_.creator : std::string();
}

std::string Document::Manager() {
    return usable() ? properties_.manager : std::string();
}

std::string Document::Company() {
    return usable() ? properties_.company : std::string();
}

std::string Document::Category() {
    return usable() ? properties_.category : std::string();
}

std::string Document::Keywords() {
    return usable() ? properties_.keywords : std::string();
}

std::string Document::Description() {
    return usable() ? properties_.description : std::string();
}

visio::ComRef<visio::IVPages> Document::Pages() {
    if (!usable()) return {};
    return pages_;
}

visio::ComRef<visio::IVShape> Document::DocumentSheet() {
    if (!usable()) return {};
    return documentSheet_;
}

bool Document::Saved() {
    return usable() && saved_;
}

void Document::SetSaved(bool saved) {
    if (usable()) saved_ = saved;
}

visio::ComRef<visio::IVUIObject> Document::CustomToolbars() {
    if (!usable()) return {};
    return customToolbars_;
}

void Document::setFileName(const std::string& fullName) {
    size_t cut = fullName.find_last_of("/\\");
    path_ = cut == std::string::npos ? std::string() : fullName.substr(0, cut + 1);
    name_ = cut == std::string::npos ? fullName : fullName.substr(cut + 1);
}

std::vector<Page*> Document::pageList() const {
    std::vector<Page*> pages;
    for (const auto& page : pages_->list()) pages.push_back(page.get());
    return pages;
}

Page* Document::page(int index) const {
    const auto& list = pages_->list();
    if (index < 1 || index > static_cast<int>(list.size())) return nullptr;
    return list[static_cast<size_t>(index - 1)].get();
}

Page* Document::pageNamed(const std::string& name) const {
    for (const auto& page : pages_->list())
        if (page->name() == name) return page.get();
    return nullptr;
}

int16_t Document::indexOf(const Page& page) const {
    const auto& list = pages_->list();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == &page) return static_cast<int16_t>(i + 1);
    return 0;
}

visio::ComRef<Page> Document::addPage(const std::string& name, std::string* error) {
    if (!usable()) return {};
    if (!ObjectIds::enoughFrom(nextPageId_, 1)) {
        if (error) {
            *error = "document \"" + name_ + "\" has no page IDs left (they end at " +
                     std::to_string(ObjectIds::kLargest) + ")";
        }
        return {};
    }
    std::string pageName = name;
    for (size_t n = pages_->list().size() + 1; pageName.empty() || pageNamed(pageName); ++n)
        pageName = "Page-" + std::to_string(n);
    auto page = makeObject<Page>(application_, this, nextPageId_++, pageName);
    pages_->append(page);
    markModified();
    application_->events().queue(visio::visEvtCodePageAdded, visio::ObjectRef(page.get()));
    return page;
}

void Document::deletePage(Page& page) {
    if (!usable() || page.document() != this) return;
    visio::ComRef<Page> keep(&page);
    for (Page* other : pageList())
        if (other->backPage() == &page) other->setBackPageQuietly(nullptr);
    pages_->remove(page);
    Page* next = pages_->list().empty() ? nullptr : pages_->list().front().get();
    for (Window* window : application_->windows().showing(page)) {
        if (next) {
            window->turnTo(*next);
        } else {
            application_->windows().close(*window);
        }
    }
    page.detach();
    markModified();
}

void Document::renumberDefaultPageNames() {
    if (!usable()) return;
    int foreground = 0, background = 0;
    for (Page* page : pageList()) {
        const bool behind = page->isBackground();
        const std::string prefix = behind ? "Background-" : "Page-";
        const int number = behind ? ++background : ++foreground;
        const std::string& name = page->name();
        const bool defaultName =
            name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
            name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
        // A name taken by another page stays where it is (SetName refuses it).
        if (defaultName) page->SetName(prefix + std::to_string(number));
    }
}

void Document::markModified() {
    saved_ = false;
    if (application_) application_->noteChange();
}

void Document::setCustomToolbars(visio::ComRef<UIObject> ui) {
    customToolbars_ = std::move(ui);
}

void Document::detach() {
    if (isDeleted()) return;
    markDeleted();
    for (const auto& page : pages_->list()) page->detach();
    pages_->detach();
    documentSheet_->detach();
    customToolbars_.reset();
    application_ = nullptr;
}

Document::~Document() = default;

}  // namespace simhost
