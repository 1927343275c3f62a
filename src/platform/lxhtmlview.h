// The HTML page viewer of the help window: lays local pages out off screen (litehtml), paints its
// visible area with cairo and FreeType into a 32-bit image, takes mouse input at viewer
// coordinates and follows the links it is given.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lx {

class TLxHtmlViewer {
 public:
  // fontFolder: where the DejaVu faces are (ends in '/').
  explicit TLxHtmlViewer(const std::string& fontFolder = "/usr/share/fonts/truetype/dejavu/");
  ~TLxHtmlViewer();
  TLxHtmlViewer(const TLxHtmlViewer&) = delete;
  TLxHtmlViewer& operator=(const TLxHtmlViewer&) = delete;

  // Lays out a local file (a path or a file:// address; a "#fragment" is ignored). A file that
  // cannot be read shows a short page naming it, with a link back to the index of its folder.
  // Raises OnProcessing(true) before and OnProcessing(false) after the layout.
  void LoadFromFile(const std::string& path);
  // The path of the document shown (the one asked for, also when it was missing).
  const std::string& CurrentFile() const { return FCurrentFile; }
  bool PageMissing() const { return FMissing; }
  // Laid-out height of the document.
  int32_t DocumentHeight() const;

  // Clamped to 0 .. document height - viewer height.
  int32_t VScrollPos() const { return FScroll; }
  void SetVScrollPos(int32_t value);

  // Paints the visible area (from the scroll position) into width x height pixels, red in the
  // low byte, alpha 255; what lies outside the document is the page background.
  void PaintTo(uint32_t* pixels, int32_t width, int32_t height);

  // Mouse input in viewer coordinates. A release over a link raises OnHotSpotClick and then,
  // unless the handler sets handled, loads the link's target.
  void MouseMove(int32_t x, int32_t y);
  void MouseDown(int32_t x, int32_t y);
  void MouseUp(int32_t x, int32_t y);
  // Where the first link to href lies, in document coordinates; false when the page has none.
  bool FindLink(const std::string& href, int32_t& x, int32_t& y, int32_t& width,
                int32_t& height) const;
  // The page's title.
  std::string Title() const;

  // The cursor the page asks for at the mouse ("pointer" over a link).
  const std::string& Cursor() const { return FCursor; }

  void SetSize(int32_t width, int32_t height);
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }

  int32_t Left = 0;
  int32_t Top = 0;
  bool Visible = false;
  bool Border = false;
  bool ScrollBars = false;
  // Text colour of pages that set none, $RRGGBB.
  uint32_t DefaultFontColor = 0xFFFFFF;

  std::function<void(const std::string& url, bool& handled)> OnHotSpotClick;
  std::function<void(bool processing)> OnProcessing;

 private:
  class TContainer;
  friend class TContainer;
  void Layout(const std::string& html);
  void FollowPendingLink();

  std::unique_ptr<TContainer> FContainer;
  std::string FCurrentFile;
  std::string FCursor;
  std::string FPendingLink;
  bool FMissing = false;
  int32_t FScroll = 0;
  int32_t FWidth = 800;
  int32_t FHeight = 530;
};

}  // namespace lx
