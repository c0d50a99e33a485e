// A page's shapes collection that passes every call on to the stand-in host and
// records the batch formula writes made through it, so that a test sees exactly what
// each batch held.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/VShapes.h"
#include "tests/support/StandInObjects.h"

class BatchSpy {
public:
    explicit BatchSpy(const visio::VShapes& real);

    // The collection to hand to the code under test.
    visio::VShapes shapes();
    // One map per batch write, in call order (entries as the batch writer keyed them).
    const std::vector<FormulaBatchMap>& batches() const { return page_.batches; }

private:
    class Page : public teststandin::Forwarding<visio::IVPage> {
    public:
        int16_t SetFormulas(const std::vector<int16_t>& stream,
                            const std::vector<std::string>& formulas, int16_t flags) override;

        std::vector<FormulaBatchMap> batches;
    };

    // Hands out the spying page as its page.
    class Shapes : public teststandin::Forwarding<visio::IVShapes> {
    public:
        visio::ComRef<visio::IVPage> ContainingPage() override {
            return visio::ComRef<visio::IVPage>(page);
        }

        Page* page = nullptr;
    };

    Page page_;
    Shapes shapes_;
};
