// morvello-soundgen OUTPUT.wav: writes the game's effects file.
#include <cstdio>
#include <fstream>

#include "effects_synth.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvello-soundgen OUTPUT.wav\n");
        return 2;
    }
    using namespace morvello::soundgen;
    const auto bytes = encodeWav(synthesiseEffects(), kEffectsRate);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "morvello-soundgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
