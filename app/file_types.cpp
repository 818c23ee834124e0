#include "app/file_types.h"

#include <string>

namespace FileTypes {

std::shared_ptr<platform::FileType> pText;
std::shared_ptr<platform::FileType> pUntitledType;
std::vector<std::shared_ptr<platform::FileType>> pAllFileTypes;

void pAllFileTypesInit() { pAllFileTypes = {}; }
void pTextInit() {}
void pUntitledTypeInit() {}

std::shared_ptr<platform::FileType> Text() { return pText; }
std::shared_ptr<platform::FileType> UntitledType() { return pUntitledType; }

namespace {
std::shared_ptr<platform::FileType> NewType(const char* name, const char* macType, const char* macCreator) {
  auto type = std::static_pointer_cast<platform::FileType>(platform::RuntimeNewObject(platform::FileType::Lookup()));
  type->SetName(name);
  type->SetExtensions("");
  type->SetMacType(macType);
  type->SetMacCreator(macCreator);
  type->SetMimeType("");
  type->SetImported(true);
  type->SetConformsTo("");
  return type;
}

platform::FileType& NotNil(const std::shared_ptr<platform::FileType>& type) {
  if (type == nullptr) throw platform::NilObjectException("file type not built");
  return *type;
}

// The list grows at its end: one above its upper bound.
void Append(const std::shared_ptr<platform::FileType>& type) {
  const auto upperBound = static_cast<std::ptrdiff_t>(pAllFileTypes.size()) - 1;
  pAllFileTypes.insert(pAllFileTypes.begin() + (upperBound + 1), type);
}
}  // namespace

void Initialize() {
  pText = NewType("text", "TEXT", "R*ch");
  Append(pText);
  static_cast<std::string>(NotNil(Text()));  // registers the type
  pUntitledType = NewType("", "", "");
  Append(pUntitledType);
  static_cast<std::string>(NotNil(UntitledType()));
}

}  // namespace FileTypes
