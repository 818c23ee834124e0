// Every text the program writes fits where it is shown, measured with the widget's own font,
// and shows on as many lines as it takes: the help paragraph wrapped within its label on three,
// the credit line and the About notice within theirs on one, and the widest year, month, day and age within a field's
// text area. The fonts are those a fresh install ships (the test main points fontconfig at them), so a longer wording
// or a larger font fails here as it would be cut off on screen.

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string_view>

#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;

// "System" on a fresh Debian 12 with fonts-dejavu-core, on the offscreen and xcb platforms alike.
constexpr const char* kShippedFamily = "DejaVu Sans";

std::string Size(const QRect& r) { return std::to_string(r.width()) + "x" + std::to_string(r.height()); }

struct LabelRow {
  std::string_view name;
  const platform::Label& (*label)(const W&);
  int lines;  // as the label shows its text
};

const LabelRow kLabels[] = {
    {"help_paragraph", [](const W& w) -> const platform::Label& { return w.Purpose(); }, 3},
    {"credit_line", [](const W& w) -> const platform::Label& { return w.Label1(); }, 1},
    {"about_notice", [](const W&) -> const platform::Label& { return AboutWnd::AboutWnd().Label1(); }, 1},
};

// The lines of text the widget shows, read off its own drawing: bands of pixel rows with ink in
// them, ink being any pixel far from the colour the drawing has most of, its ground.
int LinesShown(QWidget& widget) {
  const QImage drawn = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> count;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) ++count[drawn.pixel(x, y)];
  const QColor ground(
      std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
  const auto isInk = [&](QRgb p) {
    const QColor c(p);
    return std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
               std::abs(c.blue() - ground.blue()) >
           96;
  };
  int lines = 0;
  bool inLine = false;
  for (int y = 0; y < drawn.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < drawn.width() && !ink; ++x) ink = isInk(drawn.pixel(x, y));
    if (ink && !inLine) ++lines;
    inLine = ink;
  }
  return lines;
}

using LabelFitTest = CalculatorTableTest<LabelRow>;

// Measured as wrapped text, so a one-line label whose text would need a second line fails too.
TEST_P(LabelFitTest, WholeTextFitsWithinTheLabel) {
  const auto* label = qobject_cast<const QLabel*>(GetParam().label(calc_).Widget());
  ASSERT_NE(label, nullptr);
  ASSERT_EQ(QFontInfo(label->font()).family().toStdString(), kShippedFamily);
  const QRect area = label->contentsRect();
  const QRect needed =
      QFontMetrics(label->font()).boundingRect(area, int(Qt::TextWordWrap | label->alignment()), label->text());
  EXPECT_TRUE(area.contains(needed)) << "needs " << Size(needed) << ", has " << Size(area);
}

// Drawn, not measured: a paragraph the label did not wrap would show as one line cut off.
TEST_P(LabelFitTest, ShowsItsTextOnTheLinesItTakes) {
  if (GetParam().name == "help_paragraph") calc_.Purpose().SetVisible(true);
  EXPECT_EQ(LinesShown(*GetParam().label(calc_).Widget()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Text, LabelFitTest, testing::ValuesIn(kLabels), RowName());

// Where a line edit draws its text: its contents inside the frame, less its text margins and
// the 2 pixels QLineEdit keeps on either side of the text.
QRect TextArea(const QLineEdit& edit) {
  QStyleOptionFrame frame;
  frame.initFrom(&edit);
  frame.rect = edit.contentsRect();
  frame.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit) : 0;
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  frame.features = QStyleOptionFrame::None;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &edit);
  return contents.marginsRemoved(edit.textMargins()).adjusted(2, 0, -2, 0);
}

struct FieldRow {
  std::string_view name;
  platform::TextField& (W::*field)() const;
  std::initializer_list<const char*> widest;  // the widest texts the field shows
};

const FieldRow kFields[] = {
    {"test_year", &W::DOTyFld, {"2026", "8888"}}, {"test_month", &W::DOTmFld, {"12", "88"}},
    {"test_day", &W::DOTdFld, {"31", "88"}},      {"birth_year", &W::DOByFld, {"2026", "8888"}},
    {"birth_month", &W::DOBmFld, {"12", "88"}},   {"birth_day", &W::DOBdFld, {"31", "88"}},
    {"age_years", &W::AgeYFld, {"100", "888"}},   {"age_months", &W::AgeMfld, {"11", "88"}},
    {"age_days", &W::AgeDFld, {"29", "88"}},
};

using FieldFitTest = CalculatorTableTest<FieldRow>;

TEST_P(FieldFitTest, WidestTextFitsWithinTheTextArea) {
  const QLineEdit* edit = Edit((calc_.*GetParam().field)());
  ASSERT_EQ(QFontInfo(edit->font()).family().toStdString(), kShippedFamily);
  const QRect area = TextArea(*edit);
  const QFontMetrics metrics(edit->font());
  for (const char* text : GetParam().widest) {
    const QRect needed(0, 0, metrics.horizontalAdvance(QString::fromLatin1(text)),
                       std::max(metrics.height(), metrics.boundingRect(QString::fromLatin1(text)).height()));
    EXPECT_TRUE(needed.width() <= area.width() && needed.height() <= area.height())
        << "\"" << text << "\" needs " << Size(needed) << ", has " << Size(area);
  }
}

INSTANTIATE_TEST_SUITE_P(Text, FieldFitTest, testing::ValuesIn(kFields), RowName());

}  // namespace
}  // namespace ui_test
