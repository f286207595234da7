// The font cache: one handle per description, a bounded number kept for later use.
#include "toolkit/graphics/FontCache.h"

#include <cstring>
#include <mutex>
#include <vector>

namespace folvane {

namespace {

// A handful of faces, sizes and styles is all a program of this kind shows.
constexpr std::size_t kKeptUnused = 16;

struct CachedFont {
    LOGFONTA description;
    TSharedFont font;
};

struct FontCache {
    std::mutex lock;
    std::vector<CachedFont> fonts; // the most recently used last
};

// Never destroyed: fonts are still released by windows and forms that static
// objects destroy at exit, after a static cache would be gone.
FontCache& Cache()
{
    static FontCache* cache = new FontCache;
    return *cache;
}

bool SameDescription(const LOGFONTA& a, const LOGFONTA& b)
{
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement
        && a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic
        && a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet
        && a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision && a.lfQuality == b.lfQuality
        && a.lfPitchAndFamily == b.lfPitchAndFamily && std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

// Forgets the least recently used fonts that only the cache holds, beyond the
// number kept; fonts in use stay listed, they are alive anyway.
void Trim(std::vector<CachedFont>& fonts)
{
    std::size_t unused = 0;
    for (const CachedFont& cached : fonts)
        unused += cached.font.use_count() == 1;
    for (auto it = fonts.begin(); unused > kKeptUnused && it != fonts.end();) {
        if (it->font.use_count() == 1) {
            it = fonts.erase(it);
            --unused;
        } else {
            ++it;
        }
    }
}

} // namespace

TSharedFont SharedFont(const LOGFONTA& description)
{
    FontCache& cache = Cache();
    std::lock_guard<std::mutex> hold(cache.lock);
    auto& fonts = cache.fonts;
    for (auto it = fonts.begin(); it != fonts.end(); ++it) {
        if (!SameDescription(it->description, description))
            continue;
        CachedFont found = std::move(*it);
        fonts.erase(it);
        fonts.push_back(std::move(found));
        return fonts.back().font;
    }
    auto font = std::make_shared<const TOwnedFont>(CreateFontIndirectA(&description));
    if (!*font)
        return nullptr;
    fonts.push_back({ description, font });
    Trim(fonts);
    return font;
}

int CachedFontCount()
{
    FontCache& cache = Cache();
    std::lock_guard<std::mutex> hold(cache.lock);
    return static_cast<int>(cache.fonts.size());
}

} // namespace folvane
