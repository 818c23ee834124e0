// What a screen reader says for both windows and every control a user meets, read through Qt's
// accessibility interface on the real widgets: the windows as a frame and a dialog by their
// names, the fields by their row and column, the buttons by what they do, the pictures by the
// words they show, the labels by their text; and what it reads out of a field.

#include <QAccessible>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"
#include "ui/wording.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using ui_test::RowName;
using Role = QAccessible::Role;

enum class In { Calculator, About };

struct SpokenRow {
  std::string_view name;  // the control's
  In window;
  std::string_view spoken;
  Role role;
};

// Every control of both windows that has a widget.
const SpokenRow kSpoken[] = {
    {"CalcBtn", In::Calculator, "Calculate", Role::Button},
    {"ClearBtn", In::Calculator, "Clear", Role::Button},
    {"HelpBtn", In::Calculator, "Help", Role::Button},
    {"Title", In::Calculator, "Tavrel", Role::Graphic},
    {"Canvas1", In::Calculator, "Date of Testing", Role::Graphic},
    {"Canvas2", In::Calculator, "Date of Birth", Role::Graphic},
    {"Canvas3", In::Calculator, "Age", Role::Graphic},
    {"Canvas4", In::Calculator, "Year", Role::Graphic},
    {"Canvas5", In::Calculator, "Month", Role::Graphic},
    {"Canvas6", In::Calculator, "Day", Role::Graphic},
    {"DOTyFld", In::Calculator, "Date of testing, year", Role::EditableText},
    {"DOTmFld", In::Calculator, "Date of testing, month", Role::EditableText},
    {"DOTdFld", In::Calculator, "Date of testing, day", Role::EditableText},
    {"DOByFld", In::Calculator, "Date of birth, year", Role::EditableText},
    {"DOBmFld", In::Calculator, "Date of birth, month", Role::EditableText},
    {"DOBdFld", In::Calculator, "Date of birth, day", Role::EditableText},
    {"AgeYFld", In::Calculator, "Age, years", Role::EditableText},
    {"AgeMfld", In::Calculator, "Age, months", Role::EditableText},
    {"AgeDFld", In::Calculator, "Age, days", Role::EditableText},
    {"Purpose", In::Calculator, ui::kHelpText, Role::StaticText},
    {"Label1", In::Calculator, ui::kCreditLine, Role::StaticText},
    {"titlesplash", In::About, "Tavrel, age at testing", Role::Graphic},
    {"Canvas1", In::About, "Tavrel icon", Role::Graphic},
    {"Label1", In::About, ui::kAboutNotice, Role::StaticText},
};

// The widgets of both windows, and what a screen reader hears for them.
class SpokenWidgets : protected CalculatorTest {
 protected:
  platform::Window& WindowOf(In window) {
    return window == In::Calculator ? static_cast<platform::Window&>(calc_)
                                    : static_cast<platform::Window&>(AboutWnd::AboutWnd());
  }
  QWidget* WidgetOf(In window, std::string_view name) {
    return dynamic_cast<platform::RectControl&>(*WindowOf(window).ControlByName(name)).Widget();
  }
  static std::string Spoken(QWidget* widget) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    return spoken != nullptr ? spoken->text(QAccessible::Name).toStdString() : "<not accessible>";
  }
};

class SpokenTest : public testing::TestWithParam<SpokenRow>, protected SpokenWidgets {};
class FieldNameTest : public testing::Test, protected SpokenWidgets {};

TEST_P(SpokenTest, IsAnnouncedByItsNameAndRole) {
  const SpokenRow& row = GetParam();
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(WidgetOf(row.window, row.name));
  ASSERT_NE(spoken, nullptr);
  EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), row.spoken);
  EXPECT_EQ(spoken->role(), row.role);
  // A result field is announced as one the user reads, not one to type in.
  if (row.role == Role::EditableText) {
    const bool result = row.spoken.starts_with("Age");
    EXPECT_EQ(spoken->state().readOnly, result) << row.spoken;
    EXPECT_EQ(spoken->state().editable, !result) << row.spoken;
    EXPECT_EQ(spoken->editableTextInterface() != nullptr, !result) << row.spoken;
  }
}

struct SpokenWindowRow {
  std::string_view name;  // the row's
  In window;
  std::string_view spoken;
  Role role;
  std::string_view title;  // what the window's title bar shows
};

// The About window has no title, so it is named for the screen reader alone.
const SpokenWindowRow kSpokenWindows[] = {
    {"Calculator", In::Calculator, "Tavrel", Role::Window, "Tavrel"},
    {"About", In::About, "About Tavrel", Role::Dialog, ""},
};

class SpokenWindowTest : public testing::TestWithParam<SpokenWindowRow>, protected SpokenWidgets {};

TEST_P(SpokenWindowTest, IsAnnouncedAsAFrameOrADialogByItsName) {
  const SpokenWindowRow& row = GetParam();
  const platform::Window& window = WindowOf(row.window);
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(window.Widget());
  ASSERT_NE(spoken, nullptr);
  EXPECT_EQ(spoken->role(), row.role);
  EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), row.spoken);
  EXPECT_EQ(window.Title(), row.title);
  EXPECT_EQ(window.Widget()->windowTitle().toStdString(), row.title);
}

