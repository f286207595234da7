// TExFolderNameEdit.
#include "controls/ExFolderNameEdit.h"

#include "toolkit/Form.h"
#include "toolkit/graphics/TextConvert.h"

namespace folvane {

namespace {

constexpr TShortCut kAltDown = kShortcutAlt | VK_DOWN;

} // namespace

TExFolderNameEdit::TExFolderNameEdit(TComponent* owner)
    : TCustomExButtonEdit(owner)
{
    dialog_ = new TExFolderDialog(this);
    SetButtonShortcut(kAltDown);
    LoadDefaultGlyph();
}

void TExFolderNameEdit::LoadDefaultGlyph()
{
    TBitmap glyph;
    if (glyph.LoadFromResourceName(GetModuleHandleA(nullptr), "EXFOLDERNAMEEDITBUTTON"))
        SetButtonGlyph(glyph);
}

void TExFolderNameEdit::Loaded()
{
    // Before the button edit lays out, so that the glyph counts.
    if (ButtonGlyph().Empty())
        LoadDefaultGlyph();
    TCustomExButtonEdit::Loaded();
}

void TExFolderNameEdit::ButtonClick()
{
    Browse();
}

bool TExFolderNameEdit::Browse()
{
    dialog_->SetFolder(WideToAnsi(Text()));
    dialog_->SetPrompt(prompt_);
    if (OnBeforeDialogExecute)
        OnBeforeDialogExecute(this, dialog_);
    const bool chosen = dialog_->Execute();
    // The window comes back to the front however the dialog ended: Windows
    // does that itself, Wine without a window manager leaves none active.
    if (TForm* form = ParentForm(); form && form->HandleAllocated())
        SetForegroundWindow(form->Handle());
    if (!chosen)
        return false;
    // Whatever the code page lost would name another folder: the text stays as it was.
    if (dialog_->FolderLostCharacters()) {
        if (OnFolderNameNotRepresentable)
            OnFolderNameNotRepresentable(this, dialog_->Folder());
        return false;
    }
    SetText(AnsiToWide(dialog_->Folder()));
    SetModified(true);
    if (OnDialogExecute)
        OnDialogExecute(this);
    Change();
    return true;
}

} // namespace folvane
