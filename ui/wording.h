#pragma once
// The program's own wording, in one place: the application layer shows a shorter form of the
// About notice as its long version string, so the two must not drift apart.

#include <string_view>

namespace ui {

// The help paragraph: the fixed instructions, then a notice of ours. One line, which the label
// wraps within its 430 by 44 area: three lines in the 10-pixel system font, so the notice has
// what the third line leaves.
inline constexpr std::string_view kHelpText =
    "Following the rules of many standardized tests, this program calculates age once given the "
    "birth date and current date. Enter years, months, and days in xxxx/xx/xx format. "
    "Results are for screening and scoring; check them against the test manual.";

// The calculator window's one-line credit.
inline constexpr std::string_view kCreditLine = "Tavrel 3.0 - age at testing in years, months and days";

// The About window's one-line notice, and the same without its closing sentence. The window
// hands over at a click or a key press, but a modifier held alone (Shift, Ctrl) is no key press:
// it may begin a shortcut such as Ctrl+Q. Hence no "any key".
inline constexpr std::string_view kAboutNoticeShort = "Tavrel 3.0: age at testing.";
inline constexpr std::string_view kAboutNotice = "Tavrel 3.0: age at testing. Click or press Return to begin.";
static_assert(kAboutNotice.starts_with(kAboutNoticeShort), "the short notice is the notice's opening");

}  // namespace ui
