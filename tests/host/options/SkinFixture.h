#pragma once
// Small skins built on disk or in memory for the loading tests.
#include "core/Color.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinContentLoader.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace pptest {

using TPixelRule = std::function<pp::TColor(int x, int y)>;

// An uncompressed bottom-up 24-bit BMP file.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const TPixelRule& pixel);
std::vector<std::uint8_t> SolidBmp(int width, int height, pp::TColor color);
// A plain grey baseline JPEG.
std::vector<std::uint8_t> EncodeGreyJpeg(int width, int height);

// Four-digit fields separated by blanks, then one-character fields: the
// fixed columns of the master-bitmap image forms ("@", "^", "~").
std::string Columns(char form, std::initializer_list<int> wide, std::initializer_list<int> narrow);

// A fresh folder in the build tree, named after the running test.
class TSkinFolder {
public:
    TSkinFolder();
    // The folder with a trailing separator, as skin folders are named.
    const std::string& Path() const { return path_; }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::string path_;
};

// Runs the whole load of `options` with images from `folder`.
pp::TsLoadedSkin LoadFromFolder(const std::string& options, const TSkinFolder& folder,
                                const pp::TSkinLoadSettings& settings = {});

} // namespace pptest
