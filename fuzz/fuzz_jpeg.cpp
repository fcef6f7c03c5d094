// Fuzzes the JPEG decoder wrapper: damaged data must be refused cleanly and a
// decoded picture must have the size its header gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "graphics/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Bitmap picture;
    try {
        // A small limit keeps each run short; the limit itself is part of what is tested.
        DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), picture, 1 << 20);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    if (picture.Empty() || picture.Format() != PixelFormat::Bgr24 ||
        static_cast<long long>(picture.Width()) * picture.Height() > 1 << 20)
        std::abort();
    return 0;
}
