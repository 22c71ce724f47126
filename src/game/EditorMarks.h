#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <optional>

// The editor's marks on the field: a ring round the chosen generator or body and, for a generator, the
// handle at the end of its aim, a line out to a small disc that the player drags to set the velocity.
// Ignores the mouse: the editor itself follows the pointer.
class EditorMarks : public Widget
{
public:
    // How far outside the chosen thing the ring stands, in field units.
    static constexpr float ringGap = 5;

    // A ring of that radius round the centre, and the aim's handle when given; all in field units.
    EditorMarks(Vector3 centre, float radius, std::optional<Vector3> aim);

    // Needs the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

private:
    void drawRing() const;
    void drawAim() const;

    Vector3 centre;
    float radius;
    std::optional<Vector3> aim;
};
