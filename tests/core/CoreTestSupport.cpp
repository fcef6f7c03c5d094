// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/core/CoreTestSupport.h"

#include <cstdint>

namespace {

void PutLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

class Recorder final : public MessageBoxes {
public:
    explicit Recorder(std::shared_ptr<std::vector<CapturedMessages::Message>> into) : into_(std::move(into)) {}
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override
    {
        into_->push_back({title, text, icon});
    }

private:
    std::shared_ptr<std::vector<CapturedMessages::Message>> into_;
};

}  // namespace

CapturedMessages::CapturedMessages() : shown_(std::make_shared<std::vector<Message>>())
{
    previous_ = InstallMessageBoxes(std::make_unique<Recorder>(shown_));
}

CapturedMessages::~CapturedMessages()
{
    InstallMessageBoxes(std::move(previous_));
}

std::string MakeWave(int milliseconds)
{
    const uint32_t rate = 8000;
    const uint32_t dataSize = rate * static_cast<uint32_t>(milliseconds) / 1000;
    std::string wave = "RIFF";
    PutLe(wave, 36 + dataSize, 4);
    wave += "WAVEfmt ";
    PutLe(wave, 16, 4);
    PutLe(wave, 1, 2);     // PCM
    PutLe(wave, 1, 2);     // mono
    PutLe(wave, rate, 4);  // samples per second
    PutLe(wave, rate, 4);  // bytes per second
    PutLe(wave, 1, 2);     // block align
    PutLe(wave, 8, 2);     // bits per sample
    wave += "data";
    PutLe(wave, dataSize, 4);
    wave.append(dataSize, static_cast<char>(0x80));
    return wave;
}
