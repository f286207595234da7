// Draws a text as Wine draws it on screen, for the journeys that read
// windowless text: black on white, in the given font, wrapped at words within
// the given width, written as a binary PPM picture. The journey reduces this
// picture and a screenshot region the same way (black and white, trimmed to
// the ink) and compares them pixel for pixel.
//
//   ink FACE HEIGHT STYLE WIDTH TEXT OUT.ppm
//     HEIGHT is the LOGFONT height (-11 for 8 pt); STYLE is "regular", "bold"
//     or "bold-underline"; in TEXT "\n" stands for a line break, "\xHH" for
//     the ANSI character HH, and words
//     between <b> and </b> are bold (such a text stays on one line).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Unescaped(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (p[0] == '\\' && p[1] == 'n') {
            out += "\r\n";
            ++p;
        } else if (p[0] == '\\' && p[1] == 'x' && p[2] && p[3]) {
            out += static_cast<char>(std::strtoul(std::string(p + 2, 2).c_str(), nullptr, 16));
            p += 3;
        } else {
            out += *p;
        }
    }
    return out;
}

struct Run {
    std::string text;
    bool bold;
};

// The text split at <b> and </b>.
std::vector<Run> Runs(const std::string& text, bool bold)
{
    std::vector<Run> runs;
    std::size_t at = 0;
    while (at < text.size()) {
        const char* tag = bold ? "</b>" : "<b>";
        std::size_t end = text.find(tag, at);
        if (end == std::string::npos)
            end = text.size();
        runs.push_back({ text.substr(at, end - at), bold });
        at = end == text.size() ? end : end + std::strlen(tag);
        bold = !bold;
    }
    return runs;
}

HFONT MakeFont(const char* face, int height, const std::string& style, bool bold)
{
    LOGFONTA lf {};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = style.find("underline") != std::string::npos;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

bool WritePpm(const char* file, HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<unsigned char> bgra(static_cast<size_t>(width) * height * 4);
    if (!GetDIBits(dc, bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS))
        return false;
    FILE* out = std::fopen(file, "wb");
    if (!out)
        return false;
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (size_t i = 0; i < bgra.size(); i += 4) {
        const unsigned char rgb[3] = { bgra[i + 2], bgra[i + 1], bgra[i] };
        std::fwrite(rgb, 1, 3, out);
    }
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7)
        return 2;
    const int width = std::atoi(argv[4]);
    const std::string text = Unescaped(argv[5]);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const std::string style = argv[3];
    const bool bold = style.rfind("bold", 0) == 0;
    HFONT font = MakeFont(argv[1], std::atoi(argv[2]), style, bold);
    HFONT other = MakeFont(argv[1], std::atoi(argv[2]), style, !bold);
    HGDIOBJ oldFont = SelectObject(dc, font);
    const UINT flags = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
    const std::vector<Run> runs = Runs(text, bold);
    RECT bounds { 0, 0, width, 0 };
    DrawTextA(dc, text.c_str(), -1, &bounds, flags | DT_CALCRECT);
    const int height = bounds.bottom + 2;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all { 0, 0, width, height };
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    if (runs.size() > 1) {
        int x = 0;
        for (const Run& run : runs) {
            SelectObject(dc, run.bold == bold ? font : other);
            SIZE size {};
            GetTextExtentPoint32A(dc, run.text.c_str(), static_cast<int>(run.text.size()), &size);
            TextOutA(dc, x, 0, run.text.c_str(), static_cast<int>(run.text.size()));
            x += size.cx;
        }
        SelectObject(dc, font);
    } else {
        RECT place { 0, 0, width, height };
        DrawTextA(dc, text.c_str(), -1, &place, flags);
    }
    SelectObject(dc, oldBitmap);
    const bool written = WritePpm(argv[6], dc, bitmap, width, height);
    SelectObject(dc, oldFont);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteObject(other);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return written ? 0 : 1;
}
