// Incremental search of a read-only combo's items by typed characters. The
// typed text is matched case-insensitively against the start of each item,
// from the item after the current one round to the current one, so that a
// match already selected stays selected while more characters are typed.
// When a text of several copies of one character finds nothing, the search
// starts again with that character alone: pressing the same letter again
// steps through the items that begin with it.
//
// Forgetting the typed text after a pause is TypeAheadTimeout's business.
#pragma once

#include <string>
#include <vector>

namespace folvane {

class TypeAheadSearch {
public:
    // Upper-cases one UTF-16 unit; the default handles ASCII only, the
    // Windows combo passes the system's mapping.
    using CaseFold = wchar_t (*)(wchar_t);

    explicit TypeAheadSearch(CaseFold fold = nullptr);

    // Appends ch to the typed text and returns the index of the item found,
    // or -1 when none matches (the typed text keeps the character).
    int Type(wchar_t ch, const std::vector<std::wstring>& items, int current);
    // Removes the last typed character, if any.
    void Backspace();
    void Clear() { typed_.clear(); }
    const std::wstring& Typed() const { return typed_; }

private:
    int Find(const std::wstring& text, const std::vector<std::wstring>& items, int current) const;
    bool StartsWith(const std::wstring& item, const std::wstring& text) const;

    CaseFold fold_;
    std::wstring typed_;
};

} // namespace folvane
