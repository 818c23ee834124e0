#include "platform/values.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <algorithm>

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

std::filesystem::path ResourcesFolderOf(const std::filesystem::path& executable) {
  namespace fs = std::filesystem;
  const fs::path beside = executable.parent_path() / "resources";
  const fs::path installed = executable.parent_path().parent_path() / "share" / executable.filename();
  std::error_code error;
  if (fs::is_directory(beside, error) || !fs::is_directory(installed, error)) return beside;
  return installed;
}

std::filesystem::path ResourcesFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path() / "resources";
  return ResourcesFolderOf(exe);
}

namespace detail {
QImage ReadImage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  // PNG is the format of every picture we ship. Naming it spares Qt the probe by content, which
  // loads every image-format plugin at start-up; other files are still read by their content.
  static constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
  const QByteArray format = file.peek(8) == QByteArray(kPngSignature, 8) ? QByteArray("png") : QByteArray();
  QImageReader reader(&file, format);
  reader.setAutoDetectImageFormat(format.isEmpty());
  reader.setDecideFormatFromContent(format.isEmpty());
  return reader.read();
}
}  // namespace detail

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
  detail::RequireMainThread();
  QImage image = detail::ReadImage(QString::fromStdString((ResourcesFolder() / std::string(fileName)).string()));
  if (image.isNull()) return nullptr;
  auto picture = std::static_pointer_cast<Picture>(RuntimeNewObject(Lookup()));
  picture->impl_ = std::make_unique<Impl>(Impl{std::move(image)});
  return picture;
}

int Picture::Width() const { return impl_->image.width(); }
int Picture::Height() const { return impl_->image.height(); }
std::uint32_t Picture::Pixel(int x, int y) const { return impl_->image.pixel(x, y); }

// File types. The registry, like everything the desktop is told, belongs to the main thread.

namespace {
struct Registration {
  std::weak_ptr<const Object> type;
  FileTypeRegistration declared;
  bool Of(const FileType& candidate) const { return type.lock().get() == &candidate; }
};

// The registrations of the types still there: a type that is gone counts as withdrawn, and its
// registration is dropped here, the one place that looks.
std::vector<Registration>& LiveRegistrations() {
  static std::vector<Registration> registry;
  std::erase_if(registry, [](const Registration& r) { return r.type.expired(); });
  return registry;
}

void Withdraw(const FileType& type) {
  std::erase_if(LiveRegistrations(), [&](const Registration& r) { return r.Of(type); });
}
}  // namespace

const ClassRecord& FileType::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "FileType", .make = MakerOf<FileType>()});
  return record;
}

template <class T>
void FileType::Set(T& field, T value) {
  detail::RequireMainThread();
  Withdraw(*this);
  field = std::move(value);
}

void FileType::SetName(std::string v) { Set(reg_.name, std::move(v)); }
void FileType::SetExtensions(std::string v) { Set(reg_.extensions, std::move(v)); }
void FileType::SetMacType(std::string v) { Set(reg_.macType, std::move(v)); }
void FileType::SetMacCreator(std::string v) { Set(reg_.macCreator, std::move(v)); }
void FileType::SetMimeType(std::string v) { Set(mimeType_, std::move(v)); }
void FileType::SetImported(bool v) { Set(imported_, v); }
void FileType::SetConformsTo(std::string v) { Set(conformsTo_, std::move(v)); }
void FileType::SetUTI(std::string v) { Set(reg_.uti, std::move(v)); }

bool FileType::Registered() const {
  detail::RequireMainThread();
  const auto& registry = LiveRegistrations();
  return std::any_of(registry.begin(), registry.end(), [this](const Registration& r) { return r.Of(*this); });
}

FileType::operator std::string() {
  // shared_from_this: only a type the runtime made, and so can watch, is registered.
  if (!Registered()) LiveRegistrations().push_back({shared_from_this(), reg_});
  return reg_.name;
}

std::vector<FileTypeRegistration> RegisteredFileTypes() {
  detail::RequireMainThread();
  std::vector<FileTypeRegistration> out;
  for (const Registration& r : LiveRegistrations()) out.push_back(r.declared);
  return out;
}

}  // namespace platform
