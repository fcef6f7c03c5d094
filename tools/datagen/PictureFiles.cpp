// The bytes of a word's two picture files, written with the program's own codecs.
#include "tools/datagen/PictureFiles.h"

#if SZ_DATAGEN_HAVE_CODECS
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#endif

bool PictureWritersAvailable()
{
    #if SZ_DATAGEN_HAVE_CODECS
    return true;
#else
    return false;
#endif
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
