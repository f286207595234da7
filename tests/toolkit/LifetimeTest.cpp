// Lifetimes: owner destruction frees every control and menu, references across forms are
// dropped when their target goes, controls built inside a loading scope wait for Loaded(), and
// a thousand forms with controls give back every GDI and USER object.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/Menus.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

int gAlive = 0;

template <typename Base> class Counted : public Base {
public:
    explicit Counted(TComponent* owner)
        : Base(owner)
    {
        ++gAlive;
    }
    ~Counted() override { --gAlive; }
};

TEST(Lifetime, OwnerDestructionFreesControlsNestedParentsAndMenus)
{
    gAlive = 0;
    auto* form = new Counted<TForm>(nullptr);
    auto* panel = new Counted<TCustomControl>(form);
    panel->SetParent(form);
    auto* inner = new Counted<TCustomControl>(form);
    inner->SetParent(panel);
    auto* label = new Counted<TLabel>(form);
    label->SetParent(inner);
    auto* menu = new Counted<TPopupMenu>(form);
    menu->Items()->Add(new Counted<TMenuItem>(form));
    label->SetPopupMenu(menu);
    form->Handle();
    HWND innerWindow = inner->Handle();
    EXPECT_EQ(gAlive, 6);
    delete form;
    EXPECT_EQ(gAlive, 0);
    EXPECT_FALSE(IsWindow(innerWindow));
}

TEST(Lifetime, ParentDestructionFreesChildrenOwnedByNobody)
{
    gAlive = 0;
    auto* form = new TForm;
    auto* loose = new Counted<TGraphicControl>(nullptr);
    loose->SetParent(form);
    delete form;
    EXPECT_EQ(gAlive, 0);
}

TEST(Lifetime, ReferencesToAnotherFormsComponentsAreDropped)
{
    auto* mainForm = new TForm;
    auto* menu = new TPopupMenu(mainForm);
    auto* target = new TCustomControl(mainForm);
    target->SetParent(mainForm);

    TForm about;
    auto* label = new TLabel(&about);
    label->SetParent(&about);
    label->SetPopupMenu(menu);
    label->SetFocusControl(target);
    delete mainForm;
    EXPECT_EQ(label->PopupMenu(), nullptr);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(Lifetime, DestroyingTheFocusedOrHoveredControlLeavesTheFormSound)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 100, 100);
    auto* field = new TCustomControl(&form);
    field->SetParent(&form);
    field->SetTabStop(true);
    field->SetBounds(0, 0, 10, 10);
    auto* graphic = new TGraphicControl(&form);
    graphic->SetParent(&form);
    graphic->SetBounds(20, 20, 10, 10);
    form.SetActiveControl(field);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(25, 25));
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
    EXPECT_TRUE(graphic->MouseCapture());
    delete graphic;
    delete field;
    EXPECT_EQ(form.ActiveControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    // Messages after the deaths must not reach them (ASan-like check: no crash, no events).
    SendMessageA(form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(26, 26));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(26, 26));
    SendMessageA(form.Handle(), WM_MOUSELEAVE, 0, 0);
}

TEST(Lifetime, LoadingScopeStoresFirstAndBringsControlsUpAtTheEnd)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.Handle();
    TLabel* label = nullptr;
    TPopupMenu* menu = nullptr;
    TTimer* timer = nullptr;
    int resizes = 0;
    {
        TLoadingScope scope;
        label = new TLabel(&form);
        label->OnResize = [&](TComponent*) { ++resizes; };
        label->SetParent(&form);
        label->SetCaption("A much longer caption than the default size");
        label->SetBounds(5, 6, 10, 10);
        timer = new TTimer(&form);
        timer->SetInterval(10);
        menu = new TPopupMenu(&form);
        scope.Attach([&] { label->SetPopupMenu(menu); });
        // While loading: only stored; no auto size, no timer, no reference yet.
        EXPECT_EQ(label->Width(), 10);
        EXPECT_FALSE(timer->Running());
        EXPECT_EQ(label->PopupMenu(), nullptr);
        EXPECT_EQ(resizes, 0);
    }
    EXPECT_GT(label->Width(), 100);
    EXPECT_EQ(label->Left(), 5);
    EXPECT_EQ(label->Height(), 13);
    EXPECT_TRUE(timer->Running());
    EXPECT_EQ(label->PopupMenu(), menu);
    EXPECT_FALSE(label->IsLoading());
}

TEST(Lifetime, LoadedWindowedControlGetsItsWindowWithTheStoredState)
{
    TForm form;
    form.Handle();
    TCustomControl* field = nullptr;
    {
        TLoadingScope scope;
        field = new TCustomControl(&form);
        field->SetParent(&form);
        field->SetBounds(7, 8, 30, 20);
        field->SetEnabled(false);
        field->SetCaption("edit");
        EXPECT_FALSE(field->HandleAllocated());
    }
    ASSERT_TRUE(field->HandleAllocated());
    RECT r;
    GetWindowRect(field->ExistingHandle(), &r);
    POINT p { r.left, r.top };
    ScreenToClient(form.Handle(), &p);
    EXPECT_EQ(p.x, 7);
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_FALSE(IsWindowEnabled(field->ExistingHandle()));
}

void BuildAndPaintForm()
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 120, 80);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("&Label");
    auto* field = new TCustomControl(&form);
    field->SetParent(&form);
    field->SetBounds(10, 30, 40, 20);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetIcon(LoadIconA(nullptr, IDI_WARNING));
    auto* menu = new TPopupMenu(&form);
    auto* item = new TMenuItem(&form);
    item->SetCaption("Look in HKEY_LOCAL_MACHINE");
    menu->Items()->Add(item);
    field->SetPopupMenu(menu);
    auto* timer = new TTimer(&form);
    timer->SetInterval(1000);
    form.Handle();
    TBitmap picture;
    testing::Picture(form, picture);
}

TEST(Lifetime, AThousandFormsGiveBackEveryGdiAndUserObject)
{
    BuildAndPaintForm(); // first use creates lasting things (classes, stock objects, the utility window)
    DWORD gdi = testing::GdiObjects();
    DWORD user = testing::UserObjects();
    ASSERT_GT(user, 0u); // the counter sees windows at all
    for (int i = 0; i < 1000; ++i)
        BuildAndPaintForm();
    EXPECT_EQ(testing::GdiObjects(), gdi);
    EXPECT_EQ(testing::UserObjects(), user);
}

} // namespace
} // namespace folvane
