#include "platform/values.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <map>

#include "platform/qt/dispatch.h"
#include "platform/qt/picture_impl.h"
#include "platform/qt/qt_values.h"

namespace platform {

void MsgBox(const std::string& text) {
  detail::RequireMainThread();
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), detail::ToQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

namespace {
CivilDate LocalToday() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}
TodayFunction todayFunction = &LocalToday;
}  // namespace

void SetTodayFunction(TodayFunction today) { todayFunction = today != nullptr ? today : &LocalToday; }

Date::Date() : now_(todayFunction()) {}

const ClassRecord& Picture::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "Picture", .make = MakerOf<Picture>()});
  return record;
}

Picture::Picture() = default;
Picture::~Picture() = default;

std::filesystem::path ResourcesFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return (error ? std::filesystem::current_path() : exe.parent_path()) / "resources";
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
  const std::filesystem::path path = ResourcesFolder() / std::string(fileName);
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  // PNG is the format of every picture we ship. Naming it spares Qt the probe by content, which
  // loads every image-format plugin at start-up; other files are still read by their content.
  static constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
  const QByteArray format = file.peek(8) == QByteArray(kPngSignature, 8) ? QByteArray("png") : QByteArray();
  QImageReader reader(&file, format);
  reader.setAutoDetectImageFormat(format.isEmpty());
  reader.setDecideFormatFromContent(format.isEmpty());
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  auto picture = std::static_pointer_cast<Picture>(RuntimeNewObject(Lookup()));
  picture->impl_ = std::make_unique<Impl>(Impl{std::move(image)});
  return picture;
}

int Picture::Width() const { return impl_->image.width(); }
int Picture::Height() const { return impl_->image.height(); }
std::uint32_t Picture::Pixel(int x, int y) const { return impl_->image.pixel(x, y); }

// File types.

namespace {
std::vector<std::pair<const FileType*, FileTypeRegistration>>& FileTypeRegistry() {
  static std::vector<std::pair<const FileType*, FileTypeRegistration>> registry;
  return registry;
}
}  // namespace

const ClassRecord& FileType::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "FileType", .make = MakerOf<FileType>()});
  return record;
}

FileType::~FileType() { Withdraw(); }

void FileType::Withdraw() {
  if (!registered_) return;
  auto& registry = FileTypeRegistry();
  std::erase_if(registry, [this](const auto& entry) { return entry.first == this; });
  registered_ = false;
}

void FileType::SetName(std::string v) { Withdraw(); reg_.name = std::move(v); }
void FileType::SetExtensions(std::string v) { Withdraw(); reg_.extensions = std::move(v); }
void FileType::SetMacType(std::string v) { Withdraw(); reg_.macType = std::move(v); }
void FileType::SetMacCreator(std::string v) { Withdraw(); reg_.macCreator = std::move(v); }
void FileType::SetMimeType(std::string v) { Withdraw(); mimeType_ = std::move(v); }
void FileType::SetImported(bool v) { Withdraw(); imported_ = v; }
void FileType::SetConformsTo(std::string v) { Withdraw(); conformsTo_ = std::move(v); }
void FileType::SetUTI(std::string v) { Withdraw(); reg_.uti = std::move(v); }

FileType::operator std::string() {
  if (!registered_) {
    FileTypeRegistry().emplace_back(this, reg_);
    registered_ = true;
  }
  return reg_.name;
}

std::vector<FileTypeRegistration> RegisteredFileTypes() {
  std::vector<FileTypeRegistration> out;
  for (const auto& [type, registration] : FileTypeRegistry()) out.push_back(registration);
  return out;
}

}  // namespace platform
