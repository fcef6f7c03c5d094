// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a recording of the data tree is played from.
#include "platform/VoiceFiles.h"

#include <string>
#include <system_error>

#include "platform/Paths.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

// path without a leading folder prefix (matched without regard to case and
// to the kind of separator), or empty when path does not start with it.
std::string_view After(std::string_view path, std::string_view prefix)
{
    if (path.size() <= prefix.size())
        return {};
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char a = path[i] == '\\' ? '/' : path[i];
        if (LowerCp1250(static_cast<unsigned char>(a)) != static_cast<unsigned char>(prefix[i]))
            return {};
    }
    const std::string_view rest = path.substr(prefix.size());
    return rest.find_first_of("\\/") == std::string_view::npos ? rest : std::string_view{};
}

// The voice folder's name (UTF-8, lower case, ".wav") of a recording named
// "zaba.pw" or "ZABA.PW"; empty unless the name ends in ".pw" and its stem is
// a plain file name.
std::string VoiceFileName(std::string_view name)
{
    if (name.size() <= 3 || !EqualsNoCase(name.substr(name.size() - 3), ".pw"))
        return {};
    std::string stem(name.substr(0, name.size() - 3));
    if (stem == "." || stem == ".." || stem.find_first_of(":*?\"<>|") != std::string::npos)
        return {};
    for (char& c : stem)
        c = static_cast<char>(LowerCp1250(static_cast<unsigned char>(c)));
    return Cp1250ToUtf8(stem) + ".wav";
}

bool IsRegularFile(const fs::path& file)
{
    std::error_code ec;
    return !file.empty() && fs::is_regular_file(file, ec);
}

}  // namespace

fs::path HumanRecordingFor(std::string_view treePath)
{
    const fs::path& folder = CurrentProgramPlaces().voice;
    if (folder.empty())
        return {};
    if (const std::string word = VoiceFileName(After(treePath, "data/smd/")); !word.empty())
        return folder / Utf8Path(word);
    if (const std::string phrase = VoiceFileName(After(treePath, "data/intf/smd/")); !phrase.empty())
        return folder / kVoicePhraseFolder / Utf8Path(phrase);
    return {};
}

bool PlayRecording(std::string_view treePath, bool wait)
{
    const fs::path human = HumanRecordingFor(treePath);
    if (IsRegularFile(human) && TheSoundPlayer().Play(human, wait))
        return true;
    if (!FileExists(treePath))
        return false;
    TheSoundPlayer().Play(NativePath(treePath), wait);
    return true;
}
