#include "graphics/Font.h"

#include "engine/Core.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"

#include <SDL_opengl.h>

#include <cassert>

Font::Font(std::string pictureFileName, std::string characters)
    : textureName(std::move(pictureFileName)), alphabet(std::move(characters))
{
    // Loaded here so that the picture is read at start-up rather than on the first text drawn.
    Core::instance()->getTextureManager()->getTexture(textureName);
}

void Font::drawText(const std::string& text, int x, int y, float scaleX, float scaleY)
{
    Handle<Texture> texture = Core::instance()->getTextureManager()->getTexture(textureName);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture->textureId);
    // A picture that could not be read has no cells to map.
    if (texture->width > 0 && texture->height > 0)
    {
        for (std::size_t position = 0; position < text.size(); ++position)
        {
            const int index = cellIndex(text[position]);
            if (index == noCell)
                continue;
            drawGlyph(glyphCell(index, texture->width, texture->height),
                      glyphLeft(x, scaleX, static_cast<int>(position)), y, scaleX, scaleY);
        }
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

int Font::getGlyphWidth() const
{
    return glyphWidthPixels;
}

int Font::getGlyphHeight() const
{
    return glyphHeightPixels;
}

int Font::cellIndex(char character) const
{
    const std::size_t found = alphabet.find(character);
    return found == std::string::npos ? noCell : static_cast<int>(found);
}

Font::GlyphCell Font::glyphCell(int index, int pictureWidth, int pictureHeight)
{
    assert(pictureWidth > 0 && pictureHeight > 0);
    const int offset = glyphWidthPixels * index;
    const float width = static_cast<float>(pictureWidth);
    const float height = static_cast<float>(pictureHeight);
    const int band = offset / pictureWidth;

    GlyphCell cell;
    cell.s0 = static_cast<float>(offset % pictureWidth) / width;
    cell.s1 = cell.s0 + glyphWidthPixels / width;
    cell.t0 = static_cast<float>(pictureHeight - (band + 1) * glyphHeightPixels) / height;
    cell.t1 = cell.t0 + glyphHeightPixels / height;
    return cell;
}

int Font::glyphLeft(int x, float scaleX, int position)
{
    return static_cast<int>(glyphWidthPixels * scaleX * static_cast<float>(position) + static_cast<float>(x));
}

void Font::drawGlyph(const GlyphCell& cell, int left, int top, float scaleX, float scaleY)
{
    const float x0 = static_cast<float>(left);
    const float x1 = x0 + glyphWidthPixels * scaleX;
    const float y1 = static_cast<float>(top);
    const float y0 = y1 - glyphHeightPixels * scaleY;
    glBegin(GL_QUADS);
    glTexCoord2f(cell.s0, cell.t1);
    glVertex3f(x0, y1, 0);
    glTexCoord2f(cell.s1, cell.t1);
    glVertex3f(x1, y1, 0);
    glTexCoord2f(cell.s1, cell.t0);
    glVertex3f(x1, y0, 0);
    glTexCoord2f(cell.s0, cell.t0);
    glVertex3f(x0, y0, 0);
    glEnd();
}
