// morvello-artgen: writes the deck's SVG files (card01.svg .. card40.svg,
// back_upright.svg, back_sideways.svg, title.svg) and the application icon (icon.svg) into
// the folder given as its argument.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "card.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "morvello-artgen: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvello-artgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "morvello-artgen: cannot create %s: %s\n", folder.c_str(),
                     ec.message().c_str());
        return 1;
    }
    bool ok = true;
    for (int code = 1; code <= 40; ++code) {
        char name[16];
        std::snprintf(name, sizeof name, "card%02d.svg", code);
        ok = writeFile(folder / name, artgen::cardFace(code)) && ok;
    }
    ok = writeFile(folder / "back_upright.svg", artgen::cardBack(false)) && ok;
    ok = writeFile(folder / "back_sideways.svg", artgen::cardBack(true)) && ok;
    ok = writeFile(folder / "title.svg", artgen::titlePicture()) && ok;
    ok = writeFile(folder / "icon.svg", artgen::appIcon()) && ok;
    return ok ? 0 : 1;
}
