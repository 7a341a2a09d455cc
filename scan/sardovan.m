% SARDOVAN  MUSIC scan of a grid from a store written by KARVELO or OBLINDRA.
%
%   [V1, V2] = sardovan(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, inputFileName)
%
%   The same MUSIC values as TRESSIN, with each grid point's lead-field SVD
%   read from the store instead of computed. The store must have been
%   written for the same sensors in the same order and the same grid.
%
%   sIndex     only its element count (nSensors, at least 3) is used.
%   CoG, Triangles, B, B3   accepted and ignored.
%   R          only its element count is used: nPoints = floor(numel(R)/3).
%   v          nSensors x nSamples data, one row per sensor, in the order
%              the store was written for.
%   EPSILON    signal-energy threshold, as for TRESSIN.
%   inputFileName  path of the store (opened read-only). Its length must be
%              a whole number of records of 24*nSensors + 96 bytes and hold
%              at least nPoints records.
%
%   V1, V2     nPoints x 1, as for TRESSIN. Nothing is printed per point.
%
%   Errors: eegscan:sardovan:usage, eegscan:sardovan:badInput (wrong classes,
%   fewer than 3 sensors, v with fewer than nSensors values or no energy,
%   EPSILON empty or NaN), eegscan:sardovan:file (the store cannot be
%   opened), eegscan:sardovan:store (its size does not fit the call).
%
%   Example:
%     karvelo(1:5, cap', [], [], [], R, [], [], 'grid.store');
%     [V1, V2] = sardovan(1:5, cap', [], [], [], R, v, 0.9, 'grid.store');
%
%   See also KARVELO, TRESSIN.
