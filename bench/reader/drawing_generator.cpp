#include "drawing_generator.h"

#include "vb/format.h"

#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tiraq::bench {
namespace {

class Generator {
public:
    Generator(const DrawingRecipe& recipe, DxfWriter& out) : r_(recipe), out_(out), random_(recipe.seed) {}

    void Write() {
        out_.Entity("SECTION");
        out_.Group(2, "HEADER");
        out_.Group(9, "$ACADVER");
        out_.Group(1, "AC1009");
        out_.Entity("ENDSEC");
        WriteTables();
        WriteBlocks();
        WriteEntities();
        out_.Entity("EOF");
    }

private:
    double Coordinate() { return Round(std::uniform_real_distribution<double>(0, 10000)(random_)); }
    double Small() { return Round(std::uniform_real_distribution<double>(-20, 20)(random_)); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    static double Round(double v) { return static_cast<double>(static_cast<long long>(v * 1000)) / 1000; }
    std::string LayerName(int i) const { return "LAYER_" + std::to_string(i); }
    std::string LeafName(int i) const { return "PART_" + std::to_string(i); }
    std::string AssemblyName(int i) const { return "ASSEMBLY_" + std::to_string(i); }

    void WriteTables() {
        out_.Entity("SECTION");
        out_.Group(2, "TABLES");
        out_.Entity("TABLE");
        out_.Group(2, "LAYER");
        out_.Group(70, static_cast<double>(r_.layers + 1));
        Layer("0", 7, "CONTINUOUS");
        static constexpr std::string_view kLineTypes[] = {"CONTINUOUS", "DASHED", "CENTER", "PHANTOM", "DOT"};
        for (int i = 0; i < r_.layers; ++i) Layer(LayerName(i), 1 + i % 255, kLineTypes[i % 5]);
        out_.Entity("ENDTAB");
        out_.Entity("ENDSEC");
    }

    void Layer(std::string_view name, int color, std::string_view lineType) {
        out_.Entity("LAYER");
        out_.Group(2, name);
        out_.Group(70, "0");
        out_.Group(62, static_cast<double>(color));
        out_.Group(6, lineType);
    }

    void Line(double x1, double y1, double x2, double y2, std::string_view layer) {
        out_.Entity("LINE");
        out_.Group(8, layer);
        if (Pick(4) == 0) out_.Group(62, static_cast<double>(1 + Pick(255)));
        out_.Group(10, x1);
        out_.Group(20, y1);
        out_.Group(30, "0.0");
        out_.Group(11, x2);
        out_.Group(21, y2);
        out_.Group(31, "0.0");
    }

    void Text(double x, double y, std::string_view layer, std::string_view text) {
        out_.Entity("TEXT");
        out_.Group(8, layer);
        out_.Group(10, x);
        out_.Group(20, y);
        out_.Group(40, 2.5);
        out_.Group(1, text);
        out_.Group(50, static_cast<double>(Pick(4) * 90));
        out_.Group(7, "ROMANS");
    }

    void Polyline(double x, double y, double size, std::string_view layer) {
        out_.Entity("POLYLINE");
        out_.Group(8, layer);
        out_.Group(66, "1");
        out_.Group(70, "1");
        const double corners[4][2] = {{0, 0}, {size, 0}, {size, size}, {0, size}};
        for (const auto& c : corners) {
            out_.Entity("VERTEX");
            out_.Group(8, layer);
            out_.Group(10, x + c[0]);
            out_.Group(20, y + c[1]);
            out_.Group(42, 0.41421356);
        }
        out_.Entity("SEQEND");
        out_.Group(8, layer);
    }

    void Insert(std::string_view block, double x, double y, std::string_view layer) {
        out_.Entity("INSERT");
        out_.Group(8, layer);
        out_.Group(2, block);
        out_.Group(10, x);
        out_.Group(20, y);
        const double scale = 0.5 + Pick(4) * 0.5;
        out_.Group(41, Pick(5) == 0 ? -scale : scale);  // some mirrored
        out_.Group(42, scale);
        out_.Group(50, static_cast<double>(Pick(360)));
    }

    void BeginBlock(std::string_view name) {
        out_.Entity("BLOCK");
        out_.Group(8, "0");
        out_.Group(2, name);
        out_.Group(70, "0");
        out_.Group(10, "0.0");
        out_.Group(20, "0.0");
    }
    void EndBlock() {
        out_.Entity("ENDBLK");
        out_.Group(8, "0");
    }

    void LeafBlock(int i) {
        BeginBlock(LeafName(i));
        for (int k = 0; k < 3; ++k) Line(Small(), Small(), Small(), Small(), k == 0 ? "0" : LayerName(Pick(r_.layers)));
        out_.Entity("ARC");
        out_.Group(8, "0");
        out_.Group(10, Small());
        out_.Group(20, Small());
        out_.Group(40, 3.0);
        out_.Group(50, 0.0);
        out_.Group(51, 135.0);
        Polyline(Small(), Small(), 5, "0");
        Text(Small(), Small(), "0", "P" + std::to_string(i));
        EndBlock();
    }

    // Each assembly holds three leaf blocks; the first third of the assemblies come before the
    // leaf blocks, so their inserts are placed only when the entities begin.
    void AssemblyBlock(int i) {
        BeginBlock(AssemblyName(i));
        for (int k = 0; k < 3; ++k) Insert(LeafName(Pick(r_.leafBlocks)), Small(), Small(), "0");
        Line(-25, 0, 25, 0, "0");
        EndBlock();
    }

    void WriteBlocks() {
        out_.Entity("SECTION");
        out_.Group(2, "BLOCKS");
        const int early = r_.assemblyBlocks / 3;
        for (int i = 0; i < early; ++i) AssemblyBlock(i);
        for (int i = 0; i < r_.leafBlocks; ++i) LeafBlock(i);
        for (int i = early; i < r_.assemblyBlocks; ++i) AssemblyBlock(i);
        out_.Entity("ENDSEC");
    }

    void WriteEntities() {
        out_.Entity("SECTION");
        out_.Group(2, "ENTITIES");
        for (std::int64_t i = 0; i < r_.lines; ++i)
            Line(Coordinate(), Coordinate(), Coordinate(), Coordinate(), LayerName(Pick(r_.layers)));
        for (std::int64_t i = 0; i < r_.inserts; ++i) {
            const bool assembly = r_.assemblyBlocks > 0 && Pick(2) == 0;
            Insert(assembly ? AssemblyName(Pick(r_.assemblyBlocks)) : LeafName(Pick(r_.leafBlocks)), Coordinate(),
                   Coordinate(), LayerName(Pick(r_.layers)));
        }
        for (std::int64_t i = 0; i < r_.polylines; ++i)
            Polyline(Coordinate(), Coordinate(), 10, LayerName(Pick(r_.layers)));
        for (std::int64_t i = 0; i < r_.texts; ++i)
            Text(Coordinate(), Coordinate(), LayerName(Pick(r_.layers)), "Text number " + std::to_string(i));
        out_.Entity("ENDSEC");
    }

    const DrawingRecipe& r_;
    DxfWriter& out_;
    std::mt19937 random_;
};

}  // namespace

DrawingRecipe LinesOnlyRecipe(double megabytes) {
    DrawingRecipe recipe;
    // A generated line takes about 108 bytes.
    recipe.lines = static_cast<std::int64_t>(megabytes * 1e6 / 108);
    return recipe;
}

DrawingRecipe BlocksHeavyRecipe() {
    DrawingRecipe recipe;
    recipe.leafBlocks = 60;
    recipe.assemblyBlocks = 30;
    recipe.inserts = 100000;
    recipe.polylines = 20000;
    recipe.texts = 20000;
    recipe.lines = 50000;
    return recipe;
}

std::uint64_t WriteDrawing(const DrawingRecipe& recipe, const std::filesystem::path& path) {
    DxfWriter out(path);
    Generator(recipe, out).Write();
    return out.Written();
}

}  // namespace tiraq::bench
