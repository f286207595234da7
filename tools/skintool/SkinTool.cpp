// skintool: a command-line helper for people who make skins. It lists the
// elements of a skin archive and extracts its element file, through the same
// reader code as the program. The exit code is the extraction result: 0
// extracted, 1 not a readable skin archive, 2 password missing or wrong or
// data not as the directory says (3 for a usage error).
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"
#include "toolkit/ByteReader.h"
#include "toolkit/graphics/BmpFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace folvane;

int Usage()
{
    std::fprintf(stderr,
        "usage: skintool list ARCHIVE [-p PASSWORD]\n"
        "       skintool extract ARCHIVE DESTINATION [-p PASSWORD]\n"
        "exit code: 0 extracted, 1 not a readable skin archive, 2 password missing or wrong or bad data\n");
    return 3;
}

const char* ResultText(int result)
{
    switch (result) {
    case skinExtracted:
        return "extracted";
    case skinExtractFailed:
        return "not a readable skin archive, or it holds no SKINDATA.SK2";
    default:
        return "password missing or wrong, or the data is not what the directory promises";
    }
}

// The result, and why when the reader said.
void Report(const std::string& archive, int result, const std::string& why)
{
    std::fprintf(result == skinExtracted ? stdout : stderr, "skintool: %s: %s%s%s\n", archive.c_str(),
        ResultText(result), why.empty() ? "" : ": ", why.c_str());
}

std::string Printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// Known kinds only read their data; the table has checked that it lies inside the file.
std::size_t DataToShow(const SkinElementRecord& record)
{
    switch (record.kind) {
    case 0:
    case 3:
        return record.dataSize;
    case 1:
        return 4;
    case 2:
        return 1;
    default:
        return 0;
    }
}

void PrintElement(const SkinElementRecord& record, SkinFile& file)
{
    std::vector<std::uint8_t> data(DataToShow(record));
    const bool read = ReadExactly(file, record.dataOffset, data.data(), data.size());
    const std::string name = Printable(record.name);
    switch (record.kind) {
    case 0: {
        BmpImage image;
        std::string error;
        if (read && ParseBmpFile(data, image, nullptr, &error))
            std::printf(
                "%-40s bitmap   %d x %d, %d bits\n", name.c_str(), image.width, image.height, image.bitsPerPixel);
        else
            std::printf("%-40s bitmap   unreadable (%s)\n", name.c_str(), error.c_str());
        break;
    }
    case 1: {
        const std::int32_t value = ByteReader(data).I32();
        std::printf("%-40s integer  %d (0x%08X)\n", name.c_str(), value, static_cast<unsigned>(value));
        break;
    }
    case 2:
        std::printf("%-40s flag     %s (%u)\n", name.c_str(), data[0] ? "true" : "false", data[0]);
        break;
    case 3:
        std::printf("%-40s string   \"%s\"\n", name.c_str(), Printable(std::string(data.begin(), data.end())).c_str());
        break;
    default:
        std::printf("%-40s kind %u   skipped\n", name.c_str(), record.kind);
    }
}

int List(const std::string& archive, const std::string& password)
{
    StdSkinFileSystem files;
    const std::string temporary = files.TempFolder() + files.NewGuidText();
    std::string why;
    const int result = ExtractSkinMember(files, archive, kSkinDataMember, temporary, password, &why);
    if (result != skinExtracted) {
        Report(archive, result, why);
        return result;
    }
    SkinElementTable table;
    bool parsed = false;
    {
        std::unique_ptr<SkinFile> file = files.OpenRead(temporary);
        parsed = file && table.Parse(*file, &why);
        if (parsed) {
            for (const SkinElementRecord& record : table.Records())
                PrintElement(record, *file);
            std::printf("%zu elements: %zu bitmaps, %zu integers, %zu flags, %zu strings\n", table.Records().size(),
                table.Bitmaps().size(), table.Integers().size(), table.Flags().size(), table.Strings().size());
        }
    }
    files.Delete(temporary);
    if (!parsed) {
        std::fprintf(stderr, "skintool: %s: the element file is damaged: %s\n", archive.c_str(), why.c_str());
        return skinExtractBadData;
    }
    return result;
}

int ExtractTo(const std::string& archive, const std::string& destination, const std::string& password)
{
    StdSkinFileSystem files;
    std::string why;
    const int result = ExtractSkinMember(files, archive, kSkinDataMember, destination, password, &why);
    Report(archive, result, why);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    std::string password;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-p") == 0) {
            if (++i == argc)
                return Usage();
            password = argv[i];
        } else {
            args.emplace_back(argv[i]);
        }
    }
    if (args.size() == 2 && args[0] == "list")
        return List(args[1], password);
    if (args.size() == 3 && args[0] == "extract")
        return ExtractTo(args[1], args[2], password);
    return Usage();
}
