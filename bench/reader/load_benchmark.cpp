// Generates large R12 drawings and times their load on one core: MB/s of input, drawn entities
// per second and the peak memory of the process against the file size and the records made.
//
// Usage: reader_load_bench [lines|blocks] [repetitions]   (no scenario: both, each in its own process)
#include "drawing_generator.h"

#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"

#include "vb/error.h"
#include "vb/format.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tiraq;

template <typename Record>
double ArrayBytes(const RecordArray<Record>& array) {
    return static_cast<double>(array.Count()) * sizeof(Record);
}

// Heap bytes of a text field beyond what the record itself holds.
double HeapBytes(const std::string& text) { return text.capacity() > 15 ? static_cast<double>(text.capacity() + 1) : 0; }

double RecordBytes(const DrawingDatabase& db) {
    double bytes = ArrayBytes(db.SeqArray) + ArrayBytes(db.Lines) + ArrayBytes(db.Polylines) + ArrayBytes(db.Texts) +
                   ArrayBytes(db.Circles) + ArrayBytes(db.Solids) + ArrayBytes(db.Points) + ArrayBytes(db.Ellipses) +
                   ArrayBytes(db.Attribs) + ArrayBytes(db.Inserts) + ArrayBytes(db.Vertices) + ArrayBytes(db.Blocks);
    for (const TextRecord& t : db.Texts) bytes += HeapBytes(t.Txt) + HeapBytes(t.FontName);
    for (const InsertRecord& i : db.Inserts) bytes += HeapBytes(i.BlockName);
    return bytes;
}

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

std::string Mb(double bytes) { return vb::Format(bytes / 1e6, "0.0"); }

int RunScenario(const std::string& name, int repetitions) {
    const bench::DrawingRecipe recipe = name == "lines" ? bench::LinesOnlyRecipe(50) : bench::BlocksHeavyRecipe();
    std::string folderPattern = (std::filesystem::temp_directory_path() / "tiraq-bench-XXXXXX").string();
    if (mkdtemp(folderPattern.data()) == nullptr) return 1;
    const std::filesystem::path folder = folderPattern;
    const std::filesystem::path file = folder / (name + ".dxf");
    const double size = static_cast<double>(bench::WriteDrawing(recipe, file));

    double best = 1e300, first = 0, records = 0;
    std::int32_t entries = 0, inserts = 0;
    for (int i = 0; i < repetitions; ++i) {
        DrawingDatabase db;
        ReaderHost host;
        DXFReader reader(db, host);
        reader.Properties.TmpFileNamePath = folder.string();
        const auto start = std::chrono::steady_clock::now();
        try {
            reader.ReadDrawing(dxfMergeNew, file.string());
        } catch (const vb::RuntimeError& e) {
            std::cerr << name << ": " << e.Description() << "\n";
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
        if (i == 0) first = seconds;
        entries = db.SeqCount();
        inserts = db.InsertCount();
        records = RecordBytes(db);
    }
    const double peak = PeakResidentBytes();
    std::cout << name << ": " << Mb(size) << " MB, " << entries << " drawn entities, " << inserts << " inserts\n"
              << "  first load (fresh process memory): " << vb::Format(first * 1000, "0") << " ms, "
              << vb::Format(size / 1e6 / first, "0.0") << " MB/s, " << vb::Format(entries / first / 1e6, "0.00")
              << " M entities/s\n"
              << "  best of " << repetitions << ": " << vb::Format(best * 1000, "0") << " ms, "
              << vb::Format(size / 1e6 / best, "0.0") << " MB/s, " << vb::Format(entries / best / 1e6, "0.00")
              << " M entities/s\n"
              << "  peak memory " << Mb(peak) << " MB; bound 2 x file + records = " << Mb(2 * size + records)
              << " MB (records " << Mb(records) << " MB)" << (peak < 2 * size + records ? "" : "  OVER") << "\n";
    std::filesystem::remove_all(folder);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    if (argc > 1) return RunScenario(argv[1], repetitions);
    int status = 0;
    for (const char* scenario : {"lines", "blocks"}) {
        // Each scenario in a fresh process, so the peak memory is its own.
        const pid_t child = fork();
        if (child == 0) {
            const int result = RunScenario(scenario, repetitions);
            std::cout.flush();
            _exit(result);
        }
        int childStatus = 0;
        waitpid(child, &childStatus, 0);
        if (!WIFEXITED(childStatus) || WEXITSTATUS(childStatus) != 0) status = 1;
    }
    return status;
}
