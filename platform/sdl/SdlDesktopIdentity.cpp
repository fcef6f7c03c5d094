// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's class and icon.
#include "platform/sdl/SdlDesktopIdentity.h"

#include <SDL.h>

#include <filesystem>

#include "platform/Paths.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace fs = std::filesystem;

void SetDesktopClass()
{
    // X11 takes the class from here, Wayland its application id.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", SZ_APP_ID, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", SZ_APP_ID, 0);
}

void SetDesktopIcon(SDL_Window* window)
{
    // The icon theme's copy: beside the data tree in a build, in the
    // installation's share/icons next to share/szeptaczki.
    const fs::path relative = fs::path("icons") / "hicolor" / "64x64" / "apps" / "szeptaczki.png";
    std::string png;
    for (const fs::path& file : {DataDir() / relative, DataDir().parent_path() / relative})
        if (ReadWholeFile(file, png))
            break;
    if (png.empty())
        return;
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()), static_cast<int>(png.size()),
                                          &w, &h, &channels, 4);
    if (rgba == nullptr)
        return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(rgba, w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
    if (icon != nullptr) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
    stbi_image_free(rgba);
}
