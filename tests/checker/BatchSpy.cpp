#include "tests/checker/BatchSpy.h"

#include <cstddef>

#include "platform/visio/VPage.h"

BatchSpy::BatchSpy(const visio::VShapes& real) {
    shapes_.real = real.ref();
    shapes_.page = &page_;
    page_.real = real.ContainingPage().ref();
}

visio::VShapes BatchSpy::shapes() {
    return visio::VShapes(visio::ComRef<visio::IVShapes>(&shapes_));
}

int16_t BatchSpy::Page::SetFormulas(const std::vector<int16_t>& stream,
                                    const std::vector<std::string>& formulas, int16_t flags) {
    FormulaBatchMap batch;
    for (std::size_t i = 0; i < formulas.size() && 4 * i + 3 < stream.size(); ++i) {
        batch[{static_cast<uint16_t>(stream[4 * i]), stream[4 * i + 1], stream[4 * i + 2],
               stream[4 * i + 3]}] = formulas[i];
    }
    batches.push_back(batch);
    return real->SetFormulas(stream, formulas, flags);
}
