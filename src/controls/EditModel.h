// The editing state of a single-line text box, without a window: the text,
// the caret and the selection anchor, word movement, deletion, insertion and
// undo. The Win32 box feeds it keys and clicks and paints what it says.
//
// Positions are indices between UTF-16 code units (0 .. length). The
// selection runs between the anchor and the caret; moving without extending
// collapses it. A read-only model refuses every change to the text (and
// reports it by returning false) while movement and selection still work.
// Inserted text is cut at its first line break: a single line holds no line
// breaks. It knows nothing of the clipboard; Cut and Copy hand back the
// selected text for the caller to place there.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace folvane {

class EditModel {
public:
    const std::wstring& Text() const { return text_; }
    // Replaces the whole text; caret at the end, no selection, no undo step.
    void SetText(const std::wstring& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t SelLength() const { return caret_ < anchor_ ? anchor_ - caret_ : caret_ - anchor_; }
    bool HasSelection() const { return caret_ != anchor_; }
    bool AllSelected() const { return SelStart() == 0 && SelLength() == text_.size(); }
    std::wstring SelectedText() const { return text_.substr(SelStart(), SelLength()); }
    // Both clamped to the text; the caret ends at start + length.
    void SetSelection(std::size_t start, std::size_t length);
    // Caret to `position`; with `extend` the anchor stays.
    void MoveTo(std::size_t position, bool extend);
    void SelectAll();
    // The word (or run of blanks) around `position`.
    void SelectWordAt(std::size_t position);

    // Keyboard movement.
    void Left(bool byWord, bool extend);
    void Right(bool byWord, bool extend);
    void Home(bool extend) { MoveTo(0, extend); }
    void End(bool extend) { MoveTo(text_.size(), extend); }

    // Changes; each returns false when nothing changed (read-only or
    // nothing to do).
    // `typed`: one typed character; characters typed in a row undo together.
    bool Insert(const std::wstring& text, bool typed = false);
    // Backspace and Delete: the selection when there is one, else one
    // character or, by word, up to the word boundary.
    bool DeleteBackward(bool byWord);
    bool DeleteForward(bool byWord);
    bool DeleteSelection();
    // The selected text goes into `out`; Cut also removes it (not when read-only).
    bool Cut(std::wstring& out);
    bool Copy(std::wstring& out) const;
    bool CanUndo() const { return !readOnly_ && !undo_.empty(); }
    // Back to the state before the last change; typing in a row is one change.
    bool Undo();
    void ClearUndo() { undo_.clear(); }

    // Word boundaries used by Ctrl+Left/Right and Ctrl+Backspace/Delete.
    std::size_t PreviousWordStart(std::size_t from) const;
    std::size_t NextWordStart(std::size_t from) const;

private:
    struct Snapshot {
        std::wstring text;
        std::size_t caret;
        std::size_t anchor;
    };
    enum class ChangeKind { kTyping, kOther };

    void PushUndo(ChangeKind kind);
    void Replace(std::size_t start, std::size_t length, const std::wstring& with);

    std::wstring text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    bool readOnly_ = false;
    std::vector<Snapshot> undo_;
    bool lastWasTyping_ = false;
};

// A character that separates words.
bool IsWordBreak(wchar_t ch);

} // namespace folvane
