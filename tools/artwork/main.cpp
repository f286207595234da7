// artwork: draws every picture of the program and writes the asset files.
//
//   artwork OUTDIR [--sheet FILE.png]
//
// Writes each asset and the resource script into OUTDIR (created when
// missing); with --sheet also the review sheet. Exit code 0 on success.
#include "Artwork.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Run(const std::string& outDir, const std::string& sheet)
{
    try {
        const folvane::ArtworkSet set = folvane::BuildArtwork();
        std::filesystem::create_directories(outDir);
        for (const folvane::Asset& asset : set.assets) {
            if (!WriteFile(std::filesystem::path(outDir) / asset.file, asset.bytes)) {
                std::fprintf(stderr, "artwork: cannot write %s\n", asset.file.c_str());
                return 1;
            }
        }
        if (sheet.empty())
            return 0;
        std::vector<folvane::Preview> review;
        review.push_back({ "main window mock-up (review only)", folvane::DrawMockup() });
        for (const folvane::Preview& p : set.previews) {
            folvane::Raster copy(p.picture.Width(), p.picture.Height());
            copy.Paste(p.picture, 0, 0);
            review.push_back({ p.label, std::move(copy) });
        }
        if (!WriteFile(sheet, folvane::DrawContactSheet(review))) {
            std::fprintf(stderr, "artwork: cannot write %s\n", sheet.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string outDir;
    std::string sheet;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sheet" && i + 1 < argc)
            sheet = argv[++i];
        else if (outDir.empty() && !arg.starts_with("--"))
            outDir = arg;
        else {
            std::fprintf(stderr, "usage: artwork OUTDIR [--sheet FILE.png]\n");
            return 2;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "usage: artwork OUTDIR [--sheet FILE.png]\n");
        return 2;
    }
    const int status = Run(outDir, sheet);
    // Text on the sheet loads fonts; release them so leak checks see only our own memory.
    cairo_debug_reset_static_data();
    FcFini();
    return status;
}
