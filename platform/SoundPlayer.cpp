// The silent player and the wave-file length shared by every player.
#include "platform/SoundPlayer.h"

#include <cstdint>
#include <cstring>

#include "platform/Clock.h"
#include "platform/Paths.h"

namespace {

uint32_t Le32(const std::string& b, std::size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, std::size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

std::unique_ptr<SoundPlayer>& PlayerStorage()
{
    static std::unique_ptr<SoundPlayer> player = std::make_unique<SilentSoundPlayer>();
    return player;
}

}  // namespace

int WaveDurationMs(const std::string& bytes)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return -1;
    uint32_t byteRate = 0;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const uint32_t size = Le32(bytes, pos + 4);
        const std::size_t body = pos + 8;
        if (std::memcmp(bytes.data() + pos, "fmt ", 4) == 0) {
            if (size < 16 || body + 16 > bytes.size())
                return -1;
            const uint16_t format = Le16(bytes, body);
            byteRate = Le32(bytes, body + 8);
            if (format != 1 || byteRate == 0)
                return -1;
            haveFormat = true;
        } else if (std::memcmp(bytes.data() + pos, "data", 4) == 0) {
            if (!haveFormat)
                return -1;
            // A data chunk cut short by a damaged file counts only what is there.
            const uint64_t available = std::min<uint64_t>(size, bytes.size() - body);
            return static_cast<int>(available * 1000 / byteRate);
        }
        const uint64_t next = static_cast<uint64_t>(body) + size + (size & 1);
        if (next > bytes.size())
            break;
        pos = static_cast<std::size_t>(next);
    }
    return -1;
}

bool SilentSoundPlayer::Play(const std::filesystem::path& file, bool wait)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes))
        return false;
    const int duration = WaveDurationMs(bytes);
    if (duration < 0)
        return false;
    played.push_back(file);
    if (wait)
        TheClock().Sleep(duration);
    return true;
}

SoundPlayer& TheSoundPlayer()
{
    return *PlayerStorage();
}

std::unique_ptr<SoundPlayer> InstallSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    std::unique_ptr<SoundPlayer> previous = std::move(PlayerStorage());
    PlayerStorage() = std::move(player);
    return previous;
}
