% KARVELO  Write the store of per-point lead-field SVDs for SARDOVAN.
%
%   [V1, V2] = karvelo(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, fName)
%
%   For every grid point of R, the three-shell spherical lead field L at the
%   electrode sites (nSensors x 3) is decomposed as L = U * diag(w) * V' and
%   written as one record to the file fName. OBLINDRA is the same function
%   under another name.
%
%   sIndex     1-based numbers of the electrode sites among the CoG points,
%              at least 3, any shape (storage order). The first fixes the
%              head radius.
%   CoG        3 x m candidate sites, one point per column.
%   Triangles, B, B3, v, EPSILON   accepted and ignored (any value).
%   R          3 x nPoints grid of candidate dipole positions.
%   fName      path of the store (a character row). An existing file is
%              replaced only when the whole store is written; on an error
%              no partial file is left and an older store stays as it was.
%
%   V1, V2     nPoints x 1 zeros.
%
%   The store: no header; nPoints records of 3*nSensors + 12 little-endian
%   doubles (24*nSensors + 96 bytes): U by rows, V by rows, then w(1:3)
%   (unsorted). A grid split into consecutive chunks gives chunk stores
%   whose concatenation is the store of the whole grid.
%
%   One line " R :x<TAB>y<TAB>z" is printed per grid point.
%
%   Errors: eegscan:karvelo:usage, eegscan:karvelo:badInput (wrong classes,
%   fewer than 3 sensors, sIndex outside 1..m), eegscan:karvelo:file (the
%   store cannot be created or written), eegscan:karvelo:numeric (an SVD
%   that does not converge, e.g. a NaN grid point).
%
%   Example:
%     cap = 0.09 * [sind(50) 0 cosd(50); 0 sind(50) cosd(50); ...
%                   -sind(50) 0 cosd(50); 0 -sind(50) cosd(50); 0 0 1];
%     R = [0 0 0.03; 0.02 0 0.03]';
%     karvelo(1:5, cap', [], [], [], R, [], [], 'grid.store');
%
%   See also SARDOVAN, TRESSIN, OBLINDRA.
