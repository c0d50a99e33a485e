// A stand-in Visio with one new document, and shapes on its first page as the helpers
// see them (wrappers over the port's interfaces).
#pragma once

#include <gtest/gtest.h>

#include "platform/visio/VDocument.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"
#include "simhost/host/Host.h"

class HostFixture : public ::testing::Test {
protected:
    HostFixture() : document_(host_.newDocument()) {}

    simhost::Page& page() { return *document_->page(1); }
    simhost::Document& document() { return *document_.get(); }

    visio::ComRef<simhost::Shape> add(const simhost::ShapeSpec& spec) {
        return host_.addShape(page(), spec);
    }
    static visio::VShape wrap(const visio::ComRef<simhost::Shape>& shape) {
        return visio::VShape(visio::ComRef<visio::IVShape>(shape));
    }
    static visio::VShape wrap(simhost::Shape* shape) {
        return visio::VShape(visio::ComRef<visio::IVShape>(shape));
    }
    static visio::VDocument wrap(const visio::ComRef<simhost::Document>& document) {
        return visio::VDocument(visio::ComRef<visio::IVDocument>(document));
    }
    visio::VShapes pageShapes() { return visio::VShapes(page().Shapes()); }

    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
};
