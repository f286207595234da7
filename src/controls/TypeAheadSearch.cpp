// Type-ahead search of a read-only combo's items.
#include "controls/TypeAheadSearch.h"

namespace folvane {

namespace {

wchar_t AsciiUpper(wchar_t ch)
{
    return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - L'a' + L'A') : ch;
}

bool OneRepeatedCharacter(const std::wstring& text)
{
    return text.size() > 1 && text.find_first_not_of(text[0]) == std::wstring::npos;
}

} // namespace

TypeAheadSearch::TypeAheadSearch(CaseFold fold)
    : fold_(fold ? fold : AsciiUpper)
{
}

int TypeAheadSearch::Type(wchar_t ch, const std::vector<std::wstring>& items, int current)
{
    typed_ += ch;
    int found = Find(typed_, items, current);
    if (found < 0 && OneRepeatedCharacter(typed_)) {
        typed_.resize(1);
        found = Find(typed_, items, current);
    }
    return found;
}

void TypeAheadSearch::Backspace()
{
    if (!typed_.empty())
        typed_.pop_back();
}

int TypeAheadSearch::Find(const std::wstring& text, const std::vector<std::wstring>& items, int current) const
{
    const int count = static_cast<int>(items.size());
    if (count == 0 || text.empty())
        return -1;
    // An out-of-range current index searches from the first item.
    const int start = current >= 0 && current < count ? current + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        if (StartsWith(items[index], text))
            return index;
    }
    return -1;
}

bool TypeAheadSearch::StartsWith(const std::wstring& item, const std::wstring& text) const
{
    if (item.size() < text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (fold_(item[i]) != fold_(text[i]))
            return false;
    }
    return true;
}

} // namespace folvane
