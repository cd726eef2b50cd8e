#include "skin/loading/ImageFormat.h"

#include "skin/loading/BmpImage.h"
#include "skin/loading/JpegImage.h"
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinImageAlpha.h"

namespace pp {

bool NameHasExtension(std::string_view name, TImageFormat format)
{
    const auto contains = [name](std::string_view part) { return name.find(part) != std::string_view::npos; };
    switch (format) {
    case TImageFormat::Bmp: return contains(".BMP");
    case TImageFormat::Png: return contains(".PNG");
    case TImageFormat::Jpeg: return contains(".JPG") || contains(".JPEG");
    }
    return false;
}

std::optional<TImageFormat> ImageFormatOfName(std::string_view name)
{
    for (const TImageFormat format : {TImageFormat::Bmp, TImageFormat::Png, TImageFormat::Jpeg})
        if (NameHasExtension(name, format))
            return format;
    return std::nullopt;
}

TBitmap DecodeImage(TStream& stream, TImageFormat format, std::optional<double> skinVersion)
{
    switch (format) {
    case TImageFormat::Bmp: return LoadBmpFromStream(stream);
    case TImageFormat::Jpeg: return LoadJpegFromStream(stream);
    case TImageFormat::Png: break;
    }
    TBitmap image = LoadPngFromStream(stream);
    if (skinVersion)
        ApplySkinPngAlpha(image, *skinVersion);
    return image;
}

} // namespace pp
