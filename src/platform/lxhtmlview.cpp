#include "platform/lxhtmlview.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <litehtml/litehtml.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "base/lxlog.h"
#include "base/lxutils.h"
#include "platform/lxfiles.h"

namespace lx {

namespace {

// The tags' default look; the pages' own style sheets come on top. The text colour is the
// viewer's default colour (put in front of this text).
const char* const masterCss = R"(
html { display: block; }
head, meta, title, link, style, script { display: none; }
body { display: block; margin: 8px; }
div, p, center, blockquote, form, address, pre, dl, dt, dd, hr { display: block; }
p { margin-top: 1em; margin-bottom: 1em; }
b, strong, th { font-weight: bold; }
i, em, cite, var { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
center { text-align: center; }
a:link { text-decoration: underline; color: #6ab0ff; cursor: pointer; }
h1, h2, h3, h4, h5, h6 { display: block; font-weight: bold; }
h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; }
h4 { margin-top: 1.33em; margin-bottom: 1.33em; }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; }
ul, ol, menu, dir { display: block; margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ul { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul, ol ul { list-style-type: circle; margin-top: 0; margin-bottom: 0; }
li { display: list-item; }
dd { margin-left: 40px; }
pre, code, tt, kbd, samp { font-family: monospace; }
pre { white-space: pre; margin-top: 1em; margin-bottom: 1em; }
hr { border-style: inset; border-width: 1px; margin-top: 0.5em; margin-bottom: 0.5em; }
img { display: inline-block; }
table { display: table; border-collapse: separate; border-spacing: 2px; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { text-align: center; }
caption { display: table-caption; text-align: center; }
br { display: block; }
)";

// A path from a file:// address; the fragment and query are dropped.
std::string PathOf(std::string url) {
  const size_t cut = url.find_first_of("#?");
  if (cut != std::string::npos) url.erase(cut);
  if (url.compare(0, 7, "file://") == 0) url.erase(0, 7);
  return url;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The target of a link on a page in baseFolder: absolute paths and file:// addresses as they
// are, anything else relative to the page's folder with "." and ".." resolved.
std::string ResolveLink(const std::string& url, const std::string& baseFolder) {
  std::string path = PathOf(url);
  if (path.empty()) return path;
  if (path[0] != '/') path = baseFolder + path;
  std::vector<std::string> parts;
  size_t start = 1;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string out;
  for (const std::string& p : parts) out += "/" + p;
  return out.empty() ? std::string("/") : out;
}

std::string HtmlEscape(const std::string& s) {
  std::string out;
  for (const char c : s) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

struct TFont {
  cairo_scaled_font_t* Scaled = nullptr;
  unsigned Decoration = 0;
  litehtml::font_metrics Metrics;
};

}  // namespace

class TLxHtmlViewer::TContainer : public litehtml::document_container {
 public:
  TContainer(TLxHtmlViewer& owner, const std::string& fontFolder)
      : Owner(owner), FontFolder(fontFolder) {
    if (FT_Init_FreeType(&Library) != 0) Library = nullptr;
  }
  ~TContainer() {
    Document.reset();
    for (auto& [name, face] : Faces)
      if (face) cairo_font_face_destroy(face);
    Faces.clear();
    if (Library) FT_Done_FreeType(Library);
  }

  TLxHtmlViewer& Owner;
  std::string FontFolder;
  std::string BaseFolder;
  std::string Caption;
  FT_Library Library = nullptr;
  std::map<std::string, cairo_font_face_t*> Faces;
  std::unique_ptr<litehtml::context> Context;
  litehtml::document::ptr Document;
  std::vector<litehtml::position> Clips;
  std::string ClickedUrl;

  // The cairo face of a DejaVu file (nullptr when it cannot be opened: cairo's toy face then).
  cairo_font_face_t* FaceOf(const std::string& file) {
    const auto it = Faces.find(file);
    if (it != Faces.end()) return it->second;
    cairo_font_face_t* face = nullptr;
    FT_Face ft = nullptr;
    if (Library && FT_New_Face(Library, (FontFolder + file).c_str(), 0, &ft) == 0) {
      face = cairo_ft_font_face_create_for_ft_face(ft, 0);
      // The FreeType face lives as long as the cairo face.
      static const cairo_user_data_key_t key{};
      cairo_font_face_set_user_data(face, &key, ft,
                                    [](void* p) { FT_Done_Face(static_cast<FT_Face>(p)); });
    }
    Faces[file] = face;
    return face;
  }

  static std::string FileOfFamily(const std::string& families, bool bold, bool italic) {
    const std::string f = LowerCase(families);
    std::string base = "DejaVuSans";
    if (f.find("mono") != std::string::npos || f.find("courier") != std::string::npos)
      base = "DejaVuSansMono";
    else if (f.find("serif") != std::string::npos && f.find("sans") == std::string::npos)
      base = "DejaVuSerif";
    else if (f.find("times") != std::string::npos || f.find("georgia") != std::string::npos)
      base = "DejaVuSerif";
    const bool serif = base == "DejaVuSerif";
    std::string style;
    if (bold) style += "Bold";
    if (italic) style += serif ? "Italic" : "Oblique";
    return base + (style.empty() ? "" : "-" + style) + ".ttf";
  }

  litehtml::uint_ptr create_font(const char* faceName, int size, int weight,
                                 litehtml::font_style italic, unsigned int decoration,
                                 litehtml::font_metrics* fm) override {
    auto* font = new TFont;
    font->Decoration = decoration;
    cairo_font_face_t* face = FaceOf(
        FileOfFamily(faceName ? faceName : "", weight >= 600, italic == litehtml::fontStyleItalic));
    cairo_font_face_t* toy = nullptr;
    if (!face)
      face = toy =
          cairo_toy_font_face_create("sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t matrix, ctm;
    cairo_matrix_init_scale(&matrix, size, size);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    font->Scaled = cairo_scaled_font_create(face, &matrix, &ctm, options);
    cairo_font_options_destroy(options);
    if (toy) cairo_font_face_destroy(toy);
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(font->Scaled, &fe);
    cairo_text_extents_t xe;
    cairo_scaled_font_text_extents(font->Scaled, "x", &xe);
    font->Metrics.ascent = static_cast<int>(fe.ascent + 0.5);
    font->Metrics.descent = static_cast<int>(fe.descent + 0.5);
    font->Metrics.height = static_cast<int>(fe.height + 0.5);
    font->Metrics.x_height = static_cast<int>(xe.height + 0.5);
    if (fm) *fm = font->Metrics;
    return reinterpret_cast<litehtml::uint_ptr>(font);
  }

  void delete_font(litehtml::uint_ptr hFont) override {
    auto* font = reinterpret_cast<TFont*>(hFont);
    if (!font) return;
    cairo_scaled_font_destroy(font->Scaled);
    delete font;
  }

  int text_width(const char* text, litehtml::uint_ptr hFont) override {
    auto* font = reinterpret_cast<TFont*>(hFont);
    if (!font || !text) return 0;
    cairo_text_extents_t ext;
    cairo_scaled_font_text_extents(font->Scaled, text, &ext);
    return static_cast<int>(ext.x_advance + 0.5);
  }

  static void SetColor(cairo_t* cr, const litehtml::web_color& c) {
    cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
  }

  void ApplyClip(cairo_t* cr) {
    for (const litehtml::position& clip : Clips) {
      cairo_rectangle(cr, clip.x, clip.y, clip.width, clip.height);
      cairo_clip(cr);
    }
  }

  void draw_text(litehtml::uint_ptr hdc, const char* text, litehtml::uint_ptr hFont,
                 litehtml::web_color color, const litehtml::position& pos) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    auto* font = reinterpret_cast<TFont*>(hFont);
    if (!cr || !font || !text) return;
    cairo_save(cr);
    ApplyClip(cr);
    cairo_set_scaled_font(cr, font->Scaled);
    SetColor(cr, color);
    const double baseline = pos.bottom() - font->Metrics.descent;
    cairo_move_to(cr, pos.left(), baseline);
    cairo_show_text(cr, text);
    const int tw = text_width(text, hFont);
    auto lineAt = [&](double y) {
      cairo_set_line_width(cr, 1);
      cairo_move_to(cr, pos.left(), y + 0.5);
      cairo_line_to(cr, pos.left() + tw, y + 0.5);
      cairo_stroke(cr);
    };
    if (font->Decoration & litehtml::font_decoration_underline) lineAt(baseline + 1);
    if (font->Decoration & litehtml::font_decoration_linethrough)
      lineAt(baseline - font->Metrics.x_height / 2.0);
    if (font->Decoration & litehtml::font_decoration_overline)
      lineAt(baseline - font->Metrics.ascent);
    cairo_restore(cr);
  }

  int pt_to_px(int pt) const override { return pt * 96 / 72; }
  int get_default_font_size() const override { return 14; }
  const char* get_default_font_name() const override { return "DejaVu Sans"; }

  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    cairo_save(cr);
    ApplyClip(cr);
    SetColor(cr, marker.color);
    const litehtml::position& p = marker.pos;
    const double r = std::max(1.5, p.width / 2.0 - 0.5);
    const double cx = p.x + p.width / 2.0, cy = p.y + p.height / 2.0;
    switch (marker.marker_type) {
      case litehtml::list_style_type_square:
        cairo_rectangle(cr, p.x, p.y, p.width, p.height);
        cairo_fill(cr);
        break;
      case litehtml::list_style_type_circle:
        cairo_set_line_width(cr, 1);
        cairo_arc(cr, cx, cy, r, 0, 6.2832);
        cairo_stroke(cr);
        break;
      case litehtml::list_style_type_none:
        break;
      default:
        cairo_arc(cr, cx, cy, r, 0, 6.2832);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
  }

  // Pictures: PNG files next to the page.
  std::map<std::string, cairo_surface_t*> Images;
  cairo_surface_t* ImageOf(const char* src) {
    if (!src) return nullptr;
    const std::string path = ResolveLink(src, BaseFolder);
    const auto it = Images.find(path);
    if (it != Images.end()) return it->second;
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(image);
      image = nullptr;
    }
    Images[path] = image;
    return image;
  }
  void ClearImages() {
    for (auto& [path, image] : Images)
      if (image) cairo_surface_destroy(image);
    Images.clear();
  }

  void load_image(const char* src, const char*, bool) override { ImageOf(src); }
  void get_image_size(const char* src, const char*, litehtml::size& sz) override {
    cairo_surface_t* image = ImageOf(src);
    sz.width = image ? cairo_image_surface_get_width(image) : 0;
    sz.height = image ? cairo_image_surface_get_height(image) : 0;
  }

  static void RoundedRect(cairo_t* cr, const litehtml::position& box,
                          const litehtml::border_radiuses& r) {
    const double x = box.x, y = box.y, w = box.width, h = box.height;
    const double tl = std::min<double>(r.top_left_x, std::min(w, h) / 2);
    const double tr = std::min<double>(r.top_right_x, std::min(w, h) / 2);
    const double br = std::min<double>(r.bottom_right_x, std::min(w, h) / 2);
    const double bl = std::min<double>(r.bottom_left_x, std::min(w, h) / 2);
    constexpr double pi = 3.14159265358979;
    cairo_new_path(cr);
    cairo_arc(cr, x + w - tr, y + tr, tr, -pi / 2, 0);
    cairo_arc(cr, x + w - br, y + h - br, br, 0, pi / 2);
    cairo_arc(cr, x + bl, y + h - bl, bl, pi / 2, pi);
    cairo_arc(cr, x + tl, y + tl, tl, pi, 3 * pi / 2);
    cairo_close_path(cr);
  }

  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    cairo_save(cr);
    ApplyClip(cr);
    RoundedRect(cr, bg.clip_box, bg.border_radius);
    cairo_clip(cr);
    if (bg.color.alpha) {
      SetColor(cr, bg.color);
      cairo_paint(cr);
    }
    if (cairo_surface_t* image = bg.image.empty() ? nullptr : ImageOf(bg.image.c_str())) {
      cairo_set_source_surface(cr, image, bg.position_x, bg.position_y);
      if (bg.repeat != litehtml::background_repeat_no_repeat)
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
      cairo_paint(cr);
    }
    cairo_restore(cr);
  }

  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& b,
                    const litehtml::position& box, bool) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    cairo_save(cr);
    ApplyClip(cr);
    auto side = [&](const litehtml::border& border, double x, double y, double w, double h) {
      if (border.width <= 0 || border.style <= litehtml::border_style_hidden) return;
      SetColor(cr, border.color);
      cairo_rectangle(cr, x, y, w, h);
      cairo_fill(cr);
    };
    side(b.top, box.x, box.y, box.width, b.top.width);
    side(b.bottom, box.x, box.bottom() - b.bottom.width, box.width, b.bottom.width);
    side(b.left, box.x, box.y, b.left.width, box.height);
    side(b.right, box.right() - b.right.width, box.y, b.right.width, box.height);
    cairo_restore(cr);
  }

