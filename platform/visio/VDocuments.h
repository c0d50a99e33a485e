// The open documents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VDocument;

class VDocuments : public Wrapper<IVDocuments> {
public:
    using Interface = IVDocuments;
    using Wrapper::Wrapper;

    int16_t Count() const;
    VDocument Item(int16_t index) const;
};

}  // namespace visio
