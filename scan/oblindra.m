% OBLINDRA  Write the store of per-point lead-field SVDs that SARDOVAN scans.
%
%   [V1, V2] = oblindra(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, fName)
%
%   For every grid point of R, the three-shell spherical lead field L at the
%   electrode sites (nSensors x 3, the same model as PEMRICK and TRESSIN) is
%   decomposed as L = U * diag(w) * V' and written as one record to the file
%   fName. KARVELO is the same function under another name.
%
%   Inputs (real, full double arrays; lengths in metres or any one unit):
%     sIndex   1-based numbers of the electrode sites among the CoG points,
%              one per sensor, any shape, taken in storage order; values are
%              truncated toward zero. At least 3 sensors. The first site
%              fixes the head radius.
%     CoG      3 x m candidate sites, one point per column.
%     Triangles, B, B3, v, EPSILON   accepted and ignored (any value).
%     R        3 x nPoints grid of candidate dipole positions, one point per
%              column.
%     fName    path of the store, a character row. An existing file is
%              replaced only once the whole store is written; after an error
%              no partial file is left and an older store is unchanged.
%
%   Outputs: V1, V2, nPoints x 1 zeros (with one output only V1).
%
%   The store: no header; nPoints records of 3 * nSensors + 12 little-endian
%   doubles (24 * nSensors + 96 bytes): U by rows (nSensors x 3), V by rows
%   (3 x 3), then w(1:3), unsorted. A grid split into consecutive chunks
%   gives chunk stores whose concatenation, in order, is byte for byte the
%   store of the whole grid.
%
%   One line " R :x<TAB>y<TAB>z" is printed per grid point; wrap the call in
%   evalc to collect them.
%
%   Errors:
%     eegscan:oblindra:usage     not exactly nine inputs
%     eegscan:oblindra:badInput  an input of the wrong class (sIndex, CoG or R
%                                not a real, full double array; fName not a
%                                character row), fewer than 3 sensors, an
%                                sIndex value outside 1 .. m
%     eegscan:oblindra:file      the store cannot be created or written (empty
%                                path, a folder, a missing folder, a full disk)
%     eegscan:oblindra:numeric   an SVD that does not converge (a grid point
%                                with NaN or Inf, a first site at the centre)
%
%   Example: five electrodes, two grid points, then the record of point 2.
%     cap = 0.09 * [sind(50) 0 cosd(50); 0 sind(50) cosd(50); ...
%                   -sind(50) 0 cosd(50); 0 -sind(50) cosd(50); 0 0 1];
%     R = [0 0 0.03; 0.02 0 0.03]';
%     oblindra(1:5, cap', [], [], [], R, [], [], 'grid.store');
%     fid = fopen('grid.store'); store = fread(fid, Inf, 'double', 0, 'ieee-le'); fclose(fid);
%     record = store(28:54);                  % 3 * 5 + 12 doubles per point
%     U = reshape(record(1:15), 3, 5)';  V = reshape(record(16:24), 3, 3)';
%     w = record(25:27);                      % U * diag(w) * V' is the lead field
%
%   See also SARDOVAN, TRESSIN, KARVELO.
