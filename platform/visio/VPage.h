// A page of a document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VDocument;
class VShape;
class VShapes;

class VPage : public Wrapper<IVPage> {
public:
    using Interface = IVPage;
    using Wrapper::Wrapper;

    int32_t ID() const;
    int16_t Index() const;
    std::string Name() const;
    void SetName(const std::string& name) const;
    VShapes Shapes() const;
    bool Background() const;
    void SetBackground(bool background) const;
    VPage BackPage() const;
    void SetBackPage(const std::string& pageName) const;
    VShape PageSheet() const;
    VDocument Document() const;
    void Export(const std::string& path) const;
    void Delete(int16_t renumberPages) const;
    VShape Drop(const VShape& shape, double x, double y) const;
    int16_t SetFormulas(const std::vector<int16_t>& sidSrcStream,
                        const std::vector<std::string>& formulas, int16_t flags) const;
};

}  // namespace visio
