#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "Canvas.h"
#include "DecodedImage.h"
#include "Handles.h"

namespace zarnel {

class TBitmap;

class TBitmapCanvas final : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {}
  TSize SurfaceSize() override;

 protected:
  HDC RequireDC() override;

 private:
  TBitmap& FOwner;
};

// An off-screen 32-bit top-down DIB with its own memory DC and canvas. Resizing drops the pixels.
// When Transparent is set, drawing it elsewhere leaves out the key colour: the assigned
// TransparentColor, or until one is assigned the colour of its bottom-left pixel.
class TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap();

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void SetWidth(int32_t width) { SetSize(width, FHeight); }
  void SetHeight(int32_t height) { SetSize(FWidth, height); }
  void SetSize(int32_t width, int32_t height);

  TCanvas& Canvas() { return FCanvas; }
  HDC DC();

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  bool TransparentColorAssigned() const { return FTransparentColorAssigned; }
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor color);
  TColor EffectiveTransparentColor();

  // Takes the size and pixels of a decoded picture.
  void LoadFromImage(const imaging::TDecodedImage& image);

  // Rows top-down, 0x00RRGGBB per pixel: the DIB's own memory, for loaders and exact reads.
  std::span<uint32_t> Pixels();

 private:
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  uint32_t* FBits = nullptr;
  TUniqueMemoryDC FDC;
  TUniqueBitmap FDib;
  HGDIOBJ FOriginalBitmap = nullptr;
  bool FTransparent = false;
  bool FTransparentColorAssigned = false;
  TColor FTransparentColor = 0;
  TBitmapCanvas FCanvas{*this};
};

}  // namespace zarnel
