// A stand-in Visio with one document, the notation's stand-in masters to drop on its
// first page, and a headless window backend that records the message boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ShapeAttributes.h"
#include "platform/ui/Backend.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/StencilOptions.h"
#include "simhost/ui/HeadlessBackend.h"
#include "tests/support/HostFixture.h"

class ShapeAttributesFixture : public HostFixture {
protected:
    ShapeAttributesFixture() { ui::Backend::install(&backend_); }
    ~ShapeAttributesFixture() override { ui::Backend::install(nullptr); }

    static simhost::stencil::StencilOptions version(const std::string& text) {
        simhost::stencil::StencilOptions options;
        options.version = text;
        return options;
    }
    static simhost::stencil::StencilOptions without(const std::string& cell,
                                                    const std::string& versionText = "2.1.1") {
        simhost::stencil::StencilOptions options = version(versionText);
        options.omit.insert(cell);
        return options;
    }

    const std::vector<simhost::headless::MessageBoxRecord>& messageBoxes() const {
        return backend_.messageBoxes();
    }
    // A formula as the shape holds it now; "" when it has no such cell.
    static std::string formulaOf(const visio::ComRef<simhost::Shape>& shape,
                                 const std::string& cell) {
        return shape->formula(cell);
    }
    static bool hasCell(const visio::ComRef<simhost::Shape>& shape, const std::string& cell) {
        return wrap(shape).CellExistsU(cell, 0) != 0;
    }
    static simhost::Shape* subShape(const visio::ComRef<simhost::Shape>& shape, size_t index) {
        return shape->memberList().at(index - 1).get();
    }

    simhost::headless::HeadlessBackend backend_;
};
