#include "world/BodyLanes.h"

#include "world/GravBody.h"
#include "world/Particle.h"
#include "world/Vector3.h"

#include <emmintrin.h>

#include <algorithm>

void BodyLanes::assign(const std::vector<GravBody>& bodies)
{
    count = bodies.size();
    const std::size_t padded = (count + laneCount - 1) / laneCount * laneCount;
    for (std::vector<float>* lane : {&x, &y, &z, &strength, &radius})
        lane->assign(padded, 0.0f);
    for (std::size_t index = 0; index < count; ++index)
    {
        x[index] = bodies[index].position.x;
        y[index] = bodies[index].position.y;
        z[index] = bodies[index].position.z;
        strength[index] = bodies[index].strength;
        radius[index] = bodies[index].radius;
    }
}

int BodyLanes::pull(Particle& particle) const
{
    int firstReaching = -1;
    const __m128 particleX = _mm_set1_ps(particle.position.x);
    const __m128 particleY = _mm_set1_ps(particle.position.y);
    const __m128 particleZ = _mm_set1_ps(particle.position.z);
    const __m128 one = _mm_set1_ps(1.0f);
    Vector3& velocity = particle.velocity;
    for (std::size_t first = 0; first < count; first += laneCount)
    {
        // Toward the body, its length, 1 / d^2, the direction, and (direction * 1 / d^2) * strength.
        const __m128 towardX = _mm_sub_ps(_mm_loadu_ps(&x[first]), particleX);
        const __m128 towardY = _mm_sub_ps(_mm_loadu_ps(&y[first]), particleY);
        const __m128 towardZ = _mm_sub_ps(_mm_loadu_ps(&z[first]), particleZ);
        const __m128 squares =
            _mm_add_ps(_mm_add_ps(_mm_mul_ps(towardX, towardX), _mm_mul_ps(towardY, towardY)),
                       _mm_mul_ps(towardZ, towardZ));
        const __m128 distance = _mm_sqrt_ps(squares);
        const __m128 inverseSquare = _mm_div_ps(one, _mm_mul_ps(distance, distance));
        const __m128 bodyStrength = _mm_loadu_ps(&strength[first]);
        alignas(16) float pullX[laneCount];
        alignas(16) float pullY[laneCount];
        alignas(16) float pullZ[laneCount];
        alignas(16) float distances[laneCount];
        _mm_store_ps(pullX,
                     _mm_mul_ps(_mm_mul_ps(_mm_div_ps(towardX, distance), inverseSquare), bodyStrength));
        _mm_store_ps(pullY,
                     _mm_mul_ps(_mm_mul_ps(_mm_div_ps(towardY, distance), inverseSquare), bodyStrength));
        _mm_store_ps(pullZ,
                     _mm_mul_ps(_mm_mul_ps(_mm_div_ps(towardZ, distance), inverseSquare), bodyStrength));
        _mm_store_ps(distances, distance);

        const std::size_t lanes = std::min(laneCount, count - first);
        const int reached =
            _mm_movemask_ps(_mm_cmple_ps(distance, _mm_loadu_ps(&radius[first]))) & ((1 << lanes) - 1);
        if (firstReaching < 0 && reached != 0)
            firstReaching = static_cast<int>(first) + __builtin_ctz(static_cast<unsigned>(reached));
        for (std::size_t lane = 0; lane < lanes; ++lane)
        {
            if (distances[lane] == 0)
                continue;
            velocity.x = velocity.x + pullX[lane];
            velocity.y = velocity.y + pullY[lane];
            velocity.z = velocity.z + pullZ[lane];
        }
    }
    return firstReaching;
}
