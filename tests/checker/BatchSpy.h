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

class BatchSpy {
public:
    explicit BatchSpy(const visio::VShapes& real);

    // The collection to hand to the code under test.
    visio::VShapes shapes();
    // One map per batch write, in call order (entries as the batch writer keyed them).
    const std::vector<FormulaBatchMap>& batches() const { return page_.batches; }

private:
    class Page : public visio::IVPage {
    public:
        uint32_t AddRef() override { return 1; }
        uint32_t Release() override { return 1; }
        visio::IVObject* QueryInterface(visio::InterfaceId) override { return nullptr; }
        int32_t ID() override { return real->ID(); }
        int16_t Index() override { return real->Index(); }
        std::string Name() override { return real->Name(); }
        void SetName(const std::string& name) override { real->SetName(name); }
        visio::ComRef<visio::IVShapes> Shapes() override { return real->Shapes(); }
        bool Background() override { return real->Background(); }
        void SetBackground(bool background) override { real->SetBackground(background); }
        visio::ComRef<visio::IVPage> BackPage() override { return real->BackPage(); }
        void SetBackPage(const std::string& name) override { real->SetBackPage(name); }
        visio::ComRef<visio::IVShape> PageSheet() override { return real->PageSheet(); }
        visio::ComRef<visio::IVDocument> Document() override { return real->Document(); }
        void Export(const std::string& path) override { real->Export(path); }
        void Delete(int16_t renumber) override { real->Delete(renumber); }
        visio::ComRef<visio::IVShape> Drop(const visio::ComRef<visio::IVShape>& shape, double x,
                                           double y) override {
            return real->Drop(shape, x, y);
        }
        int16_t SetFormulas(const std::vector<int16_t>& stream,
                            const std::vector<std::string>& formulas, int16_t flags) override;

        visio::ComRef<visio::IVPage> real;
        std::vector<FormulaBatchMap> batches;
    };

    class Shapes : public visio::IVShapes {
    public:
        uint32_t AddRef() override { return 1; }
        uint32_t Release() override { return 1; }
        visio::IVObject* QueryInterface(visio::InterfaceId) override { return nullptr; }
        int32_t Count() override { return real->Count(); }
        visio::ComRef<visio::IVShape> Item(int32_t index) override { return real->Item(index); }
        visio::ComRef<visio::IVShape> ItemFromID(int32_t id) override {
            return real->ItemFromID(id);
        }
        visio::ComRef<visio::IVPage> ContainingPage() override {
            return visio::ComRef<visio::IVPage>(page);
        }
        visio::ComRef<visio::IVShape> ContainingShape() override { return real->ContainingShape(); }

        visio::ComRef<visio::IVShapes> real;
        Page* page = nullptr;
    };

    Page page_;
    Shapes shapes_;
};
