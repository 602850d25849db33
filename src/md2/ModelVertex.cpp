#include "md2/ModelVertex.h"

// Defined here rather than with Vec3, so that the vector type needs nothing of the models.
void Vec3::set(ModelVertex vertex)
{
    *this = vertex.position;
}
