#pragma once
// The file types the application declares: "text" and an unnamed type, built and registered
// once during early start-up. Nothing reads them afterwards: Tavrel opens no document.

#include <memory>
#include <vector>

#include "platform/values.h"

namespace FileTypes {

extern std::shared_ptr<platform::FileType> pText;
extern std::shared_ptr<platform::FileType> pUntitledType;
extern std::vector<std::shared_ptr<platform::FileType>> pAllFileTypes;

void pAllFileTypesInit();
void pTextInit();
void pUntitledTypeInit();

std::shared_ptr<platform::FileType> Text();
std::shared_ptr<platform::FileType> UntitledType();
void Initialize();

}  // namespace FileTypes
