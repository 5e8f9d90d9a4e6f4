#include "spectrum_table_file.h"

#include "base/number_format.h"

namespace tubeline {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFieldSeparator = ", ";
constexpr double kPeakScale = 1000;
constexpr int kRelativeDecimals = 5;
constexpr std::size_t kAngleColumnWidth = 8;

std::string HeaderLine() {
    std::string line = "   keV";
    for (int a = 1; a <= kAngleCount; ++a) {
        const std::string angle = std::to_string(static_cast<int>(EmissionAngleDegrees(a)));
        line += ',';
        line.append(kAngleColumnWidth - angle.size(), ' ');
        line += angle;
    }
    return line;
}

}  // namespace

std::string FormatSpectrumTable(const SpectrumTable& spectra) {
    std::string text;
    text.reserve(kSpectrumTableLineCount * 110);
    text += HeaderLine();
    text += kLineEnd;
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        text += FormatEnergy(PhotonEnergyKeV(j));
        for (int a = 1; a <= kAngleCount; ++a) {
            text += kFieldSeparator;
            AppendFixed(text, spectra.PhotonSpectrum[a][j] / spectra.SpectrumPeak,
                        kRelativeDecimals);
        }
        text += kLineEnd;
    }
    text += kLineEnd;
    text += "Max   ";
    for (int a = 1; a <= kAngleCount; ++a) {
        text += kFieldSeparator;
        AppendFixed(text, kPeakScale * spectra.AnglePeak[a], kRelativeDecimals);
    }
    text += kLineEnd;
    text += FormatFixed(kPeakScale * spectra.SpectrumPeak, kRelativeDecimals);
    text += kLineEnd;
    return text;
}

}  // namespace tubeline
