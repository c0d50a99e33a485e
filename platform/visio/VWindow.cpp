#include "platform/visio/VWindow.h"

#include "platform/visio/VDocument.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShape.h"

namespace visio {

int16_t VWindow::Type() const {
    return call(&IVWindow::Type);
}

int16_t VWindow::SubType() const {
    return call(&IVWindow::SubType);
}

VPage VWindow::Page() const {
    return VPage(call(&IVWindow::Page));
}

void VWindow::SetPage(const std::string& pageName) const {
    call(&IVWindow::SetPage, pageName);
}

VDocument VWindow::Document() const {
    return VDocument(call(&IVWindow::Document));
}

VSelection VWindow::Selection() const {
    return VSelection(call(&IVWindow::Selection));
}

void VWindow::Select(const VShape& shape, int16_t action) const {
    call(&IVWindow::Select, shape.ref(), action);
}

void VWindow::DeselectAll() const {
    call(&IVWindow::DeselectAll);
}

void VWindow::SelectAll() const {
    call(&IVWindow::SelectAll);
}

void VWindow::Activate() const {
    call(&IVWindow::Activate);
}

int16_t VWindow::ShowConnectPoints() const {
    return call(&IVWindow::ShowConnectPoints);
}

void VWindow::SetShowConnectPoints(int16_t value) const {
    call(&IVWindow::SetShowConnectPoints, value);
}

}  // namespace visio
