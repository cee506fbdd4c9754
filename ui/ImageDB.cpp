#include "ui/ImageDB.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/text_utils.h"
#include "ui/bmp_codec.h"
#include "ui/file_bytes.h"
#include "ui/jpeg_codec.h"
#include "ui/picture.h"
#include "ui/png_codec.h"

namespace rovan {
namespace {

constexpr std::size_t kSignatureBytes = 64;
constexpr int kJpegQuality = 90;

// The kind a file extension names, and the extension a recognised kind is copied under.
TTypeImageDB KindOfExtension(const std::string& extension) {
  if (extension == "bmp") return imdbBMP;
  if (extension == "jpg") return imdbJPEG;
  if (extension == "wmf" || extension == "emf") return imdbMetafile;
  if (extension == "png") return imdbPNG;
  return imdbNone;
}

const char* ExtensionOfKind(TTypeImageDB kind) {
  switch (kind) {
    case imdbMetafile: return ".wmf";
    case imdbBMP: return ".bmp";
    case imdbJPEG: return ".jpg";
    case imdbPNG: return ".png";
    default: return "";
  }
}

// Deletes a file when the scope ends, whatever happened in it.
class DeleteOnExit {
 public:
  explicit DeleteOnExit(std::filesystem::path path) : path_(std::move(path)) {}
  ~DeleteOnExit() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  DeleteOnExit(const DeleteOnExit&) = delete;
  DeleteOnExit& operator=(const DeleteOnExit&) = delete;

 private:
  std::filesystem::path path_;
};

}  // namespace

const char* TTypeImageDBName(TTypeImageDB kind) {
  switch (kind) {
    case imdbMetafile: return "imdbMetafile";
    case imdbBMP: return "imdbBMP";
    case imdbJPEG: return "imdbJPEG";
    case imdbPNG: return "imdbPNG";
    default: return "imdbNone";
  }
}

TTypeImageDB DetectImageType(std::string_view bytes) {
  std::string head(bytes.substr(0, kSignatureBytes));
  if (head.empty()) return imdbNone;
  const bool placeable = head.size() >= 4 && head.compare(0, 4, "\xD7\xCD\xC6\x9A") == 0;
  for (char& c : head) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 48 || b >= 250) c = ' ';
  }
  const auto contains = [&](const char* text) { return head.find(text) != std::string::npos; };
  if (contains("JFIF") || contains("Exif")) return imdbJPEG;
  if (head.starts_with("BM")) return imdbBMP;
  if (contains("EMF") || contains("WMF") || placeable) return imdbMetafile;
  if (contains("PNG")) return imdbPNG;
  return imdbNone;
}

TImageDB::TImageDB(int left, int top, int width, int height)
    : OrigLeft(left), OrigTop(top), OrigWidth(width), OrigHeight(height),
      Left(left), Top(top), Width(width), Height(height) {}

TImageDB::~TImageDB() = default;

int TImageDB::PictureWidth() const { return picture_ ? picture_->Width() : 0; }
int TImageDB::PictureHeight() const { return picture_ ? picture_->Height() : 0; }

void TImageDB::Libera() {
  picture_.reset();
  std::string().swap(bytes_);
  ftipo = imdbNone;
}

bool TImageDB::LoadBytes(TTypeImageDB kind, std::string bytes) {
  Libera();
  switch (kind) {
    case imdbMetafile: picture_ = LoadMetafilePicture(bytes); break;
    case imdbBMP: picture_ = LoadBmpPicture(bytes); break;
    case imdbJPEG: picture_ = LoadJpegPicture(bytes); break;
    case imdbPNG: picture_ = LoadPngPicture(bytes); break;
    case imdbNone: break;
  }
  if (!picture_) return false;
  ftipo = kind;
  bytes_ = std::move(bytes);
  return true;
}

bool TImageDB::LoadFromField(const std::optional<std::string>& field) {
  Libera();
  if (!field || field->size() < kSignatureBytes) return false;
  return LoadBytes(DetectImageType(*field), *field);
}

bool TImageDB::CaricaNoStretch(const std::optional<std::string>& campo) {
  const bool loaded = LoadFromField(campo);
  if (loaded) Fit();
  return loaded;
}

