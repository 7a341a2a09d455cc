% The four scan functions through the real host: the store passes from
% karvelo to sardovan, sardovan agrees with tressin bit for bit, the store's
% bytes, the progress text and the localisation of a simulated dipole.

folder = tempname(); mkdir(folder);
cleanup = onCleanup(@() confirm_recursive_rmdir(false) || rmdir(folder, 's'));
store = fullfile(folder, 'store.bin');
f = scan_fixture(32);
args = f.args(store);
nPoints = columns(f.R);

% karvelo writes the store and returns zeros; sardovan from it equals tressin.
[text, Z1, Z2] = evalc('karvelo(args{:})');
assert(isequal(Z1, zeros(nPoints, 1)) && isequal(Z2, zeros(nPoints, 1)), 'karvelo returns zeros');
assert(numel(strfind(text, ' R :')) == nPoints, 'karvelo shows one line per point');
info = dir(store);
assert(info.bytes == nPoints * (24 * 32 + 96), 'store length');

[text, T1, T2] = evalc('tressin(args{:})');
assert(numel(strfind(text, ' R :')) == nPoints, 'tressin shows one line per point');
[text, S1, S2] = evalc('sardovan(args{:})');
assert(isempty(text), 'sardovan shows nothing per point: [%s]', text);
assert(isequal(T1, S1) && isequal(T2, S2), 'sardovan equals tressin bit for bit');
assert(isequal(size(T1), [nPoints 1]));

% The simulated dipole sits on grid point f.source: V1 peaks there.
[~, peak] = max(T1);
assert(peak == f.source, 'V1 peaks at point %d, the source is point %d', peak, f.source);

% oblindra writes the same bytes as karvelo.
other = fullfile(folder, 'other.bin');
evalc('oblindra(f.sIndex, f.CoG, [], [], [], f.R, 1, 0.5, other)');
fid = fopen(store, 'r'); a = fread(fid, Inf, 'uint8=>uint8'); fclose(fid);
fid = fopen(other, 'r'); b = fread(fid, Inf, 'uint8=>uint8'); fclose(fid);
assert(isequal(a, b), 'oblindra and karvelo stores differ');

% sardovan looks only at the counts of sIndex and R, never their values.
moved = {f.sIndex(end:-1:1), rand(size(f.CoG)), 1, 2, 3, rand(size(f.R)), f.v, f.EPSILON, store};
[~, M1, M2] = evalc('sardovan(moved{:})');
assert(isequal(M1, S1) && isequal(M2, S2), 'sardovan used the values of sIndex, CoG or R');

% 4 sensors and 2 points: 384 bytes; the last 24 are point 2's singular values.
small = fullfile(folder, 'small.bin');
R2 = [0.01 0.02 0.03; -0.02 0.01 0.04]';
text = evalc('karvelo(1:4, f.CoG, [], [], [], R2, [], [], small);');
expected = sprintf('\n R :0.010000\t0.020000\t0.030000\n\n R :-0.020000\t0.010000\t0.040000\n');
assert(strcmp(text, expected), 'progress text: [%s]', text);
fid = fopen(small, 'r'); record = fread(fid, Inf, 'double', 0, 'ieee-le'); fclose(fid);
assert(numel(record) * 8 == 384, 'small store length');
[~, L2] = evalc('pemrick(R2(:, 2)'', f.CoG(:, 1:4)'')');
w = record(end - 2:end);
assert(all(w >= 0) && norm(sort(w) - sort(svd(L2))) < 1e-12 * norm(L2), 'singular values');
U = reshape(record(25:36), 3, 4)';
V = reshape(record(37:45), 3, 3)';
assert(norm(U * diag(w) * V' - L2) < 1e-12 * norm(L2), 'U diag(w) V'' reproduces the lead field');

% Many points run on several threads; the lines still come in grid order,
% and a point that fails ends the call after the lines up to its own.
big = repmat(f.R, 1, 4) + 1e-4 * reshape(1:3 * 4 * nPoints, 3, []) / (3 * 4 * nPoints);
expected = sprintf('\n R :%f\t%f\t%f\n', big);
call = args; call{6} = big;
text = evalc('tressin(call{:});');
assert(strcmp(text, expected), 'tressin lines out of grid order');
call{6}(:, 150) = NaN;
text = evalc('expect_error(@() tressin(call{:}), ''eegscan:tressin:numeric'')');
expected = [sprintf('\n R :%f\t%f\t%f\n', call{6}(:, 1:149)), sprintf('\n R :nan\tnan\tnan\n')];
assert(strcmp(text, expected), 'lines before a failure');

% Outputs: one or none asked for; an empty grid.
evalc('one = tressin(args{:});');
assert(isequal(one, T1));
evalc('tressin(args{:});');
empty = fullfile(folder, 'empty.bin');
[~, E1, E2] = evalc('karvelo(f.sIndex, f.CoG, [], [], [], [], [], [], empty)');
assert(isequal(size(E1), [0 1]) && isequal(size(E2), [0 1]));
info = dir(empty);
assert(info.bytes == 0, 'empty grid: an empty store');

% A grid split into chunks gives chunk stores whose concatenation is the
% store of the whole grid, byte for byte.
chunks = {1:30, 31:55, 56:nPoints};
joined = [];
for c = 1:numel(chunks)
  part = fullfile(folder, sprintf('chunk%d.bin', c));
  evalc('karvelo(f.sIndex, f.CoG, [], [], [], f.R(:, chunks{c}), [], [], part)');
  fid = fopen(part, 'r'); joined = [joined; fread(fid, Inf, 'uint8=>uint8')]; fclose(fid);
end
assert(isequal(joined, a), 'chunk stores do not concatenate to the whole store');

disp('test_scan passed');
