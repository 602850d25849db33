#include "collision/ClipPolygon.h"

int clipAt(const Vec3* in, int count, float limit, bool keepAbove, Vec3* out)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const Vec3& a = in[i];
        const Vec3& b = in[(i + 1) % count];
        const bool aIn = keepAbove ? a.y >= limit : a.y <= limit;
        const bool bIn = keepAbove ? b.y >= limit : b.y <= limit;
        if (aIn)
            out[kept++] = a;
        if (aIn != bIn) {
            const float t = (limit - a.y) / (b.y - a.y);
            out[kept++] = Vec3(a.x + (b.x - a.x) * t, limit, a.z + (b.z - a.z) * t);
        }
    }
    return kept;
}
