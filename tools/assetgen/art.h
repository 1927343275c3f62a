// The drawing language of the art files (data/art/*.art) and its cairo renderer.
//
// An art file is a list of top-level declarations:
//   let NAME VALUE              a global variable ($NAME in any later line)
//   font NAME FILE              a TrueType face under the font folder
//   shape NAME W H ... end      a reusable drawing in a W x H box, placed with "use"
//   image PATH W H [alpha] [frames=N] ... end
//                               a picture written as PATH.bmp (32-bit with alpha, else 24-bit);
//                               with frames, PATH, PATH_2 .. PATH_N with $frame = 1..N
//   KIND NAME ... end           any other block (card sets, pip layouts) kept for the composers
// Inside shapes and images one drawing operation per line; see the renderer for the list.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace lx::assetgen {

struct ArtError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct SourceLine {
  std::string text;
  std::string where;  // "file:line" for messages
};

using Vars = std::map<std::string, std::string>;

struct Block {
  std::string kind;  // "shape", "image", or a composer's block kind
  std::string name;
  std::vector<std::string> args;  // the header tokens after the name
  int width = 0, height = 0;
  bool alpha = false;
  int frames = 1;
  std::vector<SourceLine> body;
  std::string where;
  Vars vars;  // set by composers: variables of this image
};

class ArtLibrary {
 public:
  explicit ArtLibrary(std::string fontFolder);
  ~ArtLibrary();
  ArtLibrary(const ArtLibrary&) = delete;
  ArtLibrary& operator=(const ArtLibrary&) = delete;

  void ParseFile(const std::string& path);
  void ParseText(const std::string& text, const std::string& fileName);

  const std::vector<Block>& Images() const { return images_; }
  std::vector<const Block*> BlocksOfKind(const std::string& kind) const;
  const Block* FindShape(const std::string& name) const;
  const Vars& Globals() const { return globals_; }
  // A face declared with "font" (owned by the library).
  cairo_font_face_t* FontFace(const std::string& name) const;

  // Draws a block's body on cr in its own coordinates; extra variables shadow the globals.
  void Draw(cairo_t* cr, const Block& block, const Vars& vars) const;
  // Renders an image block (one frame) to a new ARGB32 surface.
  cairo_surface_t* Render(const Block& image, int frame, const Vars& extra = {}) const;
  // Adds a block built by a composer (cards) to the images.
  void AddImage(Block block) { images_.push_back(std::move(block)); }

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
  Vars globals_;
  std::map<std::string, Block> shapes_;
  std::vector<Block> images_;
  std::vector<Block> others_;
};

// Splits a line into tokens at blanks; double quotes group (and are removed).
std::vector<std::string> Tokenize(const std::string& line);
// Replaces $NAME by its value (innermost scope first) and resolves pick(i|a|b|...).
std::string Substitute(const std::string& text, const std::vector<const Vars*>& scopes,
                       const std::string& where);
// Evaluates + - * / % ( ) and comparisons on decimal numbers.
double EvalNumber(const std::string& expr, const std::string& where);

}  // namespace lx::assetgen
