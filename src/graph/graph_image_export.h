#pragma once

#include <QImage>
#include <filesystem>

namespace tubeline {

// Saves the image as an uncompressed 24-bit bitmap without ever leaving a half-written file;
// throws FileError when the file cannot be written.
void SaveGraphImage(const QImage& image, const std::filesystem::path& path);

}  // namespace tubeline