bool TImageDB::LoadFromFileDis(const std::string& fileName) {
  Libera();
  const std::filesystem::path path(fileName);
  const std::string name = path.filename().string();
  // The parts of the name between dots: the first names the copy, the second is the extension.
  const std::size_t firstDot = name.find('.');
  const std::string first = name.substr(0, firstDot);
  std::string second;
  if (firstDot != std::string::npos) second = LowerAscii(name.substr(firstDot + 1, name.find('.', firstDot + 1) - firstDot - 1));

  std::optional<std::string> bytes = ReadFileBytes(fileName);
  if (!bytes) return false;
  if (const TTypeImageDB kind = KindOfExtension(second); kind != imdbNone) return LoadBytes(kind, std::move(*bytes));

  const TTypeImageDB kind = DetectImageType(*bytes);
  if (kind == imdbNone) return false;
  // Pictures of other extensions are loaded through a copy under the extension of their kind.
  const std::filesystem::path copy = path.parent_path() / (first + ExtensionOfKind(kind));
  std::error_code error;
  if (!std::filesystem::copy_file(path, copy, std::filesystem::copy_options::none, error)) {
    return LoadBytes(kind, std::move(*bytes));  // the name is taken: leave that file alone
  }
  const DeleteOnExit removeCopy(copy);
  std::optional<std::string> copied = ReadFileBytes(copy.string());
  return copied && LoadBytes(kind, std::move(*copied));
}

bool TImageDB::CaricaFileNoStretch(const std::string& nome) {
  const bool loaded = LoadFromFileDis(nome);
  if (loaded) Fit();
  return loaded;
}

void TImageDB::Fit() {
  const int w = PictureWidth(), h = PictureHeight();
  if (w <= 0 || h <= 0) return;
  const double scale = std::min(static_cast<double>(OrigHeight) / h, static_cast<double>(OrigWidth) / w);
  Width = static_cast<int>(std::lround(w * scale));
  Height = static_cast<int>(std::lround(h * scale));
  Left = OrigLeft + (OrigWidth - Width) / 2;
  Top = OrigTop + (OrigHeight - Height) / 2;
}

std::optional<RgbaImage> TImageDB::Render(int H, int W, bool keepAlpha) {
  const long long w = PictureWidth(), h = PictureHeight();
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return std::nullopt;
  PixelRect rect;
  if (w >= h) {
    rect.w = W;
    rect.h = static_cast<int>(h * W / w);
    rect.y = (H - rect.h) / 2;
  } else {
    rect.h = H;
    rect.w = static_cast<int>(w * H / h);
    rect.x = (W - rect.w) / 2;
  }
  RgbaImage image(W, H);
  picture_->Draw(image, rect);
  if (!keepAlpha) FlattenOnWhite(image);
  return image;
}

bool TImageDB::GetBitmapBmp(int H, int W, RgbaImage& bitmap) {
  std::optional<RgbaImage> image = Render(H, W, false);
  if (!image) return false;
  bitmap = std::move(*image);
  return true;
}

bool TImageDB::GetBitmapBmpStream(int H, int W, std::string& stream) {
  const std::optional<RgbaImage> image = Render(H, W, false);
  if (!image) return false;
  stream += EncodeBmp(*image);
  return true;
}

bool TImageDB::GetPngStream(int H, int W, std::string& stream) {
  const std::optional<RgbaImage> image = Render(H, W, ftipo == imdbPNG);
  if (!image) return false;
  const std::string png = EncodePng(*image);
  stream += png;
  return !png.empty();
}

bool TImageDB::GetBitmap(int H, int W, const std::string& NomeFileOut) {
  std::error_code error;
  std::filesystem::remove(NomeFileOut, error);
  const std::string extension = LowerAscii(std::filesystem::path(NomeFileOut).extension().string());
  std::string bytes;
  if (extension == ".png") {
    GetPngStream(H, W, bytes);
  } else if (extension == ".jpg" || extension == ".jpeg") {
    if (const std::optional<RgbaImage> image = Render(H, W, false)) bytes = EncodeJpeg(*image, kJpegQuality);
  } else {
    GetBitmapBmpStream(H, W, bytes);
  }
  if (!bytes.empty()) WriteFileBytes(NomeFileOut, bytes);
  return std::filesystem::exists(NomeFileOut, error);
}

bool TImageDB::GetStream(int TipoRichiesto, int H, std::string& stream, int W) {
  switch (TipoRichiesto) {
    case 0:
      if (!picture_) return false;
      stream += bytes_;
      return true;
    case 1: return GetBitmapBmpStream(H, W, stream);
    case 2: return GetPngStream(H, W, stream);
    default: return false;
  }
}

}  // namespace rovan
