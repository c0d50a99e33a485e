#include "simhost/host/Documents.h"
#include "simhost/host/Page.h"

#include <algorithm>

#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/EventQueue.h"

namespace simhost {

Documents::Documents(Application* application) : application_(application) {}

Documents::~Documents() = default;

int16_t Documents::Count() {
    return isDeleted() ? 0 : static_cast<int16_t>(documents_.size());
}

visio::ComRef<visio::IVDocument> Documents::Item(int16_t index) {
    if (isDeleted() || index < 1 || index > static_cast<int16_t>(documents_.size())) return {};
    return documents_[static_cast<size_t>(index - 1)];
}

visio::ComRef<Document> Documents::create(const std::string& name) {
    std::string documentName = name.empty() ? "Drawing" + std::to_string(++untitled_) : name;
    auto document = makeObject<Document>(application_, nextId_++, documentName);
    {
        // The first page belongs to the new document; it raises no page-added event.
        EventQueue::Suppression quiet(application_->events());
        document->addPage();
    }
    document->SetSaved(true);
    documents_.push_back(document);
    return document;
}

void Documents::close(Document& document) {
    auto it = std::find_if(documents_.begin(), documents_.end(),
                           [&](const visio::ComRef<Document>& d) { return d.get() == &document; });
    if (it == documents_.end()) return;
    visio::ComRef<Document> keep = *it;
    documents_.erase(it);
    keep->detach();
}

void Documents::closeAll() {
    auto documents = std::move(documents_);
    documents_.clear();
    for (auto& d : documents) d->detach();
}

}  // namespace simhost
