// THintWindow: the small topmost window that shows a control's hint near the cursor. It never
// takes the activation or the mouse.
#pragma once

#include "toolkit/WinControl.h"

#include <string>

namespace folvane {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner = nullptr);
    const char* ClassName() const override { return "THintWindow"; }

    // The size the text needs, wrapped at maxWidth, at (0, 0).
    RECT CalcHintRect(int maxWidth, const std::string& text);
    // Shows the text in the screen rectangle, moved back onto the screen when it sticks out.
    void ActivateHint(RECT rect, const std::string& text);
    void HideHint();
    bool IsShowing() const;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;
};

} // namespace folvane
