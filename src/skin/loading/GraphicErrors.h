#pragma once
// Errors of the image decoders. Their messages are the ones the skin manager
// shows when a skin image cannot be decoded.
#include "core/Error.h"

#include <string>

namespace pp {

// An image file that cannot be decoded.
class EInvalidGraphic : public EInvalidData {
public:
    using EInvalidData::EInvalidData;
};

// The compressed data inside an image could not be inflated.
class EGraphicCompression : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

} // namespace pp
