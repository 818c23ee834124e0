// The Calculate command: the six input fields through calc::CalculateAge, and its outcome
// shown on the window. Nothing else is touched: inputs keep their texts as typed, and a
// failure leaves the results of an earlier press in place.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "calc/age.h"
#include "platform/values.h"
#include "ui/control_wnd.h"

namespace ControlWnd {
namespace {

using FieldAccessor = platform::TextField& (ControlWnd::*)() const;

// The input fields in the order calc reads them, under the names its failures give.
constexpr std::array<std::pair<std::string_view, FieldAccessor>, 6> kInputFields{{
    {"DOByFld", &ControlWnd::DOByFld},
    {"DOBmFld", &ControlWnd::DOBmFld},
    {"DOBdFld", &ControlWnd::DOBdFld},
    {"DOTyFld", &ControlWnd::DOTyFld},
    {"DOTmFld", &ControlWnd::DOTmFld},
    {"DOTdFld", &ControlWnd::DOTdFld},
}};

platform::TextField& FieldNamed(const class ControlWnd& window, std::string_view name) {
  for (const auto& [fieldName, field] : kInputFields)
    if (fieldName == name) return (window.*field)();
  throw platform::NilObjectException("no input field named " + std::string(name));
}

}  // namespace

void ControlWnd::CalcBtn_Action(platform::PushButton&) {
  const std::int64_t currentYear = platform::Date().Year();
  std::array<std::string, kInputFields.size()> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = (this->*kInputFields[i].second)().Text();

  const calc::AgeOutcome outcome =
      calc::CalculateAge(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], currentYear);
  if (const auto* failure = std::get_if<calc::AgeFailure>(&outcome)) {
    // The user reads the message first; the focus moves once the box is gone.
    platform::MsgBox(failure->message);
    FieldNamed(*this, failure->focusField).SetFocus();
    return;
  }
  const auto& age = std::get<calc::AgeSuccess>(outcome);
  AgeYFld().SetText(age.years);
  AgeMfld().SetText(age.months);
  AgeDFld().SetText(age.days);
}

}  // namespace ControlWnd
