% TRESSIN  MUSIC scan of a grid with three-shell lead fields computed on the spot.
%
%   [V1, V2] = tressin(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, fName)
%
%   For every grid point, the three-shell spherical lead field at the chosen
%   electrode sites is decomposed (SVD) and projected on the noise subspace
%   of the data; V1 and V2 grow large where a dipole can explain the data.
%
%   sIndex     1-based numbers of the electrode sites among the CoG points,
%              one per sensor, any shape (taken in storage order; values are
%              truncated toward zero). At least 3 sensors. The first site
%              fixes the head radius.
%   CoG        3 x m candidate sites, one point per column (metres or any
%              unit used throughout).
%   Triangles, B, B3   accepted and ignored (any value).
%   R          3 x nPoints grid of candidate dipole positions, one point per
%              column (read as consecutive x, y, z triples).
%   v          nSensors x nSamples measured data, one row per sensor in the
%              order of sIndex, one column per sample.
%   EPSILON    signal-energy threshold: the signal subspace is the smallest
%              number k of data eigenvectors whose squared eigenvalues reach
%              the share EPSILON of the total (e.g. 0.9). Only the first
%              element counts.
%   fName      a character row; accepted and ignored.
%
%   V1         nPoints x 1: 1 / (smallest eigenvalue of the lead field's
%              noise-subspace projection).
%   V2         nPoints x 1: total lead-field power over its power in the
%              noise subspace without its last vector.
%
%   One line " R :x<TAB>y<TAB>z" is printed per grid point.
%
%   Errors: eegscan:tressin:usage (not nine inputs), eegscan:tressin:badInput
%   (wrong classes, fewer than 3 sensors, sIndex outside 1..m, v with fewer
%   than nSensors values or no energy, EPSILON empty or NaN),
%   eegscan:tressin:numeric (an SVD that does not converge, e.g. a NaN grid
%   point).
%
%   Example:
%     cap = 0.09 * [sind(50) 0 cosd(50); 0 sind(50) cosd(50); ...
%                   -sind(50) 0 cosd(50); 0 -sind(50) cosd(50); 0 0 1];
%     R = [0 0 0.03; 0.02 0 0.03]';
%     v = pemrick(R(:, 2)', cap) * [0; 0; 1] * sin(1:20);
%     [V1, V2] = tressin(1:5, cap', [], [], [], R, v, 0.9, '');
%
%   See also SARDOVAN, KARVELO, PEMRICK.
