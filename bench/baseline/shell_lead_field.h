// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// shell_lead_field: the lead field of a three-layer spherical head.
//
// For every source i and sensor j, the potential at sensor j of a unit current
// dipole at source i along x, y and z, from a Legendre series of exactly 100
// terms. The sphere is centred at the origin; its outer radius R is the
// distance of sensors[0] from the centre and every sensor is treated as lying
// on that sphere (only its direction and its dot product with the source
// count). Lengths are in any unit used consistently; the potential scales as
// 1 / length^2.
//
// Inputs:
//   sources      sourceCount pointers, each to the Point3 of one source
//   sourceCount  number of sources (0 or less: nothing is written)
//   sensors      sensorCount pointers, each to the Point3 of one sensor;
//                sensors[0] is always read and must not be the centre
//   sensorCount  number of sensors (0 or less: nothing is written)
// Outputs:
//   leadField    sensorCount pointers, each to 3 * sourceCount doubles:
//                leadField[j][3 * i + a] = potential at sensor j of a unit
//                dipole at source i along axis a (0 = x, 1 = y, 2 = z)
#pragma once

#include "common/point3.h"

namespace baseline {

void shell_lead_field(const Point3* const* sources, int sourceCount, const Point3* const* sensors,
                      int sensorCount, double* const* leadField);

}  // namespace baseline
