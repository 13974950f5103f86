// Shows the control in a window, runs the position from 0 to 100 and writes PNG screenshots of the
// control's window (frame included) into the folder given as the first argument; hosts the .ocx's
// object in Wine's ATL container in the same window and writes its screenshot; then shows the About
// box and writes its screenshot too.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "About1.h"
#include "BmpEncoder.h"
#include "Form.h"
#include "HostedControl.h"
#include "ModalDriver.h"
#include "PngWriter.h"
#include "Screen.h"
#include "Zarnel2Pro.h"

using namespace zarnel;

namespace {

std::string gOutDir = ".";

void Settle(TForm& form) {
  ::UpdateWindow(form.Handle());
  ProcessMessages();
  ::GdiFlush();
}

void WritePng(const test::TPixels& px, const char* name) {
  const auto png = EncodePng(px.Width, px.Height, px.Data);
  const std::string path = gOutDir + "\\" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  std::printf("wrote %s (%dx%d)\n", path.c_str(), px.Width, px.Height);
}

void Save(TZarnel2Pro& bar, TForm& form, const char* name) {
  Settle(form);
  WritePng(test::CaptureWindow(bar.Handle()), name);
}

// The About box as shown, frame included, closed with Enter once it is on the screen.
void SaveAboutBox() {
  test::TModalDriver driver("TZarnelXAbout", [](HWND box) {
    WritePng(test::CaptureWindow(box), "about.png");
    test::PressKey(VK_RETURN);
  });
  ShowAboutBox();
  driver.Finish();
  if (!driver.ClosedByAction()) throw std::runtime_error("the About box did not close on Enter");
}

// A generated two-look picture: a green-to-yellow filled look over a pale blue empty look, with
// magenta dots that become transparent when the picture has the extra key row (odd height).
void WritePicture(const std::string& path, int32_t height) {
  imaging::TDecodedImage img;
  img.Width = 133;
  img.Height = height;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < 133; ++x) {
      uint32_t px =
          y < 20 ? imaging::MakePixel(static_cast<uint8_t>(x * 255 / 132), 160, 40) : imaging::MakePixel(200, 220, 255);
      if (y == 40 || (x % 12 == 6 && y % 10 == 5)) px = imaging::MakePixel(255, 0, 255);
      img.Pixels.push_back(px);
    }
  const auto bytes = imaging::EncodeBmp24(img);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::unique_ptr<TZarnel2Pro> NewBar(TForm& form, int32_t top) {
  auto bar = std::make_unique<TZarnel2Pro>(nullptr);
  bar->SetLeft(16);
  bar->SetTop(top);
  bar->SetParentWindow(form.Handle());
  bar->Handle();
  return bar;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) gOutDir = argv[1];
  ::CreateDirectoryA(gOutDir.c_str(), nullptr);
  try {
    TForm form(nullptr);
    form.SetBounds(40, 40, 420, 300);
    form.SetCaption("ZarnelX2Pro demo");
    form.Show();
    ::SetForegroundWindow(form.Handle());

    auto bar = NewBar(form, 16);
    Save(*bar, form, "default.png");
    bar->SetPosition(57);
    Save(*bar, form, "position-57.png");
    for (int32_t p = 0; p <= 100; ++p) {
      bar->SetPosition(p);
      ProcessMessages();
      ::Sleep(5);
    }
    Save(*bar, form, "position-100.png");

    auto captioned = NewBar(form, 48);
    captioned->SetText("Copying ");
    captioned->SetPosition(57);
    Save(*captioned, form, "caption-text.png");

    auto soft = NewBar(form, 80);
    soft->SetCtl3D(true);  // as inside a container that offers ambient properties
    soft->SetBevelKind(bkSoft);
    soft->SetBorderWidth(3);
    Save(*soft, form, "frame-soft.png");

    auto flat = NewBar(form, 112);
    flat->SetBevelKind(bkFlat);
    Save(*flat, form, "frame-flat-mono.png");

    const std::string even = gOutDir + "\\two-looks.bmp";
    const std::string odd = gOutDir + "\\two-looks-keyed.bmp";
    WritePicture(even, 40);
    WritePicture(odd, 41);
    auto pictured = NewBar(form, 144);
    if (pictured->LoadFromFile(even) != 0) throw std::runtime_error("picture did not load");
    pictured->SetPosition(57);
    Save(*pictured, form, "picture.png");

    auto keyed = NewBar(form, 176);
    keyed->SetColor(clBtnFace);  // the container's background shows through the key colour
    if (keyed->LoadFromFile(odd) != 0) throw std::runtime_error("picture did not load");
    keyed->SetPosition(57);
    Save(*keyed, form, "picture-transparent.png");

    WritePng(ShowHostedControl(form.Handle(), RECT{16, 208, 16 + 240, 208 + 28}), "ocx-hosted.png");

    SaveAboutBox();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "demo failed: %s\n", e.what());
    return 1;
  }
}
