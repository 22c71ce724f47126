#include "world/World.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "graphics/PictureLook.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"
#include "platform/Clock.h"
#include "platform/RegularFile.h"
#include "world/HeartKinds.h"
#include "world/LevelReader.h"
#include "world/LevelReport.h"

#include <SDL_opengl.h>

#include <cassert>
#include <cstdlib>
#include <fstream>
#include <locale>

std::uint32_t World::lastEmission = 0;
bool World::emissionTimerStarted = false;

namespace
{
void bindTexture(const std::string& name)
{
    glBindTexture(GL_TEXTURE_2D, Core::instance()->getTextureManager()->getTexture(name)->textureId);
}
} // namespace

void World::handleEvent(Event& event)
{
    if (event.type == Tick && !paused)
        step();
}

void World::pause()
{
    if (paused)
        return;
    paused = true;
    pausedAt = platform::tickCount();
}

void World::resume()
{
    if (!paused)
        return;
    paused = false;
    lastEmission += platform::tickCount() - pausedAt;
}

bool World::isPaused() const
{
    return paused;
}

void World::step()
{
    emitParticles();
    moveParticles();
    collectParticles();
    spinBodies();
}

void World::load(const std::string& fileName, LevelReport* report)
{
    if (report)
        *report = LevelReport();
    // Level files are written with a decimal point whatever the player's language.
    std::ifstream file;
    file.imbue(std::locale::classic());
    if (platform::isRegularFile(fileName))
        file.open(fileName);
    std::vector<Generator> readGenerators;
    std::vector<GravBody> readBodies;
    LevelReader(file, report).read(readGenerators, readBodies);
    stars.clear();
    setLevel(std::move(readGenerators), std::move(readBodies));
    scatterStars();
}

void World::setLevel(std::vector<Generator> levelGenerators, std::vector<GravBody> levelBodies)
{
    heartsLeft.clear();
    for (const HeartKind& kind : HeartKinds::all)
        heartsLeft.push_back(kind.supply);
    capturedCount = 0;
    particles.clear();
    generators = std::move(levelGenerators);
    bodies = std::move(levelBodies);
}

void World::draw()
{
    blinkStars();
    drawBlinked();
}

void World::blinkStars()
{
    darkStars.resize(stars.size());
    for (char& dark : darkStars)
        dark = std::rand() % starBlinkOdds == 0;
}

void World::drawBlinked()
{
    drawBackground();
    drawStars();
    drawParticles();
    drawBodies();
}

void World::appendLook(PictureLook& look) const
{
    // Counts first, so that lists of different lengths cannot run into one another.
    look.add(static_cast<int>(stars.size()));
    look.add(static_cast<int>(particles.size()));
    look.add(static_cast<int>(bodies.size()));
    look.add(darkStars.data(), darkStars.size());
    // A star of size 0 asks OpenGL for a point size it refuses, and so is drawn at the size still in force
    // from whatever was drawn before it, the last star of the frame before at the latest.
    GLfloat inheritedPointSize = 0;
    glGetFloatv(GL_POINT_SIZE, &inheritedPointSize);
    look.add(inheritedPointSize);
    for (const Particle& star : stars)
        look.add(star.position);
    for (const Particle& particle : particles)
        look.add(particle.position);
    for (const GravBody& body : bodies)
    {
        look.add(body.position);
        look.add(body.radius);
        look.add(body.angle);
        look.add(body.textureName);
    }
}

void World::placeHeart(int x, int y, float radius, float strength, const std::string& image)
{
    const std::size_t kind = HeartKinds::withPicture(image);
    if (kind != HeartKinds::none)
    {
        if (heartsLeft[kind] <= 0)
            return;
        --heartsLeft[kind];
        playClick();
    }
    bodies.push_back(
        GravBody(Vector3(static_cast<float>(x), static_cast<float>(y), 0), radius, strength, image, 0));
}

bool World::isFlowOver() const
{
    if (!particles.empty())
        return false;
    for (const Generator& generator : generators)
        if (generator.remaining > 0)
            return false;
    return true;
}

int World::getCapturedCount() const
{
    return capturedCount;
}

int World::getHeartsLeft(std::size_t kind) const
{
    assert(kind < heartsLeft.size() && "a kind of HeartKinds, after the first load");
    return heartsLeft[kind];
}

const std::list<Particle>& World::getParticles() const
{
    return particles;
}

