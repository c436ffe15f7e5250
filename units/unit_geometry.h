// The geometry the units service converts between length units.
#pragma once

#include <vector>

struct KovtPoint3d {
  double x = 0.0, y = 0.0, z = 0.0;
};

struct KovtVector3d {
  double x = 0.0, y = 0.0, z = 0.0;
};

using KovtPoint3dArray = std::vector<KovtPoint3d>;