  void set_caption(const char* caption) override { Caption = caption ? caption : ""; }
  void set_base_url(const char* baseUrl) override {
    if (baseUrl && *baseUrl) BaseFolder = FolderOf(ResolveLink(baseUrl, BaseFolder));
  }
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const char* url, const litehtml::element::ptr&) override {
    ClickedUrl = url ? url : "";
  }
  void set_cursor(const char* cursor) override { Owner.FCursor = cursor ? cursor : ""; }
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override {
    if (tt == litehtml::text_transform_uppercase) text = UpperCase(text);
    if (tt == litehtml::text_transform_lowercase) text = LowerCase(text);
    if (tt == litehtml::text_transform_capitalize && !text.empty())
      text[0] = static_cast<char>(AsciiUpper(static_cast<unsigned char>(text[0])));
  }
  void import_css(litehtml::tstring& text, const litehtml::tstring& url,
                  litehtml::tstring& baseurl) override {
    const std::string path = ResolveLink(url, baseurl.empty() ? BaseFolder : FolderOf(baseurl));
    const auto bytes = ReadWholeFile(path);
    text = bytes ? *bytes : std::string();
    baseurl = path;
  }
  void set_clip(const litehtml::position& pos, const litehtml::border_radiuses&, bool,
                bool) override {
    Clips.push_back(pos);
  }
  void del_clip() override {
    if (!Clips.empty()) Clips.pop_back();
  }
  void get_client_rect(litehtml::position& client) const override {
    client.x = 0;
    client.y = 0;
    client.width = Owner.FWidth;
    client.height = Owner.FHeight;
  }
  std::shared_ptr<litehtml::element> create_element(
      const char*, const litehtml::string_map&,
      const std::shared_ptr<litehtml::document>&) override {
    return nullptr;
  }
  void get_media_features(litehtml::media_features& media) const override {
    media.type = litehtml::media_type_screen;
    media.width = Owner.FWidth;
    media.height = Owner.FHeight;
    media.device_width = 800;
    media.device_height = 600;
    media.color = 8;
    media.color_index = 0;
    media.monochrome = 0;
    media.resolution = 96;
  }
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
    language = "en";
    culture.clear();
  }
};

