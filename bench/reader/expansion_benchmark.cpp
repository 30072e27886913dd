// Times what block expansion costs: how fast nestings that would outgrow the memory are refused,
// what nestings the machine can hold take to load and at what peak memory, what blocks cost whose
// users place little of them, and what the estimate made before expanding costs on the
// blocks-heavy drawing of the load benchmark. Each case runs in a process of its own, so its
// peak memory is its own.
//
// Usage: reader_expansion_bench
#include "drawing_generator.h"

#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "reader/expansion_estimate.h"
#include "reader/file_io.h"

#include "vb/error.h"
#include "vb/format.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tiraq;

void Insert(bench::DxfWriter& out, std::string_view block) {
    out.Entity("INSERT");
    out.Group(8, "0");
    out.Group(2, block);
}

void Text(bench::DxfWriter& out, std::string_view text) {
    out.Entity("TEXT");
    out.Group(8, "0");
    out.Group(40, 1);
    out.Group(1, text);
}

void Line(bench::DxfWriter& out, int i) {
    out.Entity("LINE");
    out.Group(8, "0");
    out.Group(10, i);
    out.Group(20, 0);
    out.Group(11, i);
    out.Group(21, 1);
}

void Block(bench::DxfWriter& out, const std::string& name) {
    out.Entity("BLOCK");
    out.Group(8, "0");
    out.Group(2, name);
    out.Group(10, 0);
    out.Group(20, 0);
}

// A drawing of the blocks that `blocks` writes, whose ENTITIES section inserts `top` once.
void Drawing(const std::filesystem::path& file, const std::function<void(bench::DxfWriter&)>& blocks,
             std::string_view top) {
    bench::DxfWriter out(file);
    out.Entity("SECTION");
    out.Group(2, "BLOCKS");
    blocks(out);
    out.Entity("ENDSEC");
    out.Entity("SECTION");
    out.Group(2, "ENTITIES");
    Insert(out, top);
    out.Entity("ENDSEC");
    out.Entity("EOF");
}

// Blocks L1 to L`depth`, each holding a line and `copies` inserts of the block before it; the
// drawing inserts the deepest once.
void Nesting(const std::filesystem::path& file, int depth, int copies) {
    Drawing(file, [&](bench::DxfWriter& out) {
        for (int level = 0; level <= depth; ++level) {
            Block(out, "L" + std::to_string(level));
            Line(out, level);
            if (level > 0)
                for (int i = 0; i < copies; ++i) Insert(out, "L" + std::to_string(level - 1));
            out.Entity("ENDBLK");
        }
    }, "L" + std::to_string(depth));
}

// A text of 100 000 characters in a block that a second block inserts 100 times, which a third
// inserts 100 times: 10 000 texts, and a gigabyte of spool files were it expanded.
void NestedText(const std::filesystem::path& file) {
    Drawing(file, [](bench::DxfWriter& out) {
        Block(out, "T");
        Text(out, std::string(100000, 'x'));
        out.Entity("ENDBLK");
        for (const char* name : {"A", "B"}) {
            Block(out, name);
            for (int i = 0; i < 100; ++i) Insert(out, name[0] == 'A' ? "T" : "A");
            out.Entity("ENDBLK");
        }
    }, "B");
}

// Blocks L1 to L`depth`, each holding a line and an insert of the block after it, defined later.
void ForwardChain(const std::filesystem::path& file, int depth) {
    Drawing(file, [&](bench::DxfWriter& out) {
        for (int level = 1; level <= depth; ++level) {
            Block(out, "L" + std::to_string(level));
            Line(out, level);
            if (level < depth) Insert(out, "L" + std::to_string(level + 1));
            out.Entity("ENDBLK");
        }
    }, "L1");
}

// 4 000 000 line records: a block of 1 000 lines inserted 4 000 times by a second block, which
// the drawing inserts once.
void HoldableDrawing(const std::filesystem::path& file) {
    Drawing(file, [](bench::DxfWriter& out) {
        Block(out, "PART");
        for (int i = 0; i < 1000; ++i) Line(out, i);
        out.Entity("ENDBLK");
        Block(out, "SHEET");
        for (int i = 0; i < 4000; ++i) Insert(out, "PART");
        out.Entity("ENDBLK");
    }, "SHEET");
}

// A block of 1 000 ellipses inserted 60 000 times: inserts place no ellipse of a block.
void InsertedEllipses(const std::filesystem::path& file) {
    bench::DxfWriter out(file);
    out.Entity("SECTION");
    out.Group(2, "BLOCKS");
    Block(out, "E");
    for (int i = 0; i < 1000; ++i) {
        out.Entity("ELLIPSE");
        out.Group(8, "0");
        out.Group(10, i);
        out.Group(11, 1);
        out.Group(40, 0.5);
    }
    out.Entity("ENDBLK");
    out.Entity("ENDSEC");
    out.Entity("SECTION");
    out.Group(2, "ENTITIES");
    for (int i = 0; i < 60000; ++i) Insert(out, "E");
    out.Entity("ENDSEC");
    out.Entity("EOF");
}

