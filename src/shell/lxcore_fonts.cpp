// Loading the font records of the font archive.
#include "shell/lxcore.h"
#include "shell/lxfontrecord.h"
#include "shell/lxresources.h"

namespace lx {

void TLxEngine::LoadFonts() {
  const TLxResourceManager* resources = ResourceManager ? ResourceManager : lx::ResourceManager;
  if (!RenderDevice || !resources) return;
  const TLxArchive& archive = resources->FontArchive;
  for (int32_t i = 0; i < archive.Count(); ++i) {
    if (archive.RecordType(i) != arcFontRecordType) continue;
    // The font joins the list before it is read: a broken record leaves it there without
    // glyphs (it draws nothing and measures 0) and ends the loading.
    auto entry = std::make_unique<TLxEngineFont>();
    entry->Name = archive.RecordName(i);
    entry->Font = std::make_unique<TLxBitmapFont>();
    TLxBitmapFont& font = *entry->Font;
    FontList.push_back(std::move(entry));
    std::string data;
    TLxFontRecord record;
    if (archive.Read(archive.RecordName(i), data) != arcOk || !ParseFontRecord(data, record))
      return;
    const TLxPatternImage& image = record.Image;
    // A device that refuses the glyph image leaves this font empty; the next ones still load.
    if (!font.Image.Create(*RenderDevice, image.PatternWidth, image.PatternHeight,
                           image.VisibleWidth, image.VisibleHeight, image.PatternCount,
                           image.TextureWidth, image.TextureHeight, image.Textures))
      continue;
    font.FirstChar = record.FirstChar & 0xFF;
    font.GlyphCount = static_cast<int32_t>(record.GlyphWidths.size());
    font.GlyphWidths = std::move(record.GlyphWidths);
    font.GlyphHeights = std::move(record.GlyphHeights);
  }
}

}  // namespace lx
