// Fuzzes the BMP reader: any bytes must decode or be refused cleanly, and a
// decoded picture must survive writing and reading back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "graphics/LoadCorrectBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Gray8}) {
        Bitmap picture;
        try {
            DecodeBmp(bytes, picture, format);
        } catch (const EInvalidGraphic&) {
            continue;
        }
        if (picture.Width() * static_cast<long long>(picture.Height()) > 1 << 20)
            continue;
        Bitmap back;
        DecodeBmp(EncodeBmp(picture), back, format);
        if (!(back == picture))
            std::abort();
    }
    RepairBmpSizeField(bytes);
    try {
        Bitmap repaired;
        DecodeBmp(bytes, repaired);
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
