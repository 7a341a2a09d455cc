% TRESSIN  MUSIC scan of a grid, three-shell lead fields computed on the spot.
%
%   [V1, V2] = tressin(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, fName)
%
%   From the data v, the signal subspace is estimated once (covariance about
%   zero, its eigenvectors, and as many of them as EPSILON asks for). Then,
%   for every grid point of R, the three-shell spherical lead field at the
%   electrode sites (nSensors x 3, the same model as PEMRICK) is decomposed
%   by SVD and projected on the noise subspace. V1 and V2 grow large where a
%   current dipole at that point can explain the data.
%
%   Inputs (real, full double arrays; lengths in metres or any one unit):
%     sIndex   1-based numbers of the electrode sites among the CoG points,
%              one per sensor, any shape, taken in storage order; values are
%              truncated toward zero (2.9 is site 2). At least 3 sensors.
%              The first site fixes the head radius; project electrodes onto
%              one sphere first.
%     CoG      3 x m candidate sites, one point per column.
%     Triangles, B, B3   accepted and ignored (any value).
%     R        3 x nPoints grid of candidate dipole positions, one point per
%              column (read as consecutive x, y, z triples; an nPoints x 3
%              matrix would mix the coordinates of different points).
%     v        nSensors x nSamples measured data, one row per sensor in the
%              order of sIndex, one column per sample (any unit). Values past
%              nSensors * floor(numel(v) / nSensors) are ignored.
%     EPSILON  signal-energy threshold, a share between 0 and 1 (e.g. 0.9 to
%              0.99; the noisier the data, the lower): the signal subspace is
%              the fewest leading eigenvectors whose squared eigenvalues reach
%              this share of the sum of all squared eigenvalues. Only the
%              first element counts. Above 1 every eigenvector is signal and
%              V1 and V2 are Inf.
%     fName    a character row; accepted and ignored.
%
%   Outputs (nPoints x 1, dimensionless):
%     V1       1 / (smallest eigenvalue of the projection of the lead field's
%              left singular vectors on the noise subspace): the best dipole
%              orientation at each point. With noise-free data of a single
%              dipole that eigenvalue is rounding noise and V1 can come out
%              huge and of either sign; add a little noise or lower EPSILON.
%     V2       total lead-field power over its power in the noise subspace
%              (without its last vector): all orientations, weighted by power.
%   With one output only V1 is made.
%
%   One line " R :x<TAB>y<TAB>z" is printed per grid point; wrap the call in
%   evalc to collect them.
%
%   Errors:
%     eegscan:tressin:usage     not exactly nine inputs
%     eegscan:tressin:badInput  an input of the wrong class (not a real, full
%                               double array; fName not a character row),
%                               fewer than 3 sensors, an sIndex value outside
%                               1 .. m, v with fewer values than sensors or
%                               with every value zero, EPSILON empty or NaN
%     eegscan:tressin:numeric   an SVD that does not converge (a grid point
%                               with NaN or Inf, a first site at the centre)
%
%   Example: five electrodes, three grid points, a dipole at the second.
%     cap = 0.09 * [sind(50) 0 cosd(50); 0 sind(50) cosd(50); ...
%                   -sind(50) 0 cosd(50); 0 -sind(50) cosd(50); 0 0 1];
%     R = [0 0 0.03; 0.02 0 0.03; -0.02 0 0.03]';
%     L = pemrick(R(:, 2)', cap);
%     randn('state', 1);
%     v = L * [0; 0; 1] * sin(1:20) + 0.5 * randn(5, 20);
%     [V1, V2] = tressin(1:5, cap', [], [], [], R, v, 0.9, '');
%     % V1 is about [145; 3.9e6; 58]: the second point stands out.
%
%   See also SARDOVAN, KARVELO, PEMRICK.
