// TfrmSplash, the window of the start-up check: the dialog face, the cog, the
// heading and the status line lbMsg whose pictures come from a 24 x 24 list
// of three status images. It has no behaviour of its own; SplashWindow is the
// entry's handle on it.
#pragma once

#include "app/StartupCheck.h"
#include "toolkit/Form.h"

namespace folvane {

class TExLabel;
class TImageList;
class TMarkupLabel;
class TReflectionImage;
class TSkinForm;

class TfrmSplash : public TForm {
public:
    explicit TfrmSplash(TComponent* owner);
    const char* ClassName() const override { return "TfrmSplash"; }

    TSkinForm* skinForm1 = nullptr;
    TExLabel* hdgLabel = nullptr;
    TReflectionImage* ReflectionImage1 = nullptr;
    TMarkupLabel* lbMsg = nullptr;
    TImageList* ImageList1 = nullptr;
};

// Shows, repaints and releases one TfrmSplash without a message loop: each
// repaint paints the window and its controls before it returns.
class SplashWindow : public SplashScreen {
public:
    ~SplashWindow() override;

    void Show() override;
    void Repaint() override;
    void SetMarkup(const std::string& markup) override;
    void Hide() override;
    void Release() override;

    TfrmSplash* Form() const { return form_; }

private:
    TfrmSplash& Created();

    TfrmSplash* form_ = nullptr;
};

} // namespace folvane
