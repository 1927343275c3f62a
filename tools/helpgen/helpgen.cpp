// helpgen --pages <folder> --out <folder>
// Writes the installation's help: the pages, style sheets and pictures of the page folder are
// copied, the game list of the
// catalog replaces "<!--GAMES-->" in index.html, and each game of the catalog gets a page of its
// own built from the sections of helpsections.
#include <cstdio>
#include <string>

#include "gamecore/lxgamemanager.h"
#include "helpsections.h"
#include "platform/lxfiles.h"

namespace {

using helpgen::Html;

// The frame of a generated page: the same head and navigation links as the written pages.
std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + Html(title) +
         "</title>\n<link rel=\"stylesheet\" href=\"help.css\"></head>\n<body>\n"
         "<div class=\"nav\"><a href=\"index.html\">INDEX</a> | <a href=\"signin.html\">PLAYERS"
         "</a> | <a href=\"mainroom.html\">MAIN ROOM</a> | <a href=\"navigation.html\">"
         "NAVIGATION BAR</a> | <a href=\"keys.html\">KEYS</a></div>\n" +
         body + "\n</body></html>\n";
}

std::string GameList(const lx::TLxGameManager& catalog) {
  std::string out;
  for (const lx::TGameGroup* group : {&catalog.PokerGroup, &catalog.SlotGroup}) {
    out += "<h2>" + Html(group->Title) + "</h2>\n<ul class=\"games\">\n";
    for (const auto& game : catalog.Games)
      if (game->Group == group)
        out +=
            "<li><a href=\"" + helpgen::GamePage(*game) + "\">" + Html(game->Title) + "</a></li>\n";
    out += "</ul>\n";
  }
  return out;
}

std::string GamePageText(const lx::TGameInfo& game) {
  std::string body = "<h1>" + Html(game.Title) + "</h1>\n";
  for (const helpgen::TSection& section : helpgen::GameSections()) {
    const std::string text = section.Write(game);
    if (!text.empty()) body += "<h2>" + std::string(section.Title) + "</h2>\n" + text + "\n";
  }
  body += "<p class=\"back\"><a href=\"index.html\">Back to the help index</a></p>";
  return Page(game.Title, body);
}

// Pages, their style sheet and pictures; the folder's build file stays behind.
bool IsPageFile(const std::string& name) {
  for (const char* ext : {".html", ".css", ".png"}) {
    const std::string e = ext;
    if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0)
      return true;
  }
  return false;
}

bool Write(const std::string& path, const std::string& text) {
  if (lx::WriteFileAtomic(path, text)) return true;
  std::fprintf(stderr, "helpgen: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string pages, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--pages") pages = argv[i + 1];
    if (key == "--out") out = argv[i + 1];
  }
  if (pages.empty() || out.empty()) {
    std::fprintf(stderr, "usage: helpgen --pages <folder> --out <folder>\n");
    return 2;
  }
  if (pages.back() != '/') pages += '/';
  if (out.back() != '/') out += '/';
  if (!lx::ForceDirectories(out)) {
    std::fprintf(stderr, "helpgen: cannot make %s\n", out.c_str());
    return 1;
  }
  const lx::TLxGameManager catalog;
  bool ok = true;
  for (const std::string& name : lx::ListFiles(pages)) {
    if (!IsPageFile(name)) continue;
    const auto bytes = lx::ReadWholeFile(pages + name);
    if (!bytes) {
      std::fprintf(stderr, "helpgen: cannot read %s\n", (pages + name).c_str());
      return 1;
    }
    std::string text = *bytes;
    if (name == "index.html") {
      const std::string mark = "<!--GAMES-->";
      const size_t at = text.find(mark);
      if (at == std::string::npos) {
        std::fprintf(stderr, "helpgen: index.html has no %s\n", mark.c_str());
        return 1;
      }
      text.replace(at, mark.size(), GameList(catalog));
    }
    ok = Write(out + name, text) && ok;
  }
  for (const auto& game : catalog.Games)
    ok = Write(out + helpgen::GamePage(*game), GamePageText(*game)) && ok;
  return ok ? 0 : 1;
}
