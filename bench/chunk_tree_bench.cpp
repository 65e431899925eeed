// Writing and reading the chunk tree of a large document in memory, against
// a plain copy of the same number of bytes as the reference.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 32;

CStippleboxData& Document()
{
    static auto document = MakePixelArtDocument(kSize, kSize, kLayers, 42);
    return *document;
}

std::vector<uint8_t> WriteTree(CStippleboxData& document)
{
    CMemFile memory(65536);
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    document.WriteChunks(file);
    file.Detach();
    return memory.Detach();
}

void BM_ReferenceCopyOfTheSameBytes(benchmark::State& state)
{
    const std::vector<uint8_t> source = WriteTree(Document());
    std::vector<uint8_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}
BENCHMARK(BM_ReferenceCopyOfTheSameBytes)->Unit(benchmark::kMillisecond);

// Writing produces a new buffer each time; its floor is copying the bytes into
// freshly allocated memory.
void BM_ReferenceCopyIntoNewBuffer(benchmark::State& state)
{
    const std::vector<uint8_t> source = WriteTree(Document());
    for (auto _ : state) {
        std::vector<uint8_t> target(source.begin(), source.end());
        benchmark::DoNotOptimize(target.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}
BENCHMARK(BM_ReferenceCopyIntoNewBuffer)->Unit(benchmark::kMillisecond);

void BM_WriteChunkTree(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> stream = WriteTree(Document());
        bytes = stream.size();
        benchmark::DoNotOptimize(stream.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_WriteChunkTree)->Unit(benchmark::kMillisecond);

void BM_ReadChunkTree(benchmark::State& state)
{
    std::vector<uint8_t> stream = WriteTree(Document());
    for (auto _ : state) {
        CMemFile memory(stream);
        CStippleboxChunkFile file;
        file.Attach(&memory, false);
        CStippleboxData document;
        document.ReadChunks(file, stream.size());
        file.Detach();
        benchmark::DoNotOptimize(document.GetLayers());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}
BENCHMARK(BM_ReadChunkTree)->Unit(benchmark::kMillisecond);

}  // namespace
