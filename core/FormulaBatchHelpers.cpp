#include "core/FormulaBatchHelpers.h"

#include <new>
#include <vector>

#include "core/VisioText.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VisioConstants.h"

namespace {

// Write through guards, in universal syntax.
constexpr int16_t kBatchFlags = visio::visSetBlastGuards | visio::visSetUniversalSyntax;

void appendAddress(std::vector<int16_t>& stream, const FormulaBatchKey& key) {
    for (int32_t part : key) stream.push_back(static_cast<int16_t>(part));
}

}  // namespace

void setFormulasBatch(const visio::VShapes& shapes, FormulaBatchMap batch) {
    std::vector<int16_t> addresses;
    std::vector<std::string> formulas;
    try {
        addresses.reserve(4 * batch.size());
        formulas.reserve(batch.size());
    } catch (const std::bad_alloc&) {
        return;
    }
    for (auto& [key, formula] : batch) {
        appendAddress(addresses, key);
        formulas.push_back(limitFormulaLength(std::move(formula)));
    }
    shapes.ContainingPage().SetFormulas(addresses, formulas, kBatchFlags);
}
