#include "PngOutput.h"
#include "SkinTool.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "core/StringList.h"
#include "skin/loading/ImageFormat.h"
#include "skin/loading/SkinImageAlpha.h"

namespace skintool {

void Decode(const std::string& image, const std::string& outPng, std::optional<double> skinVersion)
{
    // Files on disk may be named in any letter case; skins name theirs in capitals.
    const std::optional<pp::TImageFormat> format = pp::ImageFormatOfName(pp::AsciiUpperCase(image));
    if (!format)
        throw pp::EInvalidData("\"" + image + "\" is not named .bmp, .png, .jpg or .jpeg");
    pp::TMemoryStream stream(pp::ReadFileBytes(image));
    pp::TBitmap bitmap = pp::DecodeImage(stream, *format, skinVersion);
    pp::ConvertToSkin32(bitmap);
    pp::WriteFileBytes(outPng, EncodePng32(bitmap));
}

} // namespace skintool
