// A Visio document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VPages;
class VShape;
class VUIObject;

class VDocument : public Wrapper<IVDocument> {
public:
    using Interface = IVDocument;
    using Wrapper::Wrapper;

    int32_t ID() const;
    std::string Name() const;
    std::string FullName() const;
    std::string Path() const;
    std::string Title() const;
    std::string Subject() const;
    std::string Creator() const;
    std::string Manager() const;
    std::string Company() const;
    std::string Category() const;
    std::string Keywords() const;
    std::string Description() const;
    VPages Pages() const;
    VShape DocumentSheet() const;
    bool Saved() const;
    void SetSaved(bool saved) const;
    VUIObject CustomToolbars() const;
};

}  // namespace visio
