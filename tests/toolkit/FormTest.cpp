// Forms: modal results, closing, key preview, dialog keys and accelerators, tab order and
// focus notification, client size with and without a frame, placement, and OnCreate errors.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

using Log = std::vector<std::string>;

// A focusable control that logs what reaches it.
class Field : public TCustomControl {
public:
    Field(TComponent* owner, TWinControl* parent, int x, Log* log, std::string name)
        : TCustomControl(owner)
        , log_(log)
        , name_(std::move(name))
    {
        SetParent(parent);
        SetBounds(x, 10, 30, 20);
        SetTabStop(true);
        OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState) {
            Add("key " + std::to_string(key));
            if (key == swallow)
                key = 0;
        };
    }
    bool DialogKey(std::uint16_t key, TShiftState) override
    {
        if (key != dialogKey)
            return false;
        Add("dialogkey " + std::to_string(key));
        return true;
    }
    bool DialogChar(char ch, TShiftState shift) override
    {
        if (!IsAccel(ch, Caption()))
            return false;
        Add(std::string("accel ") + ch + ((shift & ssAlt) ? " alt" : ""));
        return true;
    }
    void FocusChanged(TWinControl* focused) override
    {
        lastFocused = focused;
        ++focusNotices;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETDLGCODE && wantsChars)
            return DLGC_WANTCHARS;
        return TCustomControl::WndProc(message, wParam, lParam);
    }

    std::uint16_t swallow = 0;
    std::uint16_t dialogKey = 0;
    bool wantsChars = false;
    TWinControl* lastFocused = nullptr;
    int focusNotices = 0;

private:
    void Add(const std::string& event)
    {
        if (log_)
            log_->push_back(name_ + ":" + event);
    }
    Log* log_;
    std::string name_;
};

struct FormFixture : ::testing::Test {
    FormFixture()
    {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(100, 100, 200, 100);
        form.OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState) {
            log.push_back("form:key " + std::to_string(key));
            if (key == formSwallow)
                key = 0;
        };
        a = new Field(&form, &form, 10, &log, "a");
        b = new Field(&form, &form, 50, &log, "b");
        c = new Field(&form, &form, 90, &log, "c");
    }
    void ShowAndFocus(TWinControl* control)
    {
        form.Show();
        testing::Pump(20);
        control->SetFocus();
        ASSERT_TRUE(testing::PumpUntil([&] { return control->Focused(); }, 1000));
    }
    Log Take() { return std::exchange(log, {}); }

    Log log;
    TForm form;
    Field* a;
    Field* b;
    Field* c;
    std::uint16_t formSwallow = 0;
};

