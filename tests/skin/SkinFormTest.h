// A borderless form, shown once per test suite, that the skinned controls'
// Windows tests put their controls on (hiding and showing forms is slow
// under Wine).
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

namespace folvane::testing {

class SkinFormTest : public ::testing::Test {
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

} // namespace folvane::testing
