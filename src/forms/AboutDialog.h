// TfrmDialog, the about dialog: the dialog face, the cog, the product's name
// and version, and "&OK". Created hidden after the main window, whose theme
// its button refers to; shown modally any number of times, centred on the
// main window, and closed by Escape, by either label or by "&OK".
#pragma once

#include "app/Version.h"
#include "forms/AboutDialogCommands.h"
#include "toolkit/Form.h"

namespace folvane {

class TExLabel;
class TReflectionImage;
class TSkinButton;
class TSkinFileTheme;
class TSkinForm;

namespace aboutdialog {
inline constexpr wchar_t kMessage[] = L"" FOLVANE_PRODUCT_NAME " - Version " FOLVANE_VERSION_SHORT_TEXT "\r\n"
                                      L"\u00A9 2007 Skelvor\r\n"
                                      L"Written by the Skelvor team";
} // namespace aboutdialog

class TfrmDialog : public TForm, private AboutDialogView {
public:
    TfrmDialog(TComponent* owner, InterfaceSounds& sounds, TSkinFileTheme* mainTheme);
    const char* ClassName() const override { return "TfrmDialog"; }

    TSkinForm* skinForm1 = nullptr;
    TExLabel* msgLabel = nullptr;
    TExLabel* hdgLabel = nullptr;
    TReflectionImage* ReflectionImage1 = nullptr;
    TSkinButton* btnCloseMain = nullptr;

    // Ends the modal state; the dialog is hidden, not destroyed.
    void Close() override { TForm::Close(); }

private:
    Rect MainWindowBounds() const override;
    Rect Bounds() const override;
    void MoveTo(Point topLeft) override;
    AboutDialogCommands commands_;
};

} // namespace folvane
