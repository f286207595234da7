// The splash of the start-up check: its controls and the status line it shows.
#include "forms/SplashWindow.h"

#include "controls/ExLabel.h"
#include "forms/DialogFace.h"
#include "forms/LayoutResources.h"
#include "richlabel/MarkupLabel.h"
#include "toolkit/Application.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {

TfrmSplash::TfrmSplash(TComponent* owner)
    : TForm(owner)
{
    TLoadingScope scope;
    SetName("frmSplash");
    SetCaption("Registry Check");
    SetBounds(Left(), Top(), 456, 226);
    SetColor(clBtnFace);
    SetPosition(TPosition::poScreenCenter);

    skinForm1 = AddDialogFace(*this);

    hdgLabel = AddWrappedLabel(*this, "hdgLabel", { 97, 53, 169, 13 }, L"Skelvor - Folvane", fsBold);

    ReflectionImage1 = AddCog(*this, 38, 53);

    lbMsg = new TMarkupLabel(this);
    lbMsg->SetName("lbMsg");
    lbMsg->SetParent(this);
    lbMsg->SetBounds(97, 92, 330, 25);
    lbMsg->SetConstraints(TSizeConstraints { 330, 0, 0, 0 });
    lbMsg->SetHTMLText(startup::kCheckingLine);
    lbMsg->SetTransparent(true);
    lbMsg->SetAutoSizing(false);
    lbMsg->SetAutoSizeType(TAutoSizeType::asHorizontal);
    lbMsg->SetEllipsis(false);
    lbMsg->SetVAlignment(TVAlignment::tvaTop);
    lbMsg->SetGradientType(TGradientType::gtFullHorizontal);
    lbMsg->SetColorTo(clNone);
    lbMsg->SetHover(false);
    lbMsg->SetHoverColor(clNone);
    lbMsg->SetHoverFontColor(clNone);
    lbMsg->SetHTMLHint(false);
    lbMsg->SetAnchorHint(false);
    lbMsg->SetHintShowFull(false);
    lbMsg->SetLineWidth(0);
    lbMsg->SetShadowColor(clGray);
    lbMsg->SetShadowOffset(2);
    lbMsg->SetURLColor(clBlue);
    lbMsg->SetVersion("1.7.5.4");

    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->SetSize(24, 24);
    TBitmap statusImages;
    LoadResourceBitmap(statusImages, "STATUSICONS");
    ImageList1->AddMasked(statusImages, 0x00FF00FF);

    scope.Attach([this] { lbMsg->SetImages(ImageList1); });
    scope.Finish();
}

SplashWindow::~SplashWindow()
{
    Release();
}

TfrmSplash& SplashWindow::Created()
{
    if (!form_)
        form_ = new TfrmSplash(&Application());
    return *form_;
}

void SplashWindow::Show()
{
    Created().Show();
}

void SplashWindow::Repaint()
{
    Created().Repaint();
}

void SplashWindow::SetMarkup(const std::string& markup)
{
    Created().lbMsg->SetHTMLText(markup);
}

void SplashWindow::Hide()
{
    if (form_)
        form_->Hide();
}

void SplashWindow::Release()
{
    delete form_;
    form_ = nullptr;
}

} // namespace folvane
