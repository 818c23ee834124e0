#include "ui/pictures.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// A file name as a template argument, so that every picture gets its own pair of statics.
template <std::size_t N>
struct FileName {
  char text[N];
  constexpr FileName(const char (&name)[N]) { std::copy_n(name, N, text); }
  constexpr std::string_view view() const { return {text, N - 1}; }
};

template <FileName name>
std::shared_ptr<platform::Picture> LoadedOnce() {
  static std::shared_ptr<platform::Picture> pic;
  static std::uint8_t initialised = 0;
  if (initialised == 0) {  // the first call of the process starts from an empty cache
    initialised = 1;
    pic.reset();
  }
  // A failed or throwing load leaves pic empty, so the next call reads the file again.
  if (!pic) pic = platform::Picture::OpenFromApp(name.view());
  return pic;
}

}  // namespace

// The names are asked for exactly as written: "day.png" is lower case, "Icon64" has no extension.
std::shared_ptr<platform::Picture> x_Quillet::Quillet() { return LoadedOnce<"Quillet.png">(); }
std::shared_ptr<platform::Picture> x_Quillet2::Quillet2() { return LoadedOnce<"Quillet2.png">(); }
std::shared_ptr<platform::Picture> x_DOT::DOT() { return LoadedOnce<"DOT.png">(); }
std::shared_ptr<platform::Picture> x_DOB::DOB() { return LoadedOnce<"DOB.png">(); }
std::shared_ptr<platform::Picture> x_Age::Age() { return LoadedOnce<"Age.png">(); }
std::shared_ptr<platform::Picture> x_Year::Year() { return LoadedOnce<"Year.png">(); }
std::shared_ptr<platform::Picture> x_Month::Month() { return LoadedOnce<"Month.png">(); }
std::shared_ptr<platform::Picture> x_day::day() { return LoadedOnce<"day.png">(); }
std::shared_ptr<platform::Picture> x_Icon64::Icon64() { return LoadedOnce<"Icon64">(); }
