// The sound layer's only voice: one line on standard error per failure, so the
// game plays on silently and the reason is still on record.
#pragma once

#include <string_view>

namespace morvello {

void soundLog(std::string_view message);

}  // namespace morvello
