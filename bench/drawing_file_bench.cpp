// What drawing files cost on a large Petri net (the runner's generated example of a few
// thousand elements): writing the document as text, reading the text into a document,
// and the size of the text.
#include <benchmark/benchmark.h>

#include <string>

#include "app/ExampleDrawings.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Host.h"

namespace {

class LargeNet {
public:
    explicit LargeNet(int elements)
        : document_(
              runner::ExampleDrawings::build(host_, "large-petri-net", "large.json", elements)) {
        simhost::DrawingFile::write(*document_, &text, nullptr);
    }

    simhost::Host& host() { return host_; }
    simhost::Document& document() { return *document_; }
    std::string text;

private:
    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
};

void BM_WriteDrawing(benchmark::State& state) {
    LargeNet net(static_cast<int>(state.range(0)));
    std::string text;
    for (auto _ : state) {
        simhost::DrawingFile::write(net.document(), &text, nullptr);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(net.text.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * net.text.size()));
}
BENCHMARK(BM_WriteDrawing)->Arg(400)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_OpenDrawing(benchmark::State& state) {
    LargeNet net(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto document = simhost::DrawingFile::openText(net.host(), net.text, nullptr);
        state.PauseTiming();
        net.host().closeDocument(*document);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * net.text.size()));
}
BENCHMARK(BM_OpenDrawing)->Arg(400)->Arg(3000)->Unit(benchmark::kMillisecond);

}  // namespace
