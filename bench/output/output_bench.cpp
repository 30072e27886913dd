// Times the writers of the drawing component over a large generated drawing on one core: the
// full export, the save with redline additions (the process's first, then once more), and
// metafiles of the whole drawing. first_save_compare.sh sets the first save of builds side by side.
//
// Usage: output_bench [lines|blocks]   (default blocks)
#include "drawing_generator.h"

#include "display/display_host.h"
#include "display/display_state.h"
#include "display/drawing_routine.h"
#include "doubles/recording_target.h"
#include "output/dxf_export.h"
#include "output/metafile_output.h"
#include "output/redline_entities.h"
#include "output/redline_save.h"
#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "vb/format.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include <stdlib.h>

namespace {

using namespace tiraq;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const std::string& what, double seconds, double bytes) {
    std::cout << what << ": " << vb::Format(seconds, "0.000") << " s, " << vb::Format(bytes / 1e6, "0.0") << " MB, "
              << vb::Format(bytes / 1e6 / seconds, "0") << " MB/s\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scenario = argc > 1 ? argv[1] : "blocks";
    const bench::DrawingRecipe recipe = scenario == "lines" ? bench::LinesOnlyRecipe(50) : bench::BlocksHeavyRecipe();
    std::string pattern = (std::filesystem::temp_directory_path() / "tiraq-output-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return 1;
    const std::filesystem::path folder = pattern;
    const std::filesystem::path source = folder / "drawing.dxf";
    bench::WriteDrawing(recipe, source);

    DrawingDatabase db;
    ReaderHost readerHost;
    DXFReader reader(db, readerHost);
    reader.Properties.TmpFileNamePath = folder.string();
    const double load = Seconds([&] { reader.ReadDrawing(dxfMergeNew, source.string()); });
    std::cout << scenario << ": " << db.SeqCount() << " drawn entities, loaded in " << vb::Format(load, "0.00")
              << " s\n";

    std::string error;
    const std::filesystem::path exported = folder / "export.dxf";
    const double exportTime = Seconds([&] { ExportDXF(db, exported.string(), error); });
    Report("ExportDXF", exportTime, double(std::filesystem::file_size(exported)));

    for (int i = 0; i < 1000; ++i) AddRedlineLine(db, float(i), 0, float(i), 100, "MARKUP", i / 4 + 1);
    for (int i = 0; i < 100; ++i) AddRedlineText(db, float(i), 50, "note", "MARKUP", 2, 0, 0);
    const std::filesystem::path saved = folder / "saved.dxf";
    const double saveTime = Seconds([&] { SaveWithRedlines(db, source.string(), saved.string()); });
    Report("Save with 1100 redlines", saveTime, double(std::filesystem::file_size(saved)));
    const double againTime = Seconds([&] { SaveWithRedlines(db, source.string(), saved.string()); });
    Report("Save again", againTime, double(std::filesystem::file_size(saved)));

    DisplayState state;
    DisplayHost displayHost;
    gui::RecordingTarget picture(1920, 1080);
    picture.SetScaleMode(gui::kScalePixels);
    DrawingRoutine routine(db, state, displayHost, picture);
    const MetafilePass pass = [&](gui::MetafileDevice& metafile) {
        routine.Zoom(db.DrawingExtents, picture, &metafile, false);
    };
    std::size_t emfSize = 0;
    const double emfTime = Seconds([&] { emfSize = EnhancedMetafileBytes({0, 0, 66040, 37148}, {1920, 1080, 96}, kMetafileDescription, pass)->size(); });
    Report("Enhanced metafile of the extents", emfTime, double(emfSize));
    const std::filesystem::path wmf = folder / "view.wmf";
    const double wmfTime = Seconds([&] { WritePlaceableMetafile(wmf.string(), {0, 0, 1920, 1080, 96}, pass); });
    Report("Placeable metafile of the extents", wmfTime, double(std::filesystem::file_size(wmf)));

    std::filesystem::remove_all(folder);
    return 0;
}
