// imagelist: converts between an image-list "Bitmap" stream and a folder of
// plain files, with the same codec the program reads its lists with.
//
//   imagelist encode DIR STREAM             DIR holds list.txt, image.bmp, mask.bmp
//   imagelist decode STREAM DIR [W H]       writes those three files
//
// list.txt has lines "width W", "height H" and "count N". image.bmp is the
// strip of N images of W x H side by side (any BMP depth); mask.bmp the strip
// of their masks, white for transparent, black for opaque. Instead of a mask
// a line "transparent RRGGBB" (hex) keys out one colour. decode writes a
// 32-bit image strip and a 1-bit mask; without W H it takes them from the
// strips of a compressed stream (height of the strip, width / count).
#include "controls/ImageListStream.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace folvane;
namespace fs = std::filesystem;

namespace {

bool ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Fail(const std::string& message)
{
    std::cerr << "imagelist: " << message << "\n";
    return 1;
}

bool LoadBmp(const fs::path& path, BmpImage& image, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        error = "cannot read " + path.string();
        return false;
    }
    std::string why;
    if (!ParseBmpFile(bytes, image, nullptr, &why)) {
        error = path.string() + ": " + why;
        return false;
    }
    return true;
}

struct ListText {
    int width = 0;
    int height = 0;
    int count = -1;
    bool keyed = false;
    std::uint32_t transparent = 0;
};

bool ReadListText(const fs::path& path, ListText& text, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string key;
        if (!(words >> key) || key[0] == '#')
            continue;
        bool ok = false;
        if (key == "width")
            ok = static_cast<bool>(words >> text.width);
        else if (key == "height")
            ok = static_cast<bool>(words >> text.height);
        else if (key == "count")
            ok = static_cast<bool>(words >> text.count);
        else if (key == "transparent") {
            std::string hex;
            if (words >> hex && hex.size() == 6) {
                char* end = nullptr;
                text.transparent = static_cast<std::uint32_t>(std::strtoul(hex.c_str(), &end, 16));
                ok = *end == '\0';
                text.keyed = ok;
            }
        }
        if (!ok) {
            error = path.string() + ":" + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    if (!IsValidImageListSize(text.width, text.height) || text.count < 0) {
        error = path.string() + ": needs width, height and count";
        return false;
    }
    return true;
}

int Encode(const fs::path& dir, const fs::path& streamPath)
{
    ListText text;
    std::string error;
    if (!ReadListText(dir / "list.txt", text, error))
        return Fail(error);
    BmpImage image;
    if (!LoadBmp(dir / "image.bmp", image, error))
        return Fail(error);

    ImageListContent list;
    list.width = text.width;
    list.height = text.height;
    if (!ImageListHasRoomFor(list, image.width / text.width))
        return Fail("image.bmp: " + ImageListLimitMessage());
    if (text.keyed) {
        AddMaskedImages(list, image, text.transparent);
    } else {
        BmpImage mask;
        if (!LoadBmp(dir / "mask.bmp", mask, error))
            return Fail(error);
        if (mask.width != image.width || mask.height != image.height)
            return Fail("mask.bmp is not the size of image.bmp");
        AddImages(list, image, &mask);
    }
    if (image.height != text.height || list.Count() < text.count)
        return Fail("image.bmp does not hold " + std::to_string(text.count) + " images of " + std::to_string(text.width)
            + " x " + std::to_string(text.height));
    list.images.resize(static_cast<std::size_t>(text.count));

    std::vector<std::uint8_t> stream;
    const ImageListResult written = WriteImageListStream(list, stream);
    if (!written.Ok())
        return Fail(written.message);
    if (!WriteFile(streamPath, stream))
        return Fail("cannot write " + streamPath.string());
    return 0;
}

int Decode(const fs::path& streamPath, const fs::path& dir, int width, int height)
{
    std::vector<std::uint8_t> stream;
    if (!ReadFile(streamPath, stream))
        return Fail("cannot read " + streamPath.string());
    if (width == 0) {
        int count = 0;
        BmpImage image;
        BmpImage mask;
        const ImageListResult strips = ReadImageListStrips(stream, count, image, mask);
        if (!strips.Ok())
            return Fail(strips.message + " (give the width and height for this stream)");
        if (count == 0)
            return Fail("the stream holds no images; give the width and height");
        width = image.width / count;
        height = image.height;
    }
    ImageListContent list;
    list.width = width;
    list.height = height;
    const ImageListResult read = ReadImageListStream(stream, list);
    if (!read.Ok())
        return Fail(read.message);

    // Both strips are made before anything is written, and an empty one is a
    // failure: no empty file ever stands for success.
    std::vector<std::uint8_t> imageFile;
    std::vector<std::uint8_t> maskFile;
    if (list.Count() > 0) {
        imageFile = EncodeBmpFile(MakeImageStrip(list));
        maskFile = EncodeBmpFile(MakeMaskStrip(list));
        if (imageFile.empty() || maskFile.empty())
            return Fail("cannot encode the strips of " + std::to_string(list.Count()) + " images of "
                + std::to_string(width) + " x " + std::to_string(height));
    }
    std::error_code ec;
    fs::create_directories(dir, ec);
    std::ostringstream text;
    text << "width " << width << "\nheight " << height << "\ncount " << list.Count() << "\n";
    const std::string t = text.str();
    if (!WriteFile(dir / "list.txt", std::vector<std::uint8_t>(t.begin(), t.end())))
        return Fail("cannot write " + (dir / "list.txt").string());
    if (list.Count() == 0)
        return 0;
    if (!WriteFile(dir / "image.bmp", imageFile) || !WriteFile(dir / "mask.bmp", maskFile))
        return Fail("cannot write the strips into " + dir.string());
    return 0;
}

int Usage()
{
    std::cerr << "usage: imagelist encode DIR STREAM\n"
                 "       imagelist decode STREAM DIR [WIDTH HEIGHT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return Usage();
    const std::string command = argv[1];
    if (command == "encode" && argc == 4)
        return Encode(argv[2], argv[3]);
    if (command == "decode" && (argc == 4 || argc == 6)) {
        int width = 0;
        int height = 0;
        if (argc == 6) {
            width = std::atoi(argv[4]);
            height = std::atoi(argv[5]);
            if (!IsValidImageListSize(width, height))
                return Fail("invalid width or height");
        }
        return Decode(argv[2], argv[3], width, height);
    }
    return Usage();
}
