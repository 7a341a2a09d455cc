// shell_source_lead_field: the three-layer spherical lead field of one source
// at every sensor of a set, the series summed for eight sensors at a time.
//
// Inputs:
//   series    the order-dependent tables (shell_series)
//   sensors   the sensor set (shell_sensor_set)
//   source    the source point
//   work      scratch for this thread, made for sensors.padded
//   column    where the source's three values start in each row
// Outputs:
//   leadField sensors.count row pointers: leadField[j][column + a] is the
//             potential at sensor j of a unit dipole at the source along axis
//             a (0 = x, 1 = y, 2 = z)
#pragma once

#include "common/point3.h"
#include "shell/shell_sensor_set.h"
#include "shell/shell_series.h"

void shell_source_lead_field(const ShellSeries& series, const ShellSensorSet& sensors,
                             const Point3& source, ShellSourceWork& work,
                             double* const* leadField, int column);
