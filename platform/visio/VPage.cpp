#include "platform/visio/VPage.h"

#include "platform/visio/VDocument.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

namespace visio {

int32_t VPage::ID() const {
    return call(&IVPage::ID);
}

int16_t VPage::Index() const {
    return call(&IVPage::Index);
}

std::string VPage::Name() const {
    return call(&IVPage::Name);
}

void VPage::SetName(const std::string& name) const {
    call(&IVPage::SetName, name);
}

VShapes VPage::Shapes() const {
    return VShapes(call(&IVPage::Shapes));
}

bool VPage::Background() const {
    return call(&IVPage::Background);
}

void VPage::SetBackground(bool background) const {
    call(&IVPage::SetBackground, background);
}

VPage VPage::BackPage() const {
    return VPage(call(&IVPage::BackPage));
}

void VPage::SetBackPage(const std::string& pageName) const {
    call(&IVPage::SetBackPage, pageName);
}

VShape VPage::PageSheet() const {
    return VShape(call(&IVPage::PageSheet));
}

VDocument VPage::Document() const {
    return VDocument(call(&IVPage::Document));
}

void VPage::Export(const std::string& path) const {
    call(&IVPage::Export, path);
}

void VPage::Delete(int16_t renumberPages) const {
    call(&IVPage::Delete, renumberPages);
}

VShape VPage::Drop(const VShape& shape, double x, double y) const {
    return VShape(call(&IVPage::Drop, shape.ref(), x, y));
}

int16_t VPage::SetFormulas(const std::vector<int16_t>& sidSrcStream,
                           const std::vector<std::string>& formulas, int16_t flags) const {
    return call(&IVPage::SetFormulas, sidSrcStream, formulas, flags);
}

}  // namespace visio