// A block of a 1 000-vertex polyline used by 50 000 dimensions: dimensions place no polyline
// of their block.
void DimensionedPolyline(const std::filesystem::path& file) {
    bench::DxfWriter out(file);
    out.Entity("SECTION");
    out.Group(2, "BLOCKS");
    Block(out, "*D1");
    out.Entity("POLYLINE");
    out.Group(8, "0");
    out.Group(66, 1);
    for (int i = 0; i < 1000; ++i) {
        out.Entity("VERTEX");
        out.Group(8, "0");
        out.Group(10, i);
        out.Group(20, i % 2);
    }
    out.Entity("SEQEND");
    out.Entity("ENDBLK");
    out.Entity("ENDSEC");
    out.Entity("SECTION");
    out.Group(2, "ENTITIES");
    for (int i = 0; i < 50000; ++i) {
        out.Entity("DIMENSION");
        out.Group(8, "0");
        out.Group(2, "*D1");
    }
    out.Entity("ENDSEC");
    out.Entity("EOF");
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

const std::filesystem::path& BenchFile() {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("tiraq-expansion-bench-" + std::to_string(getpid()) + ".dxf");
    return file;
}

// Writes the drawing, loads it and says how the load ended, how long it took and at what peak.
void Load(const std::string& name, const std::function<void(const std::filesystem::path&)>& write) {
    write(BenchFile());
    const std::string text = ReadWholeFile(BenchFile());
    DrawingDatabase db;
    ReaderHost host;
    DXFReader reader(db, host);
    std::string outcome;
    const double seconds = Seconds([&] {
        try {
            reader.ReadDrawing(dxfMergeNew, BenchFile().string());
            outcome = "loaded, " + std::to_string(db.SeqCount()) + " records, expanded " +
                      vb::Format(reader.ExpandedBytes() / 1e6, "0.0") + " MB";
        } catch (const vb::RuntimeError& e) {
            outcome = e.Description().substr(e.Description().find('\n') + 1);
            outcome = outcome.substr(0, outcome.find('\r'));
        }
    });
    std::filesystem::remove(BenchFile());
    std::cout << name << " (" << vb::Format(text.size() / 1e6, "0.00") << " MB, estimate "
              << ExpansionBytes(text, ReaderProperties{}) / 1e9 << " GB): " << outcome << " in "
              << vb::Format(seconds * 1000, "0.0") << " ms, peak " << vb::Format(PeakMb(), "0") << " MB\n";
}

void EstimateOfTheBlocksHeavyDrawing() {
    bench::WriteDrawing(bench::BlocksHeavyRecipe(), BenchFile());
    const std::string text = ReadWholeFile(BenchFile());
    std::filesystem::remove(BenchFile());
    double best = 1e300;
    const ReaderProperties properties;
    for (int i = 0; i < 5; ++i) best = std::min(best, Seconds([&] { ExpansionBytes(text, properties); }));
    std::cout << "estimate of the blocks-heavy drawing (" << vb::Format(text.size() / 1e6, "0.0")
              << " MB): " << vb::Format(best * 1000, "0.0") << " ms, "
              << vb::Format(text.size() / 1e6 / best, "0") << " MB/s\n";
}

}  // namespace

int main() {
    std::cout << "limit: " << vb::Format(ExpansionMemoryLimit() / 1e9, "0.00") << " GB\n";
    const std::function<void()> cases[] = {
        [] { Load("5000 levels of 2 inserts", [](const auto& file) { Nesting(file, 5000, 2); }); },
        [] { Load("5000 levels of 1 insert", [](const auto& file) { Nesting(file, 5000, 1); }); },
        [] { Load("9 levels of 10 inserts", [](const auto& file) { Nesting(file, 9, 10); }); },
        [] { Load("a 100 000-character text nested 100 x 100", NestedText); },
        [] { Load("5000 levels of forward inserts", [](const auto& file) { ForwardChain(file, 5000); }); },
        [] { Load("4 M line records", HoldableDrawing); },
        [] { Load("1000 ellipses inserted 60 000 times", InsertedEllipses); },
        [] { Load("a 1000-vertex polyline used by 50 000 dimensions", DimensionedPolyline); },
        EstimateOfTheBlocksHeavyDrawing,
    };
    int status = 0;
    for (const auto& run : cases) {
        std::cout.flush();
        const pid_t child = fork();
        if (child == 0) {
            run();
            std::cout.flush();
            _exit(0);
        }
        int childStatus = 0;
        waitpid(child, &childStatus, 0);
        if (!WIFEXITED(childStatus) || WEXITSTATUS(childStatus) != 0) status = 1;
    }
    return status;
}
