// What the praise ("g00".."g46") and gentle reproach ("b00".."b39") recordings say.
#pragma once

#include <string>
#include <vector>

inline constexpr int kPraiseCount = 47;
inline constexpr int kReproachCount = 40;

// UTF-8 phrases, kPraiseCount and kReproachCount of them, all different.
const std::vector<std::string>& PraisePhrases();
const std::vector<std::string>& ReproachPhrases();
