% PEMRICK  Lead field of a three-shell spherical head.
%
%   output = pemrick(argument1, argument2)
%
%   The potential at each sensor of a unit current dipole at each source,
%   pointing along x, y and z, for a sphere centred at the origin with three
%   layers: conductivity 0.2 inside 0.8 R, 0.0131 from 0.8 R to 0.9 R (the
%   skull) and 0.2 from 0.9 R to R. The series has 100 terms.
%
%   argument1  source points (dipole positions), in metres or any length
%              unit used for both arguments. An array of E elements holds
%              floor(E/3) points read in three blocks: the first E/3 values
%              are the x coordinates, the next E/3 the y, the last E/3 the z.
%              So an N x 3 matrix (one point per row) is read as expected;
%              a 3 x N matrix (one point per column) is NOT - pass it as
%              its transpose.
%   argument2  sensor (electrode) points, read in the same way. The first
%              sensor fixes the head radius R = norm(sensor 1); every sensor
%              is treated as lying on that sphere, so project electrodes
%              onto one sphere first.
%
%   output     nSensors x (3 * nSources) double matrix: column 3*(i-1)+a is
%              source i with the dipole along axis a (1 = x, 2 = y, 3 = z).
%              Units: potential per unit dipole moment, scaled as
%              1 / length^2 in the unit of the inputs.
%
%   The call prints the x of the first source and the x and y of the first
%   sensor (a check of what was read).
%
%   Errors:
%     eegscan:pemrick:inputCount   not exactly two inputs
%     eegscan:pemrick:outputCount  more than one output
%     eegscan:pemrick:badInput     an argument that is not a real, full
%                                  double array, holds fewer than three
%                                  values, or a first sensor at the centre
%
%   Example:
%     L = pemrick([0.01 0.02 0.03], [0.09 0 0; 0 0.09 0; 0 0 0.09]);
%     % L(2, :) is the lead field at the second sensor: about
%     % [-14.04 161.42 -42.13]
