// Paints a form of 30 mixed controls (labels, graphic blocks, windowed controls with text,
// icons) 1,000 times through the toolkit's paint path, then the same picture 1,000 times with
// plain GDI calls buffered the same way (a window procedure of its own over the same windows, one
// off-screen bitmap per window, one copy), and
// prints the two times and their ratio.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace folvane;

namespace {

constexpr int kRounds = 1000;
constexpr COLORREF kFace = RGB(0x27, 0x37, 0x7F);

class Block : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint(TCanvas& canvas) override
    {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
};

class Box : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint(TCanvas& canvas) override
    {
        RECT r = ClientRect();
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

struct Layout {
    std::vector<RECT> labels, blocks, boxes, icons;
};

Layout MakeLayout()
{
    Layout layout;
    for (int i = 0; i < 10; ++i)
        layout.labels.push_back(RECT { 10, 10 + i * 22, 200, 10 + i * 22 + 15 });
    for (int i = 0; i < 8; ++i)
        layout.blocks.push_back(
            RECT { 220 + (i % 4) * 50, 10 + (i / 4) * 50, 220 + (i % 4) * 50 + 40, 50 + (i / 4) * 50 });
    for (int i = 0; i < 6; ++i)
        layout.boxes.push_back(RECT { 10 + i * 100, 300, 90 + i * 100, 327 });
    for (int i = 0; i < 6; ++i)
        layout.icons.push_back(RECT { 10 + i * 40, 400, 42 + i * 40, 432 });
    return layout;
}

const char* LabelText(int i)
{
    static const char* texts[] = { "Get FSX &Path", "Search &Reg", "HKEY_LOCAL_MACHINE", "SetupPath",
        "Add to Current User", "Set CD-ROM Path:", "Skelvor Website", "About", "C:\\FSX\\", "AppPath" };
    return texts[i % 10];
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void PlainPaintFace(HDC dc, const Layout& layout, HFONT font, HICON icon)
{
    RECT all { 0, 0, 640, 480 };
    HBRUSH face = CreateSolidBrush(kFace);
    FillRect(dc, &all, face);
    DeleteObject(face);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
        RECT r = layout.labels[i];
        if (i % 2) {
            HBRUSH fill = CreateSolidBrush(RGB(240, 240, 240));
            FillRect(dc, &r, fill);
            DeleteObject(fill);
        }
        DrawTextA(dc, LabelText(static_cast<int>(i)), -1, &r, DT_LEFT | DT_EXPANDTABS);
    }
    for (std::size_t i = 0; i < layout.blocks.size(); ++i) {
        HBRUSH fill = CreateSolidBrush(RGB(200, 30 * static_cast<int>(i), 40));
        FillRect(dc, &layout.blocks[i], fill);
        DeleteObject(fill);
    }
    for (const RECT& r : layout.icons)
        DrawIconEx(dc, r.left, r.top, icon, 32, 32, 0, nullptr, DI_NORMAL);
    SelectObject(dc, oldFont);
}

void PlainPaintBox(HDC dc, const RECT& client, HFONT font, const char* text)
{
    HBRUSH fill = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &client, fill);
    DeleteObject(fill);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT r = client;
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

// The plain program: its own window procedure, the same windows, the same buffered paint.
struct PlainScene {
    const Layout* layout;
    HFONT font;
    HICON icon;
};
PlainScene* gScene = nullptr;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC screen = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info {};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (GetParent(window))
            PlainPaintBox(memory, client, gScene->font, "&Set FSX Path");
        else
            PlainPaintFace(memory, *gScene->layout, gScene->font, gScene->icon);
        BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(window, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreatePlainScene(const Layout& layout)
{
    WNDCLASSA wc {};
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PlainBenchWindow";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(WS_EX_APPWINDOW, "PlainBenchWindow", "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 640, 480,
        nullptr, nullptr, wc.hInstance, nullptr);
    for (const RECT& r : layout.boxes)
        CreateWindowExA(0, "PlainBenchWindow", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top,
            r.right - r.left, r.bottom - r.top, top, nullptr, wc.hInstance, nullptr);
    return top;
}

} // namespace

int main()
{
    Application().Initialize();
    Layout layout = MakeLayout();
    HICON icon = LoadIconA(nullptr, IDI_INFORMATION);

    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 640, 480);
    form.SetColor(kFace);
    form.Font().SetColor(clWhite);
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
        auto* label = new TLabel(&form);
        label->SetParent(&form);
        label->SetAutoSize(false);
        const RECT& r = layout.labels[i];
        label->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        label->SetCaption(LabelText(static_cast<int>(i)));
        label->SetTransparent(i % 2 == 0);
        label->SetColor(RGB(240, 240, 240));
    }
    for (std::size_t i = 0; i < layout.blocks.size(); ++i) {
        auto* block = new Block(&form);
        block->SetParent(&form);
        const RECT& r = layout.blocks[i];
        block->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        block->SetColor(RGB(200, 30 * static_cast<int>(i), 40));
    }
    for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
        auto* box = new Box(&form);
        box->SetParent(&form);
        const RECT& r = layout.boxes[i];
        box->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        box->SetColor(clWhite);
        box->SetCaption("&Set FSX Path");
        box->Font().SetColor(clBlack);
    }
    for (const RECT& r : layout.icons) {
        auto* image = new TImage(&form);
        image->SetParent(&form);
        image->SetBounds(r.left, r.top, 32, 32);
        image->SetIcon(icon);
    }
    form.Show();
    form.Repaint();

    HWND window = form.Handle();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    double toolkit = Seconds(std::chrono::steady_clock::now() - start);

    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    PlainScene scene { &layout, font, icon };
    gScene = &scene;
    form.Hide();
    HWND plainWindow = CreatePlainScene(layout);
    ShowWindow(plainWindow, SW_SHOW);
    UpdateWindow(plainWindow);
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i)
        RedrawWindow(plainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    double plain = Seconds(std::chrono::steady_clock::now() - start);
    DestroyWindow(plainWindow);
    DeleteObject(font);

    // The same two pictures of the form's face alone, off-screen, without the window system.
    TBitmap target(640, 480);
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i)
        form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.DC()), 0);
    double toolkitFace = Seconds(std::chrono::steady_clock::now() - start);
    font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i)
        PlainPaintFace(target.DC(), layout, font, icon);
    double plainFace = Seconds(std::chrono::steady_clock::now() - start);
    DeleteObject(font);
    std::printf("form face only, off-screen: toolkit %.3f s, plain GDI %.3f s, ratio %.2f\n", toolkitFace, plainFace,
        plainFace > 0 ? toolkitFace / plainFace : 0.0);

    std::printf("30 controls, %d paints: toolkit %.3f s, plain GDI %.3f s, ratio %.2f\n", kRounds, toolkit, plain,
        plain > 0 ? toolkit / plain : 0.0);
    return 0;
}
