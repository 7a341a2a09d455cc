% SARDOVAN  MUSIC scan of a grid from a store written by KARVELO or OBLINDRA.
%
%   [V1, V2] = sardovan(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, inputFileName)
%
%   The same MUSIC values as TRESSIN, bit for bit, with each grid point's
%   lead-field SVD read from the store instead of computed. The store does
%   not record what it was written for: it must come from the same sensors
%   in the same order and the same grid in the same order as this call.
%
%   Inputs (real, full double arrays):
%     sIndex   only its element count, nSensors (at least 3), is used.
%     CoG, Triangles, B, B3   accepted and ignored (CoG must be a double
%              array).
%     R        only its element count is used: nPoints = floor(numel(R) / 3).
%     v        nSensors x nSamples measured data, one row per sensor in the
%              order the store was written for, one column per sample.
%     EPSILON  signal-energy threshold, as for TRESSIN.
%     inputFileName  path of the store, a character row. It is only read.
%              Its size must be a whole number of records of
%              24 * nSensors + 96 bytes, and at least nPoints records.
%
%   Outputs (nPoints x 1, dimensionless): V1 and V2 as for TRESSIN. With one
%   output only V1 is made. Nothing is printed per point.
%
%   Errors:
%     eegscan:sardovan:usage     not exactly nine inputs
%     eegscan:sardovan:badInput  an input of the wrong class, fewer than 3
%                                sensors, v with fewer values than sensors
%                                or with every value zero, EPSILON empty or
%                                NaN
%     eegscan:sardovan:file      the store does not exist or cannot be read
%     eegscan:sardovan:store     its size does not fit nSensors and nPoints
%
%   Example (cap, R and v of the TRESSIN example):
%     karvelo(1:5, cap', [], [], [], R, [], [], 'grid.store');
%     [V1, V2] = sardovan(1:5, cap', [], [], [], R, v, 0.9, 'grid.store');
%     % the same V1 and V2 as tressin(1:5, cap', [], [], [], R, v, 0.9, '')
%
%   See also KARVELO, OBLINDRA, TRESSIN.
