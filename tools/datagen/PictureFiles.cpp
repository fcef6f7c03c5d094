// The bytes of a word's two picture files, written with the program's own codecs.
#include "tools/datagen/PictureFiles.h"

#if __has_include("graphics/LoadCorrectBitmap.h") && __has_include("graphics/Jpeg.h")
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#define SZ_DATAGEN_HAVE_CODECS 1
#else
#define SZ_DATAGEN_HAVE_CODECS 0
#endif

bool PictureWritersAvailable()
{
    return SZ_DATAGEN_HAVE_CODECS != 0;
}

std::string SmallPictureFile([[maybe_unused]] const Bitmap& picture)
{
#if SZ_DATAGEN_HAVE_CODECS
    return EncodeBmp(picture);
#else
    return {};
#endif
}

std::string LargePictureFile([[maybe_unused]] const Bitmap& picture)
{
#if SZ_DATAGEN_HAVE_CODECS
    // Quality 90 keeps the emoji outlines and the card letters clean.
    return EncodeJpeg(picture, 90);
#else
    return {};
#endif
}
