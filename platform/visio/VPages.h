// The pages of a document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VPage;

class VPages : public Wrapper<IVPages> {
public:
    using Interface = IVPages;
    using Wrapper::Wrapper;

    int16_t Count() const;
    VPage Item(int16_t index) const;
    VPage Add() const;
};

}  // namespace visio