TLxHtmlViewer::TLxHtmlViewer(const std::string& fontFolder)
    : FContainer(std::make_unique<TContainer>(*this, fontFolder)) {}

TLxHtmlViewer::~TLxHtmlViewer() {
  FContainer->Document.reset();
  FContainer->ClearImages();
}

void TLxHtmlViewer::SetSize(int32_t width, int32_t height) {
  FWidth = std::max(1, width);
  FHeight = std::max(1, height);
  if (FContainer->Document) FContainer->Document->render(FWidth);
  SetVScrollPos(FScroll);
}

int32_t TLxHtmlViewer::DocumentHeight() const {
  return FContainer->Document ? FContainer->Document->height() : 0;
}

void TLxHtmlViewer::SetVScrollPos(int32_t value) {
  FScroll = std::clamp(value, 0, std::max(0, DocumentHeight() - FHeight));
}

void TLxHtmlViewer::LoadFromFile(const std::string& path) {
  FCurrentFile = PathOf(path);
  const auto bytes = ReadWholeFile(FCurrentFile);
  FMissing = !bytes;
  FContainer->BaseFolder = FolderOf(FCurrentFile);
  if (bytes) {
    Layout(*bytes);
    return;
  }
  Log("INFO: Help page not found: " + FCurrentFile);
  const std::string slash = FCurrentFile.substr(FCurrentFile.rfind('/') + 1);
  Layout(
      "<html><head><title>Page not found</title></head>"
      "<body style=\"background:#0b1222;margin:24px;font-family:DejaVu Sans\">"
      "<h2 style=\"color:#f5d77a\">This page is not in the help</h2>"
      "<p>The page <b>" +
      HtmlEscape(slash) +
      "</b> could not be found in the help folder.</p>"
      "<p><a href=\"index.html\">Back to the help index</a></p></body></html>");
}

