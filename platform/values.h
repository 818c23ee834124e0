#pragma once
// Small value helpers: the modal message box, today's date, pictures and file types.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/object.h"

namespace platform {

// Shows the message in a modal box and returns when the user dismisses it.
void MsgBox(const std::string& text);

struct CivilDate {
  std::int64_t year, month, day;
};
using TodayFunction = CivilDate (*)();
// The clock Date reads: the local date by default. Tests set their own fixed day.
void SetTodayFunction(TodayFunction today);

class Date {
 public:
  Date();  // now
  std::int64_t Year() const { return now_.year; }
  std::int64_t Month() const { return now_.month; }
  std::int64_t Day() const { return now_.day; }

 private:
  CivilDate now_;
};

class Picture : public Object {
 public:
  static const ClassRecord& Lookup();
  Picture();
  ~Picture() override;
  // The picture read from the file of that name in the program's resources folder, or nullptr.
  // A name without an extension is read by its content.
  static std::shared_ptr<Picture> OpenFromApp(std::string_view fileName);
  int Width() const;
  int Height() const;
  // One pixel's colour as 0xAARRGGBB (alpha not premultiplied), e.g. to tell pictures apart.
  std::uint32_t Pixel(int x, int y) const;
  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// A picture by its program's accessor, which loads it on first use and keeps it.
using PictureAccessor = std::shared_ptr<Picture> (*)();

// The folder the program's pictures are read from: resources/ beside the executable when it is
// there (the build tree), else ../share/<executable's name>/ from it when that is there (an
// installed tree, wherever it was put), else resources/ beside it again.
std::filesystem::path ResourcesFolderOf(const std::filesystem::path& executable);
// The same for this process's executable.
std::filesystem::path ResourcesFolder();

struct FileTypeRegistration {
  std::string name, macCreator, macType, extensions, uti;
};

// A file type declared to the platform. The registry keeps each registration and only watches
// the type it came from: a type that is gone counts as withdrawn, and neither the type's end nor
// the registry's reaches the other, so the process may end them in either order.
class FileType : public Object {
 public:
  static const ClassRecord& Lookup();
  // Setting a property withdraws the type's registration.
  void SetName(std::string v);
  void SetExtensions(std::string v);
  void SetMacType(std::string v);
  void SetMacCreator(std::string v);
  void SetMimeType(std::string v);
  void SetImported(bool v);
  void SetConformsTo(std::string v);
  void SetUTI(std::string v);
  const std::string& Name() const { return reg_.name; }
  const std::string& Extensions() const { return reg_.extensions; }
  const std::string& MacType() const { return reg_.macType; }
  const std::string& MacCreator() const { return reg_.macCreator; }
  const std::string& MimeType() const { return mimeType_; }
  bool Imported() const { return imported_; }
  const std::string& ConformsTo() const { return conformsTo_; }
  const std::string& UTI() const { return reg_.uti; }
  bool Registered() const;

  // Converting a type to text registers it once, then gives its name.
  explicit operator std::string();

 private:
  template <class T>
  void Set(T& field, T value);
  FileTypeRegistration reg_;
  std::string mimeType_, conformsTo_;
  bool imported_ = false;
};

// The platform's registry of file types, in registration order.
std::vector<FileTypeRegistration> RegisteredFileTypes();

}  // namespace platform
