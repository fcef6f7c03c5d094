// Word pictures of a game. A missing picture file is not a failure: the
// loaders give a black picture, so a word is left without one only when
// memory runs out.
#include "core/WordPictures.h"

#include <exception>
#include <memory>

#include "core/CSlowa.h"
#include "graphics/Cbitmapy.h"

namespace {

bool Usable(const std::unique_ptr<Bitmap>& picture)
{
    return picture && !picture->Empty();
}

}  // namespace

bool LoadCardImages(CSlowa& catalogue, int width, int height)
{
    bool all = true;
    for (CSlowa::SPaczka* word : catalogue.Chosen()) {
        word->CardImage.clear();
        word->CardImage.shrink_to_fit();
        try {
            word->CardImage = WordPictureAsJpeg(word->Key, width, height, 1).Bytes();
        } catch (const std::exception&) {
            word->CardImage.clear();
        }
        if (word->CardImage.empty())
            all = false;
    }
    return all;
}

bool LoadPictures(CSlowa& catalogue, int width, int height)
{
    bool all = true;
    for (CSlowa::SPaczka* word : catalogue.Exercise()) {
        if (word->Picture)
            continue;
        try {
            word->Picture = LoadWordPictureSmall(word->Key, width, height, 1);
        } catch (const std::exception&) {
            word->Picture.reset();
        }
        if (!Usable(word->Picture)) {
            word->Picture.reset();
            all = false;
        }
    }
    return all;
}

bool ComposePictures(CSlowa& catalogue, const Bitmap& frame, int x, int y)
{
    bool all = true;
    for (CSlowa::SPaczka* word : catalogue.Exercise()) {
        if (word->Picture)
            continue;
        try {
            word->Picture = FramedWordPicture(frame, x, y, word->Key);
        } catch (const std::exception&) {
            word->Picture.reset();
        }
        if (!Usable(word->Picture)) {
            word->Picture.reset();
            all = false;
        }
    }
    return all;
}