// What a screen reader reads out of a field is the text it shows, character by character where
// it shows it; what it writes into an input field passes the field's bounds, as typing does.
TEST_F(FieldNameTest, AScreenReaderReadsAFieldsTextAndWritesWithinItsBounds) {
  calc_.AgeYFld().SetText("35");
  QAccessibleInterface* age = QAccessible::queryAccessibleInterface(calc_.AgeYFld().Widget());
  ASSERT_NE(age, nullptr);
  ASSERT_NE(age->textInterface(), nullptr);
  EXPECT_EQ(age->textInterface()->text(0, age->textInterface()->characterCount()), "35");
  EXPECT_EQ(age->text(QAccessible::Value), "35");

  QAccessibleInterface* year = QAccessible::queryAccessibleInterface(calc_.DOByFld().Widget());
  ASSERT_NE(year, nullptr);
  ASSERT_NE(year->editableTextInterface(), nullptr);
  year->editableTextInterface()->insertText(0, "19x0");
  EXPECT_EQ(calc_.DOByFld().Text(), "") << "a letter is refused as typing refuses it";
  year->editableTextInterface()->insertText(0, "1990");
  EXPECT_EQ(calc_.DOByFld().Text(), "1990");

  QAccessibleTextInterface* text = year->textInterface();
  const QRect field(calc_.DOByFld().Widget()->mapToGlobal(QPoint(0, 0)), calc_.DOByFld().Widget()->size());
  for (int offset = 0; offset < 4; ++offset) {
    const QRect character = text->characterRect(offset);
    EXPECT_TRUE(field.contains(character)) << "character " << offset;
    // Qt's own layout puts a point in the character's left half before the character.
    EXPECT_EQ(text->offsetAtPoint(QPoint(character.left() + character.width() / 4, character.center().y())), offset);
  }
}

// Somebody who adds a control must also say what it is called.
TEST_F(CalculatorWindowTest, EveryControlIsInTheTableOfSpokenNames) {
  std::size_t calculator = 0, about = 0;
  for (const SpokenRow& row : kSpoken) ++(row.window == In::Calculator ? calculator : about);
  EXPECT_EQ(calculator, calc_.ControlCount());
  EXPECT_EQ(about + 1, AboutWnd::AboutWnd().ControlCount()) << "all but the timer";
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return QString::fromUtf8(text.data(), text.size())
      .startsWith(QString::fromUtf8(start.data(), start.size()), Qt::CaseInsensitive);
}

// A field is spoken as its row picture's words, then its column header's: the names follow the
// pictures a sighted user reads beside and above the field, wherever the layout puts them.
TEST_F(FieldNameTest, AFieldIsNamedAfterTheRowBesideItAndTheColumnAboveIt) {
  // What the picture among the canvases says whose band, across or down, holds the field's centre.
  auto spokenPictureBy = [&](QWidget* field, std::initializer_list<std::string_view> canvases, bool rowBand) {
    const QPoint centre = field->geometry().center();
    for (std::string_view canvas : canvases) {
      const QRect band = WidgetOf(In::Calculator, canvas)->geometry();
      if (rowBand ? (band.top() <= centre.y() && centre.y() <= band.bottom())
                  : (band.left() <= centre.x() && centre.x() <= band.right()))
        return Spoken(WidgetOf(In::Calculator, canvas));
    }
    return std::string("<no picture>");
  };
  for (std::string_view name :
       {"DOTyFld", "DOTmFld", "DOTdFld", "DOByFld", "DOBmFld", "DOBdFld", "AgeYFld", "AgeMfld", "AgeDFld"}) {
    QWidget* field = WidgetOf(In::Calculator, name);
    const std::string spoken = Spoken(field);
    const std::string row = spokenPictureBy(field, {"Canvas1", "Canvas2", "Canvas3"}, true);
    const std::string column = spokenPictureBy(field, {"Canvas4", "Canvas5", "Canvas6"}, false);
    EXPECT_TRUE(StartsWithNoCase(spoken, row + ", ")) << name << " is spoken \"" << spoken << "\" beside " << row;
    const std::size_t comma = spoken.find(", ");
    EXPECT_TRUE(comma != std::string::npos && StartsWithNoCase(std::string_view(spoken).substr(comma + 2), column))
        << name << " is spoken \"" << spoken << "\" under " << column;
  }
}

std::string RowLabel(const testing::TestParamInfo<SpokenRow>& info) {
  return (info.param.window == In::About ? "About_" : "") + std::string(info.param.name);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, SpokenTest, testing::ValuesIn(kSpoken), RowLabel);
INSTANTIATE_TEST_SUITE_P(BothWindows, SpokenWindowTest, testing::ValuesIn(kSpokenWindows), RowName());

}  // namespace
}  // namespace ui_test
