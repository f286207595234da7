// The shaped face, frame and cog that the about dialog and the splash share.
#include "forms/DialogFace.h"

#include "controls/ExLabel.h"
#include "forms/LayoutResources.h"
#include "richlabel/ReflectionImage.h"
#include "skin/SkinForm.h"
#include "toolkit/Form.h"

namespace folvane {

TSkinForm* AddDialogFace(TForm& form)
{
    auto* face = new TSkinForm(&form);
    face->SetName("skinForm1");
    face->SetParent(&form);
    face->SetBounds(0, 0, 440, 190);
    // Glyph first, then the key colour: the window is cut once, from both.
    LoadResourceBitmap(*face->Glyph(), "DIALOGFACE");
    face->SetTransparentColor(kWindowFaceKey);
    return face;
}

TReflectionImage* AddCog(TForm& form, int left, int top)
{
    auto* cog = new TReflectionImage(&form);
    cog->SetName("ReflectionImage1");
    cog->SetParent(&form);
    cog->SetBounds(left, top, 48, 80);
    cog->Picture().LoadFromBytes(ResourceData("COG"));
    cog->SetReflection(130);
    cog->SetVersion("1.0.0.0");
    return cog;
}

TExLabel* AddWrappedLabel(TForm& form, const char* name, const RECT& bounds, const wchar_t* caption, TFontStyles style)
{
    auto* label = new TExLabel(&form);
    label->SetName(name);
    label->SetParent(&form);
    label->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    label->SetCaption(caption);
    StoreFont(*label, style);
    label->SetWordWrap(true);
    return label;
}

void StoreFont(TControl& control, TFontStyles style, TColor color, const char* name, int height)
{
    TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetStyle(style);
    font.SetColor(color);
    control.SetParentFont(false);
    control.SetFont(font);
}

} // namespace folvane
