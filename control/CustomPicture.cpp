// Loading the custom picture: files from the user's disk and bitmap resources of loaded modules,
// both untrusted, decoded by the checked parsers of the imaging library.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

#include "BmpDecoder.h"
#include "FrameworkError.h"
#include "JpegDecoder.h"
#include "ModuleHandle.h"
#include "PackedDib.h"
#include "Zarnel2Pro.h"

namespace zarnel {
namespace {

// Larger files cannot hold a picture within the decoders' limits; refuse before reading them.
constexpr std::streamoff MaxPictureFileSize = 256 << 20;

std::string UpperExtension(const std::string& fileName) {
  const size_t cut = fileName.find_last_of("\\:");
  const size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || (cut != std::string::npos && dot < cut)) return {};
  std::string ext = fileName.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ext;
}

bool FileExists(const std::string& fileName) {
  const DWORD attributes = ::GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<uint8_t> ReadWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary | std::ios::ate);
  if (!in) throw EFrameworkError("Cannot open file " + fileName);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > MaxPictureFileSize) throw EFrameworkError("Picture file too large");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw EFrameworkError("Stream read error");
  return bytes;
}

}  // namespace

int32_t TZarnel2Pro::LoadFromFile(const std::string& fileName) {
  const std::string ext = UpperExtension(fileName);
  if (ext != ".BMP" && ext != ".JPG") return 1;
  if (!FileExists(fileName)) return 2;
  try {
    const std::vector<uint8_t> bytes = ReadWholeFile(fileName);
    const imaging::TDecodedImage image = ext == ".JPG" ? imaging::DecodeJpeg(bytes) : imaging::DecodeBmp(bytes);
    FCustomBitMap = std::make_unique<TBitmap>();
    FCustomBitMap->LoadFromImage(image);
  } catch (const std::exception&) {
    // A picture that cannot be had is reported by the result; the old one is gone.
    FCustomBitMapActive = false;
    FCustomBitMap.reset();
    return 3;
  }
  FCustomHeight = FCustomBitMap->Height();
  FCustomWidth = FCustomBitMap->Width();
  ClearConstraints();
  ApplyCustomPicture();
  return 0;
}

void TZarnel2Pro::LoadFromResourceID(uintptr_t instance, int32_t resID) {
  if (resID < 1 || resID > 65535)
    throw EFrameworkError(FormatText("Resource identifier %s is out of range 1..65535", {std::to_string(resID)}));
  LoadFromResource(instance, MAKEINTRESOURCEA(resID), "#" + std::to_string(resID));
}

void TZarnel2Pro::LoadFromResourceName(uintptr_t instance, const std::string& resName) {
  LoadFromResource(instance, resName.c_str(), resName);
}

void TZarnel2Pro::LoadFromResource(uintptr_t instance, const char* id, const std::string& shownName) {
  const HMODULE module = ResourceModule(instance);
  const HRSRC resource = ::FindResourceA(module, id, reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (!resource) throw EFrameworkError(FormatText("Resource %s not found", {shownName}));
  const HGLOBAL data = ::LoadResource(module, resource);
  const void* bytes = data ? ::LockResource(data) : nullptr;
  if (!bytes) throw EFrameworkError("Bitmap image is not valid");
  const std::span<const uint8_t> dib(static_cast<const uint8_t*>(bytes), ::SizeofResource(module, resource));
  imaging::TDecodedImage image;
  try {
    const imaging::TDibSize size = imaging::PackedDibSize(dib);
    if (size.Width == 0 || size.Height == 0) throw EFrameworkError("Resource picture size is 0");
    image = imaging::DecodePackedDib(dib);
  } catch (const imaging::EImageError&) {
    throw EFrameworkError("Bitmap image is not valid");
  }
  auto loaded = std::make_unique<TBitmap>();
  loaded->LoadFromImage(image);
  ClearConstraints();
  AssignCustomBitMap(*loaded);
}

void TZarnel2Pro::AssignCustomBitMap(TBitmap& bitmap) {
  try {
    FCustomBitMap = std::make_unique<TBitmap>();
    FCustomBitMap->SetWidth(bitmap.Width());
    FCustomBitMap->SetHeight(bitmap.Height());
    FCustomBitMap->Canvas().Draw(0, 0, bitmap);
  } catch (...) {
    FCustomBitMapActive = false;
    FCustomBitMap.reset();
    throw;
  }
  FCustomHeight = FCustomBitMap->Height();
  FCustomWidth = FCustomBitMap->Width();
  ApplyCustomPicture();
}

void TZarnel2Pro::ApplyCustomPicture() {
  SetClientWidth(FCustomWidth);
  SetClientHeight(FCustomHeight / 2);
  FCustomBitMapActive = true;
  if (FCustomBitMap->Height() % 2 == 1) {
    // The extra bottom row names the transparent colour in its first pixel.
    SetTransparentColor(true);
    SetTransparentColorValue(FCustomBitMap->Canvas().Pixel(0, FCustomBitMap->Height() - 1));
  } else {
    PaintBar();
  }
}

void TZarnel2Pro::ResetCustomBitMap() {
  FCustomBitMapActive = false;
  FCustomBitMap.reset();
  Constraints().SetMaxHeight(0);
  Constraints().SetMaxWidth(0);
  PaintBar();
}

void TZarnel2Pro::ClearConstraints() {
  Constraints().SetMaxHeight(0);
  Constraints().SetMaxWidth(0);
  Constraints().SetMinHeight(0);
  Constraints().SetMinWidth(0);
}

}  // namespace zarnel
