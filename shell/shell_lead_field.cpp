#include "shell/shell_lead_field.h"

#include "common/parallel_for.h"
#include "shell/shell_sensor_set.h"
#include "shell/shell_series.h"
#include "shell/shell_source_lead_field.h"

void shell_lead_field(const Point3* const* sources, int sourceCount, const Point3* const* sensors,
                      int sensorCount, double* const* leadField) {
  ShellSeries series;
  shell_series(series);
  const ShellSensorSet sensorSet = shell_sensor_set(sensors, sensorCount);
  if (sourceCount <= 0 || sensorCount <= 0) return;

  // Sources are independent: each thread takes a range of them and writes
  // only their columns.
  parallel_for(sourceCount, 16, [&](long begin, long end) {
    ShellSourceWork work(sensorSet.padded);
    for (long i = begin; i < end; ++i) {
      shell_source_lead_field(series, sensorSet, *sources[i], work, leadField,
                              static_cast<int>(3 * i));
    }
  });
}
