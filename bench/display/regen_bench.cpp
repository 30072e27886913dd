// Times the control's Regen (read and draw at the extents) of the reader benchmark's generated
// drawings on a 1920 x 1080 picture, and the redraw of the extents alone, as medians of several runs.
//
// Usage: regen_bench [runs] [folder] [blocks-heavy | lines]
// With a folder the generated drawings and the pictures of their regens are kept there
// (lines.dxf, blocks-heavy.dxf, lines.png, blocks-heavy.png, and the pictures of a view of a
// hundredth of the extents about their middle, lines-zoomed.png and blocks-heavy-zoomed.png), for
// comparing pictures. A drawing's name runs that drawing only (for profiling).

#include "drawing_generator.h"

#include "frame/dxf_control.h"
#include "gui/picture_box.h"
#include "vb/error.h"
#include "vb/format.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace tiraq;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Text(double seconds) { return vb::Format(seconds, "0.000"); }

struct Timing {
    double regen = 0;
    double redraw = 0;
};

Timing Measure(const std::filesystem::path& drawing, const std::filesystem::path& folder, int runs,
               const std::filesystem::path& picture) {
    auto dxf = vb::New<DXFControl>();
    dxf->InitProperties();
    dxf->LetTmpFileNamePath(folder.string());
    dxf->LetFilename(drawing.string());
    dxf->Widget()->resize(kWidth, kHeight);
    std::vector<double> regens, redraws;
    for (int i = 0; i < runs; ++i) {
        regens.push_back(Seconds([&] {
            if (dxf->Regen(dxfMergeNew, {}, {}) == 0) throw std::runtime_error("nothing was drawn");
        }));
        redraws.push_back(Seconds([&] { dxf->DXFRefresh(); }));
    }
    if (dxf->DrawingSurface().width() != kWidth || dxf->DrawingSurface().height() != kHeight)
        throw std::runtime_error("the drawing surface is not 1920 x 1080");
    if (!picture.empty()) {
        const auto save = [&](const std::string& suffix) {
            const std::filesystem::path file = picture.parent_path() / (picture.stem().string() + suffix + ".png");
            dxf->DrawingSurface().Image().save(QString::fromStdString(file.string()));
        };
        save("");
        // A tenth of the extents each way about their middle, where single entities show.
        float left = 0, top = 0, right = 0, bottom = 0;
        dxf->GetExtents(left, top, right, bottom);
        const float cx = (left + right) / 2, cy = (top + bottom) / 2, w = (right - left) / 20, h = (top - bottom) / 20;
        dxf->DXFZoom(cx - w, cy + h, cx + w, cy - h);
        save("-zoomed");
    }
    return Timing{Median(regens), Median(redraws)};
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const bool keep = argc > 2 && argv[2][0] != '\0';
    std::filesystem::path folder;
    if (keep) {
        folder = argv[2];
        std::filesystem::create_directories(folder);
    } else {
        std::string pattern = (std::filesystem::temp_directory_path() / "tiraq-regen-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return 1;
        folder = pattern;
    }
    int status = 0;
    try {
        const struct {
            const char* name;
            bench::DrawingRecipe recipe;
        } drawings[] = {{"blocks-heavy", bench::BlocksHeavyRecipe()}, {"lines", bench::LinesOnlyRecipe(50)}};
        for (const auto& d : drawings) {
            if (argc > 3 && std::string(argv[3]) != d.name) continue;
            const std::filesystem::path file = folder / (std::string(d.name) + ".dxf");
            const double size = double(bench::WriteDrawing(d.recipe, file));
            const Timing t = Measure(file, folder, runs, keep ? folder / (std::string(d.name) + ".png") : "");
            std::cout << "regen " << d.name << ": " << Text(t.regen) << " s\n"
                      << "  " << vb::Format(size / 1e6, "0.0") << " MB; redraw of the extents "
                      << Text(t.redraw) << " s; medians of " << runs << " runs\n";
            if (!keep) std::filesystem::remove(file);
        }
    } catch (const vb::RuntimeError& e) {
        std::cerr << "regen_bench: " << e.Description() << "\n";
        status = 1;
    } catch (const std::exception& e) {
        std::cerr << "regen_bench: " << e.what() << "\n";
        status = 1;
    }
    if (!keep) std::filesystem::remove_all(folder);
    return status;
}
