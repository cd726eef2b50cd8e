#pragma once
// Which decoder reads a skin image, and decoding with it. Skins choose the
// decoder by the name an option gives, never by the content.
#include "core/Bitmap.h"
#include "core/Stream.h"

#include <optional>
#include <string_view>

namespace pp {

enum class TImageFormat { Bmp, Png, Jpeg };

// Whether the name holds the format's extension (".BMP"; ".PNG"; ".JPG" or
// ".JPEG") anywhere, in capitals as skins write them.
bool NameHasExtension(std::string_view name, TImageFormat format);
// The first format whose extension the name holds, BMP before PNG before
// JPEG; none for any other name.
std::optional<TImageFormat> ImageFormatOfName(std::string_view name);

// The image as its format's decoder gives it. With a skin version, a PNG
// also gets the alpha treatment of skins of that version. Throws the
// decoder's errors.
TBitmap DecodeImage(TStream& stream, TImageFormat format, std::optional<double> skinVersion = std::nullopt);

} // namespace pp
