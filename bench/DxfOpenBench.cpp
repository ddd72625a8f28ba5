// Opening a large drawing: 10,000 lightweight polylines of 100 vertices (1,000,000
// vertices) and 100,000 points, in UTM-like coordinates.
//
//   DxfOpenBench                 Google Benchmark of the open (the drawing is made in a
//                                temporary folder first)
//   DxfOpenBench --gerar FILE    writes the drawing
//   DxfOpenBench --abrir FILE    opens it once and prints time and peak memory
//
// bench/dxf_open_compare.sh runs the last two beside ezdxf reading the same file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/text/AtomicFile.h"

namespace {

constexpr int kPolylines = 10000;
constexpr int kVertices = 100;
constexpr int kPoints = 100000;

void Append(std::string& out, int code, const char* value) {
    char line[64];
    int n = std::snprintf(line, sizeof line, "%3d\n", code);
    out.append(line, static_cast<std::size_t>(n));
    out += value;
    out += '\n';
}

void AppendReal(std::string& out, int code, double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.3f", value);
    Append(out, code, text);
}

void AppendHandle(std::string& out, unsigned long handle) {
    char text[24];
    std::snprintf(text, sizeof text, "%lX", handle);
    Append(out, 5, text);
}

std::string LargeDrawing() {
    std::string out;
    out.reserve(64u << 20);
    unsigned long handle = 0x100;
    Append(out, 0, "SECTION");
    Append(out, 2, "HEADER");
    Append(out, 9, "$ACADVER");
    Append(out, 1, "AC1015");
    Append(out, 9, "$HANDSEED");
    Append(out, 5, "FFFFFF");
    Append(out, 0, "ENDSEC");
    Append(out, 0, "SECTION");
    Append(out, 2, "ENTITIES");
    for (int p = 0; p < kPolylines; ++p) {
        Append(out, 0, "LWPOLYLINE");
        AppendHandle(out, handle++);
        Append(out, 100, "AcDbEntity");
        Append(out, 8, p % 2 ? "LIMPEZA" : "BORDO");
        Append(out, 100, "AcDbPolyline");
        Append(out, 90, std::to_string(kVertices).c_str());
        Append(out, 70, "0");
        for (int v = 0; v < kVertices; ++v) {
            AppendReal(out, 10, 500000.0 + p * 3.25 + v * 1.75);
            AppendReal(out, 20, 7000000.0 + p * 0.5 + (v % 7) * 2.125);
        }
    }
    for (int i = 0; i < kPoints; ++i) {
        Append(out, 0, "POINT");
        AppendHandle(out, handle++);
        Append(out, 100, "AcDbEntity");
        Append(out, 8, "ARVORES");
        Append(out, 100, "AcDbPoint");
        AppendReal(out, 10, 500000.0 + (i % 1000) * 13.5);
        AppendReal(out, 20, 7000000.0 + (i / 1000) * 11.25);
        AppendReal(out, 30, 800.0 + (i % 50) * 0.1);
    }
    Append(out, 0, "ENDSEC");
    Append(out, 0, "EOF");
    return out;
}

const std::string& BenchFile() {
    static const std::string path = [] {
        std::string p =
            (std::filesystem::temp_directory_path() / ("dxf-open-bench-" + std::to_string(::getpid()) + ".dxf"))
                .string();
        engine::WriteFileAtomically(p, LargeDrawing());
        std::atexit([] { std::filesystem::remove(BenchFile()); });
        return p;
    }();
    return path;
}

void BM_OpenLargeDrawing(benchmark::State& state) {
    const std::string& path = BenchFile();
    std::size_t vertices = 0;
    for (auto _ : state) {
        auto drawing = engine::dxf::DxfDrawing::Open(path);
        vertices = 0;
        for (const auto& e : drawing->Entities()) vertices += e.coords.size() / 2;
        benchmark::DoNotOptimize(vertices);
    }
    state.counters["vertices"] = static_cast<double>(vertices);
}
BENCHMARK(BM_OpenLargeDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);

int OpenOnce(const char* path) {
    auto start = std::chrono::steady_clock::now();
    auto drawing = engine::dxf::DxfDrawing::Open(path);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::size_t vertices = 0, points = 0;
    for (const auto& e : drawing->Entities()) {
        vertices += e.coords.size() / 2;
        points += e.type == "POINT";
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("entidades %zu, vértices %zu, pontos %zu, tempo %.2f s, memória máxima %.0f MB\n",
                drawing->Entities().size(), vertices, points, seconds, usage.ru_maxrss / 1024.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--gerar") == 0) {
        engine::WriteFileAtomically(argv[2], LargeDrawing());
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--abrir") == 0) return OpenOnce(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
