// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Word pictures of a game. A missing picture file is not a failure: the
// loaders give a black picture, so a word is left without one only when
// memory runs out.
#include "core/WordPictures.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "core/CSlowa.h"
#include "graphics/Cbitmapy.h"

namespace {

bool Usable(const std::unique_ptr<Bitmap>& picture)
{
    return picture && !picture->Empty();
}

// Gives every word of the exercise that has no picture yet the one make
// returns; pictures already there are kept. False when some word is left
// without a picture.
bool FillMissingPictures(CSlowa& catalogue,
                         const std::function<std::unique_ptr<Bitmap>(const std::string& key)>& make)
{
    bool all = true;
    for (CSlowa::SPaczka* word : catalogue.Exercise()) {
        if (word->Picture)
            continue;
        try {
            word->Picture = make(word->Key);
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
    return FillMissingPictures(catalogue, [&](const std::string& key) {
        return LoadWordPictureSmall(key, width, height, 1);
    });
}

bool ComposePictures(CSlowa& catalogue, const Bitmap& frame, int x, int y)
{
    return FillMissingPictures(catalogue, [&](const std::string& key) { return FramedWordPicture(frame, x, y, key); });
}