TEST_F(FormFixture, KeyPreviewLetsTheFormSeeKeysFirstAndConsumeThem)
{
    HWND field = a->Handle();
    SendMessageA(field, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(Take(), (Log { "a:key 65" }));

    form.SetKeyPreview(true);
    SendMessageA(field, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(Take(), (Log { "form:key 65", "a:key 65" }));

    formSwallow = 'A';
    SendMessageA(field, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(Take(), (Log { "form:key 65" }));
}

TEST_F(FormFixture, EnterAndEscapeGoToTheControlsAsDialogKeysUnlessUsedFirst)
{
    c->dialogKey = VK_ESCAPE;
    SendMessageA(a->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Take(), (Log { "a:key 27", "c:dialogkey 27" }));

    a->swallow = VK_ESCAPE; // the focused control used it
    SendMessageA(a->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Take(), (Log { "a:key 27" }));

    SendMessageA(a->Handle(), WM_KEYDOWN, VK_RETURN, 0); // nobody wants Enter
    EXPECT_EQ(Take(), (Log { "a:key 13" }));
}

TEST_F(FormFixture, AcceleratorsWithAltAlwaysAndPlainOnlyWhenTheFocusedControlTakesNoCharacters)
{
    b->SetCaption("&Browse");
    SendMessageA(a->Handle(), WM_SYSCHAR, 'b', 0);
    SendMessageA(a->Handle(), WM_CHAR, 'B', 0);
    EXPECT_EQ(Take(), (Log { "b:accel b alt", "b:accel B" }));

    a->wantsChars = true; // an edit box keeps its letters
    SendMessageA(a->Handle(), WM_CHAR, 'b', 0);
    EXPECT_TRUE(Take().empty());
    SendMessageA(a->Handle(), WM_SYSCHAR, 'b', 0);
    EXPECT_EQ(Take(), (Log { "b:accel b alt" }));
}

TEST_F(FormFixture, LabelAcceleratorFocusesItsControl)
{
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("&Folder");
    label->SetFocusControl(c);
    ShowAndFocus(a);
    SendMessageA(a->Handle(), WM_SYSCHAR, 'f', 0);
    EXPECT_TRUE(testing::PumpUntil([&] { return c->Focused(); }, 1000));
    delete c;
    c = nullptr;
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(FormFixture, TabOrderIsItsOwnAndSkipsWhatCannotTakeTheFocus)
{
    EXPECT_EQ(form.FindNextControl(nullptr, true, true), nullptr); // nothing on a hidden form
    form.Show();
    EXPECT_EQ(a->TabOrder(), 0);
    c->SetTabOrder(0);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(form.FindNextControl(nullptr, true, true), c);
    EXPECT_EQ(form.FindNextControl(c, true, true), a);
    EXPECT_EQ(form.FindNextControl(b, true, true), c); // wraps round
    EXPECT_EQ(form.FindNextControl(c, false, true), b);

    a->SetEnabled(false);
    EXPECT_EQ(form.FindNextControl(c, true, true), b);
    a->SetEnabled(true);
    a->SetVisible(false);
    EXPECT_EQ(form.FindNextControl(c, true, true), b);
    a->SetVisible(true);
    a->SetTabStop(false);
    EXPECT_EQ(form.FindNextControl(c, true, true), b);
    EXPECT_EQ(form.FindNextControl(c, true, false), a);

    // Nested: a container's children follow it in the order.
    auto* box = new TCustomControl(&form);
    box->SetParent(&form);
    auto* inner = new Field(&form, box, 0, nullptr, "inner");
    box->SetTabOrder(1);
    EXPECT_EQ(form.FindNextControl(c, true, true), inner);
}

// A layout stores each control's place in the order, whatever the order the
// controls are created in: a place beyond the controls made so far holds.
TEST_F(FormFixture, TabOrdersStoredInALayoutHoldOnceItIsLoaded)
{
    auto* page = new TCustomControl(&form);
    page->SetParent(&form);
    const std::vector<int> orders { 4, 1, 2, 0, 3 };
    std::vector<TWinControl*> fields;
    {
        TLoadingScope scope;
        for (int order : orders) {
            fields.push_back(new Field(&form, page, order * 30, nullptr, "field"));
            fields.back()->SetTabOrder(order);
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i]->TabOrder(), orders[i]) << "field " << i;
}

TEST_F(FormFixture, TabKeyMovesTheFocusAndEveryControlHearsOfIt)
{
    ShowAndFocus(a);
    EXPECT_EQ(form.ActiveControl(), a);
    EXPECT_EQ(c->lastFocused, a);
    SendMessageA(a->Handle(), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(testing::PumpUntil([&] { return b->Focused(); }, 1000));
    EXPECT_EQ(form.ActiveControl(), b);
    EXPECT_EQ(a->lastFocused, b);
    EXPECT_EQ(c->lastFocused, b);

    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(b->Handle(), WM_KEYDOWN, VK_TAB, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(testing::PumpUntil([&] { return a->Focused(); }, 1000));
}

TEST_F(FormFixture, ShownFormFocusesItsFirstTabStop)
{
    form.Show();
    EXPECT_EQ(form.ActiveControl(), a);
    EXPECT_TRUE(testing::PumpUntil([&] { return a->Focused(); }, 1000));
}

TEST_F(FormFixture, ShowModalReturnsTheResultSetWhileItRuns)
{
    TForm other;
    other.SetBorderStyle(TFormBorderStyle::bsNone);
    other.Show();
    bool otherDisabledDuringModal = false;
    int shows = 0;
    form.OnShow = [&](TComponent*) {
        ++shows;
        testing::RunSoon([&] {
            otherDisabledDuringModal = !IsWindowEnabled(other.Handle());
            b->Click();
        });
    };
    b->OnClick = [&](TComponent*) { form.SetModalResult(mrYes); };
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_TRUE(otherDisabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());

    // Shown again, closed this time: Close ends a modal form with mrCancel.
    form.OnShow = [&](TComponent*) { testing::RunSoon([&] { form.Close(); }); };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(shows, 1);
}

TEST_F(FormFixture, OnCloseCanKeepAModalFormOpen)
{
    int attempts = 0;
    form.OnClose = [&](TComponent*, TCloseAction& action) {
        if (++attempts == 1)
            action = TCloseAction::caNone;
    };
    auto* timer = new TTimer(&form);
    timer->SetInterval(20);
    timer->OnTimer = [&](TComponent*) { form.SetModalResult(mrOk); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(attempts, 2);
}

TEST_F(FormFixture, ShowModalOfAVisibleFormIsRefused)
{
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST_F(FormFixture, ClosingAPlainFormHidesIt)
{
    TForm main; // the fixture's form is not the main form unless it came first
    TForm second;
    second.Show();
    bool closed = false;
    second.OnClose = [&](TComponent*, TCloseAction&) { closed = true; };
    SendMessageA(second.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(second.Visible());
    EXPECT_FALSE(IsWindowVisible(second.Handle()));
}

TEST(FormClose, CloseWithFreeDestroysTheFormOnceQueuedMessagesAreDone)
{
    static bool destroyed = false;
    struct Doomed : TForm {
        using TForm::TForm;
        ~Doomed() override { destroyed = true; }
    };
    TForm main; // so that the doomed form is not the main form
    auto* form = new Doomed;
    form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    form->Close();
    form->Close(); // a second request is harmless
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(testing::PumpUntil([] { return destroyed; }, 1000));
}

TEST(FormGeometry, ClientSizeWithAndWithoutAFrame)
{
    TForm form;
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSizeable);
    form.SetBounds(0, 0, 456, 226);
    EXPECT_LT(form.ClientWidth(), 456);
    form.Handle();
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(form.ClientWidth(), client.right);

    // Turning the frame off on a live window: the window keeps its size, the client grows to it.
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetClientHeight(190);
    form.SetClientWidth(440);
    EXPECT_EQ(form.Width(), 440);
    EXPECT_EQ(form.Height(), 190);
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 440);
    EXPECT_EQ(client.bottom, 190);
    EXPECT_EQ(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_CAPTION, 0);

    // Without a window yet the frame is computed.
    TForm framed;
    framed.SetBorderStyle(TFormBorderStyle::bsDialog);
    framed.SetClientWidth(300);
    framed.SetClientHeight(200);
    framed.Handle();
    GetClientRect(framed.Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

TEST(FormGeometry, ScreenCentredFormIsPlacedWhenFirstShown)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 300, 200);
    form.SetPosition(TPosition::poScreenCenter);
    form.Show();
    EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(form.Top(), (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    RECT r;
    GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(r.left, form.Left());

    // Moved from outside, the stored position follows the window.
    SetWindowPos(form.Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(form.Top(), 20);
    EXPECT_EQ(form.ClientOrigin().x, 10);
}

TEST(FormCreate, AnErrorInOnCreateIsReportedAndTheFormLives)
{
    std::vector<std::string> reported;
    Application().OnException = [&](const std::exception_ptr& e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& error) {
            reported.push_back(error.what());
        }
    };
    TForm form;
    form.OnCreate = [](TComponent*) { throw std::runtime_error("Invalid data type for 'SetupPath'"); };
    form.DoCreate();
    Application().OnException = nullptr;
    EXPECT_EQ(reported, (std::vector<std::string> { "Invalid data type for 'SetupPath'" }));
    EXPECT_NE(form.Handle(), nullptr);
}

TEST(FormMainForm, FirstFormIsTheMainFormUntilItIsDestroyed)
{
    ASSERT_EQ(Application().MainForm(), nullptr);
    auto* splash = new TForm;
    TForm* next = nullptr;
    EXPECT_EQ(Application().MainForm(), splash);
    delete splash;
    EXPECT_EQ(Application().MainForm(), nullptr);
    next = new TForm;
    EXPECT_EQ(Application().MainForm(), next);
    TForm owned;
    owned.Handle();
    // Other forms are owned by the main form's window: no taskbar button of their own.
    EXPECT_EQ(GetWindow(owned.Handle(), GW_OWNER), next->Handle());
    EXPECT_NE(GetWindowLongA(next->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    delete next;
}

} // namespace
} // namespace folvane
