// The picture library as a folder of BMP files beside the program.
#include "graphics/PictureLibrary.h"

#include <string>

#include "graphics/LoadCorrectBitmap.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// Library names are bare: no folder, so a name cannot reach outside the library.
bool IsBareName(std::string_view name)
{
    return !name.empty() && name.find_first_of(std::string_view("\\/:\0", 4)) == std::string_view::npos;
}

std::string Quoted(std::string_view name)
{
    return "\"" + Cp1250ToUtf8(name) + "\"";
}

}  // namespace

void OtworzBMP(std::string_view name, Bitmap& target)
{
    if (!IsBareName(name))
        throw EPictureLibrary("picture library: invalid picture name " + Quoted(name));
    // NativePath matches every component without regard to letter case.
    const std::string relative = "RESOURCE\\" + std::string(name) + ".bmp";
    std::string bytes;
    if (!FileExists(relative) || !ReadWholeFile(NativePath(relative), bytes))
        throw EPictureLibrary("picture library: no picture named " + Quoted(name));
    Bitmap picture;
    try {
        DecodeBmp(bytes, picture);
    } catch (const std::exception& e) {
        throw EPictureLibrary("picture library: picture " + Quoted(name) + " cannot be decoded (" + e.what() + ")");
    }
    target = std::move(picture);
}
