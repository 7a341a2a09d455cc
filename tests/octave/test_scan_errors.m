% Bad calls of the four scan functions: each ends with an error that has an
% identifier, before a line is shown or a file is touched; a failing
% precompute leaves no partial store and keeps an older one.

folder = tempname(); mkdir(folder);
cleanup = onCleanup(@() confirm_recursive_rmdir(false) || rmdir(folder, 's'));
f = scan_fixture(8);
store = fullfile(folder, 'store.bin');
evalc('karvelo(f.args(store){:})');
fid = fopen(store, 'r'); good = fread(fid, Inf, 'uint8=>uint8'); fclose(fid);

% Wrong input counts: the usage text, which names sardovan in all four.
usage = 'Usage : [V1,V2]=sardovan(sIndex,CoG,Triangles,B,B3,R,v,EPSILON,fName)';
args = f.args(store);
for name = {'karvelo', 'oblindra', 'tressin'}
  fn = str2func(name{1});
  expect_error(@() fn(args{1:8}), ['eegscan:' name{1} ':usage'], usage);
  expect_error(@() fn(args{:}, 1), ['eegscan:' name{1} ':usage'], usage);
end
expect_error(@() sardovan(args{1:8}), 'eegscan:sardovan:usage', ...
             'Usage : [V1,V2]=sardovan(sIndex,CoG,Triangles,B,B3,R,v,EPSILON,inputFileName)');

% Bad arguments. Each row: the functions it applies to, the position, the
% bad value. karvelo and oblindra ignore v and EPSILON entirely.
all4 = {'karvelo', 'oblindra', 'tressin', 'sardovan'};
sites = {'karvelo', 'oblindra', 'tressin'};
data = {'tressin', 'sardovan'};
bad = {
  all4,  1, int32(f.sIndex)
  all4,  1, []
  all4,  1, [1 2]
  sites, 1, [1 2 99]
  sites, 1, [0 1 2]
  sites, 1, [NaN 1 2]
  all4,  2, single(f.CoG)
  all4,  2, {f.CoG}
  all4,  6, f.R + 1i
  all4,  6, sparse(f.R)
  data,  7, 'abc'
  data,  7, ones(1, 7)
  data,  7, zeros(8, 10)
  data,  8, []
  data,  8, NaN
  data,  8, true
  all4,  9, 42
  all4,  9, ['ab'; 'cd']
};
for k = 1:rows(bad)
  for name = bad{k, 1}
    call = f.args(store);
    call{bad{k, 2}} = bad{k, 3};
    fn = str2func(name{1});
    text = evalc('expect_error(@() fn(call{:}), [''eegscan:'' name{1} '':badInput''])');
    assert(isempty(text), '%s, row %d printed [%s]', name{1}, k, text);
  end
end

% karvelo ignores v and EPSILON whatever they hold.
call = f.args(fullfile(folder, 'ignored.bin'));
call{7} = {}; call{8} = 'x';
evalc('karvelo(call{:})');

% Paths: a folder that does not exist, a folder as the store, a missing store.
expect_error(@() karvelo(f.args(fullfile(folder, 'no', 'store.bin')){:}), 'eegscan:karvelo:file');
expect_error(@() karvelo(f.args(folder){:}), 'eegscan:karvelo:file');
expect_error(@() sardovan(f.args(fullfile(folder, 'absent.bin')){:}), 'eegscan:sardovan:file');

% A store written for another sensor count, or too short for the grid.
call = f.args(store);
call{1} = 1:7; call{7} = f.v(1:7, :);
expect_error(@() sardovan(call{:}), 'eegscan:sardovan:store');
call = f.args(store);
call{6} = [f.R f.R];
expect_error(@() sardovan(call{:}), 'eegscan:sardovan:store');

% A read-only store can be scanned.
system(['chmod a-w ' store]);
evalc('sardovan(f.args(store){:})');
system(['chmod u+w ' store]);

% A numerical failure half-way (a NaN grid point) keeps the older store and
% leaves no partial file.
call = f.args(store);
call{6}(:, 5) = NaN;
evalc('expect_error(@() karvelo(call{:}), ''eegscan:karvelo:numeric'', ''No convergence in 30 SVDCMP iterations'')');
fid = fopen(store, 'r'); after = fread(fid, Inf, 'uint8=>uint8'); fclose(fid);
assert(isequal(after, good), 'the older store changed');
listing = dir(folder);
names = setdiff({listing.name}, {'.', '..', 'store.bin', 'ignored.bin'});
assert(isempty(names), 'left behind: %s', strjoin(names, ', '));

disp('test_scan_errors passed');
