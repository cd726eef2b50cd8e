#include "PngOutput.h"
#include "SkinTool.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "skin/loading/BmpImage.h"
#include "skin/loading/JpegImage.h"
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinImageAlpha.h"

namespace skintool {
namespace {

enum class TImageKind { Bmp, Png, Jpeg };

// Chosen from the name as the skin loader chooses: ".BMP" wins over ".PNG".
TImageKind KindOf(const std::string& name)
{
    const std::string upper = pp::AsciiUpperCase(name);
    if (upper.find(".BMP") != std::string::npos)
        return TImageKind::Bmp;
    if (upper.find(".PNG") != std::string::npos)
        return TImageKind::Png;
    if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos)
        return TImageKind::Jpeg;
    throw pp::EInvalidData("\"" + name + "\" is not named .bmp, .png, .jpg or .jpeg");
}

} // namespace

void Decode(const std::string& image, const std::string& outPng, const double* skinVersion)
{
    const TImageKind kind = KindOf(image);
    pp::TMemoryStream stream(pp::ReadFileBytes(image));
    pp::TBitmap bitmap;
    switch (kind) {
    case TImageKind::Bmp: bitmap = pp::LoadBmpFromStream(stream); break;
    case TImageKind::Png: bitmap = pp::LoadPngFromStream(stream); break;
    case TImageKind::Jpeg: bitmap = pp::LoadJpegFromStream(stream); break;
    }
    if (kind == TImageKind::Png && skinVersion)
        pp::ApplySkinPngAlpha(bitmap, *skinVersion);
    pp::ConvertToSkin32(bitmap);
    pp::WriteFileBytes(outPng, EncodePng32(bitmap));
}

} // namespace skintool
