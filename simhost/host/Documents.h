// The open documents, in the order they were opened (index from 1).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Application;
class Document;

class Documents : public HostObject<visio::IVDocuments> {
public:
    explicit Documents(Application* application);
    ~Documents() override;

    // IVDocuments
    QAV_VISIO_DECLARE_OVERRIDES(Documents)

    const std::vector<visio::ComRef<Document>>& list() const { return documents_; }
    // A new document with one page; named "DrawingN" when the name is empty.
    visio::ComRef<Document> create(const std::string& name);
    // Takes the document out of the list and marks it closed.
    void close(Document& document);
    void closeAll();

private:
    Application* application_;
    std::vector<visio::ComRef<Document>> documents_;
    int32_t nextId_ = 1;
    int untitled_ = 0;
};

}  // namespace simhost
