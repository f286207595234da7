// Modal results: what a modal form or message dialog ended with. mrNone keeps a modal loop going.
#pragma once

namespace folvane {

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

} // namespace folvane
