// Opens the main window, types the README's example into it as a user would (192.168.1.1 with
// the mask 255.255.255.224: three subnet bits, so every total shows) and writes the client area,
// as the screen shows it, to the PNG file named on the command line.
#include <windows.h>
// After windows.h.
#include <wincodec.h>

#include <cstdio>
#include <string>

#include "win32/program.h"
#include "win32/synthetic_input.h"

namespace {

template <typename T>
struct Com {
  T* p = nullptr;
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p != nullptr) p->Release();
  }
  T* operator->() const { return p; }
  T** out() { return &p; }
};

// The window's client area from the screen, as a 24-bit bitmap.
HBITMAP capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

HRESULT writePng(HBITMAP bitmap, const std::wstring& path) {
  Com<IWICImagingFactory> factory;
  Com<IWICBitmap> image;
  Com<IWICStream> stream;
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  UINT width = 0;
  UINT height = 0;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()));
  if (SUCCEEDED(hr))
    hr = factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, image.out());
  if (SUCCEEDED(hr)) hr = image->GetSize(&width, &height);
  if (SUCCEEDED(hr)) hr = factory->CreateStream(stream.out());
  if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(frame.out(), nullptr);
  if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
  if (SUCCEEDED(hr)) hr = frame->SetSize(width, height);
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  if (SUCCEEDED(hr)) hr = frame->WriteSource(image.p, nullptr);
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();
  return hr;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  using namespace quorvel::win32;
  if (argc != 2) {
    std::fprintf(stderr, "usage: win32_screenshot OUT.png\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Program program(GetModuleHandleW(nullptr));
  program.open(SW_SHOWNORMAL);
  pumpMessages();
  for (const char16_t* keys : {u"192", u"168", u"1", u"1", u"224"}) {
    sendCharacters(keys);
    sendKey(VK_TAB, false);
    sendKey(VK_TAB, true);
    pumpMessages();
  }
  RedrawWindow(program.mainWindow().hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pumpMessages();
  HBITMAP shot = capture(program.mainWindow().hwnd());
  const HRESULT hr = writePng(shot, argv[1]);
  DeleteObject(shot);
  CoUninitialize();
  if (FAILED(hr)) {
    std::fprintf(stderr, "cannot write the picture (error 0x%08lx)\n",
                 static_cast<unsigned long>(hr));
    return 1;
  }
  return 0;
}