const std::vector<Generator>& World::getGenerators() const
{
    return generators;
}

const std::vector<GravBody>& World::getBodies() const
{
    return bodies;
}

const std::vector<Particle>& World::getStars() const
{
    return stars;
}

void World::resetEmissionTimer()
{
    emissionTimerStarted = false;
}

void World::emitParticles()
{
    const std::uint32_t now = platform::tickCount();
    if (!emissionTimerStarted)
    {
        lastEmission = now;
        emissionTimerStarted = true;
    }
    // Unsigned difference, so the wrap of the tick counter never stops the flow.
    if (now - lastEmission <= emissionIntervalMs)
        return;
    lastEmission = now;
    for (Generator& generator : generators)
    {
        if (generator.remaining <= 0)
            continue;
        --generator.remaining;
        particles.push_back(Particle{generator.position, generator.velocity});
    }
}

void World::moveParticles()
{
    bodyLanes.assign(bodies);
    reachingBody.clear();
    for (Particle& particle : particles)
    {
        // The move uses the velocity from before this step's pulls.
        particle.position = particle.position + particle.velocity;
        reachingBody.push_back(bodyLanes.pull(particle));
    }
}

void World::collectParticles()
{
    assert(reachingBody.size() == particles.size() && "the step collects right after it moves");
    auto reach = reachingBody.cbegin();
    for (auto particle = particles.begin(); particle != particles.end(); ++reach)
    {
        if (!isInsideFieldLimits(particle->position))
        {
            particle = particles.erase(particle);
            continue;
        }
        if (*reach < 0)
        {
            ++particle;
            continue;
        }
        if (bodies[static_cast<std::size_t>(*reach)].isPlanet())
            ++capturedCount;
        particle = particles.erase(particle);
    }
}

void World::spinBodies()
{
    for (GravBody& body : bodies)
    {
        body.angle = body.angle + body.spin;
        if (body.angle > fullTurnDegrees)
            body.angle = 0;
    }
}

// Written so that a position that is not a number counts as outside: such a particle could otherwise never
// leave the field.
bool World::isInsideFieldLimits(const Vector3& position)
{
    return position.x >= fieldLeftLimit && position.x <= fieldRightLimit && position.y >= fieldBottomLimit &&
           position.y <= fieldTopLimit;
}

void World::scatterStars()
{
    for (int index = 0; index < starCount; ++index)
    {
        // One statement per draw: the order of the three rand() calls is part of the stars' places.
        const int x = std::rand() % fieldWidth;
        const int y = std::rand() % fieldHeight;
        const int size = std::rand() % starSizeCount;
        stars.push_back(Particle{
            Vector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(size)), Vector3()});
    }
}

void World::setClickPlayer(std::function<void()> player)
{
    clickPlayer = std::move(player);
}

void World::playClick() const
{
    if (clickPlayer)
        clickPlayer();
}

// The background is opaque and covers the field, so after its first drawing the frame holds nothing
// else: those pixels are kept and put back, the same picture for a fraction of the filtering.
void World::drawBackground()
{
    glColor3f(1, 1, 1);
    if (background.isHeld())
    {
        background.put();
        return;
    }
    glEnable(GL_TEXTURE_2D);
    bindTexture(backgroundPicture);
    TexturedQuad::draw(0, 0, fieldWidth, fieldHeight);
    glDisable(GL_TEXTURE_2D);
    background.take(fieldWidth, fieldHeight);
}

void World::drawStars()
{
    for (std::size_t index = 0; index < stars.size(); ++index)
    {
        const Particle& star = stars[index];
        const bool dark = index < darkStars.size() && darkStars[index];
        const float grey = dark ? 0.0f : starGrey;
        glColor3f(grey, grey, grey);
        glPointSize(star.position.z);
        glBegin(GL_POINTS);
        glVertex3f(star.position.x, star.position.y, 0);
        glEnd();
    }
}

void World::drawBodies()
{
    for (GravBody& body : bodies)
        body.draw();
}

void World::drawParticles()
{
    glColor4f(1, 1, 1, particleAlpha);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    bindTexture(particlePicture);
    for (const Particle& particle : particles)
    {
        glPushMatrix();
        glTranslatef(particle.position.x, particle.position.y, particle.position.z);
        TexturedQuad::drawCentred(particleHalfSize, particleHalfSize);
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}
