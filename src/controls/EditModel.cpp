// EditModel: caret, selection, words, changes and undo of a single line.
#include "controls/EditModel.h"

#include <algorithm>

namespace folvane {

namespace {

// Undo keeps this many steps; older ones are dropped.
constexpr std::size_t kUndoDepth = 100;

enum class CharClass { kBlank, kWord, kPunctuation };

CharClass Classify(wchar_t ch)
{
    if (ch == L' ' || ch == L'\t' || ch == 0x00A0 || ch == 0x3000)
        return CharClass::kBlank;
    return IsWordBreak(ch) ? CharClass::kPunctuation : CharClass::kWord;
}

} // namespace

bool IsWordBreak(wchar_t ch)
{
    if (ch == L' ' || ch == L'\t' || ch == 0x00A0 || ch == 0x3000)
        return true;
    // Path and punctuation characters split words, so that Ctrl+arrows
    // step through the parts of a folder path.
    static constexpr wchar_t kBreaks[] = L"\\/:;.,!?\"'()[]{}<>|=+-*&^%$#@~`";
    return std::find(std::begin(kBreaks), std::end(kBreaks) - 1, ch) != std::end(kBreaks) - 1;
}

// ---------------------------------------------------------------------------
// Selection and movement
// ---------------------------------------------------------------------------

void EditModel::SetText(const std::wstring& text)
{
    text_ = text;
    caret_ = anchor_ = text_.size();
    lastWasTyping_ = false;
}

void EditModel::SetSelection(std::size_t start, std::size_t length)
{
    start = std::min(start, text_.size());
    length = std::min(length, text_.size() - start);
    anchor_ = start;
    caret_ = start + length;
    lastWasTyping_ = false;
}

void EditModel::MoveTo(std::size_t position, bool extend)
{
    caret_ = std::min(position, text_.size());
    if (!extend)
        anchor_ = caret_;
    lastWasTyping_ = false;
}

void EditModel::SelectAll()
{
    SetSelection(0, text_.size());
}

void EditModel::SelectWordAt(std::size_t position)
{
    if (text_.empty())
        return;
    position = std::min(position, text_.size() - 1);
    const CharClass kind = Classify(text_[position]);
    std::size_t start = position;
    while (start > 0 && Classify(text_[start - 1]) == kind)
        --start;
    std::size_t end = position + 1;
    while (end < text_.size() && Classify(text_[end]) == kind)
        ++end;
    SetSelection(start, end - start);
}

std::size_t EditModel::PreviousWordStart(std::size_t from) const
{
    from = std::min(from, text_.size());
    while (from > 0 && Classify(text_[from - 1]) == CharClass::kBlank)
        --from;
    if (from == 0)
        return 0;
    const CharClass kind = Classify(text_[from - 1]);
    while (from > 0 && Classify(text_[from - 1]) == kind)
        --from;
    return from;
}

std::size_t EditModel::NextWordStart(std::size_t from) const
{
    const std::size_t n = text_.size();
    if (from >= n)
        return n;
    const CharClass kind = Classify(text_[from]);
    if (kind != CharClass::kBlank)
        while (from < n && Classify(text_[from]) == kind)
            ++from;
    while (from < n && Classify(text_[from]) == CharClass::kBlank)
        ++from;
    return from;
}

void EditModel::Left(bool byWord, bool extend)
{
    if (HasSelection() && !extend && !byWord) {
        MoveTo(SelStart(), false);
        return;
    }
    MoveTo(byWord ? PreviousWordStart(caret_) : (caret_ > 0 ? caret_ - 1 : 0), extend);
}

void EditModel::Right(bool byWord, bool extend)
{
    if (HasSelection() && !extend && !byWord) {
        MoveTo(SelStart() + SelLength(), false);
        return;
    }
    MoveTo(byWord ? NextWordStart(caret_) : caret_ + 1, extend);
}

// ---------------------------------------------------------------------------
// Changes
// ---------------------------------------------------------------------------

void EditModel::PushUndo(ChangeKind kind)
{
    const bool typing = kind == ChangeKind::kTyping;
    if (!(typing && lastWasTyping_ && !undo_.empty())) {
        undo_.push_back(Snapshot { text_, caret_, anchor_ });
        if (undo_.size() > kUndoDepth)
            undo_.erase(undo_.begin());
    }
    lastWasTyping_ = typing;
}

void EditModel::Replace(std::size_t start, std::size_t length, const std::wstring& with)
{
    text_.replace(start, length, with);
    caret_ = anchor_ = start + with.size();
}

bool EditModel::Insert(const std::wstring& text, bool typed)
{
    if (readOnly_)
        return false;
    const std::wstring line = text.substr(0, text.find_first_of(L"\r\n"));
    if (line.empty() && !HasSelection())
        return false;
    PushUndo(typed ? ChangeKind::kTyping : ChangeKind::kOther);
    Replace(SelStart(), SelLength(), line);
    return true;
}

bool EditModel::DeleteSelection()
{
    if (readOnly_ || !HasSelection())
        return false;
    PushUndo(ChangeKind::kOther);
    Replace(SelStart(), SelLength(), std::wstring());
    return true;
}

bool EditModel::DeleteBackward(bool byWord)
{
    if (readOnly_)
        return false;
    if (HasSelection())
        return DeleteSelection();
    if (caret_ == 0)
        return false;
    const std::size_t from = byWord ? PreviousWordStart(caret_) : caret_ - 1;
    PushUndo(ChangeKind::kOther);
    Replace(from, caret_ - from, std::wstring());
    return true;
}

bool EditModel::DeleteForward(bool byWord)
{
    if (readOnly_)
        return false;
    if (HasSelection())
        return DeleteSelection();
    if (caret_ >= text_.size())
        return false;
    const std::size_t to = byWord ? NextWordStart(caret_) : caret_ + 1;
    PushUndo(ChangeKind::kOther);
    Replace(caret_, to - caret_, std::wstring());
    return true;
}

bool EditModel::Copy(std::wstring& out) const
{
    if (!HasSelection())
        return false;
    out = SelectedText();
    return true;
}

bool EditModel::Cut(std::wstring& out)
{
    if (readOnly_ || !Copy(out))
        return false;
    return DeleteSelection();
}

bool EditModel::Undo()
{
    if (!CanUndo())
        return false;
    const Snapshot last = std::move(undo_.back());
    undo_.pop_back();
    text_ = last.text;
    caret_ = std::min(last.caret, text_.size());
    anchor_ = std::min(last.anchor, text_.size());
    lastWasTyping_ = false;
    return true;
}

} // namespace folvane
