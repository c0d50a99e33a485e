#include "simhost/host/Connects.h"

#include <algorithm>

#include "simhost/host/Connect.h"

namespace simhost {

Connects::Connects(bool outgoing) : outgoing_(outgoing) {}

Connects::~Connects() = default;

int16_t Connects::Count() {
    return isDeleted() ? 0 : static_cast<int16_t>(records_.size());
}

visio::ComRef<visio::IVConnect> Connects::Item(int16_t index) {
    if (isDeleted() || index < 1 || index > static_cast<int16_t>(records_.size())) return {};
    return records_[static_cast<size_t>(index - 1)];
}

void Connects::add(visio::ComRef<Connect> record) {
    records_.push_back(std::move(record));
}

void Connects::remove(const Connect& record) {
    records_.erase(
        std::remove_if(records_.begin(), records_.end(),
                       [&](const visio::ComRef<Connect>& r) { return r.get() == &record; }),
        records_.end());
}

void Connects::detach() {
    std::vector<visio::ComRef<Connect>> records = records_;
    for (const auto& r : records) r->cut();
    records_.clear();
    markDeleted();
}

}  // namespace simhost
