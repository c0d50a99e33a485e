// The pages of a document, in order (index from 1).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Document;
class Page;

class Pages : public HostObject<visio::IVPages> {
public:
    explicit Pages(Document* document);
    ~Pages() override;

    // IVPages. Add adds a page at the end (raises page-added).
    QAV_VISIO_DECLARE_OVERRIDES(Pages)

    const std::vector<visio::ComRef<Page>>& list() const { return pages_; }
    void append(visio::ComRef<Page> page);
    void remove(const Page& page);
    void detach();

private:
    Document* document_;
    std::vector<visio::ComRef<Page>> pages_;
};

}  // namespace simhost
