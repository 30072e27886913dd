#include "output/metafile_output.h"

#include "vb/convert.h"
#include "vb/replacing_file.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace tiraq {
namespace {

std::int32_t Hundredths(double millimetres) { return vb::CLng(millimetres * 100); }

// A stream into memory; the memory is the stream's until it is closed.
class MemoryStream {
public:
    MemoryStream() : stream_(open_memstream(&buffer_, &size_)) {}
    ~MemoryStream() {
        if (stream_ != nullptr) std::fclose(stream_);
        std::free(buffer_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* Stream() const { return stream_; }
    std::string Contents() {
        std::fflush(stream_);
        return std::string(buffer_, size_);
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_;
};

}  // namespace

MetafileFrame EnlargedFrame(const PictureGeometry& picture) {
    return MetafileFrame{0, 0, Hundredths(picture.WidthMm * 1.3), Hundredths(picture.HeightMm * 1.3)};
}

MetafileFrame PictureFrame(const PictureGeometry& picture) {
    const double w = picture.WidthMm, h = picture.HeightMm;
    const double W = std::nearbyint(picture.Width), H = std::nearbyint(picture.Height);
    const double L = picture.Left, T = picture.Top;
    const double R = std::nearbyint(L + picture.Width), B = std::nearbyint(T + picture.Height);
    return MetafileFrame{Hundredths(w * L / W), Hundredths(h * T / H), Hundredths(w * R / W), Hundredths(h * B / H)};
}

bool WriteEnhancedMetafile(const std::string& path, const MetafileFrame& frame, const ReferenceDevice& device,
                           std::string_view description, const MetafilePass& pass) {
    std::unique_ptr<vb::ReplacingFile> file;
    try {
        file = std::make_unique<vb::ReplacingFile>(path);
    } catch (const vb::RuntimeError&) {
        return false;
    }
    const std::unique_ptr<EnhancedMetafile> metafile =
        EnhancedMetafile::Create(file->Stream(), frame, device, description);
    if (!metafile) return false;
    pass(*metafile);
    metafile->Close();
    file->Commit();
    return true;
}

std::optional<std::string> EnhancedMetafileBytes(const MetafileFrame& frame, const ReferenceDevice& device,
                                                 std::string_view description, const MetafilePass& pass) {
    MemoryStream memory;
    if (memory.Stream() == nullptr) return std::nullopt;
    const std::unique_ptr<EnhancedMetafile> metafile =
        EnhancedMetafile::Create(memory.Stream(), frame, device, description);
    if (!metafile) return std::nullopt;
    pass(*metafile);
    metafile->Close();
    return memory.Contents();
}

void WritePlaceableMetafile(const std::string& path, const PlaceableHeader& header, const MetafilePass& pass) {
    vb::ReplacingFile file(path);
    const auto bytes = EncodePlaceableHeader(header);
    file.Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    WindowsMetafile metafile(file.Stream());
    pass(metafile);
    metafile.CloseMetaFile();
    file.Commit();
}

}  // namespace tiraq
