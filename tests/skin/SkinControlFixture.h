// A borderless form, shown once per test suite, that the skinned controls'
// Windows tests put their controls on (hiding and showing forms is slow
// under Wine).
#pragma once

#include "skin/SkinFileTheme.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <span>

namespace folvane::testing {

class SkinControlFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 420, 220);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    static inline TForm* form = nullptr;
};

// The program's own skin archive (resource SKINDATA) loaded into theme, as the main window's
// layout loads it; false when the resource is missing or the theme did not load.
inline bool LoadProgramSkin(TSkinBuiltInFileTheme& theme)
{
    HRSRC found = FindResourceA(nullptr, "SKINDATA", MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return false;
    theme.SetSkinData(std::span(static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found)));
    return theme.Ready();
}

} // namespace folvane::testing
