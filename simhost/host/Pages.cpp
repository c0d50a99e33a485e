#include "simhost/host/Pages.h"

#include <algorithm>

#include "simhost/host/Document.h"
#include "simhost/host/Page.h"

namespace simhost {

Pages::Pages(Document* document) : document_(document) {}

Pages::~Pages() = default;

void Pages::append(visio::ComRef<Page> page) {
    pages_.push_back(std::move(page));
}

int16_t Pages::Count() {
    return isDeleted() ? 0 : static_cast<int16_t>(pages_.size());
}

visio::ComRef<visio::IVPage> Pages::Item(int16_t index) {
    if (isDeleted() || index < 1 || index > static_cast<int16_t>(pages_.size())) return {};
    return pages_[static_cast<size_t>(index - 1)];
}

visio::ComRef<visio::IVPage> Pages::Add() {
    if (isDeleted() || !document_) return {};
    return document_->addPage();
}

void Pages::remove(const Page& page) {
    pages_.erase(std::remove_if(pages_.begin(), pages_.end(),
                                [&](const visio::ComRef<Page>& p) { return p.get() == &page; }),
                 pages_.end());
}

void Pages::detach() {
    markDeleted();
    pages_.clear();
    document_ = nullptr;
}

}  // namespace simhost