void TLxHtmlViewer::Layout(const std::string& html) {
  if (OnProcessing) OnProcessing(true);
  TContainer& c = *FContainer;
  c.Document.reset();
  c.ClearImages();
  c.Clips.clear();
  FCursor.clear();
  c.Context = std::make_unique<litehtml::context>();
  char color[32];
  std::snprintf(color, sizeof color, "html { color: #%06x; }\n",
                static_cast<unsigned>(DefaultFontColor & 0xFFFFFF));
  c.Context->load_master_stylesheet((std::string(color) + masterCss).c_str());
  c.Document = litehtml::document::createFromUTF8(html.c_str(), &c, c.Context.get());
  if (c.Document) c.Document->render(FWidth);
  FScroll = 0;
  if (OnProcessing) OnProcessing(false);
}

void TLxHtmlViewer::PaintTo(uint32_t* pixels, int32_t width, int32_t height) {
  if (!pixels || width <= 0 || height <= 0) return;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  TContainer& c = *FContainer;
  if (c.Document) {
    litehtml::position clip;
    clip.x = 0;
    clip.y = 0;
    clip.width = width;
    clip.height = height;
    c.Clips.clear();
    c.Document->draw(reinterpret_cast<litehtml::uint_ptr>(cr), 0, -FScroll, &clip);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int32_t y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t argb = row[x];  // premultiplied; the page is painted on opaque black
      const uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
      pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          r | (g << 8) | (b << 16) | 0xFF000000u;
    }
  }
  cairo_surface_destroy(surface);
}

