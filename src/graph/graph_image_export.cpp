#include "graph_image_export.h"

#include "export/bmp_file.h"
#include "base/file_io.h"

namespace tubeline {

void SaveGraphImage(const QImage& image, const std::filesystem::path& path) {
    RgbImage pixels{image.width(), image.height(), {}};
    pixels.Pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pixels.Pixels.push_back(image.pixel(x, y) & 0xFFFFFFu);
        }
    }
    ReplaceFileContents(path, EncodeBmp(pixels));
}

}  // namespace tubeline