bool TLxHtmlViewer::FindLink(const std::string& href, int32_t& x, int32_t& y, int32_t& width,
                             int32_t& height) const {
  if (!FContainer->Document) return false;
  for (const litehtml::element::ptr& a : FContainer->Document->root()->select_all("a")) {
    const char* target = a->get_attr("href");
    if (!target || href != target) continue;
    const litehtml::position box = a->get_placement();
    x = box.x;
    y = box.y;
    width = box.width;
    height = box.height;
    return true;
  }
  return false;
}

std::string TLxHtmlViewer::Title() const {
  return FContainer->Caption;
}

void TLxHtmlViewer::MouseMove(int32_t x, int32_t y) {
  if (!FContainer->Document) return;
  litehtml::position::vector redraw;
  FContainer->Document->on_mouse_over(x, y + FScroll, x, y, redraw);
}

void TLxHtmlViewer::MouseDown(int32_t x, int32_t y) {
  if (!FContainer->Document) return;
  litehtml::position::vector redraw;
  FContainer->Document->on_lbutton_down(x, y + FScroll, x, y, redraw);
}

void TLxHtmlViewer::MouseUp(int32_t x, int32_t y) {
  if (!FContainer->Document) return;
  litehtml::position::vector redraw;
  FContainer->ClickedUrl.clear();
  FContainer->Document->on_lbutton_up(x, y + FScroll, x, y, redraw);
  FPendingLink = FContainer->ClickedUrl;
  // The document is replaced only after litehtml has finished with its click.
  FollowPendingLink();
}

void TLxHtmlViewer::FollowPendingLink() {
  if (FPendingLink.empty()) return;
  const std::string url = std::move(FPendingLink);
  FPendingLink.clear();
  bool handled = false;
  if (OnHotSpotClick) OnHotSpotClick(url, handled);
  if (handled) return;
  // A link to a place on the same page leaves the page where it is.
  if (url[0] == '#') return;
  LoadFromFile(ResolveLink(url, FContainer->BaseFolder));
}

}  // namespace lx
